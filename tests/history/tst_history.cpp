// The previous-orders, statement and balances tabs and their windows, against the reference server
// in-process and a scripted server for what the reference server never answers.
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "history/altpanel.h"
#include "history/amountedit.h"
#include "history/ayrinti_faturau.h"
#include "history/ayrinti_siparisu.h"
#include "history/ayrinti_tahsilatu.h"
#include "history/bakiyedegistiru.h"
#include "history/bakiyelersekmesi.h"
#include "history/bakiyesiparisleru.h"
#include "history/cariekstre.h"
#include "history/fiyatdegistiru.h"
#include "history/hesaplar.h"
#include "history/oncekisiparisler.h"
#include "history/tumsiparisleru.h"
#include "platform/dbx/dbxtable.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"
#include "platform/system/shellopen.h"
#include "platform/widgets/busyindicator.h"
#include "server/baglantiu.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <boost/json.hpp>

namespace {

// The main window as the tabs see it: a connection, a session and a tab control.
class TestHost : public MainWindowHost
{
public:
    TestHost()
    {
        m_window.resize(1200, 800);
        auto *layout = new QVBoxLayout(&m_window);
        m_tabs = new QTabWidget(&m_window);
        layout->addWidget(m_tabs);
        for (const char *name : {"sstoklistesi", "sonceki", "sccariekstre", "sTabbakiyeler"}) {
            auto *sheet = new QWidget;
            sheet->setObjectName(QLatin1String(name));
            new QVBoxLayout(sheet);
            m_tabs->addTab(sheet, QLatin1String(name));
        }
        busy = new BusyIndicator(&m_window);
        bagc.setHostName(QStringLiteral("127.0.0.1"));
    }

    TSQLConnection &connection() override { return bagc; }
    TSonucBilgisi &session() override { return sbilgi; }
    QWidget *window() override { return &m_window; }
    void setTabCaption(QWidget *sheet, const QString &caption) override
    {
        m_tabs->setTabText(m_tabs->indexOf(sheet), caption);
    }
    QString tabCaption(QWidget *sheet) const override { return m_tabs->tabText(m_tabs->indexOf(sheet)); }
    void activateTab(QWidget *sheet) override { m_tabs->setCurrentWidget(sheet); }
    QWidget *activeTab() const override { return m_tabs->currentWidget(); }
    QLineEdit *searchBox() override { return nullptr; }
    void startSearch() override {}

    QWidget *sheet(const char *name) const { return m_tabs->findChild<QWidget *>(QLatin1String(name)); }
    QTabWidget *tabs() const { return m_tabs; }

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    BusyIndicator *busy = nullptr;

private:
    QWidget m_window;
    QTabWidget *m_tabs = nullptr;
};

int calls(const AppServerFixture &server, const QString &method)
{
    const QString prefix = QStringLiteral("TServerMethods1.") + method + QLatin1Char(' ');
    int n = 0;
    for (const QString &line : server.logLines())
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

std::string tableAnswer(const DbxTable &table)
{
    return "{\"result\":[" + table.toJsonText() + "]}";
}

boost::json::array parameters(const ScriptedServer::Request &request)
{
    return boost::json::parse(request.body).as_object().at("_parameters").as_array();
}

// One open balance line the scripted server hands out.
DbxTable balanceLine()
{
    DbxTable t;
    t.addColumn("VERILISTARIHI", TDBXDataTypes::DateType);
    t.addColumn("SIRANO", TDBXDataTypes::Int32Type);
    t.addColumn("BARKOD", TDBXDataTypes::WideStringType, 30);
    t.addColumn("FINISHKOD", TDBXDataTypes::WideStringType, 30);
    t.addColumn("STOKADI", TDBXDataTypes::WideStringType, 60);
    t.addColumn("MIKTAR", TDBXDataTypes::DoubleType);
    t.addColumn("BIRIMFIYAT", TDBXDataTypes::DoubleType);
    t.addColumn("TUTAR", TDBXDataTypes::DoubleType);
    t.addColumn("INDIRIMORANI1", TDBXDataTypes::DoubleType);
    t.addColumn("INDIRIMTUTAR", TDBXDataTypes::DoubleType);
    t.addColumn("ACIKLAMA", TDBXDataTypes::WideStringType, 60);
    t.addColumn("IDNO", TDBXDataTypes::Int32Type);
    t.addColumn("STOK_STOKNO", TDBXDataTypes::Int32Type);
    t.addColumn("MARKA", TDBXDataTypes::WideStringType, 30);
    t.addColumn("MODEL", TDBXDataTypes::WideStringType, 30);
    t.addColumn("DURUM", TDBXDataTypes::Int32Type);
    t.addColumn("TESLIMEDILEN", TDBXDataTypes::DoubleType);
    t.addColumn("KALAN", TDBXDataTypes::DoubleType);
    t.addColumn("STOKHAR_NO", TDBXDataTypes::Int32Type);
    t.addColumn("ELDEKI", TDBXDataTypes::DoubleType);
    t.addRow({QDate(2026, 11, 2),
              501,
              QStringLiteral("YF-1001"),
              QStringLiteral("FK-7"),
              QStringLiteral("Yağ filtresi"),
              12.0,
              200.0,
              2400.0,
              10.0,
              240.0,
              QStringLiteral("Yağ filtresi"),
              77,
              1001,
              QStringLiteral("MANN"),
              QStringLiteral("W 712"),
              1,
              4.5,
              7.5,
              9001,
              30.0});
    return t;
}

std::string footerAnswer()
{
    TSiparisDipAyrinti d;
    d.setDurumu(QStringLiteral("Onaylandı"));
    d.setKargo(QStringLiteral("A & B Kargo"));
    d.setBizimMesaj(QStringLiteral("Hazırlanıyor."));
    d.setSaticiNotu(QStringLiteral("Bayi aradı"));
    return "{\"result\":[" + boost::json::serialize(TJSONMarshal::marshal(d)) + "]}";
}

void answerBalances(ScriptedServer &server)
{
    server.answer(ScriptedServer::methodPath("BakiyelerVer2"), {200, tableAnswer(balanceLine())});
    server.answer(ScriptedServer::methodPath("SiparisAytintisiDip"), {200, footerAnswer()});
    for (const char *m : {"BakiyeDuzenle", "BakiyeDegistir", "BakiyeFiyatDegistir"})
        server.answer(ScriptedServer::methodPath(m), {200, R"({"result":[1]})"});
}

QString labelText(QWidget *window, const char *name)
{
    auto *label = window->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void previousOrdersLoadAndDetail();
    void previousOrdersOneLoadAtATime();
    void previousOrdersFailureKeepsGrid();
    void noFocusedRowDoesNothing_data();
    void noFocusedRowDoesNothing();
    void orderDetailWindow_data();
    void orderDetailWindow();

    void statementBalancesFromReferenceServer();
    void statementReplacesServerBalance();
    void statementOpensDocuments();
    void receiptDownload_data();
    void receiptDownload();
    void receiptFromReferenceServer();
    void receiptWithoutConnection();

    void balancesTabBuiltOnEveryShow();
    void userTypeVisibility_data();
    void userTypeVisibility();
    void focusMoveCostsOneCall();
    void deleteBalance_data();
    void deleteBalance();
    void changeBalanceSendsQuantityTwice();
    void changePrice();
    void failedOpenRaisesAndLeavesWindowUsable();
    void allOrders_data();
    void allOrders();
    void modalWindowsFromTheMenus();

private:
    std::unique_ptr<AppServerFixture> m_server;
    RetryWait m_previousWait;
    ShellOpenHandler m_previousShell;
    QList<QUrl> m_opened;
};

void TestHistory::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_previousWait = setRetryWait([](int) {});
    m_previousShell = setShellOpenHandler([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
    m_server = std::make_unique<AppServerFixture>(400);
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
}

void TestHistory::cleanupTestCase()
{
    setRetryWait(m_previousWait);
    setShellOpenHandler(m_previousShell);
    m_server.reset();
}

void TestHistory::init()
{
    m_opened.clear();
}

void TestHistory::previousOrdersLoadAndDetail()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    OncekiSiparislerSekmesi tab(host, host.sheet("sonceki"), host.busy);
    QSignalSpy finished(&tab, &OncekiSiparislerSekmesi::loadFinished);
    tab.soncekiShow();
    QVERIFY(tab.isLoading());
    QVERIFY(!tab.cxGridDBTableView2()->isEnabled());
    QVERIFY(host.busy->isAnimating());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), false);
    GridView *grid = tab.cxGridDBTableView2();
    QVERIFY(grid->isEnabled());
    QVERIFY(!host.busy->isAnimating());
    const int orders =
        m_server->query("SELECT COUNT(*) FROM SIPARIS WHERE CARINO = 101").first().first().toInt();
    QVERIFY(orders > 0);
    QCOMPARE(grid->shownRecordCount(), orders);
    QCOMPARE(grid->columnByField("VERENINNOTU")->Width(), 200);
    QCOMPARE(grid->columnByField("ALANNOTU")->Width(), 200);
    QVERIFY(!grid->columnByField("CARIKOD")->Visible());
    QVERIFY(grid->columnByField("CARIKOD")->VisibleForCustomization());
    QVERIFY(!grid->columnByField("KURTL")->VisibleForCustomization());
    QCOMPARE(grid->columnByField("IDNO")->headerText(), QStringLiteral("Sipariş No"));

    // The detail of the second order: its lines and the totals over all of them.
    grid->setFocusedRecord(1);
    const int idno = grid->rawValue(grid->columnByField("IDNO"), 1).toInt();
    const QList<QVariantList> lines = m_server->query(
        "SELECT TUTAR, INDIRIMTUTAR FROM SIPARISSATIR WHERE IDNO = ? ORDER BY STOKHAR_NO", {idno});
    QList<QPair<double, double>> amounts;
    for (const QVariantList &l : lines)
        amounts.append({l[0].toDouble(), l[1].toDouble()});
    const ToplamYazilari expected = ToplamYazilariniVer(SiparisToplamHesapla(amounts));
    DialogHelper dialogs;
    int shownLines = -1;
    QString genel;
    QString durum;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *detail = qobject_cast<Tayrinti_siparis *>(w);
        if (!detail)
            return QStringLiteral("not the order window");
        shownLines = detail->cxGridDBTableView1()->shownRecordCount();
        genel = labelText(detail, "geneltoplaml");
        durum = labelText(detail, "_sipdurun");
        detail->findChild<QPushButton *>("Button1")->click();
        return {};
    });
    tab.S1Click();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Sipariş Ayrıntısı"));
    QCOMPARE(shownLines, lines.size());
    QCOMPARE(genel, expected.geneltoplam);
    QVERIFY(!durum.isEmpty());
}

void TestHistory::previousOrdersOneLoadAtATime()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    OncekiSiparislerSekmesi tab(host, host.sheet("sonceki"), host.busy);
    QSignalSpy finished(&tab, &OncekiSiparislerSekmesi::loadFinished);
    const int before = calls(*m_server, "OncekiSiparisler");
    tab.soncekiShow();
    tab.soncekiShow();
    tab.soncekiShow();
    QVERIFY(finished.wait(10000));
    // The shows during the load asked for one more load, which has started by now.
    QVERIFY(tab.isLoading());
    QVERIFY(finished.count() == 2 || finished.wait(10000));
    QVERIFY(!tab.isLoading());
    QTest::qWait(50);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(calls(*m_server, "OncekiSiparisler") - before, 2);
}

void TestHistory::previousOrdersFailureKeepsGrid()
{
    RefusingPort refusing;
    TestHost host;
    host.bagc.setPort(refusing.port());
    OncekiSiparislerSekmesi tab(host, host.sheet("sonceki"), host.busy);
    QSignalSpy finished(&tab, &OncekiSiparislerSekmesi::loadFinished);
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    tab.soncekiShow();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(dialogs.waitForDialogs(1));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
    QVERIFY(dialogs.records().first().text.contains(BaglantiHatasi));
    QVERIFY(tab.cxGridDBTableView2()->isEnabled());
    QVERIFY(!host.busy->isAnimating());
    QCOMPARE(tab.cxGridDBTableView2()->shownRecordCount(), 0);
}

void TestHistory::noFocusedRowDoesNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Siparişi İncele") << "S1";
    QTest::newRow("Hareket İncele") << "H1";
    QTest::newRow("Bakiyeyi Sil") << "B1";
    QTest::newRow("Bakiye Değiştir") << "B2";
    QTest::newRow("Fiyat Değiştir") << "F1";
}

void TestHistory::noFocusedRowDoesNothing()
{
    QFETCH(QString, action);
    ScriptedServer server;
    TestHost host;
    host.bagc.setPort(server.port());
    DialogHelper dialogs;
    OncekiSiparislerSekmesi onceki(host, host.sheet("sonceki"), host.busy);
    CariEkstreSekmesi ekstre(host, host.sheet("sccariekstre"), host.busy);
    Tbakiyesiparisler bakiye(host.window(), host.bagc, host.sbilgi);
    if (action == QLatin1String("S1"))
        onceki.S1Click();
    else if (action == QLatin1String("H1"))
        ekstre.H1Click();
    else if (action == QLatin1String("B1"))
        bakiye.B1Click();
    else if (action == QLatin1String("B2"))
        bakiye.B2Click();
    else
        bakiye.F1Click();
    QTest::qWait(100);
    QCOMPARE(dialogs.dialogCount(), 0);
    QCOMPARE(server.requests().size(), size_t(0));
}

void TestHistory::orderDetailWindow_data()
{
    QTest::addColumn<double>("tutar");
    QTest::addColumn<QString>("bizim");
    QTest::addColumn<QString>("satici");
    QTest::addColumn<QString>("genel");
    QTest::addColumn<QString>("bizimShown");
    QTest::newRow("5.5 with a leading zero") << 4.66 << "Kargoda."
                                             << ""
                                             << "05,50"
                                             << "Kargoda.";
    QTest::newRow("blank salesperson's note") << 100.0 << "Kargoda."
                                              << "   "
                                              << "118,00"
                                              << "Kargoda.";
    QTest::newRow("salesperson's note") << 1000.0 << "Kargoda."
                                        << "Aradım"
                                        << "1.180,00"
                                        << "Kargoda.\n----------------------\nSatıcı Notu:\nAradım";
}

void TestHistory::orderDetailWindow()
{
    QFETCH(double, tutar);
    QFETCH(QString, bizim);
    QFETCH(QString, satici);
    Tayrinti_siparis window;
    TClientDataSet &sepet = window.sepet();
    sepet.addField(QStringLiteral("VERILISTARIHI"), TFieldType::ftDate);
    sepet.addField(QStringLiteral("MIKTAR"), TFieldType::ftFloat);
    sepet.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
    sepet.addField(QStringLiteral("INDIRIMTUTAR"), TFieldType::ftFloat);
    sepet.addField(QStringLiteral("KALAN"), TFieldType::ftFloat);
    sepet.CreateDataSet();
    sepet.appendRow({QDate(2026, 12, 1), 2.0, tutar, 0.0, 1.0});
    sepet.appendRow({QDate(2026, 12, 1), 3.0, 0.0, 0.0, 2.0});
    FormatAyarla(&sepet);
    window.asagi().setBizimMesaj(bizim);
    window.asagi().setSaticiNotu(satici);
    window.asagi().setSizinMesaj(QStringLiteral("Acil"));
    window.asagi().setKargo(QStringLiteral("A & B Kargo"));
    window.SepetHesapla();
    QTEST(labelText(&window, "geneltoplaml"), "genel");
    QTEST(window.findChild<QPlainTextEdit *>("_bizim")->toPlainText(), "bizimShown");
    QCOMPARE(window.findChild<QPlainTextEdit *>("_sizin")->toPlainText(), QStringLiteral("Acil"));
    QCOMPARE(labelText(&window, "_kargo"), QStringLiteral("A & B Kargo"));
    QCOMPARE(window.findChild<QLabel *>("_kargo")->textFormat(), Qt::PlainText);
    QCOMPARE(window.x(), 50);
    GridView *grid = window.cxGridDBTableView1();
    QCOMPARE(grid->footerText(grid->columnByField("VERILISTARIHI")), QStringLiteral("2"));
    QCOMPARE(grid->footerText(grid->columnByField("MIKTAR")), QStringLiteral("5,00"));
    QCOMPARE(grid->footerText(grid->columnByField("KALAN")), QStringLiteral("3,00"));
    QVERIFY(!grid->columnByField("TESLIM")->VisibleForCustomization());
    QVERIFY(!grid->columnByField("DURUM"));
}

void TestHistory::statementBalancesFromReferenceServer()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    CariEkstreSekmesi tab(host, host.sheet("sccariekstre"), host.busy);
    QSignalSpy finished(&tab, &CariEkstreSekmesi::loadFinished);
    tab.sccariekstreShow();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), false);
    TClientDataSet &e = tab.EKSTRE();
    QVERIFY(e.RecordCount() > 5);
    const int borc = e.fieldIndex("BORC");
    const int alacak = e.fieldIndex("ALACAK");
    const int bakiye = e.fieldIndex("BAKIYE");
    const int d = e.fieldIndex("D");
    double b = 0;
    for (int r = 0; r < e.RecordCount(); ++r) {
        b = b + (e.value(r, borc).toDouble() - e.value(r, alacak).toDouble());
        QCOMPARE(e.value(r, bakiye).toDouble(), b);
        QCOMPARE(e.value(r, d).toString(), b > 0 ? QStringLiteral("B") : (b < 0 ? QStringLiteral("A") : " "));
    }
    GridView *grid = tab.cxGridDBTableView4();
    QVERIFY(!grid->sortingEnabled());
    QVERIFY(!grid->columnByField("IDNO")->VisibleForCustomization());
    QVERIFY(!grid->columnByField("CARINO")->VisibleForCustomization());
    QCOMPARE(grid->columnByField("D")->headerText(), QStringLiteral("D"));
}

void TestHistory::statementReplacesServerBalance()
{
    DbxTable t;
    t.addColumn("CARINO", TDBXDataTypes::Int32Type);
    t.addColumn("TARIH", TDBXDataTypes::DateType);
    t.addColumn("TURADI", TDBXDataTypes::WideStringType, 40);
    t.addColumn("EVRAK", TDBXDataTypes::WideStringType, 20);
    t.addColumn("BORC", TDBXDataTypes::DoubleType);
    t.addColumn("ALACAK", TDBXDataTypes::DoubleType);
    t.addColumn("KUR", TDBXDataTypes::WideStringType, 5);
    t.addColumn("BAKIYE", TDBXDataTypes::DoubleType);
    t.addColumn("D", TDBXDataTypes::WideStringType, 1);
    t.addColumn("IDNO", TDBXDataTypes::Int32Type);
    t.addColumn("ACIKLAMA", TDBXDataTypes::WideStringType, 40);
    const QDate day(2026, 10, 1);
    t.addRow({7, day, QStringLiteral("Satış Faturası"), QStringLiteral("F1"), 100.0, 0.0,
              QStringLiteral("TL"), 999.0, QStringLiteral("X"), 1, QString()});
    t.addRow({7, day, QStringLiteral("Tahsilat"), QStringLiteral("T1"), 0.0, 100.0, QStringLiteral("TL"),
              999.0, QStringLiteral("X"), 2, QString()});
    t.addRow({7, day, QStringLiteral("Tahsilat"), QStringLiteral("T2"), 0.0, 50.0, QStringLiteral("TL"),
              999.0, QStringLiteral("X"), 3, QString()});
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariEkstreVer"), {200, tableAnswer(t)});
    TestHost host;
    host.bagc.setPort(server.port());
    host.sbilgi.setCARINO(7);
    CariEkstreSekmesi tab(host, host.sheet("sccariekstre"), host.busy);
    QSignalSpy finished(&tab, &CariEkstreSekmesi::loadFinished);
    for (int load = 0; load < 2; ++load) { // the running balance starts from 0 on every load
        finished.clear();
        tab.sccariekstreShow();
        QVERIFY(finished.wait(10000));
        GridView *grid = tab.cxGridDBTableView4();
        GridColumn *bakiye = grid->columnByField("BAKIYE");
        GridColumn *d = grid->columnByField("D");
        QCOMPARE(grid->displayText(bakiye, 0), QStringLiteral("100,00"));
        QCOMPARE(grid->displayText(bakiye, 1), QStringLiteral("0,00"));
        QCOMPARE(grid->displayText(bakiye, 2), QStringLiteral("-50,00"));
        QCOMPARE(grid->displayText(d, 0), QStringLiteral("B"));
        QCOMPARE(grid->displayText(d, 1), QStringLiteral(" "));
        QCOMPARE(grid->displayText(d, 2), QStringLiteral("A"));
        QCOMPARE(grid->footerText(grid->columnByField("BORC")), QStringLiteral("100,00"));
        QCOMPARE(grid->footerText(grid->columnByField("ALACAK")), QStringLiteral("150,00"));
    }
    QCOMPARE(server.requestsTo(ScriptedServer::methodPath("CariEkstreVer")).size(), size_t(2));
    QCOMPARE(parameters(server.requestsTo(ScriptedServer::methodPath("CariEkstreVer"))[0])[0].as_int64(), 7);
}

void TestHistory::statementOpensDocuments()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    CariEkstreSekmesi tab(host, host.sheet("sccariekstre"), host.busy);
    QSignalSpy finished(&tab, &CariEkstreSekmesi::loadFinished);
    tab.sccariekstreShow();
    QVERIFY(finished.wait(10000));
    TClientDataSet &e = tab.EKSTRE();
    int invoice = -1;
    int posCollection = -1;
    int plainCollection = -1;
    int devir = -1;
    for (int r = 0; r < e.RecordCount(); ++r) {
        const QString tur = e.value(r, e.fieldIndex("TURADI")).toString();
        const int idno = e.value(r, e.fieldIndex("IDNO")).toInt();
        const bool pos = !m_server->query("SELECT 1 FROM SANALPOS WHERE IDNO = ?", {idno}).isEmpty();
        if (tur == QStringLiteral("Toptan Satış Faturası") && invoice < 0)
            invoice = r;
        else if (tur == QLatin1String("Tahsilat") && pos && posCollection < 0)
            posCollection = r;
        else if (tur == QLatin1String("Tahsilat") && !pos && plainCollection < 0)
            plainCollection = r;
        else if (tur == QLatin1String("Devir"))
            devir = r;
    }
    QVERIFY2(
        invoice >= 0 && posCollection >= 0 && plainCollection >= 0 && devir >= 0,
        qPrintable(
            QStringLiteral("%1 %2 %3 %4").arg(invoice).arg(posCollection).arg(plainCollection).arg(devir)));
    GridView *grid = tab.cxGridDBTableView4();

    DialogHelper dialogs;
    QString evrakno;
    QString genel;
    int invoiceLines = -1;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *fatura = qobject_cast<Tayrinti_fatura *>(w);
        if (!fatura)
            return QStringLiteral("not the invoice window");
        evrakno = labelText(fatura, "_evrakno");
        genel = labelText(fatura, "geneltoplaml");
        invoiceLines = fatura->cxGridDBTableView1()->shownRecordCount();
        fatura->KapatClick();
        return {};
    });
    grid->setFocusedRecord(invoice);
    tab.H1Click();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().last().title, QStringLiteral("Evrak Ayrıntısı"));
    QCOMPARE(evrakno, e.value(invoice, e.fieldIndex("EVRAK")).toString());
    QCOMPARE(genel, FormatFloat("#,###,##0.00", e.value(invoice, e.fieldIndex("BORC")).toDouble()));
    QVERIFY(invoiceLines > 0);

    for (int row : {posCollection, plainCollection}) {
        bool pdfShown = false;
        int rows = -1;
        dialogs.interactOnNext([&](QWidget *w) -> QString {
            auto *tahsilat = qobject_cast<Tayrinti_tahsilat *>(w);
            if (!tahsilat)
                return QStringLiteral("not the collection window");
            pdfShown = !tahsilat->belgeyaz()->isHidden();
            rows = tahsilat->cxGridDBTableView1()->shownRecordCount();
            tahsilat->KapatClick();
            return {};
        });
        grid->setFocusedRecord(row);
        tab.cxGridDBTableView4DblClick();
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        QCOMPARE(dialogs.records().last().title, QStringLiteral("Evrak Ayrıntı"));
        QCOMPARE(pdfShown, row == posCollection);
        QVERIFY(rows > 0);
    }

    const int before = dialogs.dialogCount();
    grid->setFocusedRecord(devir);
    tab.H1Click();
    QTest::qWait(50);
    QCOMPARE(dialogs.dialogCount(), before);
}

void TestHistory::receiptDownload_data()
{
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("saved");
    QTest::newRow("complete, 3000 bytes") << qint64(3000) << 3000 << true;
    QTest::newRow("one byte short") << qint64(3000) << 2999 << false;
    QTest::newRow("one byte more") << qint64(5) << 6 << false;
    QTest::newRow("size 0") << qint64(0) << 0 << false;
}

void TestHistory::receiptDownload()
{
    QFETCH(qint64, announced);
    QFETCH(int, sent);
    QFETCH(bool, saved);
    TempFolders home;
    QDir().mkpath(home.documents());
    const QString path = home.documents() + QStringLiteral("/sanalposodeme4711.pdf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski makbuz");
    }
    std::string bytes = "[";
    QByteArray content;
    for (int i = 0; i < sent; ++i) {
        bytes += (i ? "," : "") + std::to_string(i % 251);
        content.append(char(i % 251));
    }
    bytes += "]";
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("SAnalPosPdfVer"),
                  {200, "{\"result\":[" + std::to_string(announced) + "," + bytes + "]}"});
    TSQLConnection con;
    con.setHostName(QStringLiteral("127.0.0.1"));
    con.setPort(server.port());
    Tayrinti_tahsilat window;
    window.con = &con;
    window.sirano = 4711;
    window.belgeyazClick();
    QVERIFY(!con.Connected());
    QCOMPARE(parameters(server.requestsTo(ScriptedServer::methodPath("SAnalPosPdfVer"))[0])[0].as_int64(),
             4711);
    QCOMPARE(QFile::exists(path), saved);
    if (saved) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    } else {
        QVERIFY(m_opened.isEmpty());
    }
}

void TestHistory::receiptFromReferenceServer()
{
    TempFolders home;
    QDir().mkpath(home.documents());
    const QList<QVariantList> pos = m_server->query(
        "SELECT p.SIRANO FROM SANALPOS p JOIN EKSTRE e ON e.IDNO = p.IDNO WHERE e.CARINO = 101 LIMIT 1");
    QVERIFY(!pos.isEmpty());
    const int sirano = pos.first().first().toInt();
    TSQLConnection con;
    con.setHostName(QStringLiteral("127.0.0.1"));
    con.setPort(m_server->port());
    Tayrinti_tahsilat window;
    window.con = &con;
    window.sirano = sirano;
    window.belgeyazClick();
    const QString path = home.documents() + QStringLiteral("/sanalposodeme%1.pdf").arg(sirano);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    QCOMPARE(m_opened.size(), 1);
}

void TestHistory::receiptWithoutConnection()
{
    TempFolders home;
    RefusingPort refusing;
    TSQLConnection con;
    con.setHostName(QStringLiteral("127.0.0.1"));
    con.setPort(refusing.port());
    Tayrinti_tahsilat window;
    window.con = &con;
    window.sirano = 12;
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    window.belgeyazClick();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.dialogCount(), 1);
    QVERIFY(!dialogs.records().first().text.isEmpty());
    QVERIFY(!QFile::exists(home.documents() + QStringLiteral("/sanalposodeme12.pdf")));
    QVERIFY(m_opened.isEmpty());
}

void TestHistory::balancesTabBuiltOnEveryShow()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    host.sbilgi.setMusteriTipi(3);
    BakiyelerSekmesi tab(host, host.sheet("sTabbakiyeler"));
    host.window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.window()));
    QVERIFY(!tab.benimbakiyesiparisler());
    const int before = calls(*m_server, "BakiyelerVer2");
    host.activateTab(host.sheet("sTabbakiyeler"));
    QPointer<Tbakiyesiparisler> first = tab.benimbakiyesiparisler();
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), host.sheet("sTabbakiyeler"));
    QVERIFY(first->footerPanel()->kapat()->isHidden());
    QVERIFY(!first->isWindow());
    QVERIFY(first->bakiyesepet().RecordCount() > 0);
    QVERIFY(!first->column("DURUM")->Visible()); // user type 3
    QCOMPARE(calls(*m_server, "BakiyelerVer2") - before, 1);
    host.activateTab(host.sheet("sonceki"));
    QVERIFY(!first);
    QVERIFY(!tab.benimbakiyesiparisler());
    host.activateTab(host.sheet("sTabbakiyeler"));
    QVERIFY(tab.benimbakiyesiparisler());
    QCOMPARE(calls(*m_server, "BakiyelerVer2") - before, 2);
    host.window()->hide();
}

void TestHistory::userTypeVisibility_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("inTab");
    QTest::addColumn<bool>("ilkFiyat");
    QTest::addColumn<bool>("eldeki");
    QTest::addColumn<bool>("siparisMiktarlari");
    QTest::addColumn<bool>("durum");
    for (bool inTab : {true, false}) {
        const char *where = inTab ? "tab" : "window";
        QTest::addRow("type 1, %s", where) << 1 << inTab << false << true << inTab << true;
        QTest::addRow("type 2, %s", where) << 2 << inTab << true << true << inTab << true;
        QTest::addRow("type 3, %s", where) << 3 << inTab << false << false << false << false;
        QTest::addRow("type 4, %s", where) << 4 << inTab << false << false << false << true;
    }
}

void TestHistory::userTypeVisibility()
{
    QFETCH(int, tip);
    QFETCH(bool, inTab);
    QFETCH(bool, ilkFiyat);
    QFETCH(bool, eldeki);
    QFETCH(bool, siparisMiktarlari);
    QFETCH(bool, durum);
    TSQLConnection bagc;
    TSonucBilgisi bilgi;
    bilgi.setMusteriTipi(tip);
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.KullaniciTipiUygula(tip, inTab ? Tbakiyesiparisler::Yer::Sekme : Tbakiyesiparisler::Yer::Pencere);
    QCOMPARE(window.column("ILKFIYAT")->Visible(), ilkFiyat);
    QCOMPARE(window.column("ILKFIYAT")->VisibleForCustomization(), ilkFiyat && inTab);
    QCOMPARE(window.F1()->isVisible(), tip == 2);
    QCOMPARE(window.column("ELDEKI")->Visible(), eldeki);
    QCOMPARE(window.column("ALINANSIPARIS")->Visible(), siparisMiktarlari);
    QCOMPARE(window.column("VERILENSIPARIS")->VisibleForCustomization(), siparisMiktarlari);
    QCOMPARE(window.column("DURUM")->Visible(), durum);
    QCOMPARE(window.column("DURUM")->VisibleForCustomization(), durum);
    QCOMPARE(window.column("ILKFIYAT")->headerText(), QStringLiteral("İlk Fiyat"));
}

void TestHistory::focusMoveCostsOneCall()
{
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(m_server->port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(101);
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.BakiyeAlalim();
    QVERIFY(window.bakiyesepet().RecordCount() > 2);
    QVERIFY(!bagc.Connected());
    GridView *grid = window.cxGridDBTableView1();
    const int record = 2;
    const int idno = window.bakiyesepet().value(record, window.bakiyesepet().fieldIndex("IDNO")).toInt();
    const int before = calls(*m_server, "SiparisAytintisiDip");
    grid->setFocusedRecord(record);
    QCOMPARE(calls(*m_server, "SiparisAytintisiDip") - before, 1);
    const QString veren =
        m_server->query("SELECT VEREN FROM SIPARIS WHERE IDNO = ?", {idno}).first().first().toString();
    QCOMPARE(labelText(&window, "_veren"), veren);
    QVERIFY(!bagc.Connected());
}

void TestHistory::deleteBalance_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("sent");
    QTest::newRow("Evet") << "Evet" << true;
    QTest::newRow("Hayır") << "Hayır" << false;
}

void TestHistory::deleteBalance()
{
    QFETCH(QString, answer);
    QFETCH(bool, sent);
    ScriptedServer server;
    answerBalances(server);
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(55);
    bilgi.setSirano(9);
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.BakiyeAlalim();
    DialogHelper dialogs;
    dialogs.pressOnNext(answer);
    window.B1Click();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().first().text, QStringLiteral("Sipariş Bakiyesini Silmek İstiyor musunuz ?"));
    QCOMPARE(dialogs.records().first().focusButton, QStringLiteral("Hayır"));
    const auto requests = server.requestsTo(ScriptedServer::methodPath("BakiyeDuzenle"));
    QCOMPARE(requests.size(), size_t(sent ? 1 : 0));
    QCOMPARE(server.requestsTo(ScriptedServer::methodPath("BakiyelerVer2")).size(), size_t(sent ? 2 : 1));
    if (sent) {
        const boost::json::array p = parameters(requests[0]);
        QCOMPARE(p[0].as_object().at("fields").as_object().at("FCARINO").as_int64(), 55);
        QCOMPARE(p[1].as_int64(), 1001); // STOK_STOKNO
        QCOMPARE(p[2].as_int64(), 501);  // SIRANO
        QCOMPARE(p[3].as_int64(), 9001); // STOKHAR_NO
        QCOMPARE(p[4].to_number<double>(), 12.0);
        QCOMPARE(p[5].to_number<double>(), 7.5);
        QCOMPARE(QString::fromStdString(std::string(p[6].as_string())), QStringLiteral("YF-1001"));
    }
}

void TestHistory::changeBalanceSendsQuantityTwice()
{
    ScriptedServer server;
    answerBalances(server);
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(55);
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.BakiyeAlalim();
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Evet"));
    QStringList shown;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *d = qobject_cast<Tbakiyedegistir *>(w);
        if (!d)
            return QStringLiteral("not the change-balance dialog");
        shown << d->barkod->text() << d->adi->text() << d->alinansiparis->text() << d->teslimedilen->text()
              << d->eskibakiye->text() << d->elimizde->text();
        if (d->focusWidget() != d->adet)
            return QStringLiteral("adet has no focus");
        d->adet->setValue(9);
        QTest::keyClick(d->adet, Qt::Key_Return);
        return {};
    });
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    window.B2Click();
    QVERIFY(dialogs.waitForDialogs(3));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[0].focusButton, QStringLiteral("Evet"));
    QCOMPARE(dialogs.records()[1].title, QStringLiteral("Bakiye Değiştir"));
    QCOMPARE(shown, QStringList({"YF-1001", "Yağ filtresi", "12", "4,5", "7,5", "30"}));
    QCOMPARE(dialogs.records()[2].text, QStringLiteral("Bakiye Değiştirildi !"));
    QCOMPARE(dialogs.records()[2].title, QStringLiteral("Bilgi"));
    const auto requests = server.requestsTo(ScriptedServer::methodPath("BakiyeDegistir"));
    QCOMPARE(requests.size(), size_t(1));
    const boost::json::array p = parameters(requests[0]);
    QCOMPARE(p[4].to_number<double>(), 9.0);
    QCOMPARE(p[5].to_number<double>(), 9.0);
    QCOMPARE(server.requestsTo(ScriptedServer::methodPath("BakiyelerVer2")).size(), size_t(2));
}

void TestHistory::changePrice()
{
    ScriptedServer server;
    answerBalances(server);
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(55);
    bilgi.setMusteriTipi(2);
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.KullaniciTipiUygula(2, Tbakiyesiparisler::Yer::Pencere);
    window.BakiyeAlalim();
    DialogHelper dialogs;
    QStringList labels;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *d = qobject_cast<Tfiyatdegistir *>(w);
        if (!d)
            return QStringLiteral("not the price dialog");
        labels << d->LBLNET->text() << QString::number(d->_fiyat->value())
               << QString::number(d->_iskonto->value());
        d->_fiyat->setFocus();
        d->_fiyat->selectAll();
        QTest::keyClicks(d->_fiyat, QStringLiteral("200"));
        d->_iskonto->setFocus();
        d->_iskonto->selectAll();
        QTest::keyClicks(d->_iskonto, QStringLiteral("10"));
        labels << d->LBLNET->text() << d->LABELKDV->text();
        d->accept();
        return {};
    });
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    window.F1Click();
    QVERIFY(dialogs.waitForDialogs(2));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(labels, QStringList({"Net Fiyat:", "200", "10", "180,00", "212,40"}));
    QCOMPARE(dialogs.records()[1].text, QStringLiteral("Fiyat Değiştirildi !"));
    QCOMPARE(dialogs.records()[1].title, QStringLiteral("Bilgi"));
    const auto requests = server.requestsTo(ScriptedServer::methodPath("BakiyeFiyatDegistir"));
    QCOMPARE(requests.size(), size_t(1));
    const boost::json::array p = parameters(requests[0]);
    QCOMPARE(p[1].as_int64(), 0);
    QCOMPARE(p[2].as_int64(), 501);
    QCOMPARE(p[3].as_int64(), 9001);
    QCOMPARE(p[4].to_number<double>(), 12.0);
    QCOMPARE(p[5].to_number<double>(), 12.0);
    QCOMPARE(p[7].to_number<double>(), 200.0);
    QCOMPARE(p[8].to_number<double>(), 10.0);
}

void TestHistory::failedOpenRaisesAndLeavesWindowUsable()
{
    // In the tab: the window is embedded and shown before the fetch raises.
    RefusingPort refusing;
    TestHost host;
    host.bagc.setPort(refusing.port());
    BakiyelerSekmesi tab(host, host.sheet("sTabbakiyeler"));
    QVERIFY_THROWS_EXCEPTION(Exception, tab.sTabbakiyelerShow());
    QVERIFY(tab.benimbakiyesiparisler());
    QCOMPARE(tab.benimbakiyesiparisler()->parentWidget(), host.sheet("sTabbakiyeler"));
    QVERIFY(!tab.benimbakiyesiparisler()->isHidden());
    QVERIFY(!host.bagc.Connected());

    // A reload that fails keeps what the window showed.
    ScriptedServer server;
    answerBalances(server);
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(server.port());
    TSonucBilgisi bilgi;
    Tbakiyesiparisler window(nullptr, bagc, bilgi);
    window.BakiyeAlalim();
    const QString total = labelText(&window, "geneltoplaml");
    server.answer(ScriptedServer::methodPath("BakiyelerVer2"), {500, R"({"error":"Veritabanı kilitli"})"});
    QVERIFY_THROWS_EXCEPTION(Exception, window.BakiyeAlalim());
    QCOMPARE(window.bakiyesepet().RecordCount(), 1);
    QCOMPARE(labelText(&window, "geneltoplaml"), total);
    QVERIFY(!bagc.Connected());
}

void TestHistory::allOrders_data()
{
    QTest::addColumn<bool>("oneStock");
    QTest::newRow("Tüm Siparişler") << false;
    QTest::newRow("Siparişleri Göster") << true;
}

void TestHistory::allOrders()
{
    QFETCH(bool, oneStock);
    TSQLConnection bagc;
    bagc.setHostName(QStringLiteral("127.0.0.1"));
    bagc.setPort(m_server->port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(101);
    const int stokno = oneStock
                           ? m_server->query("SELECT STOKNO FROM SIPARISSATIR WHERE CARINO = 101 LIMIT 1")
                                 .first()
                                 .first()
                                 .toInt()
                           : 0;
    Ttumsiparisler window(nullptr, bagc, bilgi, stokno);
    window.KullaniciTipiUygula(1);
    window.Getir();
    const int expected = m_server
                             ->query("SELECT COUNT(*) FROM SIPARISSATIR WHERE CARINO = 101 AND (?1 = 0 OR "
                                     "STOKNO = ?1)",
                                     {stokno})
                             .first()
                             .first()
                             .toInt();
    TClientDataSet &rows = window.bakiyesepet();
    QCOMPARE(rows.RecordCount(), expected);
    for (int r = 0; oneStock && r < rows.RecordCount(); ++r)
        QCOMPARE(rows.value(r, rows.fieldIndex("STOK_STOKNO")).toInt(), stokno);
    QVERIFY(!bagc.Connected());
    QVERIFY(window.column("ELDEKI")->Visible());
    QCOMPARE(window.column("INDIRIMORANI1")->headerText(), QStringLiteral("İn.Oranı%"));
    QVERIFY(!window.column("INDIRIMYAZI"));
    QVERIFY(window.cxGridDBTableView1()->columnAutoWidth());
}

void TestHistory::modalWindowsFromTheMenus()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi.setCARINO(101);
    host.sbilgi.setMusteriTipi(2);
    OncekiSiparislerSekmesi tab(host, host.sheet("sonceki"), host.busy);
    DialogHelper dialogs;
    QStringList seen;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *b = qobject_cast<Tbakiyesiparisler *>(w);
        if (!b)
            return QStringLiteral("not the balances window");
        seen << QString::number(b->bakiyesepet().RecordCount() > 0)
             << QString::number(b->column("ILKFIYAT")->Visible()) << QString::number(b->F1()->isVisible())
             << QString::number(b->column("ELDEKI")->Visible())
             << QString::number(b->column("ALINANSIPARIS")->Visible())
             << QString::number(b->footerPanel()->kapat()->isVisible()) << QString::number(b->x());
        b->Button1Click();
        return {};
    });
    tab.poponceki()->findChild<QAction *>("SipariBakiyeleriniz1")->trigger();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().last().title, QStringLiteral("Bakiye Siparişler"));
    QCOMPARE(seen, QStringList({"1", "1", "1", "1", "0", "1", "50"}));
    QVERIFY(!host.bagc.Connected());

    int rows = -1;
    int stokno = -1;
    dialogs.interactOnNext([&](QWidget *w) -> QString {
        auto *t = qobject_cast<Ttumsiparisler *>(w);
        if (!t)
            return QStringLiteral("not the all-orders window");
        rows = t->bakiyesepet().RecordCount();
        stokno = t->stokno();
        t->Button1Click();
        return {};
    });
    tab.poponceki()->findChild<QAction *>("T1")->trigger();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().last().title, QStringLiteral("Sipariş Hareketleri"));
    QCOMPARE(stokno, 0);
    QCOMPARE(rows,
             m_server->query("SELECT COUNT(*) FROM SIPARISSATIR WHERE CARINO = 101").first().first().toInt());
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
