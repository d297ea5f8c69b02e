#include "platform/dbx/jsonmarshal.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"
#include "server/transferclasses.h"

#include <QtTest>

namespace json = boost::json;

class TestMarshal : public QObject
{
    Q_OBJECT

private slots:
    void freshSessionRecordByteForByte();
    void sessionRecordRoundTrips();
    void stokWithoutBirimKeepsDefaults();
    void emptyEkranlarHasNoItems();
    void nestedIdsAreDepthFirst();
    void refCopiesTheEarlierObject();
    void doublesAreWrittenAsPlainDecimals();
    void nullResultIsNoObject();
    void registryFindsAnyClass();
    void badObjectsRaise_data();
    void badObjectsRaise();
    void doubleBeyondRangeRaises();
};

void TestMarshal::freshSessionRecordByteForByte()
{
    const std::string text = jsonText(TJSONMarshal::marshal(TSonucBilgisi()));
    QCOMPARE(QByteArray::fromStdString(text),
             QByteArray(
                 R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{)"
                 R"("FBILGISAYARID":"","FSaticiMail":"","FSirano":0,"FCariAdi":"","FSIFRE":"",)"
                 R"("FSaticiNo":0,"FCARINO":0,"FAKTIF":0,"FKullanicimail":"","FADI":"","FSaticiTelefon":"",)"
                 R"("Fcarikod":"","FVarmi":false,"FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"","FIcip":"",)"
                 R"("FBilgisayarKullanici":"","FMusteriTipi":1,"FVersion":1}})"));
}

void TestMarshal::sessionRecordRoundTrips()
{
    TSonucBilgisi bilgi;
    bilgi.setADI(QStringLiteral("Şükrü \"Usta\"\n"));
    bilgi.setCARINO(-5);
    bilgi.setVarmi(true);
    bilgi.setVersion(3);
    const std::string text = jsonText(TJSONMarshal::marshal(bilgi));
    const auto back = TJSONUnMarshal::unmarshal<TSonucBilgisi>(json::parse(text));
    QVERIFY(back == bilgi);
}

void TestMarshal::stokWithoutBirimKeepsDefaults()
{
    const auto stok = TJSONUnMarshal::unmarshal<TMobilStok>(json::parse(
        R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FStokNo":12,"FKod":"OC 90","FFiyat":99.9}})"));
    QCOMPARE(stok.StokNo(), 12);
    QCOMPARE(stok.Kod(), QStringLiteral("OC 90"));
    QCOMPARE(stok.Fiyat(), 99.9);
    QCOMPARE(stok.Birim(), QStringLiteral("ADET"));
    QCOMPARE(stok.KDV(), 18.0);
    QCOMPARE(stok.Adi(), QString());
}

void TestMarshal::emptyEkranlarHasNoItems()
{
    const auto ekranlar = TJSONUnMarshal::unmarshal<TAcilisEkranlariki>(
        json::parse(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}})"));
    QVERIFY(ekranlar.Ekranlar().empty());
}

void TestMarshal::nestedIdsAreDepthFirst()
{
    TAcilisEkran a;
    a.setBaslik(QStringLiteral("Kampanya"));
    a.setArama(QStringLiteral("#KAMPANYA#"));
    TAcilisEkran b;
    b.setSiraNo(2);
    TAcilisEkranlariki ekranlar;
    ekranlar.setEkranlar({a, b});
    const std::string text = jsonText(TJSONMarshal::marshal(ekranlar));
    QCOMPARE(QByteArray::fromStdString(text),
             QByteArray(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
                        R"({"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":0,"FResim":"",)"
                        R"("FBaslik":"Kampanya","FArama":"#KAMPANYA#"}},)"
                        R"({"type":"mobilstokunit.TAcilisEkran","id":3,"fields":{"FSiraNo":2,"FResim":"",)"
                        R"("FBaslik":"","FArama":""}}]}})"));
    QVERIFY(TJSONUnMarshal::unmarshal<TAcilisEkranlariki>(json::parse(text)) == ekranlar);
}

void TestMarshal::refCopiesTheEarlierObject()
{
    const auto ekranlar = TJSONUnMarshal::unmarshal<TAcilisEkranlariki>(
        json::parse(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
                    R"({"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":4,"FBaslik":"Yeni"}},)"
                    R"({"type":"mobilstokunit.TAcilisEkran","ref":2}]}})"));
    QCOMPARE(ekranlar.Ekranlar().size(), size_t(2));
    QCOMPARE(ekranlar.Ekranlar()[1].SiraNo(), 4);
    QCOMPARE(ekranlar.Ekranlar()[1].Baslik(), QStringLiteral("Yeni"));
}

void TestMarshal::doublesAreWrittenAsPlainDecimals()
{
    TMobilCariBilgisi cari;
    cari.setTLBORC(1250.0);
    cari.setTLBAKIYE(-0.5);
    cari.setCARINO(77);
    const std::string text = jsonText(TJSONMarshal::marshal(cari));
    QVERIFY(text.find(R"("FTLBORC":1250,"FTLALACAK":0)") != std::string::npos);
    QVERIFY(text.find(R"("FTLBAKIYE":-0.5)") != std::string::npos);
    QVERIFY(TJSONUnMarshal::unmarshal<TMobilCariBilgisi>(json::parse(text)) == cari);

    TMobilSepet sepet;
    sepet.setTARIH(45658.5);
    sepet.setSTOKADI(QStringLiteral("Hava filtresi"));
    QVERIFY(TJSONUnMarshal::unmarshal<TMobilSepet>(json::parse(jsonText(TJSONMarshal::marshal(sepet)))) ==
            sepet);
}

void TestMarshal::nullResultIsNoObject()
{
    QVERIFY(!TJSONUnMarshal::unmarshalOptional<TTusSonuclari>(json::value(nullptr)).has_value());
    QCOMPARE(jsonText(TJSONMarshal::marshal(std::optional<TSonucBilgisi>())), std::string("null"));
    QVERIFY_THROWS_EXCEPTION(EJsonError, TJSONUnMarshal::unmarshal<TTusSonuclari>(json::value(nullptr)));
}

void TestMarshal::registryFindsAnyClass()
{
    registerTransferClasses();
    const std::any any = TJSONUnMarshal::unmarshalAny(
        json::parse(R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FKargo":"Aras"}})"));
    const auto *dip = std::any_cast<TSiparisDipAyrinti>(&any);
    QVERIFY(dip);
    QCOMPARE(dip->Kargo(), QStringLiteral("Aras"));
}

void TestMarshal::badObjectsRaise_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("unknown class") << QByteArray(R"({"type":"baglantiu.TYok","id":1,"fields":{}})")
                                   << "Unknown class baglantiu.TYok";
    QTest::newRow("other class") << QByteArray(R"({"type":"mobilstokunit.TAcilisEkran","id":1,"fields":{}})")
                                 << "mobilstokunit.TAcilisEkran received where baglantiu.TTusSonuclari";
    QTest::newRow("unknown member")
        << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":1,"FIptal":2}})")
        << "has no field FIptal";
    QTest::newRow("string for integer")
        << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":"1"}})")
        << "FAlindi: 32-bit integer expected, got string";
    QTest::newRow("double for integer")
        << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FGoruldu":1.5}})")
        << "FGoruldu: 32-bit integer expected, got number";
    QTest::newRow("integer overflow")
        << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FGoruldu":4294967296}})")
        << "FGoruldu: 32-bit integer expected";
    QTest::newRow("no fields") << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1})")
                               << "no \"fields\"";
    QTest::newRow("no type") << QByteArray(R"({"id":1,"fields":{}})") << "no \"type\"";
    QTest::newRow("no id") << QByteArray(R"({"type":"baglantiu.TTusSonuclari","fields":{}})")
                           << "numeric \"id\"";
    QTest::newRow("array") << QByteArray("[]") << "marshalled object expected, got array";
    QTest::newRow("dangling ref") << QByteArray(R"({"type":"baglantiu.TTusSonuclari","ref":5})")
                                  << "names no earlier object";
}

void TestMarshal::badObjectsRaise()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, messagePart);
    registerTransferClasses();
    try {
        TJSONUnMarshal::unmarshal<TTusSonuclari>(json::parse(json.toStdString()));
        QFAIL("a bad object was accepted");
    } catch (const EJsonError &error) {
        QVERIFY2(error.Message().contains(messagePart), qPrintable(error.Message()));
    }
}

// 1e400 parses as an infinity, which would come back as null when the object is written again.
void TestMarshal::doubleBeyondRangeRaises()
{
    registerTransferClasses();
    const auto cari = [](const char *borc) {
        return json::parse(
            std::string(R"({"type":"mobilstokunit.TMobilCariBilgisi","id":1,"fields":{"FTLBORC":)") + borc +
            "}}");
    };
    QCOMPARE(TJSONUnMarshal::unmarshal<TMobilCariBilgisi>(cari("1.7976931348623157e308")).TLBORC(),
             1.7976931348623157e308);
    try {
        TJSONUnMarshal::unmarshal<TMobilCariBilgisi>(cari("-1e400"));
        QFAIL("an infinite debt was accepted");
    } catch (const EJsonError &error) {
        QVERIFY2(error.Message().contains(QLatin1String("FTLBORC: number out of range")),
                 qPrintable(error.Message()));
    }
}

QTEST_GUILESS_MAIN(TestMarshal)
#include "tst_marshal.moc"
