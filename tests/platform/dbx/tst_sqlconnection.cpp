#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"
#include "tests/support/scriptedserver.h"

#include <QtTest>

class TestSqlConnection : public QObject
{
    Q_OBJECT

private slots:
    void params_data();
    void params();
    void openDoesTheHandshake();
    void openAgainstRefusedPortRaises();
    void badHandshakeRaises_data();
    void badHandshakeRaises();
    void acceptsOnThirdAttempt();
    void closedConnectionRefusesCalls();
    void cloneHasSameParamsAndOwnSocket();
    void hungServerEndsAtReadTimeout();
    void hungHandshakeEndsAtConnectTimeout();
    void serverErrorMessageIsRaised();
};

void TestSqlConnection::params_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("DriverUnit") << "DriverUnit"
                                << "Data.DBXDataSnap";
    QTest::newRow("DatasnapContext") << "DatasnapContext"
                                     << "datasnap/";
    QTest::newRow("CommunicationProtocol") << "CommunicationProtocol"
                                           << "tcp/ip";
    QTest::newRow("HostName") << "HostName"
                              << "localhost";
    QTest::newRow("Port") << "Port"
                          << "9090";
    QTest::newRow("Filters") << "Filters"
                             << "{}";
    QTest::newRow("DSProxyPort") << "DSProxyPort"
                                 << "8090";
}

void TestSqlConnection::params()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    TSQLConnection connection;
    QCOMPARE(connection.Params().value(name), value);
    QCOMPARE(connection.Params().size(), 7);
    QCOMPARE(connection.ConnectionName(), QStringLiteral("DataSnapCONNECTION"));
    QCOMPARE(connection.DriverName(), QStringLiteral("DataSnap"));
    QVERIFY(!connection.LoginPrompt());
    QVERIFY(!connection.Connected());
}

void TestSqlConnection::openDoesTheHandshake()
{
    ScriptedServer server;
    TSQLConnection connection;
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(server.port());
    QCOMPARE(connection.Params().value("Port"), QString::number(server.port()));
    connection.Open();
    QVERIFY(connection.Connected());
    const auto requests = server.requests();
    QCOMPARE(requests.size(), size_t(1));
    QCOMPARE(requests[0].method, std::string("GET"));
    QCOMPARE(requests[0].path, ScriptedServer::handshakePath());
    QCOMPARE(requests[0].headers.at("accept"), std::string("application/json"));
    connection.Close();
    QVERIFY(!connection.Connected());
}

void TestSqlConnection::openAgainstRefusedPortRaises()
{
    RefusingPort refusing;
    TSQLConnection connection;
    connection.setHostName(QStringLiteral("127.0.0.1"));
    connection.setPort(refusing.port());
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.Open());
    QVERIFY(!connection.Connected());
}

void TestSqlConnection::badHandshakeRaises_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("status 500") << 500 << QByteArray(R"({"result":["Linux"]})");
    QTest::newRow("not json") << 200 << QByteArray("<html>hello</html>");
    QTest::newRow("no result") << 200 << QByteArray(R"({"answer":["Linux"]})");
    QTest::newRow("result not array") << 200 << QByteArray(R"({"result":"Linux"})");
    QTest::newRow("truncated") << 200 << QByteArray(R"({"result":["Lin)");
}

void TestSqlConnection::badHandshakeRaises()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    ScriptedServer server;
    server.answer(ScriptedServer::handshakePath(), {status, body.toStdString()});
    TSQLConnection connection;
    connection.setPort(server.port());
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.Open());
    QVERIFY(!connection.Connected());
}

void TestSqlConnection::acceptsOnThirdAttempt()
{
    ScriptedServer server;
    server.resetFirst(2);
    TSQLConnection connection;
    connection.setPort(server.port());
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.Open());
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.Open());
    connection.Open();
    QVERIFY(connection.Connected());
    QCOMPARE(server.connectionCount(), 3);
}

void TestSqlConnection::closedConnectionRefusesCalls()
{
    TSQLConnection connection;
    try {
        connection.post("/datasnap/rest/TServerMethods1/%22EchoString%22", "{}");
        QFAIL("a closed connection sent a request");
    } catch (const EDBXError &error) {
        QCOMPARE(error.Message(),
                 QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    }
}

void TestSqlConnection::cloneHasSameParamsAndOwnSocket()
{
    ScriptedServer server;
    TSQLConnection connection;
    connection.setPort(server.port());
    connection.setParam(QStringLiteral("Filters"), QStringLiteral("{x}"));
    connection.Open();
    auto clone = connection.CloneConnection();
    QCOMPARE(clone->Params(), connection.Params());
    QCOMPARE(clone->ConnectionName(), connection.ConnectionName());
    QVERIFY(!clone->Connected());
    clone->Open();
    connection.Close();
    QVERIFY(clone->Connected());
    clone->setHostName(QStringLiteral("elsewhere"));
    QCOMPARE(connection.HostName(), QStringLiteral("localhost"));
    QCOMPARE(server.connectionCount(), 2);
}

void TestSqlConnection::hungServerEndsAtReadTimeout()
{
    ScriptedServer server;
    ScriptedServer::Answer hang;
    hang.hang = true;
    server.answer(ScriptedServer::methodPath("Hang"), hang);
    TSQLConnection connection;
    connection.setPort(server.port());
    connection.setReadTimeout(300);
    connection.Open();
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.post(ScriptedServer::methodPath("Hang"), "{}"));
}

void TestSqlConnection::hungHandshakeEndsAtConnectTimeout()
{
    ScriptedServer server;
    ScriptedServer::Answer hang;
    hang.hang = true;
    server.answerOnce(ScriptedServer::handshakePath(), hang);
    TSQLConnection connection;
    connection.setPort(server.port());
    connection.setConnectTimeout(300);
    QVERIFY_THROWS_EXCEPTION(EDBXError, connection.Open());
    QVERIFY(!connection.Connected());
    // The next attempt is answered; calls then wait up to the read time-out, not the connect one.
    connection.Open();
    server.answer(ScriptedServer::methodPath("Slow"), {200, R"({"result":[]})", 600});
    QCOMPARE(connection.post(ScriptedServer::methodPath("Slow"), "{}"), std::string(R"({"result":[]})"));
}

void TestSqlConnection::serverErrorMessageIsRaised()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("Bad"), {500, R"({"error":"Stok bulunamadı"})"});
    TSQLConnection connection;
    connection.setPort(server.port());
    connection.Open();
    try {
        connection.post(ScriptedServer::methodPath("Bad"), "{}");
        QFAIL("no error raised");
    } catch (const EDBXError &error) {
        QCOMPARE(error.Message(), QStringLiteral("Stok bulunamadı"));
    }
}

QTEST_GUILESS_MAIN(TestSqlConnection)
#include "tst_sqlconnection.moc"
