// The windows the login leads to: the self-update download, the password-change request and the
// request page.
#include "app/core/identity.h"
#include "app/core/utils.h"
#include "app/login/dosyaindiru.h"
#include "app/login/formistekyeniu.h"
#include "app/login/kullanicikayitu.h"
#include "app/login/programbaslat.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/processend.h"
#include "platform/system/sounds.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineView>
#include <QtTest>
#include <boost/json.hpp>

class RequestFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void progressText_data();
    void progressText();
    void downloadReplacesOldFileAndStartsIt();
    void downloadErrorStatusStartsNothing();
    void unreachableDownloadEnds();

    void passwordRequestPrefilledFromServer();
    void passwordRequestValidationOrder_data();
    void passwordRequestValidationOrder();
    void passwordRequestSendsUntrimmed();

    void requestPageOpensHeadless();

private:
    Tkullanicikayit *kayitFormu(TSQLConnection &connection);

    std::unique_ptr<TempFolders> m_folders;
    std::unique_ptr<ScriptedServer> m_server;
    int m_endCount = 0;
    QList<QPair<QString, QStringList>> m_started;
};

void RequestFormsTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setSystemSoundPlayer([](SystemSound) {});
    setRetryWait([](int) {});
    setProcessEndHandler([this] { ++m_endCount; });
    setProgramStarter([this](const QString &path, const QStringList &args) {
        m_started.append({path, args});
        return true;
    });
    IdentitySources sources;
    sources.diskSerial = [] { return QStringLiteral("ABC123"); };
    setIdentitySources(sources);
}

void RequestFormsTest::init()
{
    m_folders = std::make_unique<TempFolders>();
    m_server = std::make_unique<ScriptedServer>();
    m_endCount = 0;
    m_started.clear();
}

void RequestFormsTest::progressText_data()
{
    QTest::addColumn<qint64>("read");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("half of 10 MiB") << qint64(5 * 1048576) << qint64(10 * 1048576)
                                    << "Bilgi: %50,00  İndirilen: 5,00/10,00 Mb";
    QTest::newRow("start") << qint64(0) << qint64(3 * 1048576) << "Bilgi: %0,00  İndirilen: 0,00/3,00 Mb";
    QTest::newRow("no grouping above 1000 Mb")
        << qint64(1100) * 1048576 << qint64(2200) * 1048576 << "Bilgi: %50,00  İndirilen: 1100,00/2200,00 Mb";
}

void RequestFormsTest::progressText()
{
    QFETCH(qint64, read);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    QCOMPARE(IndirmeBilgisi(read, total), text);
}

void RequestFormsTest::downloadReplacesOldFileAndStartsIt()
{
    QByteArray setup(300 * 1024, 'x');
    setup.prepend("#!/bin/sh\n");
    m_server->answer("/exe/RavlaSetup.exe",
                     {200, setup.toStdString(), 0, -1, -1, false, false, "application/octet-stream"});
    Tdosyaindir window(nullptr, 4,
                       QStringLiteral("http://127.0.0.1:%1/exe/RavlaSetup.exe").arg(m_server->port()));
    QVERIFY(window.duyuruMetni().endsWith(QStringLiteral("Lütfen Bekleyiniz...!\r\nVersion: 4-3")));
    QDir().mkpath(QFileInfo(window.hedefDosya()).path());
    {
        QFile old(window.hedefDosya());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(
            "eski kurulum dosyası, çok daha uzun olan içerik ............................................");
    }
    window.show();
    QTRY_COMPARE(m_endCount, 1);
    QCOMPARE(m_started.size(), 1);
    QCOMPARE(m_started.first().first, window.hedefDosya());
    QCOMPARE(m_started.first().second, QStringList{QStringLiteral("/silent")});
    QFile saved(window.hedefDosya());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), setup);
    QVERIFY(saved.permissions() & QFileDevice::ExeOwner);
    QCOMPARE(window.ilerleme(), window.ilerlemeUst());
    QVERIFY(window.bilgiMetni().startsWith(QStringLiteral("Bilgi: %100,00  İndirilen: ")));
    // A second activation does not download again.
    window.hide();
    window.show();
    QTest::qWait(200);
    QCOMPARE(m_server->requestsTo("/exe/RavlaSetup.exe").size(), size_t(1));
}

void RequestFormsTest::downloadErrorStatusStartsNothing()
{
    m_server->answer("/exe/RavlaSetup.exe", {404, "<html>yok</html>", 0, -1, -1, false, false, "text/html"});
    Tdosyaindir window(nullptr, 2,
                       QStringLiteral("http://127.0.0.1:%1/exe/RavlaSetup.exe").arg(m_server->port()));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    window.show();
    QVERIFY(dialogs.waitForDialogs(1, 20000));
    QCOMPARE(dialogs.problems(), QString());
    QCOMPARE(dialogs.records().first().text, QStringLiteral("Hata Oluştu !\r\nHata: 404 Not Found"));
    QTRY_COMPARE(m_endCount, 1);
    QVERIFY(m_started.isEmpty());
    QVERIFY(!QFile::exists(window.hedefDosya()));
}

void RequestFormsTest::unreachableDownloadEnds()
{
    const int port = m_server->port();
    m_server.reset(); // nothing listens there any more
    Tdosyaindir window(nullptr, 4, QStringLiteral("http://127.0.0.1:%1/exe/RavlaSetup.exe").arg(port));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    window.show();
    QVERIFY(dialogs.waitForDialogs(1, 20000));
    QVERIFY(dialogs.records().first().text.startsWith(QStringLiteral("Hata Oluştu !\r\nHata: ")));
    QTRY_COMPARE(m_endCount, 1);
    QVERIFY(m_started.isEmpty());
}

Tkullanicikayit *RequestFormsTest::kayitFormu(TSQLConnection &connection)
{
    TMobilCariBilgisi cari;
    cari.setADRES1(QStringLiteral("Sanayi Mah. 3. Sok. No: 5"));
    cari.setADRES2(QStringLiteral("Kat 2"));
    cari.setILCE(QStringLiteral("Selçuklu"));
    cari.setSEHIR(QStringLiteral("Konya"));
    cari.setTEL1(QStringLiteral("0332 111 22 33"));
    cari.setFAX1(QStringLiteral("0332 111 22 34"));
    cari.setVERGIDAIRESI(QStringLiteral("Meram"));
    cari.setVERGINO(QStringLiteral("1234567890"));
    boost::json::object o;
    o["result"] = boost::json::array{TJSONMarshal::marshal(cari)};
    m_server->answer(ScriptedServer::methodPath("MobilCariBilgisiGetir"), {200, boost::json::serialize(o)});
    m_server->answer(ScriptedServer::methodPath("MailGonserCari"), {200, R"({"result":[1]})"});
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(m_server->port());
    TSonucBilgisi bilgi;
    bilgi.setADI(QStringLiteral("BAYİ"));
    bilgi.setCariAdi(QStringLiteral("ÖRNEK OTO"));
    return Tkullanicikayit::Ac(nullptr, connection, bilgi);
}

void RequestFormsTest::passwordRequestPrefilledFromServer()
{
    TSQLConnection connection;
    std::unique_ptr<Tkullanicikayit> w(kayitFormu(connection));
    QCOMPARE(w->windowTitle(), QStringLiteral("Şifre Değiştirme İsteği"));
    QCOMPARE(w->lblid->text(), QStringLiteral("Bilgisayar ID: ABC123"));
    QCOMPARE(w->firmaadi->text(), QStringLiteral("ÖRNEK OTO"));
    QCOMPARE(w->kullaniciadi->text(), QStringLiteral("BAYİ"));
    QCOMPARE(w->adres1->text(), QStringLiteral("Sanayi Mah. 3. Sok. No: 5"));
    QCOMPARE(w->ilce->text(), QStringLiteral("Selçuklu"));
    QCOMPARE(w->fax->text(), QStringLiteral("0332 111 22 34"));
    QCOMPARE(w->vn->text(), QStringLiteral("1234567890"));
    QCOMPARE(w->yetkili->text(), QString());
    const auto calls = m_server->requestsTo(ScriptedServer::methodPath("MobilCariBilgisiGetir"));
    QCOMPARE(calls.size(), size_t(1));
    QCOMPARE(calls.front().body, std::string(R"({"_parameters":[0,"ABC123"]})"));
    QVERIFY(!connection.Connected());
}

void RequestFormsTest::passwordRequestValidationOrder_data()
{
    QTest::addColumn<QStringList>("blank");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("firm first") << QStringList{"firmaadi", "adres1", "mail"} << "firmaadi"
                                << "Firma Adı boş olamaz !";
    QTest::newRow("district") << QStringList{"ilce", "sehir"} << "ilce"
                              << "İlçe Adı boş olamaz !";
    QTest::newRow("phone, doubled blank") << QStringList{"telefon"} << "telefon"
                                          << "Telefon  boş olamaz !";
    QTest::newRow("blanks only") << QStringList{"yetkili"} << "yetkili"
                                 << "Yetkili  boş olamaz !";
    QTest::newRow("user") << QStringList{"kullaniciadi", "sifre"} << "kullaniciadi"
                          << "Kullanıcı  boş olamaz !";
    QTest::newRow("mail last") << QStringList{"mail"} << "mail"
                               << "Mail  boş olamaz !";
}

void RequestFormsTest::passwordRequestValidationOrder()
{
    QFETCH(QStringList, blank);
    QFETCH(QString, box);
    QFETCH(QString, message);
    TSQLConnection connection;
    std::unique_ptr<Tkullanicikayit> w(kayitFormu(connection));
    w->show();
    QApplication::setActiveWindow(w.get());
    w->yetkili->setText(QStringLiteral("Ali Veli"));
    w->sifre->setText(QStringLiteral("YENI"));
    w->mail->setText(QStringLiteral("ali@ornek.test"));
    for (const QString &name : blank)
        w->findChild<QLineEdit *>(name)->setText(QStringLiteral("   "));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Uyarı"));
    QCOMPARE(dialogs.records().first().text, message);
    auto *edit = w->findChild<QLineEdit *>(box);
    QCOMPARE(w->focusWidget(), edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("   "));
    QVERIFY(m_server->requestsTo(ScriptedServer::methodPath("MailGonserCari")).empty());
}

void RequestFormsTest::passwordRequestSendsUntrimmed()
{
    TSQLConnection connection;
    std::unique_ptr<Tkullanicikayit> w(kayitFormu(connection));
    w->fax->clear();
    w->vd->clear();
    w->vn->clear();
    w->yetkili->setText(QStringLiteral(" Ali Veli "));
    w->sifre->setText(QStringLiteral("YENİ "));
    w->mail->setText(QStringLiteral("ali@ornek.test"));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Bilgi"));
    QCOMPARE(dialogs.records().first().text, QStringLiteral("İsteğiniz Gönderildi!"));
    const auto calls = m_server->requestsTo(ScriptedServer::methodPath("MailGonserCari"));
    QCOMPARE(calls.size(), size_t(1));
    const boost::json::array sent = boost::json::parse(calls.front().body).at("_parameters").as_array();
    QCOMPARE(sent.size(), size_t(16));
    QCOMPARE(sent.at(0).as_string(), "ABC123");
    QCOMPARE(sent.at(1).as_string(), "Şifre Değiştirme İsteği");
    QCOMPARE(sent.at(8).as_string(), ""); // fax may stay empty
    QCOMPARE(sent.at(11).as_string(), " Ali Veli ");
    QCOMPARE(sent.at(13).as_string(), "YENİ ");
    QCOMPARE(w->yetkili->text(), QStringLiteral(" Ali Veli "));
}

void RequestFormsTest::requestPageOpensHeadless()
{
    ScriptedServer::Answer page;
    page.body = "<html><body><form><input name='firma'></form></body></html>";
    page.contentType = "text/html";
    m_server->setHandler([page](const ScriptedServer::Request &) { return page; });
    Tformistekyeni form(nullptr);
    form.setWindowTitle(QStringLiteral("Ravla Filter B2B İstek Formu"));
    const QString address =
        QStringLiteral("http://127.0.0.1:%1/formmailgonder.aspx?carino=0&kullanici= &id=ABC123")
            .arg(m_server->port());
    auto *view = qobject_cast<QWebEngineView *>(form.sitem);
    QVERIFY2(view, "the browser module did not load");
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    form.gezin(address);
    form.show();
    QVERIFY(loaded.wait(30000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QCOMPARE(form.adres(), address);
    const auto got = m_server->requests();
    QVERIFY(!got.empty());
    QCOMPARE(got.front().path, std::string("/formmailgonder.aspx?carino=0&kullanici=%20&id=ABC123"));
    QTimer::singleShot(0, form.Button1, [&form] { QTest::mouseClick(form.Button1, Qt::LeftButton); });
    QCOMPARE(form.exec(), int(QDialog::Rejected));
}

int main(int argc, char **argv)
{
    webMotoruHazirla();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    RequestFormsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_requestforms.moc"
