#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/jsontext.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"
#include "server/proxim.h"
#include "tests/support/scriptedserver.h"

#include <QtTest>

namespace {

const char kFreshRecord[] =
    R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"","FSaticiMail":"","FSirano":0,)"
    R"("FCariAdi":"","FSIFRE":"","FSaticiNo":0,"FCARINO":0,"FAKTIF":0,"FKullanicimail":"","FADI":"",)"
    R"("FSaticiTelefon":"","Fcarikod":"","FVarmi":false,"FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"",)"
    R"("FIcip":"","FBilgisayarKullanici":"","FMusteriTipi":1,"FVersion":1}})";

QByteArray bytesJson(int count, int missing = 0)
{
    QByteArray out = "[";
    for (int i = 0; i < count - missing; ++i) {
        if (i)
            out += ',';
        out += QByteArray::number(i % 256);
    }
    return out + "]";
}

} // namespace

class TestProxim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closedConnectionIsRefused();
    void onePreparePerMethodPerProxy();
    void sepetEkle2SendsItsFourteenParameters();
    void otherParametersInOrder();
    void nullSessionRecordSendsNull();
    void objectResults();
    void nullObjectResult();
    void streams_data();
    void streams();
    void tablesAndPackets();
    void procedureWithoutOutputs();
    void badAnswersRaise_data();
    void badAnswersRaise();

private:
    std::unique_ptr<ScriptedServer> m_server;
    std::unique_ptr<TSQLConnection> m_connection;
};

void TestProxim::init()
{
    m_server = std::make_unique<ScriptedServer>();
    m_connection = std::make_unique<TSQLConnection>();
    m_connection->setHostName(QStringLiteral("127.0.0.1"));
    m_connection->setPort(m_server->port());
    m_connection->setReadTimeout(2000);
    m_connection->Open();
}

void TestProxim::cleanup()
{
    m_connection.reset();
    m_server.reset();
}

void TestProxim::closedConnectionIsRefused()
{
    m_connection->Close();
    try {
        TServerMethods1Client proxy(*m_connection);
        QFAIL("a proxy over a closed connection was made");
    } catch (const EDBXError &error) {
        QCOMPARE(error.Message(),
                 QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    }
    // Closed after the proxy was made: the call is refused the same way and nothing is sent.
    m_connection->Open();
    TServerMethods1Client proxy(*m_connection);
    m_connection->Close();
    QVERIFY_THROWS_EXCEPTION(EDBXError, proxy.AcilisReklamAdet());
    QVERIFY(m_server->requestsTo(ScriptedServer::methodPath("AcilisReklamAdet")).empty());
}

void TestProxim::onePreparePerMethodPerProxy()
{
    m_server->answer(ScriptedServer::methodPath("SepetSayisi"), {200, R"({"result":[4]})"});
    m_server->answer(ScriptedServer::methodPath("AcilisReklamAdet"), {200, R"({"result":[2]})"});
    {
        TServerMethods1Client proxy(*m_connection);
        QCOMPARE(proxy.prepareCount("SepetSayisi"), 0);
        QCOMPARE(proxy.SepetSayisi(TSonucBilgisi()), 4);
        QCOMPARE(proxy.SepetSayisi(TSonucBilgisi()), 4);
        QCOMPARE(proxy.SepetSayisi(std::nullopt), 4);
        QCOMPARE(proxy.AcilisReklamAdet(), 2);
        QCOMPARE(proxy.prepareCount("SepetSayisi"), 1);
        QCOMPARE(proxy.prepareCount("AcilisReklamAdet"), 1);
        QCOMPARE(proxy.prepareCount("CariAra"), 0);
    }
    TServerMethods1Client second(*m_connection);
    second.SepetSayisi(TSonucBilgisi());
    QCOMPARE(second.prepareCount("SepetSayisi"), 1);
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("SepetSayisi")).size(), size_t(4));
}

void TestProxim::sepetEkle2SendsItsFourteenParameters()
{
    m_server->answer(ScriptedServer::methodPath("SepetEkle2"), {200, R"({"result":[1]})"});
    TServerMethods1Client proxy(*m_connection);
    const int result =
        proxy.SepetEkle2(TSonucBilgisi(), 1001, 555, QStringLiteral("8690000000017"),
                         QStringLiteral("Yağ Filtresi \"OC\" İ"), 2.5, 18, 104.75, 10, 7, 1, 0, 2.5, 0.125);
    QCOMPARE(result, 1);
    const auto requests = m_server->requestsTo(ScriptedServer::methodPath("SepetEkle2"));
    QCOMPARE(requests.size(), size_t(1));
    QCOMPARE(requests[0].method, std::string("POST"));
    QCOMPARE(requests[0].path, std::string("/datasnap/rest/TServerMethods1/%22SepetEkle2%22"));
    QCOMPARE(requests[0].headers.at("accept"), std::string("application/json"));
    QCOMPARE(
        QByteArray::fromStdString(requests[0].body),
        QByteArray(R"({"_parameters":[)") + kFreshRecord +
            QByteArray(
                R"(,1001,555,"8690000000017","Yağ Filtresi \"OC\" İ",2.5,18,104.75,10,7,1,0,2.5,0.125]})"));
}

void TestProxim::otherParametersInOrder()
{
    m_server->answer(ScriptedServer::methodPath("SiparisKaydet"), {200, R"({"result":[true]})"});
    m_server->answer(ScriptedServer::methodPath("RaporGetir"), {200, R"({"result":[3,[37,80,68]]})"});
    m_server->answer(ScriptedServer::methodPath("BakiyeFiyatDegistir"), {200, R"({"result":[0]})"});
    TServerMethods1Client proxy(*m_connection);
    TSonucBilgisi bilgi;
    bilgi.setCARINO(42);
    bilgi.setSirano(9);
    QVERIFY(proxy.SiparisKaydet(bilgi, 42, 1, 2, QStringLiteral("acil"), 9, 3));
    qint64 size = -1;
    QCOMPARE(proxy.RaporGetir(4, 1, 9, 42, QStringLiteral("Ayşe"), 45658.0, 45688.75, size),
             QByteArray("%PD"));
    QCOMPARE(size, 3);
    QCOMPARE(proxy.BakiyeFiyatDegistir(std::nullopt, 1, 2, 3, 4.5, 1.5, QStringLiteral("B"), 99.9, 12.5), 0);

    const std::string order = m_server->requestsTo(ScriptedServer::methodPath("SiparisKaydet"))[0].body;
    QVERIFY(order.find(R"("FCARINO":42)") != std::string::npos);
    QVERIFY(QByteArray::fromStdString(order).endsWith(R"(},42,1,2,"acil",9,3]})"));
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("RaporGetir"))[0].body,
             std::string(R"({"_parameters":[4,1,9,42,"Ayşe",45658,45688.75]})"));
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("BakiyeFiyatDegistir"))[0].body,
             std::string(R"({"_parameters":[null,1,2,3,4.5,1.5,"B",99.9,12.5]})"));
}

void TestProxim::nullSessionRecordSendsNull()
{
    m_server->answer(ScriptedServer::methodPath("CariAra"), {200, R"({"result":[{"table":[]}]})"});
    TServerMethods1Client proxy(*m_connection);
    proxy.CariAra(std::nullopt, QStringLiteral("ank"));
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("CariAra"))[0].body,
             std::string(R"({"_parameters":[null,"ank"]})"));
}

void TestProxim::objectResults()
{
    TSonucBilgisi fromServer;
    fromServer.setADI(QStringLiteral("bayi1"));
    fromServer.setCARINO(120);
    fromServer.setMusteriTipi(3);
    fromServer.setVersion(3);
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"),
                     {200, "{\"result\":[" + jsonText(TJSONMarshal::marshal(fromServer)) + "]}"});
    m_server->answer(
        ScriptedServer::methodPath("TusSonuclariVer"),
        {200,
         R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":3,"FGoruldu":1}}]})"});
    m_server->answer(
        ScriptedServer::methodPath("AcilisEkranlarVer2"),
        {200,
         R"({"result":[{"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}}]})"});
    TServerMethods1Client proxy(*m_connection);
    const auto bilgi = proxy.BuyukGetir(QStringLiteral("WD-1"));
    QVERIFY(bilgi.has_value());
    QVERIFY(*bilgi == fromServer);
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("BuyukGetir"))[0].body,
             std::string(R"({"_parameters":["WD-1"]})"));
    const auto tus = proxy.TusSonuclariVer(TSonucBilgisi());
    QVERIFY(tus.has_value());
    QCOMPARE(tus->Alindi(), 3);
    QCOMPARE(tus->Onaylandi(), 0);
    const auto ekranlar = proxy.AcilisEkranlarVer2();
    QVERIFY(ekranlar.has_value());
    QVERIFY(ekranlar->Ekranlar().empty());
}

void TestProxim::nullObjectResult()
{
    m_server->answer(ScriptedServer::methodPath("BuyukGetir"), {200, R"({"result":[null]})"});
    m_server->answer(ScriptedServer::methodPath("SiparisAytintisiDip"), {200, R"({"result":[null]})"});
    TServerMethods1Client proxy(*m_connection);
    QVERIFY(!proxy.BuyukGetir(QStringLiteral("yok")).has_value());
    QVERIFY(!proxy.SiparisAytintisiDip(1, 2).has_value());
}

void TestProxim::streams_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("expectedLength");
    QTest::newRow("size 0, empty") << QByteArray(R"({"result":[0,[]]})") << qint64(0) << 0;
    QTest::newRow("size 0, null stream") << QByteArray(R"({"result":[0,null]})") << qint64(0) << 0;
    QTest::newRow("complete") << "{\"result\":[5," + bytesJson(5) + "]}" << qint64(5) << 5;
    QTest::newRow("one byte short") << "{\"result\":[5," + bytesJson(5, 1) + "]}" << qint64(5) << 0;
    QTest::newRow("one byte short, 3000")
        << "{\"result\":[3000," + bytesJson(3000, 1) + "]}" << qint64(3000) << 0;
    QTest::newRow("one byte more") << "{\"result\":[4," + bytesJson(5) + "]}" << qint64(4) << 0;
    QTest::newRow("exactly two chunks")
        << "{\"result\":[2048," + bytesJson(2048) + "]}" << qint64(2048) << 2048;
    QTest::newRow("several chunks") << "{\"result\":[2500," + bytesJson(2500) + "]}" << qint64(2500) << 2500;
    QTest::newRow("size beyond 2^53")
        << QByteArray(R"({"result":[9007199254740993,[1]]})") << qint64(9007199254740993LL) << 0;
}

void TestProxim::streams()
{
    QFETCH(QByteArray, answer);
    QFETCH(qint64, size);
    QFETCH(int, expectedLength);
    m_server->answer(ScriptedServer::methodPath("ResimVer5"), {200, answer.toStdString()});
    TServerMethods1Client proxy(*m_connection);
    qint64 boy = -1;
    const QByteArray data = proxy.ResimVer5(77, boy);
    QCOMPARE(boy, size);
    QCOMPARE(data.size(), expectedLength);
    for (int i = 0; i < data.size(); ++i)
        QCOMPARE(int(static_cast<unsigned char>(data[i])), i % 256);
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("ResimVer5"))[0].body,
             std::string(R"({"_parameters":[77]})"));
}

void TestProxim::tablesAndPackets()
{
    m_server->answer(
        ScriptedServer::methodPath("CariEkstreVer"),
        {200,
         R"({"result":[{"table":[["EVRAKNO",26,0,0,0,20,0,0,true,false,0,false,false],)"
         R"(["TUTAR",7,1,0,0,0,0,0,true,false,0,false,false]],"EVRAKNO":["F1","T2"],"TUTAR":[10.5,-3]}]})"});
    m_server->answer(
        ScriptedServer::methodPath("StokAraGetir"),
        {200,
         R"({"result":[{"table":[["STOK_KODU",26,0,0,0,30,0,0,true,false,0,false,false]],"STOK_KODU":["OC 90"]}]})"});
    TServerMethods1Client proxy(*m_connection);
    TDBXReader reader = proxy.CariEkstreVer(42);
    QCOMPARE(reader.columnCount(), 2);
    QVERIFY(reader.Next());
    QCOMPARE(reader.Value(0).toString(), QStringLiteral("F1"));
    QVERIFY(reader.Next());
    QCOMPARE(reader.Value(1).toDouble(), -3.0);
    QVERIFY(!reader.Next());
    const DbxTable packet = proxy.StokAraGetir(QStringLiteral("OC"), TSonucBilgisi());
    QCOMPARE(packet.rowCount(), 1);
    QCOMPARE(packet.value(0, 0).toString(), QStringLiteral("OC 90"));
}

void TestProxim::procedureWithoutOutputs()
{
    m_server->answer(ScriptedServer::methodPath("SepetSecimGuncelle"), {200, R"({"result":[]})"});
    TServerMethods1Client proxy(*m_connection);
    proxy.SepetSecimGuncelle(31, 1);
    QCOMPARE(m_server->requestsTo(ScriptedServer::methodPath("SepetSecimGuncelle"))[0].body,
             std::string(R"({"_parameters":[31,1]})"));
    m_server->answer(ScriptedServer::methodPath("SepetSecimGuncelle"), {200, R"({"result":[1]})"});
    QVERIFY_THROWS_EXCEPTION(EDBXError, proxy.SepetSecimGuncelle(31, 0));
}

void TestProxim::badAnswersRaise_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>(
        "fault"); // 0 none, 1 truncated body, 2 closed mid-answer, 3 hang, 4 closed before answer
    QTest::addColumn<QString>("messagePart");
    const QByteArray column = R"(["A",6,0,0,0,0,0,0,true,false,0,false,false])";
    const QByteArray table2 =
        R"(["A",6,0,0,0,0,0,0,true,false,0,false,false],["B",26,1,0,0,0,0,0,true,false,0,false,false])";
    QTest::newRow("not json") << "SepetSayisi" << 200 << QByteArray("Internal error") << 0
                              << "not valid JSON";
    QTest::newRow("not an object") << "SepetSayisi" << 200 << QByteArray("[4]") << 0 << "not a JSON object";
    QTest::newRow("missing result") << "SepetSayisi" << 200 << QByteArray(R"({"results":[4]})") << 0
                                    << "no \"result\" array";
    QTest::newRow("fewer results") << "ResimVer5" << 200 << QByteArray(R"({"result":[3]})") << 0
                                   << "answered 1 results where 2 were expected";
    QTest::newRow("no results") << "SepetSayisi" << 200 << QByteArray(R"({"result":[]})") << 0
                                << "answered 0 results where 1 were expected";
    QTest::newRow("server error") << "SepetSayisi" << 200 << QByteArray(R"({"error":"Oturum yok"})") << 0
                                  << "Oturum yok";
    QTest::newRow("status 500") << "SepetSayisi" << 500 << QByteArray(R"({"error":"Veritabanı kilitli"})")
                                << 0 << "Veritabanı kilitli";
    QTest::newRow("status 404 no json") << "SepetSayisi" << 404 << QByteArray("nope") << 0 << "HTTP 404";
    QTest::newRow("column of another length")
        << "CariEkstreVer" << 200 << "{\"result\":[{\"table\":[" + table2 + "],\"A\":[1,2],\"B\":[\"x\"]}]}"
        << 0 << "B has 1 values, column A has 2";
    QTest::newRow("unknown type code")
        << "CariEkstreVer" << 200
        << QByteArray(R"({"result":[{"table":[["A",33,0,0,0,0,0,0,true,false,0,false,false]],"A":[1]}]})")
        << 0 << "unknown DBX type code 33";
    QTest::newRow("string for number in table")
        << "CariEkstreVer" << 200 << "{\"result\":[{\"table\":[" + column + "],\"A\":[\"1\"]}]}" << 0
        << "integer expected, got string";
    QTest::newRow("string for number result") << "SepetSayisi" << 200 << QByteArray(R"({"result":["4"]})")
                                              << 0 << "32-bit integer expected, got string";
    QTest::newRow("string for stream size") << "ResimVer5" << 200 << QByteArray(R"({"result":["3",[1,2,3]]})")
                                            << 0 << "64-bit integer expected, got string";
    QTest::newRow("stream byte 256") << "ResimVer5" << 200 << QByteArray(R"({"result":[3,[1,256,3]]})") << 0
                                     << "stream byte 1 is not a value from 0 to 255";
    QTest::newRow("stream byte -1") << "ResimVer5" << 200 << QByteArray(R"({"result":[2,[-1,0]]})") << 0
                                    << "stream byte 0 is not a value from 0 to 255";
    QTest::newRow("unknown class") << "TusSonuclariVer" << 200
                                   << QByteArray(
                                          R"({"result":[{"type":"baglantiu.TBilinmez","id":1,"fields":{}}]})")
                                   << 0 << "Unknown class baglantiu.TBilinmez";
    QTest::newRow("unknown member")
        << "TusSonuclariVer" << 200
        << QByteArray(R"({"result":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FYeni":1}}]})") << 0
        << "has no field FYeni";
    QTest::newRow("truncated response") << "SepetSayisi" << 200 << QByteArray(R"({"result":[4]})") << 1 << "";
    QTest::newRow("closed mid-answer") << "SepetSayisi" << 200 << QByteArray(R"({"result":[4]})") << 2 << "";
    QTest::newRow("closed before answer")
        << "SepetSayisi" << 200 << QByteArray(R"({"result":[4]})") << 4 << "";
    QTest::newRow("hung past read time-out") << "SepetSayisi" << 200 << QByteArray() << 3 << "";
}

void TestProxim::badAnswersRaise()
{
    QFETCH(QString, method);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, fault);
    QFETCH(QString, messagePart);
    ScriptedServer::Answer answer{status, body.toStdString()};
    if (fault == 1)
        answer.announcedLength = long(body.size()) + 40;
    else if (fault == 2)
        answer.closeAfterBytes = 30;
    else if (fault == 3)
        answer.hang = true;
    else if (fault == 4)
        answer.closeAfterBytes = 0;
    m_server->answer(ScriptedServer::methodPath(method.toStdString()), answer);
    m_connection->setReadTimeout(300);
    m_connection->Close();
    m_connection->Open();
    TServerMethods1Client proxy(*m_connection);
    try {
        qint64 boy = 0;
        if (method == QLatin1String("SepetSayisi"))
            proxy.SepetSayisi(TSonucBilgisi());
        else if (method == QLatin1String("ResimVer5"))
            proxy.ResimVer5(1, boy);
        else if (method == QLatin1String("CariEkstreVer"))
            proxy.CariEkstreVer(1);
        else if (method == QLatin1String("TusSonuclariVer"))
            proxy.TusSonuclariVer(TSonucBilgisi());
        QFAIL("a bad answer was accepted");
    } catch (const Exception &error) {
        QVERIFY2(!error.Message().isEmpty(), "an error without a message");
        QVERIFY2(error.Message().contains(messagePart), qPrintable(error.Message()));
    }
}

QTEST_GUILESS_MAIN(TestProxim)
#include "tst_proxim.moc"
