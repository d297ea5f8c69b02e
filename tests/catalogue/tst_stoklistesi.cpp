#include "app/core/utils.h"
#include "catalogue/aramafiltresi.h"
#include "catalogue/fiyatbilgisi.h"
#include "catalogue/katalogkolonlari.h"
#include "catalogue/stoklistesi.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridview.h"
#include "platform/widgets/busyindicator.h"
#include "server/proxim.h"
#include "tests/catalogue/testhost.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const std::vector<std::pair<std::string, int>> kColumns = {
    {"STOK_STOKNO", 6}, {"BARKOD", 26},  {"ADI", 26},     {"OEM1", 26}, {"LISTEFIYAT1", 7},
    {"KAMPFIYAT", 7},   {"NETFIYAT", 7}, {"KDVDAHIL", 7}, {"IND1", 7},  {"DURUM", 6}};

std::vector<std::string> stockRow(int stokno, const char *barkod, double liste, double kamp, double net,
                                  double kdvli)
{
    return {std::to_string(stokno),
            std::string("\"") + barkod + "\"",
            "\"FILTRE\"",
            "\"OE-1\"",
            std::to_string(liste),
            std::to_string(kamp),
            std::to_string(net),
            std::to_string(kdvli),
            "10",
            "1"};
}

std::string twoRows()
{
    return resultOf(tableJson(kColumns, {stockRow(11, "AB-11", 1250, 0, 937.5, 1125),
                                         stockRow(12, "AB-12", 2000, 1500, 1200, 1440)}));
}

const std::string kSearchPath = ScriptedServer::methodPath("StokAraGetir");

void typeInto(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestStokListesi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setRetryWait([](int) {});
    }

    void init()
    {
        m_host = std::make_unique<TestHost>();
        m_busy = new BusyIndicator(m_host->window());
        m_menu = new QMenu(m_host->window());
        for (const char *name : {"S2", "B1", "S3"}) {
            auto *action = m_menu->addAction(QLatin1String(name));
            action->setObjectName(QLatin1String(name));
        }
        m_menu->findChild<QAction *>("B1")->setText(QStringLiteral("Sipariş Bakiyeleriniz"));
        m_tab = std::make_unique<StokListesi>(*m_host, m_host->sheet("sstoklistesi"), m_busy, m_menu);
        QObject::connect(m_host->araedit, &QLineEdit::returnPressed, m_tab.get(), &StokListesi::araeditEnter);
        m_host->window()->show();
    }

    void cleanup()
    {
        m_tab.reset();
        m_host.reset();
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("şirket") << QStringLiteral("şirket") << QStringLiteral("SIRKET");
        QTest::newRow("dotless ı") << QStringLiteral("ı") << QStringLiteral("I");
        QTest::newRow("dotted İ") << QStringLiteral("İ") << QStringLiteral("I");
        QTest::newRow("small letters") << QStringLiteral("ğüşöç") << QStringLiteral("GUSOC");
        QTest::newRow("capitals") << QStringLiteral("ĞÜŞİÖÇ") << QStringLiteral("GUSIOC");
        QTest::newRow("others pass") << QStringLiteral("ab-12 x") << QStringLiteral("AB-12 X");
    }

    void keyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeInto(m_host->araedit, typed);
        QCOMPARE(m_host->araedit->text(), shown);
    }

    void pastedTextIsNotConverted()
    {
        m_host->araedit->setText(QStringLiteral("şirket"));
        QCOMPARE(m_host->araedit->text(), QStringLiteral("şirket"));
        QCOMPARE(AramaMetni(QStringLiteral("şirket")), QStringLiteral("SIRKET"));
    }

    void typedTextIsSearchedAsShown()
    {
        ScriptedServer server;
        server.answer(kSearchPath, {200, twoRows()});
        m_host->bagc.setPort(server.port());
        m_host->sbilgi.setCARINO(101);
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        typeInto(m_host->araedit, QStringLiteral("şirket"));
        QTest::keyClick(m_host->araedit, Qt::Key_Return);
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().first().toBool(), true);
        const auto calls = server.requestsTo(kSearchPath);
        QCOMPARE(calls.size(), size_t(1));
        QVERIFY2(calls[0].body.find("\"SIRKET\"") != std::string::npos, calls[0].body.c_str());
        QVERIFY(calls[0].body.find("\"FCARINO\":101") != std::string::npos);
        QCOMPARE(m_host->tabCaption(m_tab->tabSheet()), QStringLiteral("2=Stok Listesi"));
        QCOMPARE(m_tab->cxGrid1DBTableView1()->shownRecordCount(), 2);
        QCOMPARE(m_host->activeTab(), m_tab->tabSheet());
        QVERIFY(m_host->araedit->isEnabled());
        QCOMPARE(m_host->araedit->selectedText(), QStringLiteral("SIRKET"));
        QVERIFY(!m_busy->isAnimating());
        // The money format came with the result.
        GridView *grid = m_tab->cxGrid1DBTableView1();
        QCOMPARE(grid->displayText(grid->columnByField("LISTEFIYAT1"), 0), QStringLiteral("1.250,00"));
    }

    void shortText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one letter between blanks") << QStringLiteral("  A  ") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("two letters") << QStringLiteral("AB") << true;
        QTest::newRow("blanks kept") << QStringLiteral(" AB  C ") << true;
    }

    void shortText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        ScriptedServer server;
        server.answer(kSearchPath, {200, twoRows()});
        m_host->bagc.setPort(server.port());
        DialogHelper dialogs;
        if (!accepted)
            dialogs.pressOnNext(QStringLiteral("Tamam"));
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(text);
        QCOMPARE(m_host->activeTab(), m_host->sheet("ssepet"));
        m_tab->araeditEnter();
        QCOMPARE(m_host->activeTab(), m_tab->tabSheet());
        if (accepted) {
            QVERIFY(done.wait(10000));
            const auto calls = server.requestsTo(kSearchPath);
            QCOMPARE(calls.size(), size_t(1));
            const std::string sent = "\"_parameters\":[\"" + text.toStdString() + "\"";
            QVERIFY2(calls[0].body.find(sent) != std::string::npos, calls[0].body.c_str());
            QCOMPARE(dialogs.dialogCount(), 0);
        } else {
            QCOMPARE(dialogs.dialogCount(), 1);
            const DialogHelper::Record shown = dialogs.records().first();
            QCOMPARE(shown.text, QStringLiteral("Lütfen en az 2 harf giriniz !"));
            QCOMPARE(shown.title, QStringLiteral("Uyarı"));
            QCOMPARE(shown.buttons, QStringList{QStringLiteral("Tamam")});
            QCOMPARE(done.count(), 0);
            QVERIFY(server.requestsTo(kSearchPath).empty());
        }
    }

    void clearDuringASearchChangesNothing()
    {
        ScriptedServer server;
        ScriptedServer::Answer slow{200, twoRows()};
        slow.delayMs = 400;
        server.answer(kSearchPath, slow);
        m_host->bagc.setPort(server.port());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(m_tab->aramaSuruyor());
        QVERIFY(!m_host->araedit->isEnabled());
        QVERIFY(m_busy->isAnimating());
        m_tab->SpeedButton1Click();
        QCOMPARE(m_host->araedit->text(), QStringLiteral("FILTRE"));
        // A second search cannot start either.
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        QCOMPARE(server.requestsTo(kSearchPath).size(), size_t(1));
        QCOMPARE(m_tab->stok()->RecordCount(), 2);

        // Afterwards "Temizle" empties the list, the caption and the filters.
        GridView *grid = m_tab->cxGrid1DBTableView1();
        grid->setFilter(grid->columnByField("BARKOD"), QStringLiteral("AB-11"));
        QCOMPARE(grid->shownRecordCount(), 1);
        m_host->activateTab(m_host->sheet("ssepet"));
        m_tab->SpeedButton1Click();
        QCOMPARE(m_tab->stok()->RecordCount(), 0);
        QCOMPARE(m_host->tabCaption(m_tab->tabSheet()), QStringLiteral("Stok Listesi"));
        QVERIFY(grid->filterDescription().isEmpty());
        QCOMPARE(m_host->araedit->text(), QString());
        QCOMPARE(m_host->activeTab(), m_tab->tabSheet());
    }

    void tabClosedDuringASearch()
    {
        ScriptedServer server;
        ScriptedServer::Answer slow{200, twoRows()};
        slow.delayMs = 300;
        server.answer(kSearchPath, slow);
        m_host->bagc.setPort(server.port());
        DialogHelper dialogs;
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        m_tab.reset();
        QTRY_COMPARE_WITH_TIMEOUT(server.requestsTo(kSearchPath).size(), size_t(1), 5000);
        QTest::qWait(600);
        QCOMPARE(dialogs.dialogCount(), 0);
        QCOMPARE(m_host->tabCaption(m_host->sheet("sstoklistesi")), QStringLiteral("sstoklistesi"));
    }

    void emptyResult()
    {
        ScriptedServer server;
        server.answer(kSearchPath, {200, resultOf(tableJson(kColumns, {}))});
        m_host->bagc.setPort(server.port());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("YOK"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().first().toBool(), true);
        QCOMPARE(m_host->tabCaption(m_tab->tabSheet()), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(m_tab->cxGrid1DBTableView1()->shownRecordCount(), 0);
    }

    void failures_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        auto withoutInd1 = kColumns;
        withoutInd1.erase(withoutInd1.begin() + 8);
        auto shortRow = stockRow(5, "X", 1, 0, 1, 1);
        shortRow.erase(shortRow.begin() + 8);
        QTest::newRow("no IND1") << 200
                                 << QString::fromStdString(resultOf(tableJson(withoutInd1, {shortRow})));
        QTest::newRow("server error") << 500 << QStringLiteral(R"({"error":"Veritabanı hatası"})");
        QTest::newRow("broken packet") << 200 << QStringLiteral(R"({"result":[{"table":7}]})");
        QTest::newRow("no connection") << -1 << QString();
    }

    void failures()
    {
        QFETCH(int, status);
        QFETCH(QString, body);
        ScriptedServer server;
        server.answerOnce(kSearchPath, {200, twoRows()});
        server.answer(kSearchPath, {status, body.toStdString()});
        m_host->bagc.setPort(server.port());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        QCOMPARE(m_tab->stok()->RecordCount(), 2);

        RefusingPort refusing;
        if (status < 0)
            m_host->bagc.setPort(refusing.port());
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        m_host->araedit->setText(QStringLiteral("FILTRE 2"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(20000));
        QCOMPARE(done.last().first().toBool(), false);
        QVERIFY(dialogs.waitForDialogs(1));
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
        QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
        QCOMPARE(m_tab->stok()->RecordCount(), 0);
        QCOMPARE(m_tab->cxGrid1DBTableView1()->shownRecordCount(), 0);
        QCOMPARE(m_host->tabCaption(m_tab->tabSheet()), QStringLiteral("Stok Listesi"));
        QVERIFY(m_host->araedit->isEnabled());
        QCOMPARE(m_host->araedit->text(), QStringLiteral("FILTRE 2"));
        QCOMPARE(m_host->araedit->selectedText(), QStringLiteral("FILTRE 2"));
    }

    void firstSearchFailing()
    {
        RefusingPort refusing;
        m_host->bagc.setPort(refusing.port());
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(20000));
        QVERIFY(dialogs.waitForDialogs(1));
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(m_tab->cxGrid1DBTableView1()->shownRecordCount(), 0);
    }

    void filtersClearedByANewSearch()
    {
        ScriptedServer server;
        server.answer(kSearchPath, {200, twoRows()});
        m_host->bagc.setPort(server.port());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        GridView *grid = m_tab->cxGrid1DBTableView1();
        grid->setFilter(grid->columnByField("BARKOD"), QStringLiteral("AB-12"));
        QCOMPARE(grid->shownRecordCount(), 1);
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        QVERIFY(grid->filterDescription().isEmpty());
        QCOMPARE(grid->shownRecordCount(), 2);
    }

    void priceCellText_data()
    {
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<QString>("text");
        QTest::newRow("no campaign") << 0.0
                                     << QStringLiteral("Liste Fiyatı: 1.250,00\r\nNetFiyat: 937,50\r\n"
                                                       "KDV li Fiyat: 1.125,00\r\n");
        QTest::newRow("campaign") << 999.9
                                  << QStringLiteral("Liste Fiyatı: 1.250,00\r\nKampanyalı Fiyat: 999,90\r\n"
                                                    "NetFiyat: 937,50\r\nKDV li Fiyat: 1.125,00\r\n");
        QTest::newRow("negative campaign") << -1.0
                                           << QStringLiteral("Liste Fiyatı: 1.250,00\r\nNetFiyat: 937,50\r\n"
                                                             "KDV li Fiyat: 1.125,00\r\n");
    }

    void priceCellText()
    {
        QFETCH(double, kampanya);
        QFETCH(QString, text);
        QCOMPARE(FiyatBilgisiMetni(1250, kampanya, 937.5, 1125), text);
    }

    void layoutSwitch_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wide");
        QTest::newRow("1152 narrow") << 1152 << false;
        QTest::newRow("1153 wide") << 1153 << true;
    }

    void layoutSwitch()
    {
        QFETCH(int, width);
        QFETCH(bool, wide);
        m_host->window()->resize(width, 700);
        QCoreApplication::processEvents();
        GridView *grid = m_tab->cxGrid1DBTableView1();
        m_tab->StokEnIyile();
        QCOMPARE(grid->columnByName(FiyatBilgisiKolonu)->Visible(), !wide);
        for (const char *field : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
            QCOMPARE(grid->columnByField(field)->Visible(), wide);
        QCOMPARE(grid->rowHeight(), wide ? 60 : 100);
        if (!wide) {
            QCOMPARE(grid->columnByName(FiyatBilgisiKolonu)->Width(), 150);
            QCOMPARE(grid->columnByField("OEM1")->Width(), 80);
        }
    }

    void priceCellDrawnAtNarrowWidth()
    {
        ScriptedServer server;
        server.answer(kSearchPath, {200, twoRows()});
        m_host->bagc.setPort(server.port());
        m_host->window()->resize(1152, 700);
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        QCoreApplication::processEvents();
        m_tab->StokEnIyile();
        GridView *grid = m_tab->cxGrid1DBTableView1();
        GridColumn *fiyat = grid->columnByName(FiyatBilgisiKolonu);
        QVERIFY(fiyat->Visible());
        QList<GridCustomDrawArgs> calls;
        fiyat->setCustomDraw([&calls, grid](QPainter *painter, const GridCustomDrawArgs &args) {
            calls << args;
            FiyatBilgisiCiz(painter, args, grid->gridStyle());
        });
        grid->setFocusedRecord(1);
        grid->grab();
        QVERIFY(calls.size() >= 2);
        bool sawSelected = false;
        for (const GridCustomDrawArgs &args : calls) {
            const double kamp = args.values.value("KAMPFIYAT").toDouble();
            QCOMPARE(FiyatBilgisiMetni(args.values.value("LISTEFIYAT1").toDouble(), kamp,
                                       args.values.value("NETFIYAT").toDouble(),
                                       args.values.value("KDVDAHIL").toDouble())
                         .count(QStringLiteral("\r\n")),
                     args.sourceRow == 1 ? 4 : 3);
            if (args.selected) {
                sawSelected = true;
                QCOMPARE(args.sourceRow, 1);
            }
        }
        QVERIFY(sawSelected);

        // The selected cell is filled with the selection colour, the others with the content colour.
        for (bool selected : {true, false}) {
            QImage image(200, 100, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            GridCustomDrawArgs args;
            args.rect = QRect(0, 0, 200, 100);
            args.selected = selected;
            args.values = {
                {"LISTEFIYAT1", 1250.0}, {"KAMPFIYAT", 0.0}, {"NETFIYAT", 937.5}, {"KDVDAHIL", 1125.0}};
            FiyatBilgisiCiz(&painter, args, grid->gridStyle());
            painter.end();
            QCOMPARE(QColor(image.pixel(3, 3)),
                     selected ? grid->gridStyle().selectionBackground : grid->gridStyle().background);
        }
    }

    void columns()
    {
        GridView *grid = m_tab->cxGrid1DBTableView1();
        const QStringList order = {"DURUM",
                                   "OEM1",
                                   "OEM2",
                                   "OEM3",
                                   "BARKOD",
                                   "ADI",
                                   "OEM4",
                                   "STOK_STOKNO",
                                   "FINISHKOD",
                                   "URETICIKODU",
                                   "RESIM",
                                   "BARKOD_BARKODNO",
                                   "DIGERADI",
                                   "DPKOD",
                                   "OEMNO",
                                   "BIRIM",
                                   "MARKA",
                                   "MODEL",
                                   "ANAGRUP",
                                   "OZELKOD",
                                   "KALAN",
                                   "PKOD",
                                   "KDV",
                                   "ALINANSIPARIS",
                                   "VERILENSIPARIS",
                                   "LISTEFIYAT1",
                                   "KAMPFIYAT",
                                   "FIYAT",
                                   "Y",
                                   "K",
                                   "INDIRIMYAZI",
                                   "NETFIYAT",
                                   "KDVDAHIL",
                                   ""};
        QCOMPARE(grid->columnCount(), order.size());
        int weights = 0;
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(grid->columnAt(i)->FieldName(), order.at(i));
            weights += grid->columnAt(i)->Tag();
        }
        QCOMPARE(weights, 60);
        QCOMPARE(grid->columnByField("ADI")->headerText(), QStringLiteral("Açıklama"));
        QCOMPARE(grid->columnByField("FIYAT")->headerText(), QStringLiteral("Liste Fiyatı"));
        QCOMPARE(grid->columnByField("KALAN")->headerText(), QStringLiteral("KALAN"));
        QCOMPARE(grid->columnByField("DPKOD")->MinWidth(), 404);
        QVERIFY(!grid->columnByField("STOK_STOKNO")->VisibleForCustomization());
        QCOMPARE(grid->columnByField("OEM1")->footerSummary(), GridSummaryKind::Count);
        // Status 6 has its "Kritik" icon here; the flag "Yeni" shows icon 0 for unknown values.
        QVERIFY(grid->columnByField("DURUM")->iconFor(6) != nullptr);
        QCOMPARE(grid->columnByField("DURUM")->iconFor(6)->description, QStringLiteral("Kritik"));
        QVERIFY(!grid->columnByField("Y")->otherIcon().isNull());
        QVERIFY(grid->columnByField("RESIM")->iconFor(0) == nullptr);
        QVERIFY(grid->rowIndicatorVisible());
    }

    void userTypes_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("kalan");
        QTest::addColumn<bool>("kampanya");
        QTest::newRow("1") << 1 << true << true;
        QTest::newRow("2") << 2 << true << true;
        QTest::newRow("3") << 3 << false << true;
        QTest::newRow("4") << 4 << false << false;
    }

    void userTypes()
    {
        QFETCH(int, tip);
        QFETCH(bool, kalan);
        QFETCH(bool, kampanya);
        m_tab->KullaniciTipiUygula(tip);
        GridView *grid = m_tab->cxGrid1DBTableView1();
        for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
            QCOMPARE(grid->columnByField(field)->Visible(), kalan);
            QCOMPARE(grid->columnByField(field)->VisibleForCustomization(), kalan);
        }
        QCOMPARE(grid->columnByField("K")->Visible(), kampanya);
        QCOMPARE(grid->columnByField("K")->VisibleForCustomization(), kampanya);
        QCOMPARE(grid->columnByField("KAMPFIYAT")->VisibleForCustomization(), kampanya);
    }

    void doubleClickOffersTheFocusedRow()
    {
        ScriptedServer server;
        server.answer(kSearchPath, {200, twoRows()});
        m_host->bagc.setPort(server.port());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(QStringLiteral("FILTRE"));
        m_tab->araeditEnter();
        QVERIFY(done.wait(10000));
        GridView *grid = m_tab->cxGrid1DBTableView1();
        // Sorted descending, the first shown row is stock 12 while the data set starts at 11.
        grid->sortBy(grid->columnByField("BARKOD"), Qt::DescendingOrder);
        grid->setFocusedRecord(1);
        m_tab->stok()->First();
        QTableView *table = grid->tableView();
        const QModelIndex cell = table->model()->index(0, grid->indexOf(grid->columnByField("BARKOD")));
        QVERIFY(cell.isValid());
        table->setCurrentIndex(cell);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        QCOMPARE(m_host->offered.size(), 1);
        QCOMPARE(m_host->offered.first().second, SepetKaynagi::StokListesi);
        QCOMPARE(m_host->offered.first().first.value("STOK_STOKNO").toInt(), 12);
        QCOMPARE(m_host->offered.first().first.value("IND1").toDouble(), 10.0);
        QCOMPARE(m_tab->stok()->FieldByName("STOK_STOKNO")->AsInteger(), 12);

        m_menu->findChild<QAction *>("S2")->trigger();
        QCOMPARE(m_host->offered.size(), 2);
        QSignalSpy orders(m_tab.get(), &StokListesi::siparisleriGosterIstendi);
        m_menu->findChild<QAction *>("S3")->trigger();
        QCOMPARE(orders.count(), 1);
        QCOMPARE(orders.first().first().toInt(), 12);
    }

    void searchAgainstTheReferenceServer()
    {
        AppServerFixture server(300);
        QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
        m_host->bagc.setHostName(server.host());
        m_host->bagc.setPort(server.port());
        {
            TSQLConnection login;
            login.setHostName(server.host());
            login.setPort(server.port());
            login.Open();
            TServerMethods1Client proxy(login);
            const auto record = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI"));
            QVERIFY(record.has_value());
            m_host->sbilgi = *record;
        }
        const QList<QVariantList> codes = server.query(QStringLiteral("SELECT BARKOD FROM STOK LIMIT 1"));
        QVERIFY(!codes.isEmpty());
        QSignalSpy done(m_tab.get(), &StokListesi::aramaBitti);
        m_host->araedit->setText(codes.first().first().toString());
        m_tab->araeditEnter();
        QVERIFY(done.wait(20000));
        QCOMPARE(done.first().first().toBool(), true);
        const int n = m_tab->stok()->RecordCount();
        QVERIFY(n >= 1);
        QCOMPARE(m_host->tabCaption(m_tab->tabSheet()), QStringLiteral("%1=Stok Listesi").arg(n));
        for (const char *field : {"IND1", "KDVDAHIL", "DURUM", "RESIM", "Y", "K", "INDIRIMYAZI"})
            QVERIFY2(m_tab->stok()->FindField(field), field);
        QCOMPARE(m_tab->stok()->FieldByName("KDVDAHIL")->DisplayFormat(), QStringLiteral("#,###,##0.00"));
    }

private:
    std::unique_ptr<TestHost> m_host;
    BusyIndicator *m_busy = nullptr;
    QMenu *m_menu = nullptr;
    std::unique_ptr<StokListesi> m_tab;
};

QTEST_MAIN(TestStokListesi)
#include "tst_stoklistesi.moc"
