// The login window against a scripted server that plays the distributor's server and the IP lookup.
#include "app/core/identity.h"
#include "app/core/utils.h"
#include "app/login/girisformu.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/inifile.h"
#include "platform/system/processend.h"
#include "platform/system/sounds.h"
#include "server/baglantiu.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <boost/json.hpp>

namespace {

TSonucBilgisi bayiKaydi()
{
    TSonucBilgisi k;
    k.setADI(QStringLiteral("BAYİ"));
    k.setSIFRE(QStringLiteral("GİZLİ1"));
    k.setAKTIF(1);
    k.setVarmi(true);
    k.setVersion(3);
    k.setMusteriTipi(3);
    k.setCARINO(120);
    k.setCariAdi(QStringLiteral("ÖRNEK OTO YEDEK PARÇA"));
    return k;
}

std::string sonucJson(const TSonucBilgisi &k)
{
    boost::json::object o;
    o["result"] = boost::json::array{TJSONMarshal::marshal(k)};
    return boost::json::serialize(o);
}

} // namespace

class LoginTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedTextIsUpperCasedAndCompared();
    void rememberUncheckedStillWritesAllKeys();
    void failuresRearm_data();
    void failuresRearm();
    void errorOfTheCallIsShownFirst();
    void emptyIpLookupReportsAndEnablesButton();
    void outdatedVersionUpdatesBeforePasswordCheck();
    void unknownComputerOpensRequestForm();
    void salesStaffPickCustomer_data();
    void salesStaffPickCustomer();
    void enterOnEmptyBoxesWarns_data();
    void enterOnEmptyBoxesWarns();
    void vazgecEndsProgram();

private:
    Tgirisform *yeniForm();
    void girisYap(Tgirisform *form, const QString &ad, const QString &sifre);

    std::unique_ptr<TempFolders> m_folders;
    std::unique_ptr<ScriptedServer> m_server;
    TSQLConnection m_bagc;
    TSonucBilgisi m_bilgi;
    GirisOrtami m_ortam;
    int m_endCount = 0;
    QList<int> m_updates;
    QStringList m_requestForms;
    int m_selections = 0;
    bool m_selectionAnswer = true;
};

void LoginTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setSystemSoundPlayer([](SystemSound) {});
    setProcessEndHandler([this] { ++m_endCount; });
    setRetryWait([](int) {});
    IdentitySources sources;
    sources.diskSerial = [] { return QStringLiteral("WD-ABC 123"); };
    sources.macAddresses = [] { return QStringList{QStringLiteral("00-1A-2B-3C-4D-5E")}; };
    sources.hostName = [] { return QStringLiteral("BAYIPC"); };
    sources.userName = [] { return QStringLiteral("kasa"); };
    sources.localIp = [] { return QStringLiteral("192.168.1.20"); };
    setIdentitySources(sources);
}

void LoginTest::init()
{
    m_folders = std::make_unique<TempFolders>();
    m_server = std::make_unique<ScriptedServer>();
    ScriptedServer::Answer ip;
    ip.body = "  85.105.1.2\r\n";
    ip.contentType = "text/plain";
    m_server->answer("/ip.php", ip);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, sonucJson(bayiKaydi())});
    m_bilgi = TSonucBilgisi();
    m_endCount = 0;
    m_updates.clear();
    m_requestForms.clear();
    m_selections = 0;
    m_selectionAnswer = true;
    m_ortam = GirisOrtami();
    m_ortam.serverHost = QStringLiteral("127.0.0.1");
    m_ortam.serverPort = m_server->port();
    m_ortam.makerBase = QStringLiteral("http://127.0.0.1:%1/").arg(m_server->port());
    m_ortam.webBase = QStringLiteral("http://www.ravla.test/");
    m_ortam.ipTries = 2;
    m_ortam.guncelle = [this](QWidget *, int version, TSQLConnection &) { m_updates << version; };
    m_ortam.istekFormu = [this](QWidget *, const QString &caption, const QString &address) {
        m_requestForms << caption << address;
    };
    m_ortam.musteriSecimi = [this](QWidget *, TSQLConnection &, TSonucBilgisi &) {
        ++m_selections;
        return m_selectionAnswer;
    };
}

void LoginTest::cleanup()
{
    m_server.reset();
    m_folders.reset();
}

Tgirisform *LoginTest::yeniForm()
{
    auto *form = new Tgirisform(nullptr, m_bagc, m_bilgi, m_ortam);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->show();
    QApplication::setActiveWindow(form);
    return form;
}

void LoginTest::girisYap(Tgirisform *form, const QString &ad, const QString &sifre)
{
    auto *adi = form->findChild<QLineEdit *>(QStringLiteral("adi"));
    auto *sifreKutusu = form->findChild<QLineEdit *>(QStringLiteral("sifre"));
    adi->clear();
    sifreKutusu->clear();
    QTest::keyClicks(adi, ad);
    QTest::keyClick(adi, Qt::Key_Return);
    QTest::keyClicks(sifreKutusu, sifre);
    QTest::keyClick(sifreKutusu, Qt::Key_Return);
}

void LoginTest::typedTextIsUpperCasedAndCompared()
{
    std::unique_ptr<Tgirisform> form(yeniForm());
    auto *button = form->findChild<QPushButton *>(QStringLiteral("Button1"));
    QCOMPARE(button->text(), QStringLiteral("Giriş"));
    auto *adi = form->findChild<QLineEdit *>(QStringLiteral("adi"));
    QTest::keyClicks(adi, QStringLiteral("bayi"));
    QCOMPARE(adi->text(), QStringLiteral("BAYİ"));
    QTest::keyClick(adi, Qt::Key_Return);
    auto *sifre = form->findChild<QLineEdit *>(QStringLiteral("sifre"));
    QCOMPARE(QApplication::focusWidget(), sifre);
    QTest::keyClicks(sifre, QStringLiteral("gizli1"));
    QCOMPARE(sifre->echoMode(), QLineEdit::Password);
    QTest::keyClick(sifre, Qt::Key_Return);
    QTRY_COMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(button->text(), QStringLiteral("Giriş!"));
    QCOMPARE(m_endCount, 0);
    QCOMPARE(m_bilgi.CARINO(), 120);
    QCOMPARE(m_bilgi.Disip(), QStringLiteral("85.105.1.2"));
    // Machine fields come from this machine again, not from the server's record.
    QCOMPARE(m_bilgi.BILGISAYARID(), QStringLiteral("WD-ABC123"));
    QCOMPARE(m_bilgi.BilgiSayarAdi(), QStringLiteral("BAYIPC"));
    // The server was asked for this computer's record.
    const auto calls = m_server->requestsTo(ScriptedServer::methodPath("BuyukGetir"));
    QCOMPARE(calls.size(), size_t(1));
    QCOMPARE(QString::fromStdString(calls.front().body), QStringLiteral(R"({"_parameters":["WD-ABC123"]})"));
}

void LoginTest::rememberUncheckedStillWritesAllKeys()
{
    {
        std::unique_ptr<Tgirisform> form(yeniForm());
        form->findChild<QCheckBox *>(QStringLiteral("benihatirla"))->setChecked(false);
        girisYap(form.get(), QStringLiteral("bayi"), QStringLiteral("gizli1"));
        QTRY_COMPARE(form->result(), int(QDialog::Accepted));
    }
    const QString path = m_folders->configHome() + QStringLiteral("/ravla/ayar.ini");
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFile(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
    TIniFile ini(path);
    QCOMPARE(ini.ReadString("kullanici", "isim", "?"), QStringLiteral("BAYİ"));
    QCOMPARE(ini.ReadString("kullanici", "sifre", "?"), QStringLiteral("GİZLİ1"));
    QCOMPARE(ini.ReadBool("kullanici", "hatırla", true), false);

    std::unique_ptr<Tgirisform> next(yeniForm());
    QVERIFY(!next->findChild<QCheckBox *>(QStringLiteral("benihatirla"))->isChecked());
    QCOMPARE(next->findChild<QLineEdit *>(QStringLiteral("adi"))->text(), QString());
    QCOMPARE(next->findChild<QLineEdit *>(QStringLiteral("sifre"))->text(), QString());

    // Checked again: the next window is filled from the file.
    {
        next->findChild<QCheckBox *>(QStringLiteral("benihatirla"))->setChecked(true);
        girisYap(next.get(), QStringLiteral("bayi"), QStringLiteral("gizli1"));
        QTRY_COMPARE(next->result(), int(QDialog::Accepted));
    }
    std::unique_ptr<Tgirisform> third(yeniForm());
    QCOMPARE(third->findChild<QLineEdit *>(QStringLiteral("adi"))->text(), QStringLiteral("BAYİ"));
    QCOMPARE(third->findChild<QLineEdit *>(QStringLiteral("sifre"))->text(), QStringLiteral("GİZLİ1"));
}

void LoginTest::failuresRearm_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("aktif");
    QTest::addColumn<bool>("serverDown");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("remembered");
    const QString hatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
    QTest::newRow("wrong password") << "yanlis" << 1 << false << "Uyarı" << hatali << false;
    // The name and password matched, so they are remembered although the user may not work.
    QTest::newRow("inactive user") << "gizli1" << 0 << false << "Uyarı" << hatali << true;
    QTest::newRow("server unreachable") << "gizli1" << 1 << true << "Hata"
                                        << "Bağlantı Kurulamadı !" << false;
}

void LoginTest::failuresRearm()
{
    QFETCH(QString, password);
    QFETCH(int, aktif);
    QFETCH(bool, serverDown);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(bool, remembered);
    TSonucBilgisi k = bayiKaydi();
    k.setAKTIF(aktif);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, sonucJson(k)});
    if (serverDown) {
        // Nothing listens on the server's port while the IP lookup still answers.
        m_server->answer(ScriptedServer::handshakePath(), {503, "{}"});
    }
    std::unique_ptr<Tgirisform> form(yeniForm());
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    girisYap(form.get(), QStringLiteral("bayi"), password);
    QVERIFY(dialogs.waitForDialogs(1, 20000));
    QCOMPARE(dialogs.problems(), QString());
    QCOMPARE(dialogs.records().first().title, title);
    QCOMPARE(dialogs.records().first().text, message);
    auto *button = form->findChild<QPushButton *>(QStringLiteral("Button1"));
    QTRY_VERIFY(button->isEnabled());
    auto *adi = form->findChild<QLineEdit *>(QStringLiteral("adi"));
    QCOMPARE(adi->selectedText(), QStringLiteral("BAYİ"));
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(m_endCount, 0);
    QCOMPARE(QFile::exists(m_folders->configHome() + QStringLiteral("/ravla/ayar.ini")), remembered);
}

void LoginTest::errorOfTheCallIsShownFirst()
{
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, R"({"error":"Veritabanı meşgul"})"});
    std::unique_ptr<Tgirisform> form(yeniForm());
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    girisYap(form.get(), QStringLiteral("bayi"), QStringLiteral("gizli1"));
    QVERIFY(dialogs.waitForDialogs(2, 20000));
    QCOMPARE(dialogs.problems(), QString());
    QVERIFY(dialogs.records().at(0).text.contains(QStringLiteral("Veritabanı meşgul")));
    QCOMPARE(dialogs.records().at(1).text, QStringLiteral("Bağlantı Kurulamadı !"));
    QTRY_VERIFY(form->findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
}

void LoginTest::emptyIpLookupReportsAndEnablesButton()
{
    m_server->answer("/ip.php", {404, "yok"});
    std::unique_ptr<Tgirisform> form(yeniForm());
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    girisYap(form.get(), QStringLiteral("bayi"), QStringLiteral("gizli1"));
    QVERIFY(dialogs.waitForDialogs(1, 20000));
    QCOMPARE(dialogs.records().first().text,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
    auto *button = form->findChild<QPushButton *>(QStringLiteral("Button1"));
    QTRY_VERIFY(button->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("Giriş!"));
    // The lookup gave up after its tries and the server was never asked.
    QCOMPARE(m_server->requestsTo("/ip.php").size(), size_t(2));
    QVERIFY(m_server->requestsTo(ScriptedServer::methodPath("BuyukGetir")).empty());
}

void LoginTest::outdatedVersionUpdatesBeforePasswordCheck()
{
    TSonucBilgisi k = bayiKaydi();
    k.setVersion(2);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, sonucJson(k)});
    std::unique_ptr<Tgirisform> form(yeniForm());
    DialogHelper dialogs;
    girisYap(form.get(), QStringLiteral("bayi"), QStringLiteral("yanlis"));
    QTRY_COMPARE(m_updates, QList<int>{2});
    QCOMPARE(m_endCount, 1);
    QCOMPARE(dialogs.dialogCount(), 0);
    QVERIFY(!QFile::exists(m_folders->configHome() + QStringLiteral("/ravla/ayar.ini")));
}

void LoginTest::unknownComputerOpensRequestForm()
{
    TSonucBilgisi k; // the server's answer for a computer it does not know
    k.setVarmi(false);
    k.setVersion(3);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, sonucJson(k)});
    std::unique_ptr<Tgirisform> form(yeniForm());
    girisYap(form.get(), QStringLiteral("kimse"), QStringLiteral("x"));
    QTRY_COMPARE(m_requestForms.size(), 2);
    QCOMPARE(m_requestForms.at(0), QStringLiteral("Ravla Filter B2B İstek Formu"));
    QCOMPARE(m_requestForms.at(1),
             QStringLiteral("http://www.ravla.test/formmailgonder.aspx?carino=0&kullanici= &id=WD-ABC123"));
    QCOMPARE(m_endCount, 1);
}

void LoginTest::salesStaffPickCustomer_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("picks");
    QTest::newRow("type 1 picks") << 1 << true;
    QTest::newRow("type 2 cancels") << 2 << false;
    QTest::newRow("dealer is not asked") << 4 << false;
}

void LoginTest::salesStaffPickCustomer()
{
    QFETCH(int, tip);
    QFETCH(bool, picks);
    TSonucBilgisi k = bayiKaydi();
    k.setMusteriTipi(tip);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, sonucJson(k)});
    m_selectionAnswer = picks;
    std::unique_ptr<Tgirisform> form(yeniForm());
    girisYap(form.get(), QStringLiteral("bayi"), QStringLiteral("gizli1"));
    const bool sales = tip == 1 || tip == 2;
    if (sales)
        QTRY_COMPARE(m_selections, 1);
    if (sales && !picks) {
        QTRY_COMPARE(m_endCount, 1);
        QCOMPARE(form->result(), int(QDialog::Rejected));
    } else {
        QTRY_COMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(m_endCount, 0);
        QCOMPARE(m_selections, sales ? 1 : 0);
    }
}

void LoginTest::enterOnEmptyBoxesWarns_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("name") << "adi"
                          << "Lütfen kullanıcı adını giriniz !";
    QTest::newRow("password") << "sifre"
                              << "Lütfen kullanıcı şifresini giriniz !";
}

void LoginTest::enterOnEmptyBoxesWarns()
{
    QFETCH(QString, box);
    QFETCH(QString, message);
    std::unique_ptr<Tgirisform> form(yeniForm());
    auto *edit = form->findChild<QLineEdit *>(box);
    QTest::keyClicks(edit, QStringLiteral("   "));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().text, message);
    QCOMPARE(edit->selectedText(), QStringLiteral("   "));
    QVERIFY(form->findChild<QPushButton *>(QStringLiteral("Button1"))->isEnabled());
    QVERIFY(m_server->requestsTo("/ip.php").empty());
}

void LoginTest::vazgecEndsProgram()
{
    std::unique_ptr<Tgirisform> form(yeniForm());
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(m_endCount, 1);
}

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
