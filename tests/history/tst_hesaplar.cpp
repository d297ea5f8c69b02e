// The arithmetic and rules of the order and statement windows, without windows.
#include "history/hesaplar.h"
#include "platform/dataset/clientdataset.h"

#include <QtTest>

using Amounts = QList<QPair<double, double>>;

namespace {

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-9;
}

} // namespace

class TestHesaplar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void totals_data();
    void totals();
    void totalsTexts_data();
    void totalsTexts();
    void totalsOverDataSetLeaveCursor();
    void totalsOfClosedOrIncompleteDataSet();
    void balancePass_data();
    void balancePass();
    void balancePassRestartsAndSkipsClosed();
    void documentKind_data();
    void documentKind();
    void receiverNote_data();
    void receiverNote();
    void priceDialog_data();
    void priceDialog();
    void receiptPath();
};

void TestHesaplar::totals_data()
{
    QTest::addColumn<Amounts>("lines");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("v");
    QTest::addColumn<double>("g");
    QTest::newRow("no lines") << Amounts{} << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("100 less 10") << Amounts{{60.0, 4.0}, {40.0, 6.0}} << 100.0 << 10.0 << 90.0 << 16.2
                                 << 106.2;
    // Rounded after each addition: 0.33, 0.66, 0.99 rather than 1.00.
    QTest::newRow("running rounding")
        << Amounts{{0.333, 0}, {0.333, 0}, {0.333, 0}} << 0.99 << 0.0 << 0.99 << 0.18 << 1.17;
    QTest::newRow("under ten") << Amounts{{4.66, 0}} << 4.66 << 0.0 << 4.66 << 0.84 << 5.5;
    QTest::newRow("halves away from zero")
        << Amounts{{10.005, 0.004}} << 10.01 << 0.0 << 10.01 << 1.8 << 11.81;
}

void TestHesaplar::totals()
{
    QFETCH(Amounts, lines);
    QFETCH(double, t);
    QFETCH(double, i);
    QFETCH(double, n);
    QFETCH(double, v);
    QFETCH(double, g);
    const SiparisToplami s = SiparisToplamHesapla(lines);
    QVERIFY2(near(s.toplam, t), qPrintable(QString::number(s.toplam, 'g', 17)));
    QVERIFY2(near(s.indirim, i), qPrintable(QString::number(s.indirim, 'g', 17)));
    QVERIFY2(near(s.net, n), qPrintable(QString::number(s.net, 'g', 17)));
    QVERIFY2(near(s.vergi, v), qPrintable(QString::number(s.vergi, 'g', 17)));
    QVERIFY2(near(s.genel, g), qPrintable(QString::number(s.genel, 'g', 17)));
}

void TestHesaplar::totalsTexts_data()
{
    QTest::addColumn<double>("genel");
    QTest::addColumn<QString>("genelText");
    QTest::addColumn<double>("toplam");
    QTest::addColumn<QString>("toplamText");
    QTest::newRow("5.5") << 5.5 << "05,50" << 5.5 << "5,50";
    QTest::newRow("0") << 0.0 << "00,00" << 0.0 << "0,00";
    QTest::newRow("thousands") << 1234.5 << "1.234,50" << 1234567.891 << "1.234.567,89";
}

void TestHesaplar::totalsTexts()
{
    QFETCH(double, genel);
    QFETCH(double, toplam);
    SiparisToplami s;
    s.genel = genel;
    s.toplam = toplam;
    s.indirim = toplam;
    s.net = toplam;
    s.vergi = toplam;
    const ToplamYazilari y = ToplamYazilariniVer(s);
    QTEST(y.geneltoplam, "genelText");
    QTEST(y.aratoplam, "toplamText");
    QTEST(y.indirim, "toplamText");
    QTEST(y.nettutar, "toplamText");
    QTEST(y.vergi, "toplamText");
}

void TestHesaplar::totalsOverDataSetLeaveCursor()
{
    TClientDataSet sepet;
    sepet.addField(QStringLiteral("STOKADI"), TFieldType::ftWideString, 50);
    sepet.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    sepet.addField(QStringLiteral("INDIRIMTUTAR"), TFieldType::ftFloat);
    sepet.CreateDataSet();
    sepet.appendRow({QStringLiteral("a"), 60.0, 4.0});
    sepet.appendRow({QStringLiteral("b"), 40.0, 6.0});
    sepet.appendRow({QStringLiteral("c"), QVariant(), QVariant()});
    sepet.setRecNo(2);
    int moves = 0;
    connect(&sepet, &TClientDataSet::cursorMoved, this, [&] { ++moves; });
    const SiparisToplami s = SiparisToplamHesapla(sepet);
    QVERIFY(near(s.genel, 106.2));
    QCOMPARE(sepet.RecNo(), 2);
    QCOMPARE(moves, 0);
}

void TestHesaplar::totalsOfClosedOrIncompleteDataSet()
{
    TClientDataSet closed;
    closed.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    closed.addField(QStringLiteral("INDIRIMTUTAR"), TFieldType::ftFloat);
    QVERIFY(near(SiparisToplamHesapla(closed).genel, 0));

    TClientDataSet noDiscount;
    noDiscount.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    noDiscount.CreateDataSet();
    noDiscount.appendRow({50.0});
    QVERIFY(near(SiparisToplamHesapla(noDiscount).toplam, 0));
}

void TestHesaplar::balancePass_data()
{
    QTest::addColumn<QList<double>>("borc");
    QTest::addColumn<QList<double>>("alacak");
    QTest::addColumn<QList<double>>("bakiye");
    QTest::addColumn<QStringList>("taraf");
    QTest::newRow("debit, credit, credit") << QList<double>{100, 0, 0} << QList<double>{0, 100, 50}
                                           << QList<double>{100, 0, -50} << QStringList{"B", " ", "A"};
    QTest::newRow("both sides on one row")
        << QList<double>{30, 20} << QList<double>{10, 45} << QList<double>{20, -5} << QStringList{"B", "A"};
    QTest::newRow("empty") << QList<double>{} << QList<double>{} << QList<double>{} << QStringList{};
}

void TestHesaplar::balancePass()
{
    QFETCH(QList<double>, borc);
    QFETCH(QList<double>, alacak);
    QFETCH(QList<double>, bakiye);
    QFETCH(QStringList, taraf);
    TClientDataSet ekstre;
    ekstre.addField(QStringLiteral("BORC"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("ALACAK"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("BAKIYE"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("D"), TFieldType::ftWideString, 1);
    ekstre.CreateDataSet();
    // What the server sends in BAKIYE and D is replaced.
    for (int r = 0; r < borc.size(); ++r)
        ekstre.appendRow({borc[r], alacak[r], 999.0, QStringLiteral("X")});
    BakiyeHesapla(ekstre);
    QCOMPARE(ekstre.RecordCount(), bakiye.size());
    for (int r = 0; r < bakiye.size(); ++r) {
        QVERIFY2(near(ekstre.value(r, 2).toDouble(), bakiye[r]), qPrintable(QString::number(r)));
        QCOMPARE(ekstre.value(r, 3).toString(), taraf[r]);
    }
    QVERIFY(!ekstre.ControlsDisabled());
    if (!bakiye.isEmpty())
        QCOMPARE(ekstre.RecNo(), 1);
}

void TestHesaplar::balancePassRestartsAndSkipsClosed()
{
    TClientDataSet ekstre;
    ekstre.addField(QStringLiteral("BORC"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("ALACAK"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("BAKIYE"), TFieldType::ftFloat);
    ekstre.addField(QStringLiteral("D"), TFieldType::ftWideString, 1);
    BakiyeHesapla(ekstre); // closed: nothing to do, nothing raised
    QVERIFY(!ekstre.Active());
    ekstre.CreateDataSet();
    ekstre.appendRow({100.0, 0.0, 0.0, QStringLiteral(" ")});
    BakiyeHesapla(ekstre);
    BakiyeHesapla(ekstre);
    QVERIFY(near(ekstre.value(0, 2).toDouble(), 100));
}

void TestHesaplar::documentKind_data()
{
    QTest::addColumn<QString>("turadi");
    QTest::addColumn<int>("kind");
    QTest::newRow("Tahsilat") << "Tahsilat" << 1;
    QTest::newRow("Tediye") << "Tediye" << 1;
    QTest::newRow("Tahsilat İade") << "Tahsilat İade" << 0;
    QTest::newRow("Satış Faturası") << "Satış Faturası" << 2;
    QTest::newRow("satış faturası") << "satış faturası" << 0;
    QTest::newRow("İade Faturası") << "İade Faturası" << 2;
    QTest::newRow("blank before") << " Tahsilat" << 0;
    QTest::newRow("blank after") << "Tediye " << 0;
    QTest::newRow("lower case") << "tahsilat" << 0;
    QTest::newRow("Devir") << "Devir" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestHesaplar::documentKind()
{
    QFETCH(QString, turadi);
    QTEST(EvrakTuru(turadi), "kind");
}

void TestHesaplar::receiverNote_data()
{
    QTest::addColumn<QString>("bizim");
    QTest::addColumn<QString>("satici");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no note") << "Kargoya verildi."
                             << ""
                             << "Kargoya verildi.";
    QTest::newRow("blanks only") << "Kargoya verildi."
                                 << "   "
                                 << "Kargoya verildi.";
    QTest::newRow("note") << "Kargoya verildi."
                          << " Bayi aradı "
                          << "Kargoya verildi.\n----------------------\nSatıcı Notu:\n Bayi aradı ";
    QTest::newRow("note, no message") << ""
                                      << "Bayi aradı"
                                      << "----------------------\nSatıcı Notu:\nBayi aradı";
}

void TestHesaplar::receiverNote()
{
    QFETCH(QString, bizim);
    QFETCH(QString, satici);
    QTEST(AlaninNotu(bizim, satici), "expected");
}

void TestHesaplar::priceDialog_data()
{
    QTest::addColumn<double>("fiyat");
    QTest::addColumn<double>("oran");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("kdvli");
    QTest::newRow("rate 10 on 200") << 200.0 << 10.0 << 180.0 << 212.4;
    QTest::newRow("rate 0") << 200.0 << 0.0 << 200.0 << 236.0;
    QTest::newRow("negative rate counts as none") << 200.0 << -5.0 << 200.0 << 236.0;
    QTest::newRow("nothing readable") << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestHesaplar::priceDialog()
{
    QFETCH(double, fiyat);
    QFETCH(double, oran);
    QFETCH(double, net);
    QFETCH(double, kdvli);
    const FiyatSonucu s = FiyatHesapla(fiyat, oran);
    QVERIFY(near(s.net, net));
    QVERIFY(near(s.kdvDahil, kdvli));
}

void TestHesaplar::receiptPath()
{
    QCOMPARE(MakbuzYolu(QStringLiteral("/home/ali/Belgeler"), 4711),
             QStringLiteral("/home/ali/Belgeler/sanalposodeme4711.pdf"));
}

QTEST_GUILESS_MAIN(TestHesaplar)
#include "tst_hesaplar.moc"
