#include "platform/dbx/dbxcommand.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"
#include "tests/support/scriptedserver.h"

#include <QtTest>

using Dir = TDBXParameterDirection;

class TestDbxCommand : public QObject
{
    Q_OBJECT

private slots:
    void prepareChecksTheCommand_data();
    void prepareChecksTheCommand();
    void inputsByOrdinalOutputsInOrder();
    void downloadRule_data();
    void downloadRule();
};

void TestDbxCommand::prepareChecksTheCommand_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("closed connection")
        << false << "DataSnap.ServerMethod"
        << "TServerMethods1.EchoString"
        << "Connection cannot be nil.  Make sure the connection has been opened.";
    QTest::newRow("other command type") << true << "Dbx.SQL"
                                        << "TServerMethods1.EchoString"
                                        << "Unsupported command type: Dbx.SQL";
    QTest::newRow("no class") << true << "DataSnap.ServerMethod"
                              << "EchoString"
                              << "Not a server method";
    QTest::newRow("path characters") << true << "DataSnap.ServerMethod"
                                     << "TServerMethods1.Echo/../x"
                                     << "Not a server method";
}

void TestDbxCommand::prepareChecksTheCommand()
{
    QFETCH(bool, open);
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(QString, messagePart);
    ScriptedServer server;
    TSQLConnection connection;
    connection.setPort(server.port());
    if (open)
        connection.Open();
    TDBXCommand command(connection);
    command.setCommandType(type);
    command.setText(text);
    try {
        command.Prepare();
        QFAIL("prepared");
    } catch (const EDBXError &error) {
        QVERIFY2(error.Message().contains(messagePart), qPrintable(error.Message()));
    }
    QVERIFY(!command.isPrepared());
}

void TestDbxCommand::inputsByOrdinalOutputsInOrder()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("Karisik"), {200, R"({"result":["geri",42,true]})"});
    TSQLConnection connection;
    connection.setPort(server.port());
    connection.Open();
    TDBXCommand command(connection);
    command.setCommandType(TDBXCommandTypes::DSServerMethod);
    command.setText("TServerMethods1.Karisik");
    command.setParameters(
        {{"a", Dir::In}, {"b", Dir::InOut}, {"c", Dir::Out}, {"d", Dir::In}, {"r", Dir::ReturnValue}});
    command.Prepare();
    auto &p = command.Parameters();
    p[0].setInt64(std::int64_t(1) << 60);
    p[1].setString(QStringLiteral("gidiş"));
    p[3].setBoolean(false);
    command.ExecuteUpdate();
    QCOMPARE(server.requests().back().body,
             std::string(R"({"_parameters":[1152921504606846976,"gidiş",false]})"));
    QCOMPARE(p[1].asString(), QStringLiteral("geri"));
    QCOMPARE(p[2].asInt32(), 42);
    QCOMPARE(p[4].asBoolean(), true);
    QCOMPARE(command.prepareCount(), 1);
    try {
        p[4].asString();
        QFAIL("a boolean was read as a string");
    } catch (const EConvertError &error) {
        QCOMPARE(error.Message(),
                 QStringLiteral("Parameter TServerMethods1.Karisik.r: string expected, got boolean"));
    }
}

void TestDbxCommand::downloadRule_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing announced") << 10 << qint64(0) << 0;
    QTest::newRow("exact, under a chunk") << 1023 << qint64(1023) << 1023;
    QTest::newRow("exact, one chunk") << 1024 << qint64(1024) << 1024;
    QTest::newRow("exact, chunk and one") << 1025 << qint64(1025) << 1025;
    QTest::newRow("short") << 1024 << qint64(1025) << 0;
    QTest::newRow("long") << 1025 << qint64(1024) << 0;
    QTest::newRow("negative size") << 0 << qint64(-1) << 0;
}

void TestDbxCommand::downloadRule()
{
    QFETCH(int, length);
    QFETCH(qint64, announced);
    QFETCH(int, expected);
    QByteArray stream(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        stream[i] = char(i * 7);
    const QByteArray data = downloadStream(stream, announced);
    QCOMPARE(data.size(), expected);
    if (expected)
        QCOMPARE(data, stream);
}

QTEST_GUILESS_MAIN(TestDbxCommand)
#include "tst_dbxcommand.moc"
