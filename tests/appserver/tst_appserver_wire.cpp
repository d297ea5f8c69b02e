// The reference server on the wire: answers to bad requests, the web pages, clients that go away,
// and the start-up failures.

#include "appserver/appserver.h"
#include "tests/support/appserverfixture.h"

#include <boost/json.hpp>
#include <httplib.h>

#include <QProcess>
#include <QTcpSocket>
#include <QtTest>

namespace json = boost::json;

class tst_AppServerWire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handshake();
    void badRequestsGetAnError_data();
    void badRequestsGetAnError();
    void streamSizeEqualsTheBytesSent_data();
    void streamSizeEqualsTheBytesSent();
    void oneLogLinePerCall();
    void requestFormStoresAPost();
    void ipAndSetupProgram();
    void clientLeavingMidCallDoesNotDisturbOthers();
    void autoRegisterGivesUnknownComputersToTheUser();
    void demoDataIsTheSameEveryTime();
    void databaseThatCannotBeOpened_data();
    void databaseThatCannotBeOpened();
    void executableReportsADatabaseItCannotOpen();
    void executableStopsOnSigterm();

private:
    httplib::Result call(const std::string &method, const std::string &body);

    std::unique_ptr<AppServerFixture> m_server;
    std::unique_ptr<httplib::Client> m_client;
};

void tst_AppServerWire::initTestCase()
{
    m_server = std::make_unique<AppServerFixture>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
    m_client = std::make_unique<httplib::Client>("127.0.0.1", m_server->port());
    m_client->set_read_timeout(30, 0);
}

httplib::Result tst_AppServerWire::call(const std::string &method, const std::string &body)
{
    return m_client->Post(("/datasnap/rest/TServerMethods1/%22" + method + "%22").c_str(), body,
                          "application/json");
}

void tst_AppServerWire::handshake()
{
    auto r = m_client->Get("/datasnap/rest/DSAdmin/GetPlatformName");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    const json::value v = json::parse(r->body);
    QVERIFY(v.at("result").is_array());
    QCOMPARE(v.at("result").as_array().size(), std::size_t(1));
}

void tst_AppServerWire::badRequestsGetAnError_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("too few parameters") << QByteArray("SepetVer2") << QByteArray(R"({"_parameters":[]})")
                                        << 500 << "SepetVer2: 1 parametre bekleniyordu, 0 geldi";
    QTest::newRow("too many parameters")
        << QByteArray("SepetSecimGuncelle") << QByteArray(R"({"_parameters":[1,1,1]})") << 500
        << "SepetSecimGuncelle: 2 parametre bekleniyordu, 3 geldi";
    QTest::newRow("text for an integer")
        << QByteArray("SepetVer2") << QByteArray(R"({"_parameters":["101"]})") << 500
        << "SepetVer2: 1. parametre Integer olmalı";
    QTest::newRow("fraction for an integer")
        << QByteArray("SepetVer2") << QByteArray(R"({"_parameters":[1.5]})") << 500
        << "SepetVer2: 1. parametre Integer olmalı";
    QTest::newRow("number for a string") << QByteArray("BuyukGetir") << QByteArray(R"({"_parameters":[42]})")
                                         << 500 << "BuyukGetir: 1. parametre string olmalı";
    QTest::newRow("integer for a session")
        << QByteArray("SepetSayisi") << QByteArray(R"({"_parameters":[7]})") << 500
        << "SepetSayisi: 1. parametre TSonucBilgisi olmalı";
    QTest::newRow("object of another class")
        << QByteArray("SepetSayisi")
        << QByteArray(R"({"_parameters":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}]})") << 500
        << "TSonucBilgisi";
    QTest::newRow("session of nobody")
        << QByteArray("SepetSayisi")
        << QByteArray(
               R"({"_parameters":[{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FSirano":999}}]})")
        << 500 << "Oturumun kullanıcısı tanınmıyor";
    QTest::newRow("unknown method") << QByteArray("SilHepsini") << QByteArray(R"({"_parameters":[]})") << 404
                                    << "TServerMethods1.SilHepsini diye bir metot yok";
    QTest::newRow("not json") << QByteArray("SepetVer2") << QByteArray("{\"_parameters\":[101") << 400
                              << "İstek gövdesi JSON değil";
    QTest::newRow("parameters not an array")
        << QByteArray("SepetVer2") << QByteArray(R"({"_parameters":101})") << 400
        << "_parameters bir dizi olmalı";
}

void tst_AppServerWire::badRequestsGetAnError()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, message);

    auto r = call(method.toStdString(), body.toStdString());
    QVERIFY(r);
    QCOMPARE(r->status, status);
    const json::value v = json::parse(r->body);
    QVERIFY(v.is_object());
    QCOMPARE(v.as_object().size(), std::size_t(1));
    const json::string &error = v.at("error").as_string();
    QVERIFY2(QString::fromUtf8(error.data(), qsizetype(error.size())).contains(message), error.c_str());

    // The server goes on answering.
    auto after = call("SepetVer2", R"({"_parameters":[101]})");
    QVERIFY(after);
    QCOMPARE(after->status, 200);
}

void tst_AppServerWire::streamSizeEqualsTheBytesSent_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("empty");
    QTest::newRow("picture") << QByteArray("ResimVer5") << QByteArray(R"({"_parameters":[1001]})") << false;
    QTest::newRow("no such stock") << QByteArray("ResimVer5") << QByteArray(R"({"_parameters":[5]})") << true;
    QTest::newRow("banner 1") << QByteArray("BannerResimVer") << QByteArray(R"({"_parameters":[]})") << false;
    QTest::newRow("banner 2") << QByteArray("BannerResimVer2") << QByteArray(R"({"_parameters":[]})")
                              << false;
    QTest::newRow("banner 3") << QByteArray("BannerResimVer3") << QByteArray(R"({"_parameters":[]})")
                              << false;
    QTest::newRow("receipt") << QByteArray("SAnalPosPdfVer") << QByteArray(R"({"_parameters":[1]})") << false;
    QTest::newRow("no receipt") << QByteArray("SAnalPosPdfVer") << QByteArray(R"({"_parameters":[0]})")
                                << true;
    QTest::newRow("report") << QByteArray("RaporGetir")
                            << QByteArray(R"({"_parameters":[6,6,4,0,".",46000,46000]})") << false;
    QTest::newRow("unknown report") << QByteArray("RaporGetir")
                                    << QByteArray(R"({"_parameters":[99,99,4,0,".",46000,46000]})") << true;
}

void tst_AppServerWire::streamSizeEqualsTheBytesSent()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, body);
    QFETCH(bool, empty);
    if (method == "ResimVer5" && !empty) {
        const auto rows = m_server->query(QStringLiteral("SELECT STOKNO FROM STOK WHERE RESIM = 1 LIMIT 1"));
        body = QByteArray(R"({"_parameters":[)") + rows.first().first().toByteArray() + "]}";
    }
    auto r = call(method.toStdString(), body.toStdString());
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    const json::array result = json::parse(r->body).at("result").as_array();
    QCOMPARE(result.size(), std::size_t(2));
    QVERIFY(result[0].is_int64());
    const json::array &bytes = result[1].as_array();
    QCOMPARE(result[0].as_int64(), std::int64_t(bytes.size()));
    QCOMPARE(bytes.empty(), empty);
    for (const json::value &b : bytes)
        QVERIFY(b.is_int64() && b.as_int64() >= 0 && b.as_int64() <= 255);
}

void tst_AppServerWire::oneLogLinePerCall()
{
    const int before = int(m_server->logLines().size());
    auto r = call("SepetVer2", R"({"_parameters":[101]})");
    QVERIFY(r);
    const QStringList lines = m_server->logLines().mid(before);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral(R"(^TServerMethods1\.SepetVer2 \d+\.\d\d ms (\d+) B$)"))
                 .match(lines.first())
                 .hasMatch(),
             qPrintable(lines.first()));
    QVERIFY(lines.first().contains(QString::number(r->body.size()) + QStringLiteral(" B")));
}

void tst_AppServerWire::requestFormStoresAPost()
{
    auto page = m_client->Get("/formmailgonder.aspx?carino=0&kullanici=%20&id=ABC123");
    QVERIFY(page);
    QCOMPARE(page->status, 200);
    QVERIFY(QString::fromStdString(page->body).contains(QStringLiteral("ABC123")));
    QVERIFY(page->body.find("<form") != std::string::npos);

    const httplib::Params form{{"carino", "0"},
                               {"id", "ABC123"},
                               {"firmaadi", "Örnek Oto & Co"},
                               {"yetkili", "Ayşe Yılmaz"},
                               {"telefon", "0312 555 00 00"},
                               {"mail", "ayse@example.com"},
                               {"mesaj", "Bayi olmak istiyoruz.\r\nTeşekkürler"}};
    auto posted = m_client->Post("/formmailgonder.aspx", form);
    QVERIFY(posted);
    QCOMPARE(posted->status, 200);
    QVERIFY(QString::fromStdString(posted->body).contains(QStringLiteral("Talebiniz alındı")));
    const auto rows = m_server->query(
        QStringLiteral(
            "SELECT BILGISAYARID, FIRMAADI, YETKILI, MESAJ, IP FROM ISTEKFORM WHERE BILGISAYARID = ?"),
        {QStringLiteral("ABC123")});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first(), (QVariantList{QStringLiteral("ABC123"), QStringLiteral("Örnek Oto & Co"),
                                         QStringLiteral("Ayşe Yılmaz"),
                                         QStringLiteral("Bayi olmak istiyoruz.\r\nTeşekkürler"),
                                         QStringLiteral("127.0.0.1")}));
}

void tst_AppServerWire::ipAndSetupProgram()
{
    auto ip = m_client->Get("/ip.php");
    QVERIFY(ip);
    QCOMPARE(ip->status, 200);
    QCOMPARE(QString::fromStdString(ip->body), QStringLiteral("127.0.0.1"));
    auto setup = m_client->Get("/exe/RavlaSetup.exe");
    QVERIFY(setup);
    QCOMPARE(setup->status, 200);
    QVERIFY(setup->body.rfind("#!/bin/sh", 0) == 0);
}

void tst_AppServerWire::clientLeavingMidCallDoesNotDisturbOthers()
{
    // One client sends half a request and goes; another asks for a large table and goes unread.
    QTcpSocket half;
    half.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_server->port()));
    QVERIFY(half.waitForConnected(5000));
    half.write("POST /datasnap/rest/TServerMethods1/%22SepetVer2%22 HTTP/1.1\r\nHost: x\r\n"
               "Content-Type: application/json\r\nContent-Length: 400\r\n\r\n{\"_param");
    QVERIFY(half.waitForBytesWritten(5000));
    half.abort();

    QTcpSocket large;
    large.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_server->port()));
    QVERIFY(large.waitForConnected(5000));
    const QByteArray body =
        R"({"_parameters":["FILTRE",{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FSirano":1,"FCARINO":101}}]})";
    large.write("POST /datasnap/rest/TServerMethods1/%22StokAraGetir%22 HTTP/1.1\r\nHost: x\r\n"
                "Content-Type: application/json\r\nContent-Length: " +
                QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QVERIFY(large.waitForBytesWritten(5000));
    QVERIFY(large.waitForReadyRead(10000));
    large.abort();

    for (int i = 0; i < 5; ++i) {
        auto r = call("SepetVer2", R"({"_parameters":[101]})");
        QVERIFY(r);
        QCOMPARE(r->status, 200);
        QVERIFY(json::parse(r->body).at("result").as_array().at(0).as_object().contains("table"));
    }
}

void tst_AppServerWire::autoRegisterGivesUnknownComputersToTheUser()
{
    QTemporaryDir dir;
    appserver::ServerOptions options;
    options.databasePath = dir.filePath(QStringLiteral("auto.sqlite"));
    options.port = 0;
    options.stockCount = 200;
    options.autoRegisterUser = QStringLiteral("bayi");
    options.log = [](const QString &) {};
    appserver::AppServer server(options);
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    httplib::Client client("127.0.0.1", server.port());
    auto r = client.Post("/datasnap/rest/TServerMethods1/%22BuyukGetir%22",
                         R"({"_parameters":["FRESH-MACHINE"]})", "application/json");
    QVERIFY(r);
    const json::object fields = json::parse(r->body).at("result").at(0).at("fields").as_object();
    QCOMPARE(fields.at("FVarmi").as_bool(), true);
    QCOMPARE(fields.at("FADI").as_string(), "BAYI");
    QCOMPARE(fields.at("FCARINO").as_int64(), 101);
    QCOMPARE(server.query(QStringLiteral("SELECT COUNT(*) FROM STOK")).first().first().toInt(), 200);
    server.stop();
}

void tst_AppServerWire::demoDataIsTheSameEveryTime()
{
    const QString sql = QStringLiteral(
        "SELECT (SELECT group_concat(BARKOD || OEM1 || LISTEFIYAT || KAMPFIYAT || DURUM, ';') FROM STOK), "
        "(SELECT group_concat(TARIH || TURADI || BORC || ALACAK, ';') FROM EKSTRE), "
        "(SELECT group_concat(IDNO || DURUMKODU || TARIH, ';') FROM SIPARIS), "
        "(SELECT group_concat(STOKNO || MIKTAR || NETTUTAR, ';') FROM SIPARISSATIR), "
        "(SELECT COUNT(*) FROM STOK WHERE RESIM = 1), (SELECT COUNT(DISTINCT DURUMKODU) FROM SIPARIS)");
    QList<QVariantList> seen;
    for (int run = 0; run < 2; ++run) {
        QTemporaryDir dir;
        appserver::ServerOptions options;
        options.databasePath = dir.filePath(QStringLiteral("same.sqlite"));
        options.port = 0;
        options.stockCount = 300;
        options.today = QDate(2026, 3, 2);
        options.log = [](const QString &) {};
        appserver::AppServer server(options);
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        const QList<QVariantList> rows = server.query(sql);
        QCOMPARE(rows.size(), 1);
        seen << rows.first();
        server.stop();
    }
    QCOMPARE(seen.at(0), seen.at(1));
    QVERIFY(seen.at(0).at(0).toString().size() > 1000);
    // Most items have a picture; orders exist in all six states.
    QVERIFY(seen.at(0).at(4).toInt() > 200);
    QCOMPARE(seen.at(0).at(5).toInt(), 6);
}

void tst_AppServerWire::databaseThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "folder";
    QTest::newRow("not a database") << "text";
}

void tst_AppServerWire::databaseThatCannotBeOpened()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("no/such/folder/db.sqlite"));
    if (kind == QLatin1String("text")) {
        path = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    appserver::ServerOptions options;
    options.databasePath = path;
    options.port = 0;
    options.log = [](const QString &) {};
    appserver::AppServer server(options);
    QVERIFY(!server.start());
    QVERIFY2(server.errorString().startsWith(QStringLiteral("Veritabanı açılamadı: ")),
             qPrintable(server.errorString()));
    QCOMPARE(server.port(), 0);
}

void tst_AppServerWire::executableReportsADatabaseItCannotOpen()
{
    const QString exe = QStringLiteral(APPSERVER_EXECUTABLE);
    QVERIFY(QFileInfo::exists(exe));
    QProcess process;
    process.start(exe, {QStringLiteral("--db"), QStringLiteral("/no/such/folder/x.sqlite"),
                        QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(
        QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("Veritabanı açılamadı")));
}

void tst_AppServerWire::executableStopsOnSigterm()
{
    QTemporaryDir dir;
    QProcess process;
    process.start(QStringLiteral(APPSERVER_EXECUTABLE),
                  {QStringLiteral("--db"), dir.filePath(QStringLiteral("run.sqlite")),
                   QStringLiteral("--port"), QStringLiteral("0")});
    QVERIFY(process.waitForStarted(10000));
    QByteArray log;
    QRegularExpressionMatch started;
    const QRegularExpression listening(QStringLiteral(R"(127\.0\.0\.1:(\d+) üzerinde)"));
    for (int i = 0; i < 120 && !started.hasMatch(); ++i) {
        process.waitForReadyRead(500);
        log += process.readAllStandardError();
        started = listening.match(QString::fromUtf8(log));
    }
    QVERIFY2(started.hasMatch(), log.constData());

    httplib::Client client("127.0.0.1", started.captured(1).toInt());
    auto r = client.Post("/datasnap/rest/TServerMethods1/%22AcilisReklamAdet%22", R"({"_parameters":[]})",
                         "application/json");
    QVERIFY(r);
    QCOMPARE(r->body, std::string(R"({"result":[3]})"));

    process.terminate(); // SIGTERM
    QVERIFY(process.waitForFinished(15000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    log += process.readAllStandardError();
    QVERIFY(log.contains("TServerMethods1.AcilisReklamAdet"));
    QVERIFY(log.contains("SIGTERM"));
}

QTEST_MAIN(tst_AppServerWire)
#include "tst_appserver_wire.moc"
