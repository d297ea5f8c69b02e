#include "app/core/callframe.h"
#include "tests/support/scriptedserver.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

#include <stdexcept>

class TestCallFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void callsAndClosesAfterwards();
    void noConnectionSkipsTheCall();
    void raisedErrorIsCaughtWhenAsked();
    void raisedErrorReachesCallerOtherwise();
    void otherExceptionsAreNotCaught();
    void backgroundUsesItsOwnClone();
    void severalBackgroundCallsAtOnce();

private:
    RetryWait m_previousWait;
    int m_waits = 0;
};

void TestCallFrame::initTestCase()
{
    m_previousWait = setRetryWait([this](int) { ++m_waits; });
}

void TestCallFrame::cleanupTestCase()
{
    setRetryWait(m_previousWait);
}

void TestCallFrame::callsAndClosesAfterwards()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("SepetSayisi"), {200, R"({"result":[6]})"});
    TSQLConnection bagc;
    bagc.setPort(server.port());
    TSonucBilgisi sbilgi;
    sbilgi.setCARINO(12);
    int adet = 0;
    bool connectedDuringCall = false;
    QVERIFY(SunucuCagir(bagc, 0, [&](TServerMethods1Client &proxy) {
        connectedDuringCall = bagc.Connected();
        adet = proxy.SepetSayisi(sbilgi);
    }));
    QVERIFY(connectedDuringCall);
    QCOMPARE(adet, 6);
    QVERIFY(!bagc.Connected());
    const auto requests = server.requestsTo(ScriptedServer::methodPath("SepetSayisi"));
    QCOMPARE(requests.size(), size_t(1));
    QVERIFY(requests[0].body.find(R"("FCARINO":12)") != std::string::npos);
}

void TestCallFrame::noConnectionSkipsTheCall()
{
    RefusingPort refusing;
    TSQLConnection bagc;
    bagc.setPort(refusing.port());
    m_waits = 0;
    bool called = false;
    CallError error;
    QVERIFY(!SunucuCagir(
        bagc, 0, [&](TServerMethods1Client &) { called = true; }, &error));
    QVERIFY(!called);
    QVERIFY(!error.raised);
    QCOMPARE(m_waits, 11);
    QVERIFY(!bagc.Connected());
}

void TestCallFrame::raisedErrorIsCaughtWhenAsked()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("KayanYaziGetir"), {500, R"({"error":"Kayan yazı yok"})"});
    TSQLConnection bagc;
    bagc.setPort(server.port());
    CallError error;
    QVERIFY(!SunucuCagir(
        bagc, 0, [&](TServerMethods1Client &proxy) { proxy.KayanYaziGetir(); }, &error));
    QVERIFY(error.raised);
    QCOMPARE(error.className, QStringLiteral("TDBXError"));
    QCOMPARE(error.message, QStringLiteral("Kayan yazı yok"));
    QVERIFY(!bagc.Connected());
}

void TestCallFrame::raisedErrorReachesCallerOtherwise()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("KayanYaziGetir"), {200, "kırık"});
    TSQLConnection bagc;
    bagc.setPort(server.port());
    QVERIFY_THROWS_EXCEPTION(
        EDBXError, SunucuCagir(bagc, 0, [&](TServerMethods1Client &proxy) { proxy.KayanYaziGetir(); }));
    QVERIFY(!bagc.Connected());
}

void TestCallFrame::otherExceptionsAreNotCaught()
{
    ScriptedServer server;
    TSQLConnection bagc;
    bagc.setPort(server.port());
    CallError error;
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error,
        SunucuCagir(
            bagc, 0, [](TServerMethods1Client &) { throw std::runtime_error("not ours"); }, &error));
    QVERIFY(!error.raised);
    QVERIFY(!bagc.Connected());
}

void TestCallFrame::backgroundUsesItsOwnClone()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("KayanYaziGetir"), {200, R"({"result":["<b>Kampanya</b>"]})"});
    TSQLConnection bagc;
    bagc.setPort(server.port());
    QString text;
    CallError error;
    const bool ok =
        QtConcurrent::run([&] {
            return KlondaSunucuCagir(
                bagc, 0, [&](TServerMethods1Client &proxy) { text = proxy.KayanYaziGetir(); }, &error);
        }).result();
    QVERIFY(ok);
    QCOMPARE(text, QStringLiteral("<b>Kampanya</b>"));
    QVERIFY(!bagc.Connected());
    QCOMPARE(server.connectionCount(), 1);
}

void TestCallFrame::severalBackgroundCallsAtOnce()
{
    ScriptedServer server;
    server.answer(
        ScriptedServer::methodPath("TusSonuclariVer"),
        {200, R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FSevkEdildi":7}}]})", 20});
    TSQLConnection bagc;
    bagc.setPort(server.port());
    QList<QFuture<int>> tasks;
    for (int i = 0; i < 8; ++i) {
        tasks.append(QtConcurrent::run([&bagc, i] {
            int shipped = -1;
            TSonucBilgisi copy;
            copy.setCARINO(i);
            KlondaSunucuCagir(bagc, 0, [&](TServerMethods1Client &proxy) {
                shipped = proxy.TusSonuclariVer(copy).value_or(TTusSonuclari()).SevkEdildi();
            });
            return shipped;
        }));
    }
    for (auto &task : tasks)
        QCOMPARE(task.result(), 7);
    QCOMPARE(server.connectionCount(), 8);
    QCOMPARE(server.requestsTo(ScriptedServer::methodPath("TusSonuclariVer")).size(), size_t(8));
}

QTEST_MAIN(TestCallFrame)
#include "tst_callframe.moc"
