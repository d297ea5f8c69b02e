#include "basket/onaysipu.h"
#include "basket/sepetdetay.h"
#include "basket/sepettoplam.h"
#include "platform/dataset/clientdataset.h"

#include <QtTest>

namespace {

struct Satir
{
    int sec;
    double tutar;
    double indirim;
    double kdv;
};

void doldur(TClientDataSet &ds, const QList<Satir> &satirlar)
{
    ds.addField(QStringLiteral("SEC"), TFieldType::ftInteger);
    ds.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    ds.addField(QStringLiteral("INDIRIMTUTAR"), TFieldType::ftFloat);
    ds.addField(QStringLiteral("KDV"), TFieldType::ftFloat);
    ds.CreateDataSet();
    for (const Satir &s : satirlar)
        ds.appendRow({s.sec, s.tutar, s.indirim, s.kdv});
}

QVariantMap katalogSatiri(int k)
{
    return {{"STOK_STOKNO", 42}, {"BARKOD", "F-100"},      {"ADI", "YAĞ FİLTRESİ"},
            {"MARKA", "FORD"},   {"FINISHKOD", "FN100"},   {"MODEL", "FOCUS"},
            {"KDV", 18.0},       {"FIYAT", 100.0},         {"NETFIYAT", 81.0},
            {"KDVDAHIL", 95.58}, {"INDIRIMYAZI", "10+10"}, {"K", k},
            {"IND1", 10.0},      {"IND2", 10.0},           {"IND3", 0.0},
            {"IND4", 0.0}};
}

} // namespace

Q_DECLARE_METATYPE(QList<Satir>)
Q_DECLARE_METATYPE(SepetKaynagi)

class SepetToplamTest : public QObject
{
    Q_OBJECT

private slots:
    void totals_data()
    {
        QTest::addColumn<QList<Satir>>("satirlar");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("g");
        QTest::newRow("empty") << QList<Satir>{} << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("none ticked") << QList<Satir>{{0, 100, 10, 18}, {0, 50, 5, 18}} << 0.0 << 0.0 << 0.0
                                     << 0.0 << 0.0;
        // The lines' own VAT rates do not count: 18 % of the net amount.
        QTest::newRow("flat VAT") << QList<Satir>{{1, 60, 4, 8}, {1, 40, 6, 1}} << 100.0 << 10.0 << 90.0
                                  << 16.2 << 106.2;
        QTest::newRow("rounded each step")
            << QList<Satir>{{1, 0.333, 0, 18}, {1, 0.333, 0, 18}, {1, 0.333, 0, 18}} << 0.99 << 0.0 << 0.99
            << 0.18 << 1.17;
        QTest::newRow("only SEC = 1") << QList<Satir>{{1, 10, 1, 18}, {2, 500, 0, 18}, {0, 70, 0, 18}} << 10.0
                                      << 1.0 << 9.0 << 1.62 << 10.62;
        QTest::newRow("half away from zero")
            << QList<Satir>{{1, 0.125, 0, 18}} << 0.13 << 0.0 << 0.13 << 0.02 << 0.15;
    }

    void totals()
    {
        QFETCH(QList<Satir>, satirlar);
        TClientDataSet ds;
        doldur(ds, satirlar);
        const SepetToplamlari s = SepetToplamHesapla(ds);
        QFETCH(double, t);
        QFETCH(double, i);
        QFETCH(double, n);
        QFETCH(double, v);
        QFETCH(double, g);
        QCOMPARE(s.toplam, t);
        QCOMPARE(s.indirim, i);
        QCOMPARE(s.net, n);
        QVERIFY2(qAbs(s.vergi - v) < 1e-9, qPrintable(QString::number(s.vergi, 'f', 10)));
        QCOMPARE(s.genel, g);
        if (!satirlar.isEmpty())
            QVERIFY(ds.Eof());
    }

    void closedBasketGivesZeros()
    {
        TClientDataSet ds;
        const SepetToplamlari t = SepetToplamHesapla(ds);
        QCOMPARE(t.genel, 0.0);
        QCOMPARE(t.toplam, 0.0);
    }

    void catalogueFill_data()
    {
        QTest::addColumn<SepetKaynagi>("kaynak");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("tip");
        QTest::addColumn<QString>("fiyatBasligi");
        QTest::addColumn<QString>("indirimBasligi");
        QTest::addColumn<double>("kdvdahil");
        QTest::addColumn<bool>("fiyatDegisir");
        const QString fiyat = QStringLiteral("Fiyat:");
        const QString kamp = QStringLiteral("Kampanyalı Fiyat:");
        QTest::newRow("stock K=0 dealer") << SepetKaynagi::StokListesi << 0 << 3 << fiyat
                                          << QStringLiteral("İndirim: %10+10") << 95.58 << false;
        QTest::newRow("stock K=0 staff") << SepetKaynagi::StokListesi << 0 << 1 << fiyat
                                         << QStringLiteral("İndirim: %10+10") << 95.58 << true;
        QTest::newRow("stock K=1 manager") << SepetKaynagi::StokListesi << 1 << 2 << kamp
                                           << QStringLiteral("Kampanyalı 10+10") << 95.58 << true;
        // 81 x 1.18 = 95.58; the new-stock list computes it from the net price.
        QTest::newRow("new K=0") << SepetKaynagi::Yeniler << 0 << 4 << fiyat
                                 << QStringLiteral("İndirim:  % 10+10") << 95.58 << false;
        QTest::newRow("new K=1 staff")
            << SepetKaynagi::Yeniler << 1 << 1 << kamp << QStringLiteral("Kampanyalı 10+10") << 95.58 << true;
        QTest::newRow("campaign K=0 staff") << SepetKaynagi::Kampanyali << 0 << 1 << kamp
                                            << QStringLiteral("Kampanyalı 10+10") << 95.58 << false;
    }

    void catalogueFill()
    {
        QFETCH(SepetKaynagi, kaynak);
        QFETCH(int, k);
        QFETCH(int, tip);
        const StokDetayDegerleri d = KatalogDetayi(katalogSatiri(k), kaynak, tip);
        QTEST(d.fiyatBasligi, "fiyatBasligi");
        QTEST(d.indirimBasligi, "indirimBasligi");
        QTEST(d.kdvdahiltutar, "kdvdahil");
        QTEST(d.fiyatDegisir, "fiyatDegisir");
        QCOMPARE(d.stokno, 42);
        QCOMPARE(d.adi, QStringLiteral("YAĞ FİLTRESİ"));
        QCOMPARE(d.birimfiyat, 100.0);
        QCOMPARE(d.indtutar, 81.0);
        QCOMPARE(d.kdvlifiyat, 95.58);
        QCOMPARE(d.adet, 1.0);
    }

    void newStockComputesWithVat()
    {
        QVariantMap row = katalogSatiri(0);
        row["KDVDAHIL"] = 1.0; // not used by the new-stock list without a campaign
        row["NETFIYAT"] = 10.005;
        row["KDV"] = 8.0;
        const StokDetayDegerleri yeni = KatalogDetayi(row, SepetKaynagi::Yeniler, 3);
        QCOMPARE(yeni.kdvdahiltutar, 10.81); // 10.8054
        QCOMPARE(yeni.kdvlifiyat, 1.0);
        const StokDetayDegerleri stok = KatalogDetayi(row, SepetKaynagi::StokListesi, 3);
        QCOMPARE(stok.kdvdahiltutar, 1.0);
    }

    void basketLineFill()
    {
        const QVariantMap line{{"STOKNO", 7},         {"BARKOD", "B7"},        {"STOKADI", "HAVA FİLTRESİ"},
                               {"MARKA", "FIAT"},     {"FINISHKOD", "FK7"},    {"MODEL", "DOBLO"},
                               {"BIRIMFIYAT", 120.0}, {"NETBIRIMFIYAT", 97.2}, {"KDV", 18.0},
                               {"MIKTAR", 4.0}};
        const StokDetayDegerleri d = SepetSatirDetayi(line);
        QCOMPARE(d.stokno, 7);
        QCOMPARE(d.adi, QStringLiteral("HAVA FİLTRESİ"));
        QCOMPARE(d.birimfiyat, 120.0);
        QCOMPARE(d.kdvdahiltutar, 114.7); // 97.2 x 1.18 = 114.696
        QCOMPARE(d.kdvlifiyat, 114.7);
        QCOMPARE(d.indtutar, 97.2);
        QCOMPARE(d.adet, 4.0);
        QCOMPARE(d.fiyatDegisir, false);
        QCOMPARE(d.fiyatBasligi, QStringLiteral("Fiyat:"));
        QCOMPARE(d.indirimBasligi, QStringLiteral("İndirim:"));
    }

    void orderSummary()
    {
        const QString text = SiparisOzeti(QStringLiteral("AHMET"), QStringLiteral("KAYA OTO"),
                                          QStringLiteral("birinci\r\nikinci"));
        QCOMPARE(text,
                 QStringLiteral("Kullanıcı: AHMET\r\nCari     : KAYA OTO\r\nAçıklama : birinci\r\nikinci"));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(lines[i].indexOf(QLatin1Char(':')) + 2, 11);
    }
};

QTEST_MAIN(SepetToplamTest)
#include "tst_sepettoplam.moc"
