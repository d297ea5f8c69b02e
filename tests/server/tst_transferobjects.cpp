#include "server/baglantiu.h"

#include <QtTest>

class TestTransferObjects : public QObject
{
    Q_OBJECT

private slots:
    void newSessionRecordDefaults();
    void kopyalaCopiesEverythingAndSharesNothing();
};

void TestTransferObjects::newSessionRecordDefaults()
{
    const TSonucBilgisi bilgi;
    QCOMPARE(bilgi.MusteriTipi(), 1);
    QCOMPARE(bilgi.Version(), 1);
    QCOMPARE(bilgi.Sirano(), 0);
    QCOMPARE(bilgi.SaticiNo(), 0);
    QCOMPARE(bilgi.CARINO(), 0);
    QCOMPARE(bilgi.AKTIF(), 0);
    QCOMPARE(bilgi.Varmi(), false);
    QVERIFY(bilgi.BILGISAYARID().isEmpty());
    QVERIFY(bilgi.ADI().isEmpty());
    QVERIFY(bilgi.Disip().isEmpty());

    int count = 0;
    TSonucBilgisi::visitFields(bilgi, [&](const char *, const auto &) { ++count; });
    QCOMPARE(count, 20);
}

void TestTransferObjects::kopyalaCopiesEverythingAndSharesNothing()
{
    TSonucBilgisi kaynak;
    kaynak.setBILGISAYARID(QStringLiteral("WD-123"));
    kaynak.setCARINO(42);
    kaynak.setVarmi(true);
    kaynak.setCariAdi(QStringLiteral("Öz Filtre Ltd. Şti."));
    kaynak.setMusteriTipi(3);
    kaynak.setVersion(3);

    TSonucBilgisi kopya;
    kopya.Kopyala(kaynak);
    QVERIFY(kopya == kaynak);
    kopya.setCARINO(7);
    kopya.setCariAdi(QStringLiteral("Başka"));
    QCOMPARE(kaynak.CARINO(), 42);
    QCOMPARE(kaynak.CariAdi(), QStringLiteral("Öz Filtre Ltd. Şti."));

    TTusSonuclari tus;
    tus.setGoruldu(5);
    TTusSonuclari tusKopya;
    tusKopya.Kopyala(tus);
    QCOMPARE(tusKopya.Goruldu(), 5);
    TSiparisDipAyrinti dip;
    dip.setSaticiNotu(QStringLiteral("acil"));
    TSiparisDipAyrinti dipKopya;
    dipKopya.Kopyala(dip);
    QCOMPARE(dipKopya.SaticiNotu(), QStringLiteral("acil"));
}

QTEST_GUILESS_MAIN(TestTransferObjects)
#include "tst_transferobjects.moc"
