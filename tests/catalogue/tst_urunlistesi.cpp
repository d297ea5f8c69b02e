#include "app/core/utils.h"
#include "catalogue/urunlistesi.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridview.h"
#include "platform/widgets/busyindicator.h"
#include "server/proxim.h"
#include "tests/catalogue/testhost.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const std::vector<std::pair<std::string, int>> kColumns = {
    {"STOK_STOKNO", 6}, {"BARKOD", 26}, {"ESKIFIYAT", 7}, {"FIYAT", 7}, {"DURUM", 6}};

std::string rows(int n)
{
    std::vector<std::vector<std::string>> values;
    for (int i = 0; i < n; ++i)
        values.push_back({std::to_string(100 + i), "\"K-" + std::to_string(i) + "\"", "200.5", "150", "6"});
    return resultOf(tableJson(kColumns, values));
}

std::string pathOf(UrunListesi::Tur tur)
{
    return ScriptedServer::methodPath(tur == UrunListesi::Tur::Yeniler ? "YenilerVer2" : "KampanyaliVer2");
}

} // namespace

Q_DECLARE_METATYPE(UrunListesi::Tur)

class TestUrunListesi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setRetryWait([](int) {});
    }

    void init() { m_host = std::make_unique<TestHost>(); }
    void cleanup() { m_host.reset(); }

    void loads_data()
    {
        QTest::addColumn<UrunListesi::Tur>("tur");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::newRow("new, 3 rows") << UrunListesi::Tur::Yeniler << 3 << QStringLiteral("3=Yeni Stoklar");
        QTest::newRow("new, empty") << UrunListesi::Tur::Yeniler << 0 << QStringLiteral("0=Yeni Stoklar");
        QTest::newRow("campaign, 2 rows")
            << UrunListesi::Tur::Kampanyali << 2 << QStringLiteral("2=Kampanyalı");
        QTest::newRow("campaign, empty")
            << UrunListesi::Tur::Kampanyali << 0 << QStringLiteral("0=Kampanyalı");
    }

    void loads()
    {
        QFETCH(UrunListesi::Tur, tur);
        QFETCH(int, count);
        QFETCH(QString, caption);
        ScriptedServer server;
        server.answer(pathOf(tur), {200, rows(count)});
        m_host->bagc.setPort(server.port());
        m_host->sbilgi.setCARINO(101);
        m_host->sbilgi.setMusteriTipi(3);
        BusyIndicator busy;
        UrunListesi tab(tur, *m_host, m_host->sheet("syeniler"), &busy);
        QSignalSpy done(&tab, &UrunListesi::yuklemeBitti);
        tab.Goster();
        QVERIFY(tab.yukleniyor());
        QVERIFY(!tab.grid()->isEnabled());
        QVERIFY(busy.isAnimating());
        QVERIFY(done.wait(10000));
        QVERIFY(tab.grid()->isEnabled());
        QVERIFY(!busy.isAnimating());
        QCOMPARE(tab.grid()->shownRecordCount(), count);
        QCOMPARE(m_host->tabCaption(tab.tabSheet()), caption);
        const auto calls = server.requestsTo(pathOf(tur));
        QCOMPARE(calls.size(), size_t(1));
        const std::string args = tur == UrunListesi::Tur::Yeniler ? "[101]" : "[101,3]";
        QVERIFY2(calls[0].body.find(args) != std::string::npos, calls[0].body.c_str());
        // Shown again: fetched again.
        tab.Goster();
        QVERIFY(done.wait(10000));
        QCOMPARE(server.requestsTo(pathOf(tur)).size(), size_t(2));
    }

    void failureKeepsTheOldRows()
    {
        ScriptedServer server;
        server.answerOnce(pathOf(UrunListesi::Tur::Yeniler), {200, rows(4)});
        server.answer(pathOf(UrunListesi::Tur::Yeniler), {500, R"({"error":"Hata"})"});
        m_host->bagc.setPort(server.port());
        UrunListesi tab(UrunListesi::Tur::Yeniler, *m_host, m_host->sheet("syeniler"), nullptr);
        QSignalSpy done(&tab, &UrunListesi::yuklemeBitti);
        tab.Goster();
        QVERIFY(done.wait(10000));
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        tab.Goster();
        QVERIFY(done.wait(10000));
        QCOMPARE(done.last().first().toBool(), false);
        QVERIFY(dialogs.waitForDialogs(1));
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
        QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
        QCOMPARE(tab.grid()->shownRecordCount(), 4);
        QCOMPARE(m_host->tabCaption(tab.tabSheet()), QStringLiteral("4=Yeni Stoklar"));
        QVERIFY(tab.grid()->isEnabled());
    }

    void noOverlappingLoads()
    {
        ScriptedServer server;
        ScriptedServer::Answer slow{200, rows(2)};
        slow.delayMs = 300;
        server.answerOnce(pathOf(UrunListesi::Tur::Kampanyali), slow);
        server.answer(pathOf(UrunListesi::Tur::Kampanyali), {200, rows(5)});
        m_host->bagc.setPort(server.port());
        UrunListesi tab(UrunListesi::Tur::Kampanyali, *m_host, m_host->sheet("skampanyali"), nullptr);
        QSignalSpy done(&tab, &UrunListesi::yuklemeBitti);
        tab.Goster();
        tab.Goster();
        tab.Goster();
        QVERIFY(done.wait(10000));
        // The first load ended before the second started.
        QCOMPARE(server.requestsTo(pathOf(UrunListesi::Tur::Kampanyali)).size(), size_t(1));
        QVERIFY(tab.yukleniyor());
        QVERIFY(done.wait(10000));
        QCOMPARE(done.count(), 2);
        QCOMPARE(server.requestsTo(pathOf(UrunListesi::Tur::Kampanyali)).size(), size_t(2));
        QCOMPARE(m_host->tabCaption(tab.tabSheet()), QStringLiteral("5=Kampanyalı"));
        QVERIFY(!tab.yukleniyor());
    }

    void campaignColumns()
    {
        ScriptedServer server;
        server.answer(pathOf(UrunListesi::Tur::Kampanyali), {200, rows(1)});
        m_host->bagc.setPort(server.port());
        UrunListesi tab(UrunListesi::Tur::Kampanyali, *m_host, m_host->sheet("skampanyali"), nullptr);
        QSignalSpy done(&tab, &UrunListesi::yuklemeBitti);
        tab.Goster();
        QVERIFY(done.wait(10000));
        GridView *grid = tab.grid();
        QCOMPARE(grid->columnCount(), 33);
        QCOMPARE(grid->columnByField("ESKIFIYAT")->headerText(), QStringLiteral("Liste Fiyatı"));
        QCOMPARE(grid->columnByField("FIYAT")->headerText(), QStringLiteral("Kampanyalı Fiyatı"));
        QCOMPARE(grid->displayText(grid->columnByField("ESKIFIYAT"), 0), QStringLiteral("200,50"));
        QCOMPARE(grid->displayText(grid->columnByField("FIYAT"), 0), QStringLiteral("150,00"));
        // No icon for status 6 here.
        GridColumn *durum = grid->columnByField("DURUM");
        QVERIFY(durum->iconFor(6) == nullptr);
        QVERIFY(durum->otherIcon().isNull());
        QCOMPARE(durum->iconFor(2)->description, QStringLiteral("Telefon Açınız"));
        QCOMPARE(durum->iconFor(5)->description, QStringLiteral("Tedarik Sürecinde"));
        QVERIFY(!grid->rowIndicatorVisible());
    }

    void newStockColumns()
    {
        UrunListesi tab(UrunListesi::Tur::Yeniler, *m_host, m_host->sheet("syeniler"), nullptr);
        GridView *grid = tab.grid();
        QCOMPARE(grid->columnCount(), 31);
        QCOMPARE(grid->columnByField("FIYAT")->headerText(), QStringLiteral("Liste Fiyatı2"));
        QCOMPARE(grid->columnByField("INDIRIMYAZI")->headerText(), QStringLiteral("Indirim Oran"));
        QVERIFY(grid->columnByField("K")->iconFor(0) == nullptr);
        QVERIFY(grid->columnByField("K")->iconFor(1) != nullptr);
        QVERIFY(!grid->columnByField("INDIRIM")->Visible());
        QVERIFY(!grid->columnByField("INDIRIM")->VisibleForCustomization());
    }

    void userTypes_data()
    {
        QTest::addColumn<UrunListesi::Tur>("tur");
        QTest::addColumn<int>("tip");
        QTest::newRow("new 1") << UrunListesi::Tur::Yeniler << 1;
        QTest::newRow("new 4") << UrunListesi::Tur::Yeniler << 4;
        QTest::newRow("campaign 2") << UrunListesi::Tur::Kampanyali << 2;
        QTest::newRow("campaign 3") << UrunListesi::Tur::Kampanyali << 3;
    }

    void userTypes()
    {
        QFETCH(UrunListesi::Tur, tur);
        QFETCH(int, tip);
        UrunListesi tab(tur, *m_host, m_host->sheet("syeniler"), nullptr);
        tab.KullaniciTipiUygula(tip);
        GridView *grid = tab.grid();
        const bool satisci = tip == 1 || tip == 2;
        for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
            QCOMPARE(grid->columnByField(field)->Visible(), satisci);
            QCOMPARE(grid->columnByField(field)->VisibleForCustomization(), satisci);
        }
        if (tur == UrunListesi::Tur::Yeniler) {
            QCOMPARE(grid->columnByField("K")->Visible(), tip != 4);
            QCOMPARE(grid->columnByField("KAMPFIYAT")->Visible(), tip != 4);
            QCOMPARE(grid->columnByField("KAMPFIYAT")->VisibleForCustomization(), tip != 4);
        }
    }

    void referenceServerLists()
    {
        AppServerFixture server(300);
        QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
        m_host->bagc.setHostName(server.host());
        m_host->bagc.setPort(server.port());
        m_host->sbilgi.setCARINO(101);
        m_host->sbilgi.setMusteriTipi(3);
        for (UrunListesi::Tur tur : {UrunListesi::Tur::Yeniler, UrunListesi::Tur::Kampanyali}) {
            UrunListesi tab(tur, *m_host, m_host->sheet("syeniler"), nullptr);
            QSignalSpy done(&tab, &UrunListesi::yuklemeBitti);
            tab.Goster();
            QVERIFY(done.wait(20000));
            QCOMPARE(done.first().first().toBool(), true);
            QVERIFY(tab.dataSet()->RecordCount() > 0);
            const char *needed = tur == UrunListesi::Tur::Yeniler ? "LISTEFIYAT1" : "ESKIFIYAT";
            QVERIFY2(tab.dataSet()->FindField(needed), needed);
            // The basket gets the focused row with its stock number.
            tab.grid()->setFocusedRecord(0);
            emit tab.grid()->recordDoubleClicked(0, tab.grid()->columnByField("BARKOD"));
            QCOMPARE(m_host->offered.last().first.value("STOK_STOKNO"),
                     tab.grid()->rawValue(tab.grid()->columnByField("STOK_STOKNO"), 0));
            QCOMPARE(m_host->offered.last().second,
                     tur == UrunListesi::Tur::Yeniler ? SepetKaynagi::Yeniler : SepetKaynagi::Kampanyali);
        }
    }

private:
    std::unique_ptr<TestHost> m_host;
};

QTEST_MAIN(TestUrunListesi)
#include "tst_urunlistesi.moc"
