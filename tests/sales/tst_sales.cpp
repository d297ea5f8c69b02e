// The customer selection, the customer change and the reports window, against the reference server
// in-process and a scripted server for answers the reference server never gives.
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "platform/dbx/dbxtable.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "sales/caridegistir.h"
#include "sales/raporformu.h"
#include "sales/seccariu.h"
#include "sales/tarihsecu.h"
#include "server/baglantiu.h"
#include "server/proxim.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <boost/json.hpp>

namespace {

class TestHost : public MainWindowHost
{
public:
    TestHost()
    {
        auto *layout = new QVBoxLayout(&m_window);
        m_search = new QLineEdit(&m_window);
        layout->addWidget(m_search);
        m_tabs = new QTabWidget(&m_window);
        layout->addWidget(m_tabs);
        for (const char *name : {"sstoklistesi", "ssepet"}) {
            auto *sheet = new QWidget;
            sheet->setObjectName(QLatin1String(name));
            m_tabs->addTab(sheet, QLatin1String(name));
        }
        m_tabs->setCurrentIndex(1);
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
    QWidget *tabSheet(const QString &name) const override { return m_tabs->findChild<QWidget *>(name); }
    QLineEdit *searchBox() override { return m_search; }
    void startSearch() override {}
    void basliklariYenile() override { steps << QStringLiteral("baslik:") + sbilgi.CariAdi(); }
    void sepetiYenile() override { steps << QStringLiteral("sepet:") + QString::number(sbilgi.CARINO()); }
    void stokListesiniBosalt() override { steps << QStringLiteral("stok"); }

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    QStringList steps;
    QWidget m_window;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_search = nullptr;
};

boost::json::array parameters(const ScriptedServer::Request &request)
{
    return boost::json::parse(request.body).as_object().at("_parameters").as_array();
}

std::string tableAnswer(const DbxTable &table)
{
    return "{\"result\":[" + table.toJsonText() + "]}";
}

// Two accounts: one that cannot be chosen (CARINO 0) and account 120.
DbxTable customers()
{
    DbxTable t;
    t.addColumn("CARINO", TDBXDataTypes::Int32Type);
    t.addColumn("CARIKOD", TDBXDataTypes::WideStringType, 25);
    t.addColumn("CARIADI", TDBXDataTypes::WideStringType, 100);
    t.addColumn("SATICISI", TDBXDataTypes::WideStringType, 50);
    t.addColumn("TLBAKIYE", TDBXDataTypes::DoubleType);
    t.addColumn("DURUM", TDBXDataTypes::WideStringType, 10);
    t.addColumn("IL", TDBXDataTypes::WideStringType, 30);
    t.addColumn("ILCE", TDBXDataTypes::WideStringType, 30);
    t.addColumn("VERGIDAIRESI", TDBXDataTypes::WideStringType, 30);
    t.addColumn("VERGINO", TDBXDataTypes::WideStringType, 30);
    t.addRow({0, QStringLiteral("GRUP"), QStringLiteral("TOPLAM"), QStringLiteral("AHMET"), 0.0, QString(),
              QString(), QString(), QString(), QString()});
    t.addRow({120, QStringLiteral("120.01"), QStringLiteral("DEMİR OTO"), QStringLiteral("MURAT KAYA"),
              12345.5, QStringLiteral("B"), QStringLiteral("ANKARA"), QStringLiteral("ÇANKAYA"),
              QStringLiteral("MALTEPE"), QStringLiteral("123")});
    return t;
}

std::string counterAnswer()
{
    TTusSonuclari t;
    t.setAlindi(3);
    t.setOnaylandi(0);
    t.setGoruldu(7);
    t.setParcaliHazirlandi(1);
    t.setHazirlandi(0);
    t.setSevkEdildi(12);
    return "{\"result\":[" + boost::json::serialize(TJSONMarshal::marshal(t)) + "]}";
}

} // namespace

class SalesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void searchText_data();
    void searchText();
    void typedLettersAreCapitals();
    void reportFileName_data();
    void reportFileName();

    void searchSendsPreparedText();
    void emptySearchListsEveryAccount_data();
    void emptySearchListsEveryAccount();
    void stateButtonsSendTheirCode();
    void counters_data();
    void counters();
    void detailPanelFollowsFocus();
    void rowWithoutAccountCannotBeChosen();
    void choosingWritesTheSession();
    void failedListKeepsRows();
    void cancelEndsProgram();
    void geometryOnShow();
    void loginSelection_data();
    void loginSelection();
    void reports_data();
    void reports();
    void reportOnRowWithoutAccountDoesNothing();
    void reportOfWrongSizeWritesNothing();
    void balancesOpenForTheRowsAccount();

    void customerChangeUpdatesMainWindow();

    void receivedOrdersGroupedBySalesperson();
    void showLoadsOnlyTheActiveTab();
    void reportsFailSilentlyWithoutConnection();

private:
    TSonucBilgisi login(const QString &computerId);

    std::unique_ptr<AppServerFixture> m_server;
    ProcessEndHandler m_previousEnd;
    ShellOpenHandler m_previousShell;
    RetryWait m_previousWait;
    QList<QUrl> m_opened;
    int m_ends = 0;
};

void SalesTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_server = std::make_unique<AppServerFixture>(300);
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
    m_previousWait = setRetryWait([](int) {});
    m_previousShell = setShellOpenHandler([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
    m_previousEnd = setProcessEndHandler([this] { ++m_ends; });
}

void SalesTest::cleanupTestCase()
{
    setRetryWait(m_previousWait);
    setShellOpenHandler(m_previousShell);
    setProcessEndHandler(m_previousEnd);
    m_server.reset();
}

void SalesTest::init()
{
    m_opened.clear();
    m_ends = 0;
}

TSonucBilgisi SalesTest::login(const QString &computerId)
{
    TSQLConnection bag;
    bag.setHostName(m_server->host());
    bag.setPort(m_server->port());
    bag.Open();
    TServerMethods1Client proxy(bag);
    const std::optional<TSonucBilgisi> s = proxy.BuyukGetir(computerId);
    bag.Close();
    return s.value_or(TSonucBilgisi());
}

void SalesTest::searchText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    QTest::newRow("dotless i everywhere, blanks trimmed")
        << QStringLiteral("ıi ılık ") << QStringLiteral("ii ilik");
    QTest::newRow("capital dotless stays") << QStringLiteral("  IŞIK  ") << QStringLiteral("IŞIK");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only blanks") << QStringLiteral("   ") << QString();
}

void SalesTest::searchText()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    QCOMPARE(CariAramaMetni(typed), sent);
}

void SalesTest::typedLettersAreCapitals()
{
    TSQLConnection bag;
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    QTest::keyClicks(w.NEdit1(), QStringLiteral("demir oto"));
    QCOMPARE(w.NEdit1()->text(), QStringLiteral("DEMİR OTO"));
}

void SalesTest::reportFileName_data()
{
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("name");
    QTest::newRow("summary") << 6 << 120 << "rapor126.pdf";
    QTest::newRow("purchases and sales") << 7 << 120 << "rapor127.pdf";
    QTest::newRow("bulk") << 6 << 0 << "rapor6.pdf";
}

void SalesTest::reportFileName()
{
    QFETCH(int, report);
    QFETCH(int, customer);
    QFETCH(QString, name);
    TempFolders home;
    QCOMPARE(RaporDosyasi(report, customer), QDir(home.documents()).filePath(name));
}

void SalesTest::searchSendsPreparedText()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setSirano(9);
    Tseccari w(nullptr, bag, bilgi);
    w.NEdit1()->setText(QStringLiteral("ıi ılık "));
    QTest::keyClick(w.NEdit1(), Qt::Key_Return);
    const auto requests = server.requestsTo(ScriptedServer::methodPath("CariAra"));
    QCOMPARE(int(requests.size()), 1);
    const boost::json::array p = parameters(requests[0]);
    QCOMPARE(QString::fromStdString(std::string(p[1].as_string())), QStringLiteral("ii ilik"));
    QCOMPARE(p[0].as_object().at("fields").as_object().at("FSirano").as_int64(), 9);
    QCOMPARE(w.CARILER().RecordCount(), 2);
    QVERIFY(!bag.Connected());
    // The whole text is selected, ready for the next search.
    QCOMPARE(w.NEdit1()->selectedText(), w.NEdit1()->text());
}

void SalesTest::emptySearchListsEveryAccount_data()
{
    QTest::addColumn<QString>("computer");
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("accounts");
    QTest::newRow("sales staff, Enter") << "DEMO-PLASIYER" << false << 8;
    QTest::newRow("sales staff, all-accounts button") << "DEMO-PLASIYER" << true << 8;
    QTest::newRow("manager, all-accounts button") << "DEMO-MUDUR" << true << 20;
}

void SalesTest::emptySearchListsEveryAccount()
{
    QFETCH(QString, computer);
    QFETCH(bool, button);
    QFETCH(int, accounts);
    TSonucBilgisi bilgi = login(computer);
    QVERIFY(bilgi.Sirano() > 0);
    TSQLConnection bag;
    bag.setHostName(m_server->host());
    bag.setPort(m_server->port());
    Tseccari w(nullptr, bag, bilgi);
    if (button) {
        w.NEdit1()->setText(QStringLiteral("XYZ"));
        QTest::mouseClick(w.findChild<QToolButton *>(QStringLiteral("sBitBtn2")), Qt::LeftButton);
        QVERIFY(w.NEdit1()->text().isEmpty());
    } else {
        QTest::keyClick(w.NEdit1(), Qt::Key_Return);
    }
    QCOMPARE(w.CARILER().RecordCount(), accounts);
    GridView *grid = w.cxGrid1DBTableView1();
    QCOMPARE(grid->footerText(grid->columnByField(QStringLiteral("CARIKOD"))), QString::number(accounts));
    QCOMPARE(grid->focusedRecord(), grid->shownRecords().first());
    QVERIFY(!w.GroupBox1()->isHidden());
    QVERIFY(!grid->columnByField(QStringLiteral("CARINO"))->Visible());
    QVERIFY(grid->columnByField(QStringLiteral("CARINO"))->VisibleForCustomization());
    QVERIFY(grid->columnByField(QStringLiteral("SATICISI"))->Visible());
    QVERIFY(w.CARILER().FieldByName(QStringLiteral("TLBAKIYE"))->DisplayFormat() == "#,###,##0.00");
}

void SalesTest::stateButtonsSendTheirCode()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariSepetVer"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    const char *buttons[] = {"sepettus",          "alinditus",     "onaylanditus", "goruldutus",
                             "parcalihazirlandi", "hazirlanditus", "sevktus"};
    for (const char *name : buttons) {
        auto *b = w.findChild<QToolButton *>(QLatin1String(name));
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    const auto requests = server.requestsTo(ScriptedServer::methodPath("CariSepetVer"));
    QCOMPARE(int(requests.size()), 7);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(parameters(requests[size_t(i)])[1].as_int64(), i + 1);
    QCOMPARE(w.findChild<QToolButton *>(QStringLiteral("alinditus"))->toolTip(),
             QStringLiteral("Yeni Alınan \r\nSiparişleri Listeler"));
    QCOMPARE(w.findChild<QToolButton *>(QStringLiteral("sBitBtn2"))->toolTip(),
             QStringLiteral("Tüm Carileri Listeler"));
}

void SalesTest::counters_data()
{
    QTest::addColumn<int>("basket");
    QTest::addColumn<QString>("caption");
    QTest::newRow("zero") << 0 << QString();
    QTest::newRow("negative") << -1 << QString();
    QTest::newRow("one") << 1 << QStringLiteral("1");
    QTest::newRow("many") << 25 << QStringLiteral("25");
}

void SalesTest::counters()
{
    QFETCH(int, basket);
    QFETCH(QString, caption);
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("SepetSayisi"),
                  {200, "{\"result\":[" + std::to_string(basket) + "]}"});
    server.answer(ScriptedServer::methodPath("TusSonuclariVer"), {200, counterAnswer()});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    w.SepetSayisiYaz();
    w.TusSonuclari();
    auto text = [&w](const char *name) { return w.findChild<QToolButton *>(QLatin1String(name))->text(); };
    QCOMPARE(text("sepettus"), caption);
    QCOMPARE(text("alinditus"), QStringLiteral("3"));
    QCOMPARE(text("onaylanditus"), QStringLiteral("0"));
    QCOMPARE(text("goruldutus"), QStringLiteral("7"));
    QCOMPARE(text("parcalihazirlandi"), QStringLiteral("1"));
    QCOMPARE(text("hazirlanditus"), QStringLiteral("0"));
    QCOMPARE(text("sevktus"), QStringLiteral("12"));
    QVERIFY(!bag.Connected());
}

void SalesTest::detailPanelFollowsFocus()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    QVERIFY(w.GroupBox1()->isHidden());
    QVERIFY(w.CARILER().IsEmpty());
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(1);
    auto label = [&w](const char *name) { return w.findChild<QLabel *>(QLatin1String(name))->text(); };
    QVERIFY(w.GroupBox1()->isVisible());
    QCOMPARE(w.GroupBox1()->title(), QStringLiteral("Cari Bilgileri"));
    QCOMPARE(label("carikod"), QStringLiteral("120.01"));
    QCOMPARE(label("cariadi"), QStringLiteral("DEMİR OTO"));
    QCOMPARE(label("ilce"), QStringLiteral("ÇANKAYA/ANKARA"));
    QCOMPARE(label("vergi"), QStringLiteral("MALTEPE/123"));
    QCOMPARE(label("yetkili"), QString());
    QCOMPARE(label("bakiye"), QStringLiteral("12.345,50 B"));
}

void SalesTest::rowWithoutAccountCannotBeChosen()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(7);
    bilgi.setCariAdi(QStringLiteral("ESKİ"));
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(0);
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    emit w.cxGrid1DBTableView1()->recordDoubleClicked(0, nullptr);
    QVERIFY(w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(bilgi.CARINO(), 7);
    QCOMPARE(bilgi.CariAdi(), QStringLiteral("ESKİ"));
}

void SalesTest::choosingWritesTheSession()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(7);
    bilgi.setSaticiAdi(QStringLiteral("MURAT KAYA"));
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(1);
    emit w.cxGrid1DBTableView1()->recordDoubleClicked(1, nullptr);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(bilgi.CARINO(), 120);
    QCOMPARE(bilgi.carikod(), QStringLiteral("120.01"));
    QCOMPARE(bilgi.CariAdi(), QStringLiteral("DEMİR OTO"));
    QCOMPARE(bilgi.SaticiAdi(), QStringLiteral("MURAT KAYA"));
}

void SalesTest::failedListKeepsRows()
{
    ScriptedServer server;
    server.answerOnce(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    server.answer(ScriptedServer::methodPath("CariAra"), {200, R"({"error":"Sunucu hatası"})"});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    w.CariListele();
    QCOMPARE(w.CARILER().RecordCount(), 2);
    bool raised = false;
    try {
        w.CariListele();
    } catch (const Exception &e) {
        raised = true;
        QCOMPARE(e.Message(), QStringLiteral("Sunucu hatası"));
    }
    QVERIFY(raised);
    QCOMPARE(w.CARILER().RecordCount(), 2);
    QVERIFY(!bag.Connected());

    // A plain open: one attempt, and its error reaches the caller.
    server.stopListening();
    const int before = int(server.requests().size());
    QVERIFY_THROWS_EXCEPTION(Exception, w.SepetSayisiYaz());
    QCOMPARE(int(server.requests().size()), before);
    QCOMPARE(w.CARILER().RecordCount(), 2);
}

void SalesTest::cancelEndsProgram()
{
    TSQLConnection bag;
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(m_ends, 1);
}

void SalesTest::geometryOnShow()
{
    TSQLConnection bag;
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    const QRect area = w.screen()->availableGeometry();
    // The test screen is narrower than the button row; a real one is not.
    const int width = qMax(area.width() - 100, w.minimumSizeHint().width());
    QCOMPARE(w.geometry(), QRect(area.left() + 50, area.top() + 50, width, area.height() - 100));
    QVERIFY(w.GroupBox1()->isHidden());
    QVERIFY(w.CARILER().IsEmpty());
}

void SalesTest::loginSelection_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("chosen") << true;
    QTest::newRow("closed without a choice") << false;
}

void SalesTest::loginSelection()
{
    QFETCH(bool, choose);
    TSonucBilgisi bilgi = login(QStringLiteral("DEMO-PLASIYER"));
    TSQLConnection bag;
    bag.setHostName(m_server->host());
    bag.setPort(m_server->port());
    DialogHelper dialogs;
    if (choose) {
        dialogs.interactOnNext([](QWidget *dialog) -> QString {
            auto *w = qobject_cast<Tseccari *>(dialog);
            if (!w)
                return QStringLiteral("not the customer selection");
            // The counters are there before the window shows.
            if (w->findChild<QToolButton *>(QStringLiteral("alinditus"))->text().isEmpty())
                return QStringLiteral("no counters");
            w->sBitBtn2Click();
            w->cxGrid1DBTableView1()->setFocusedRecord(0);
            QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
            return {};
        });
    } else {
        dialogs.closeOnNext();
    }
    const bool result = GiristeCariSec(nullptr, bag, bilgi);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(result, choose);
    QCOMPARE(bilgi.CARINO() > 0, choose);
    QCOMPARE(m_ends, 0);
}

void SalesTest::reports_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("musteriTipi");
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("salesperson");
    QTest::addColumn<bool>("twoDates");
    QTest::addColumn<QString>("file");
    QTest::newRow("summary of the row's account")
        << "C1" << 2 << 6 << 120 << "MURAT KAYA" << false << "rapor126.pdf";
    QTest::newRow("purchases and sales of the session's account")
        << "CariAlSatTablosuSatcl1" << 2 << 7 << 101 << "MURAT KAYA" << true << "rapor108.pdf";
    QTest::newRow("bulk, manager") << "CariTopluAlacakVadeleri1" << 2 << 6 << 0 << "." << false
                                   << "rapor6.pdf";
    QTest::newRow("bulk, sales staff")
        << "CariTopluAlacakVadeleri1" << 1 << 6 << 0 << "PLASIYER" << false << "rapor6.pdf";
}

void SalesTest::reports()
{
    QFETCH(QString, item);
    QFETCH(int, musteriTipi);
    QFETCH(int, report);
    QFETCH(int, customer);
    QFETCH(QString, salesperson);
    QFETCH(bool, twoDates);
    QFETCH(QString, file);
    TempFolders home;
    const QString path = QDir(home.documents()).filePath(file);
    QVERIFY(QDir().mkpath(home.documents()));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    std::string bytes = "[37,80,68,70";
    for (int i = 0; i < 2000; ++i)
        bytes += "," + std::to_string(i % 251);
    bytes += "]";
    server.answer(ScriptedServer::methodPath("RaporGetir"), {200, "{\"result\":[2004," + bytes + "]}"});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setSirano(55);
    bilgi.setCARINO(101);
    bilgi.setMusteriTipi(musteriTipi);
    bilgi.setADI(QStringLiteral("PLASIYER"));
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(1);

    const QDate first(2026, 3, 1);
    const QDate second(2026, 3, 31);
    DialogHelper dialogs;
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *window = qobject_cast<Ttarihsec *>(dialog);
        if (!window)
            return QStringLiteral("not the date window");
        if (window->DateTimePicker2->isVisible() != twoDates || window->Label2->isVisible() != twoDates)
            return QStringLiteral("second date shown wrongly");
        window->DateTimePicker1->setDateTime(QDateTime(first, QTime(15, 30)));
        window->DateTimePicker2->setDateTime(QDateTime(second, QTime(9, 0)));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        return {};
    });
    w.PopupMenu1()->findChild<QAction *>(item)->trigger();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Tarih Seç"));

    const auto requests = server.requestsTo(ScriptedServer::methodPath("RaporGetir"));
    QCOMPARE(int(requests.size()), 1);
    const boost::json::array p = parameters(requests[0]);
    QCOMPARE(p[0].as_int64(), report);
    QCOMPARE(p[1].as_int64(), report);
    QCOMPARE(p[2].as_int64(), 55);
    QCOMPARE(p[3].as_int64(), customer);
    QCOMPARE(QString::fromStdString(std::string(p[4].as_string())), salesperson);
    QCOMPARE(p[5].to_number<double>(), GunDegeri(first));
    QCOMPARE(p[6].to_number<double>(), GunDegeri(twoDates ? second : first));

    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QCOMPARE(content.size(), 2004);
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().toLocalFile(), path);
}

void SalesTest::reportOnRowWithoutAccountDoesNothing()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(101);
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(0);
    DialogHelper dialogs;
    w.CariAlSatTablosuSatcl1Click();
    w.C1Click();
    QTest::qWait(50);
    QCOMPARE(dialogs.dialogCount(), 0);
    QVERIFY(server.requestsTo(ScriptedServer::methodPath("RaporGetir")).empty());
}

void SalesTest::reportOfWrongSizeWritesNothing()
{
    TempFolders home;
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("RaporGetir"), {200, R"({"result":[10,[1,2,3]]})"});
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    Tseccari w(nullptr, bag, bilgi);
    const QString path = RaporDosyasi(6, 0);
    QVERIFY(QDir().mkpath(home.documents()));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    w.RaporAl(6, 0, QDate(2026, 1, 1), QDate(2026, 1, 1), QStringLiteral("."));
    QVERIFY(!QFile::exists(path));
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!bag.Connected());

    // A server error after the proxy exists is swallowed as well.
    server.answer(ScriptedServer::methodPath("RaporGetir"), {500, R"({"error":"yok"})"});
    w.RaporAl(6, 0, QDate(2026, 1, 1), QDate(2026, 1, 1), QStringLiteral("."));
    QVERIFY(!QFile::exists(path));
    QVERIFY(m_opened.isEmpty());
}

void SalesTest::balancesOpenForTheRowsAccount()
{
    ScriptedServer server;
    server.answer(ScriptedServer::methodPath("CariAra"), {200, tableAnswer(customers())});
    server.setHandler([](const ScriptedServer::Request &) {
        return ScriptedServer::Answer{200, R"({"result":[{"table":[]}]})"};
    });
    TSQLConnection bag;
    bag.setHostName(QStringLiteral("127.0.0.1"));
    bag.setPort(server.port());
    TSonucBilgisi bilgi;
    bilgi.setCARINO(101);
    bilgi.setMusteriTipi(1);
    Tseccari w(nullptr, bag, bilgi);
    w.show();
    w.CariListele();
    w.cxGrid1DBTableView1()->setFocusedRecord(1);
    DialogHelper dialogs;
    dialogs.interactOnNext([](QWidget *dialog) -> QString {
        if (dialog->windowTitle() != QStringLiteral("Bakiye Siparişler"))
            return QStringLiteral("not the balances window: ") + dialog->windowTitle();
        if (!(dialog->windowState() & Qt::WindowMaximized))
            return QStringLiteral("not maximised");
        qobject_cast<QDialog *>(dialog)->reject();
        return {};
    });
    w.B1Click();
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.dialogCount(), 1);
    const auto balances = server.requestsTo(ScriptedServer::methodPath("BakiyelerVer2"));
    QCOMPARE(int(balances.size()), 1);
    QCOMPARE(parameters(balances[0])[0].as_int64(), 120);
    QCOMPARE(bilgi.CARINO(), 101);
}

void SalesTest::customerChangeUpdatesMainWindow()
{
    TestHost host;
    host.bagc.setPort(m_server->port());
    host.sbilgi = login(QStringLiteral("DEMO-PLASIYER"));
    host.m_search->setText(QStringLiteral("FİLTRE"));
    DialogHelper dialogs;
    dialogs.interactOnNext([](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tseccari *>(dialog);
        if (!w)
            return QStringLiteral("not the customer selection");
        w->sBitBtn2Click();
        if (w->CARILER().RecordCount() < 2)
            return QStringLiteral("too few accounts");
        w->cxGrid1DBTableView1()->setFocusedRecord(1);
        w->CariSec();
        return {};
    });
    CariDegistir(host);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QVERIFY(host.sbilgi.CARINO() > 0);
    QCOMPARE(host.steps, QStringList({QStringLiteral("baslik:") + host.sbilgi.CariAdi(),
                                      QStringLiteral("sepet:") + QString::number(host.sbilgi.CARINO()),
                                      QStringLiteral("stok")}));
    QWidget *stok = host.tabSheet(QStringLiteral("sstoklistesi"));
    QCOMPARE(host.tabCaption(stok), QStringLiteral("0=Stok Listesi"));
    QCOMPARE(host.activeTab(), stok);
    QCOMPARE(host.m_search->selectedText(), QStringLiteral("FİLTRE"));

    // Closing the window through its frame changes nothing but still refreshes the main window.
    const int carino = host.sbilgi.CARINO();
    host.steps.clear();
    dialogs.closeOnNext();
    CariDegistir(host);
    QCOMPARE(host.sbilgi.CARINO(), carino);
    QCOMPARE(host.steps.size(), 3);
}

void SalesTest::receivedOrdersGroupedBySalesperson()
{
    TSonucBilgisi bilgi = login(QStringLiteral("DEMO-MUDUR"));
    TSQLConnection main;
    main.setHostName(m_server->host());
    main.setPort(m_server->port());
    Traporform w(nullptr, main.CloneConnection(), bilgi);
    QCOMPARE(w.PageControl1()->currentWidget(), w.tabsiparis());
    QCOMPARE(w.PageControl1()->tabText(0), QStringLiteral("Alınan Siparişler"));
    QCOMPARE(w.PageControl1()->tabText(1), QStringLiteral("Satılan Stoklar"));
    w.tarih1()->setDate(QDate(2000, 1, 1));
    w.tarih2()->setDate(QDate::currentDate().addYears(1));
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    TClientDataSet &siparis = w.siparis();
    QVERIFY(siparis.RecordCount() > 0);
    QVERIFY(w.stok().IsEmpty());

    QMap<QString, QPair<double, int>> expected;
    const int satici = siparis.fieldIndex(QStringLiteral("SATICIADI"));
    const int tutar = siparis.fieldIndex(QStringLiteral("TUTAR"));
    for (int r = 0; r < siparis.RecordCount(); ++r) {
        auto &e = expected[siparis.value(r, satici).toString()];
        e.first += siparis.value(r, tutar).toDouble();
        e.second += 1;
    }
    QVERIFY2(expected.size() > 1, "the demo data has orders of several salespeople");
    GridView *grid = w.cxGrid1DBTableView1();
    GridColumn *tarihCol = grid->columnByField(QStringLiteral("TARIH"));
    GridColumn *tutarCol = grid->columnByField(QStringLiteral("TUTAR"));
    QCOMPARE(grid->groupCount(), int(expected.size()));
    int g = 0;
    double total = 0;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it, ++g) {
        QVERIFY2(grid->groupCaption(g).contains(it.key()), qPrintable(grid->groupCaption(g)));
        QVERIFY(!grid->groupExpanded(g));
        QCOMPARE(grid->groupFooterText(g, tutarCol),
                 FormatFloat(QStringLiteral("#,###,##0.00"), it.value().first));
        QCOMPARE(grid->groupFooterText(g, tarihCol), QString::number(it.value().second));
        total += it.value().first;
    }
    QCOMPARE(grid->footerText(tutarCol), FormatFloat(QStringLiteral("#,###,##0.00"), total));
    QCOMPARE(grid->footerText(tarihCol), QString::number(siparis.RecordCount()));
    QVERIFY(!grid->columnByField(QStringLiteral("SATICIADI"))->Visible());
    QCOMPARE(siparis.FieldByName(QStringLiteral("TUTAR"))->DisplayFormat(), QStringLiteral("#,###,##0.00"));

    // A range without orders empties the grid and its totals.
    w.tarih1()->setDate(QDate(1990, 1, 1));
    w.tarih2()->setDate(QDate(1990, 1, 2));
    w.Button1Click();
    QCOMPARE(siparis.RecordCount(), 0);
    QCOMPARE(grid->groupCount(), 0);
}

void SalesTest::showLoadsOnlyTheActiveTab()
{
    TSonucBilgisi bilgi = login(QStringLiteral("DEMO-MUDUR"));
    TSQLConnection main;
    main.setHostName(m_server->host());
    main.setPort(m_server->port());
    Traporform w(nullptr, main.CloneConnection(), bilgi);
    w.tarih1()->setDate(QDate(2000, 1, 1));
    w.tarih2()->setDate(QDate::currentDate().addYears(1));
    w.Button1Click();
    const int orders = w.siparis().RecordCount();
    QVERIFY(orders > 0);

    w.tarih1()->setDate(QDate(1990, 1, 1));
    w.tarih2()->setDate(QDate::currentDate().addYears(1));
    w.PageControl1()->setCurrentWidget(w.tabstok());
    QVERIFY(w.stok().IsEmpty());
    w.Button1Click();
    QVERIFY(w.stok().RecordCount() > 0);
    QCOMPARE(w.siparis().RecordCount(), orders);
    GridView *grid = w.cxGridDBTableView1();
    double miktar = 0;
    const int m = w.stok().fieldIndex(QStringLiteral("MIKTAR"));
    for (int r = 0; r < w.stok().RecordCount(); ++r)
        miktar += w.stok().value(r, m).toDouble();
    QCOMPARE(grid->footerText(grid->columnByField(QStringLiteral("MIKTAR"))),
             FormatFloat(QStringLiteral("#,###,##0.00"), miktar));
    QCOMPARE(w.stok().RecNo(), 1);
}

void SalesTest::reportsFailSilentlyWithoutConnection()
{
    TSonucBilgisi bilgi = login(QStringLiteral("DEMO-MUDUR"));
    ScriptedServer server;
    TSQLConnection main;
    main.setHostName(QStringLiteral("127.0.0.1"));
    main.setPort(m_server->port());
    auto clone = main.CloneConnection();
    TSQLConnection *bag = clone.get();
    Traporform w(nullptr, std::move(clone), bilgi);
    w.tarih1()->setDate(QDate(2000, 1, 1));
    w.tarih2()->setDate(QDate::currentDate().addYears(1));
    w.Button1Click();
    const int orders = w.siparis().RecordCount();
    QVERIFY(orders > 0);

    server.stopListening();
    bag->setPort(server.port());
    DialogHelper dialogs;
    w.Button1Click();
    QTest::qWait(50);
    QCOMPARE(dialogs.dialogCount(), 0);
    QCOMPARE(w.siparis().RecordCount(), orders);
}

QTEST_MAIN(SalesTest)
#include "tst_sales.moc"
