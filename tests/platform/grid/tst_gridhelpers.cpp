#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/grid/screenwidth.h"

#include <QTest>

class TestGridHelpers : public QObject
{
    Q_OBJECT

private:
    // A grid whose visible weights sum to 31: 2+4+3+1+2+2+2+1+1+2+2+3+2+4 = 31.
    static void makeWeighted(GridView &view)
    {
        const QList<int> weights{2, 4, 3, 1, 2, 2, 2, 1, 1, 2, 2, 3, 2, 4};
        for (int i = 0; i < weights.size(); ++i)
            view.createColumn(QStringLiteral("c%1").arg(i))->setTag(weights[i]);
        GridColumn *hidden = view.createColumn(QStringLiteral("hidden"));
        hidden->setTag(3);
        hidden->setVisible(false);
        hidden->setWidth(77);
    }

    static void fillRows(GridView &view)
    {
        view.setRecordCount(3);
        for (int c = 0; c < view.columnCount(); ++c) {
            for (int r = 0; r < 3; ++r)
                view.setValue(r, view.columnAt(c),
                              QStringLiteral("değer %1").arg(QString(r * 4 + 1, QLatin1Char('x'))));
        }
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void cleanup() { setScreenWidthOverride(0); }

    void proportionalWidthsAreWholeMultiples()
    {
        GridView view;
        makeWeighted(view);
        QVERIFY(OrantiliGenislik(&view, 1342));
        // trunc(1312 / 31) = 42; 10 pixels stay empty.
        int total = 0;
        for (GridColumn *column : view.visibleColumns()) {
            QCOMPARE(column->Width(), column->Tag() * 42);
            total += column->Width();
        }
        QCOMPARE(total, 1302);
        QCOMPARE(view.columnByName(QStringLiteral("c0"))->Width(), 84);
        QCOMPARE(view.columnByName(QStringLiteral("c1"))->Width(), 168);
        QCOMPARE(view.columnByName(QStringLiteral("hidden"))->Width(), 77);
    }

    void allHiddenLeavesWidths()
    {
        GridView view;
        makeWeighted(view);
        for (int i = 0; i < view.columnCount(); ++i) {
            view.columnAt(i)->setWidth(50 + i);
            view.columnAt(i)->setVisible(false);
        }
        QVERIFY(!OrantiliGenislik(&view, 1342));
        for (int i = 0; i < view.columnCount(); ++i)
            QCOMPARE(view.columnAt(i)->Width(), 50 + i);
    }

    void weightZeroColumnGetsZero()
    {
        GridView view;
        view.createColumn(QStringLiteral("a"))->setTag(1);
        GridColumn *zero = view.createColumn(QStringLiteral("sirano"));
        zero->setTag(0);
        zero->setWidth(90);
        QVERIFY(OrantiliGenislik(&view, 530));
        QCOMPARE(zero->Width(), 0);
        QCOMPARE(view.columnByName(QStringLiteral("a"))->Width(), 500);
    }

    void screenSwitch_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("proportional");
        QTest::newRow("1152 best fit") << 1152 << false;
        QTest::newRow("1153 proportional") << 1153 << true;
    }

    void screenSwitch()
    {
        QFETCH(int, screen);
        QFETCH(bool, proportional);
        for (void (*operation)(GridView *) : {&SepetEnIyile, &YenilerEnIyile, &KampanyaliEnIyile}) {
            GridView view;
            makeWeighted(view);
            fillRows(view);
            view.resize(1342, 400);
            setScreenWidthOverride(screen);
            operation(&view);
            GridColumn *first = view.columnByName(QStringLiteral("c0"));
            GridColumn *second = view.columnByName(QStringLiteral("c1"));
            if (proportional) {
                QCOMPARE(first->Width(), 84);
                QCOMPARE(second->Width(), 168);
            } else {
                // Best fit: every visible column sized to its content, the same text in each here.
                QCOMPARE(first->Width(), view.bestFitWidth(first));
                QCOMPARE(second->Width(), first->Width());
                QVERIFY(first->Width() != 84);
            }
            QVERIFY(!view.isUpdating());
        }
    }

    void stockLayout_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("wide");
        QTest::newRow("1152 narrow") << 1152 << false;
        QTest::newRow("1153 wide") << 1153 << true;
    }

    void stockLayout()
    {
        QFETCH(int, window);
        QFETCH(bool, wide);
        GridView view;
        StokDuzeni duzen;
        for (const char *name : {"Oem1", "Oem2", "Oem3"}) {
            GridColumn *c = view.createColumn(QLatin1String(name));
            c->setTag(2);
            c->setVisible(false);
            duzen.oemKolonlari << c;
        }
        GridColumn *adi = view.createColumn(QStringLiteral("ADI"));
        adi->setTag(4);
        for (const char *name : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"}) {
            GridColumn *c = view.createColumn(QLatin1String(name));
            c->setTag(2);
            duzen.fiyatKolonlari << c;
        }
        // A user-type rule hid one price column; the wide layout shows it again.
        duzen.fiyatKolonlari[2]->setVisible(false);
        duzen.fiyatBilgisi = view.createColumn(QStringLiteral("FiyatBilgisi"));
        duzen.fiyatBilgisi->setTag(2);
        view.resize(1000, 400);
        StokEnIyile(&view, window, duzen);
        for (GridColumn *c : duzen.fiyatKolonlari)
            QCOMPARE(c->Visible(), wide);
        QCOMPARE(duzen.fiyatBilgisi->Visible(), !wide);
        QCOMPARE(view.rowHeight(), wide ? 60 : 100);
        // 970 / (4 + 4 * 2) = 80 per unit wide; 970 / (4 + 2) = 161 narrow.
        QCOMPARE(adi->Width(), wide ? 4 * 80 : 4 * 161);
        // Hidden in the wide layout, so it keeps its width there.
        QCOMPARE(duzen.fiyatBilgisi->Width(), wide ? 64 : 150);
        for (GridColumn *c : duzen.oemKolonlari)
            QCOMPARE(c->Width(), wide ? 64 : 80);
    }

    void formatAyarlaOnlyPlainDoubles()
    {
        TClientDataSet ds;
        TField *plain = ds.addField(QStringLiteral("FIYAT"), TFieldType::ftFloat);
        TField *currency = ds.addField(QStringLiteral("TUTAR"), TFieldType::ftCurrency);
        TField *bcd = ds.addField(QStringLiteral("ORAN"), TFieldType::ftBCD);
        TField *integer = ds.addField(QStringLiteral("ADET"), TFieldType::ftInteger);
        TField *text = ds.addField(QStringLiteral("ADI"), TFieldType::ftString);
        ds.CreateDataSet();
        ds.appendRow({1234.5, 1234.5, 1234.5, 1234, QStringLiteral("x")});
        const QString currencyBefore = currency->DisplayText();
        FormatAyarla(&ds);
        QCOMPARE(plain->DisplayFormat(), QStringLiteral("#,###,##0.00"));
        QCOMPARE(plain->DisplayText(), QStringLiteral("1.234,50"));
        QCOMPARE(currency->DisplayFormat(), QString());
        QCOMPARE(currency->DisplayText(), currencyBefore);
        QCOMPARE(bcd->DisplayFormat(), QString());
        QCOMPARE(integer->DisplayFormat(), QString());
        QCOMPARE(text->DisplayFormat(), QString());

        TClientDataSet none;
        none.addField(QStringLiteral("ADET"), TFieldType::ftInteger);
        none.addField(QStringLiteral("TUTAR"), TFieldType::ftCurrency);
        FormatAyarla(&none);
        for (const auto &f : none.Fields())
            QVERIFY(f->DisplayFormat().isEmpty());
    }

    void yuvarla_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("12.3456") << 12.3456 << 12.35;
        QTest::newRow("0.004") << 0.004 << 0.0;
        QTest::newRow("-7.126") << -7.126 << -7.13;
        QTest::newRow("1234567.891") << 1234567.891 << 1234567.89;
        QTest::newRow("1.005") << 1.005 << 1.01;
        QTest::newRow("0.5") << 0.5 << 0.5;
        QTest::newRow("-0.5") << -0.5 << -0.5;
        QTest::newRow("0.335") << 0.335 << 0.34;
    }

    void yuvarla()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(Yuvarla(value), rounded);
    }

    void countCaption()
    {
        QCOMPARE(SayiBasligi(25, QStringLiteral("Stok Listesi")), QStringLiteral("25=Stok Listesi"));
        QCOMPARE(SayiBasligi(0, QStringLiteral("Sepet")), QStringLiteral("0=Sepet"));
        QCOMPARE(SayiBasligi(12345, QStringLiteral("Kampanyalı")), QStringLiteral("12345=Kampanyalı"));
    }
};

QTEST_MAIN(TestGridHelpers)
#include "tst_gridhelpers.moc"
