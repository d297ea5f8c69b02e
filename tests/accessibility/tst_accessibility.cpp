// Every window of the program read as a screen reader reads it: each edit, grid and button that a
// user can reach has a name, labelled edits are named by their label, grids by their tab, icon-only
// buttons by their hint.
#include "app/core/mesajdialog.h"
#include "app/core/utils.h"
#include "app/login/dosyaindiru.h"
#include "app/login/formistekyeniu.h"
#include "app/login/girisformu.h"
#include "app/login/kullanicikayitu.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "basket/onaysipu.h"
#include "catalogue/stokayarintiu.h"
#include "history/ayrinti_faturau.h"
#include "history/ayrinti_siparisu.h"
#include "history/ayrinti_tahsilatu.h"
#include "history/bakiyedegistiru.h"
#include "history/bakiyesiparisleru.h"
#include "history/fiyatdegistiru.h"
#include "history/tumsiparisleru.h"
#include "messages/acilisreklamu.h"
#include "messages/mailformu.h"
#include "platform/grid/gridview.h"
#include "platform/system/processend.h"
#include "platform/system/sounds.h"
#include "platform/widgets/busyindicator.h"
#include "sales/raporformu.h"
#include "sales/seccariu.h"
#include "sales/tarihsecu.h"
#include "server/proxim.h"
#include "tests/accessibility/screenreadernames.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/tempfolders.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// A label's text as a name: without the blanks around it, a trailing ':' and the '&' of a mnemonic.
QString labelName(const QString &text)
{
    QString name = text;
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QLabel *buddyLabel(QWidget *widget)
{
    for (QLabel *label : widget->window()->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return label;
    }
    return nullptr;
}

bool isEdit(QWidget *w)
{
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
}

// The rules beyond "has a name", one line per breach: a labelled edit carries its label's text, an
// icon-only button its hint.
QString ruleBreaches(const QList<NamedControl> &controls)
{
    QStringList lines;
    for (const NamedControl &c : controls) {
        if (isEdit(c.widget)) {
            if (QLabel *label = buddyLabel(c.widget); label && c.name != labelName(label->text()))
                lines << QStringLiteral("%1 is named \"%2\", its label says \"%3\"")
                             .arg(c.path, c.name, labelName(label->text()));
        }
        auto *button = qobject_cast<QAbstractButton *>(c.widget);
        if (button && button->text().isEmpty() && !button->toolTip().isEmpty() && c.name != button->toolTip())
            lines << QStringLiteral("%1 is named \"%2\", its hint says \"%3\"")
                         .arg(c.path, c.name, button->toolTip());
    }
    return lines.join(QLatin1Char('\n'));
}

// Lets background loads finish: no busy animation of the window showing.
bool settle(QWidget *window)
{
    QTest::qWait(50);
    const bool idle = QTest::qWaitFor(
        [window] {
            const QList<BusyIndicator *> busy = window->findChildren<BusyIndicator *>();
            return std::none_of(busy.begin(), busy.end(), [](BusyIndicator *b) { return b->isVisible(); });
        },
        20000);
    QTest::qWait(50);
    return idle;
}

// "sstoklistesi/cxGrid1": each part an object name below the previous one; a grid stands for its
// table. Each part's page is shown before the next is looked for: some tabs fill in when first shown.
QWidget *findControl(QWidget *window, const QString &path)
{
    QObject *current = window;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        current = current ? current->findChild<QObject *>(part) : nullptr;
        if (auto *widget = qobject_cast<QWidget *>(current)) {
            showPageOf(widget);
            if (!settle(window))
                return nullptr;
        }
    }
    if (auto *grid = qobject_cast<GridView *>(current))
        return grid->tableView();
    return qobject_cast<QWidget *>(current);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void walkerSeesUnnamedControls();

    void everyControlNamed_data();
    void everyControlNamed();

    void exactNames_data();
    void exactNames();

    void gridFilterListNamed();

private:
    std::unique_ptr<QWidget> build(const QString &key);
    void allow(QWidget *window) { m_allowed = window; }
    void closeUnexpectedModal();
    std::unique_ptr<QWidget> mainWindow(const QString &computerId);

    std::unique_ptr<TempFolders> m_home;
    std::unique_ptr<AppServerFixture> m_server;
    TSQLConnection m_bagc;
    TSonucBilgisi m_bayi;
    TSonucBilgisi m_mudur;
    // Any other modal window (a message) is recorded and closed, so a walk never hangs on one.
    QTimer m_modalWatch;
    QPointer<QWidget> m_allowed;
    QStringList m_unexpected;
};

void AccessibilityTest::closeUnexpectedModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_allowed)
        return;
    QStringList texts{modal->windowTitle()};
    for (QLabel *label : modal->findChildren<QLabel *>())
        texts << label->text();
    m_unexpected << texts.join(QLatin1Char(' '));
    modal->close();
}

void AccessibilityTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setSystemSoundPlayer([](SystemSound) {});
    setProcessEndHandler([] { QFAIL("the process would end"); });
    setRetryWait([](int) {});
    connect(&m_modalWatch, &QTimer::timeout, this, &AccessibilityTest::closeUnexpectedModal);
    m_modalWatch.start(20);
    m_home = std::make_unique<TempFolders>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<AppServerFixture>(600);
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
    m_bagc.setHostName(m_server->host());
    m_bagc.setPort(m_server->port());
    m_bagc.Open();
    {
        TServerMethods1Client proxy(m_bagc);
        m_bayi = *proxy.BuyukGetir(QStringLiteral("DEMO-BAYI"));
        m_mudur = *proxy.BuyukGetir(QStringLiteral("DEMO-MUDUR"));
    }
    m_bagc.Close();
    QCOMPARE(m_bayi.MusteriTipi(), 3);
    QCOMPARE(m_mudur.MusteriTipi(), 2);
    m_mudur.setCARINO(101);
}

void AccessibilityTest::cleanupTestCase()
{
    m_server.reset();
    m_home.reset();
}

std::unique_ptr<QWidget> AccessibilityTest::mainWindow(const QString &computerId)
{
    const int carino = computerId == QLatin1String("DEMO-MUDUR") ? 101 : 0;
    TForm1::setHooks({[computerId, carino](TForm1 &form) {
                          TSQLConnection &bagc = form.connection();
                          bagc.Open();
                          {
                              TServerMethods1Client proxy(bagc);
                              form.session() = *proxy.BuyukGetir(computerId);
                          }
                          bagc.Close();
                          if (carino)
                              form.session().setCARINO(carino);
                          form.session().setDisip(QStringLiteral("127.0.0.1"));
                          return true;
                      },
                      {}});
    auto form = std::make_unique<TForm1>(m_server->host(), m_server->port());
    SekmeleriKur(*form);
    form->resize(1366, 768);
    form->show();
    // A search, so the stock list shows rows as it does in use.
    QTest::keyClicks(form->searchBox(), QStringLiteral("FILTRE"));
    QTest::keyClick(form->searchBox(), Qt::Key_Return);
    return form;
}

std::unique_ptr<QWidget> AccessibilityTest::build(const QString &key)
{
    std::unique_ptr<QWidget> w;
    if (key == QLatin1String("girisform")) {
        w = std::make_unique<Tgirisform>(nullptr, m_bagc, m_bayi, GirisOrtami());
    } else if (key == QLatin1String("dosyaindir")) {
        auto indir = std::make_unique<Tdosyaindir>(nullptr, 4,
                                                   QStringLiteral("http://127.0.0.1:1/exe/RavlaSetup.exe"));
        indir->basladi = true; // showing it must not start the download
        w = std::move(indir);
    } else if (key == QLatin1String("formistekyeni")) {
        w = std::make_unique<Tformistekyeni>(nullptr);
    } else if (key == QLatin1String("kullanicikayit")) {
        w.reset(Tkullanicikayit::Ac(nullptr, m_bagc, m_bayi));
    } else if (key == QLatin1String("mesajdialog")) {
        w = std::make_unique<TMesajDialog>(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"),
                                           mtConfirmation, mbYesNo, mbNo);
    } else if (key == QLatin1String("anapencere_bayi")) {
        w = mainWindow(QStringLiteral("DEMO-BAYI"));
    } else if (key == QLatin1String("anapencere_satici")) {
        w = mainWindow(QStringLiteral("DEMO-MUDUR"));
    } else if (key == QLatin1String("stokayarinti")) {
        w = std::make_unique<Tstokayarinti>();
    } else if (key == QLatin1String("onaysip")) {
        w = std::make_unique<TONAYSIP>();
    } else if (key == QLatin1String("ayrinti_siparis")) {
        w = std::make_unique<Tayrinti_siparis>();
    } else if (key == QLatin1String("ayrinti_fatura")) {
        w = std::make_unique<Tayrinti_fatura>();
    } else if (key == QLatin1String("ayrinti_tahsilat")) {
        auto tahsilat = std::make_unique<Tayrinti_tahsilat>();
        tahsilat->con = &m_bagc;
        tahsilat->sirano = 1; // a virtual-POS collection: "PDF Al" shows
        w = std::move(tahsilat);
    } else if (key == QLatin1String("bakiyedegistir")) {
        w = std::make_unique<Tbakiyedegistir>();
    } else if (key == QLatin1String("fiyatdegistir")) {
        w = std::make_unique<Tfiyatdegistir>();
    } else if (key == QLatin1String("bakiyesiparisler")) {
        auto bakiye = std::make_unique<Tbakiyesiparisler>(nullptr, m_bagc, m_mudur);
        bakiye->KullaniciTipiUygula(m_mudur.MusteriTipi(), Tbakiyesiparisler::Yer::Pencere);
        bakiye->BakiyeAlalim();
        w = std::move(bakiye);
    } else if (key == QLatin1String("tumsiparisler")) {
        auto tum = std::make_unique<Ttumsiparisler>(nullptr, m_bagc, m_mudur, 0);
        tum->KullaniciTipiUygula(m_mudur.MusteriTipi());
        tum->Getir();
        w = std::move(tum);
    } else if (key == QLatin1String("seccari")) {
        auto seccari = std::make_unique<Tseccari>(nullptr, m_bagc, m_mudur);
        seccari->SepetSayisiYaz();
        seccari->TusSonuclari();
        w = std::move(seccari);
    } else if (key == QLatin1String("tarihsec")) {
        w = std::make_unique<Ttarihsec>(nullptr);
    } else if (key == QLatin1String("raporform")) {
        auto rapor = std::make_unique<Traporform>(nullptr, m_bagc.CloneConnection(), m_mudur);
        rapor->tarih1()->setDate(QDate::currentDate().addYears(-1));
        rapor->Button1Click();
        w = std::move(rapor);
    } else if (key == QLatin1String("acilisreklam")) {
        auto reklam = std::make_unique<Tacilisreklam>();
        QSignalSpy loaded(reklam.get(), &Tacilisreklam::pageLoaded);
        allow(reklam.get());
        reklam->Ac(nullptr, m_bagc, m_bayi);
        reklam->show();
        loaded.wait(10000);
        w = std::move(reklam);
    } else if (key == QLatin1String("mailform")) {
        w = std::make_unique<Tmailform>(nullptr, m_bagc, m_bayi);
    }
    allow(w.get());
    if (w && !w->isVisible()) {
        if (w->isWindow() && w->size().width() < 200)
            w->resize(900, 600);
        w->show();
    }
    return w;
}

void AccessibilityTest::walkerSeesUnnamedControls()
{
    // The check itself: an unnamed edit, grid and icon-only button are reported; a buddy, a caption
    // and an accessible name each make a control named.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *bare = new QLineEdit(&window);
    bare->setObjectName(QStringLiteral("bare"));
    auto *labelled = new QLineEdit(&window);
    labelled->setObjectName(QStringLiteral("labelled"));
    auto *label = new QLabel(QStringLiteral(" &Şifre:"), &window);
    label->setBuddy(labelled);
    auto *icon = new QToolButton(&window);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setToolTip(QStringLiteral("Temizle"));
    auto *table = new QTableView(&window);
    table->setObjectName(QStringLiteral("table"));
    auto *spin = new QSpinBox(&window);
    spin->setObjectName(QStringLiteral("spin"));
    auto *captioned = new QPushButton(QStringLiteral("&Giriş"), &window);
    for (QWidget *w : std::initializer_list<QWidget *>{bare, label, labelled, icon, table, spin, captioned})
        layout->addWidget(w);
    auto *hidden = new QLineEdit(&window);
    hidden->hide();
    window.show();

    QList<NamedControl> controls = visibleControls(&window, [] { QCoreApplication::processEvents(); });
    QCOMPARE(controls.size(), 6); // not the hidden edit, not the table's corner button
    QStringList unnamed = unnamedReport(controls).split(QLatin1Char('\n'));
    unnamed.sort();
    QCOMPARE(unnamed, (QStringList{QStringLiteral("QLineEdit bare"), QStringLiteral("QSpinBox spin"),
                                   QStringLiteral("QTableView table"), QStringLiteral("QToolButton icon")}));
    QCOMPARE(accessibleName(captioned), QStringLiteral("Giriş"));
    // Named through its buddy, but with the label's blank and colon: the rule wants the bare text.
    QCOMPARE(accessibleName(labelled), QStringLiteral(" Şifre:"));
    QVERIFY(ruleBreaches(controls).contains(QStringLiteral("labelled is named \" Şifre:\"")));
    QVERIFY(ruleBreaches(controls).contains(QStringLiteral("icon is named \"\", its hint says \"Temizle\"")));

    bare->setAccessibleName(QStringLiteral("Ara"));
    labelled->setAccessibleName(QStringLiteral("Şifre"));
    icon->setAccessibleName(QStringLiteral("Temizle"));
    table->setAccessibleName(QStringLiteral("Sepet"));
    spin->setAccessibleName(QStringLiteral("Adet"));
    controls = visibleControls(&window, [] { QCoreApplication::processEvents(); });
    QCOMPARE(unnamedReport(controls), QString());
    QCOMPARE(ruleBreaches(controls), QString());
}

void AccessibilityTest::everyControlNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("hasControls");
    for (const char *key :
         {"girisform",         "formistekyeni",  "kullanicikayit", "mesajdialog",      "anapencere_bayi",
          "anapencere_satici", "stokayarinti",   "onaysip",        "ayrinti_siparis",  "ayrinti_fatura",
          "ayrinti_tahsilat",  "bakiyedegistir", "fiyatdegistir",  "bakiyesiparisler", "tumsiparisler",
          "seccari",           "tarihsec",       "raporform",      "acilisreklam",     "mailform"})
        QTest::newRow(key) << QString::fromLatin1(key) << true;
    // Only a message and a progress bar: nothing to name, and nothing may turn up unnamed.
    QTest::newRow("dosyaindir") << QStringLiteral("dosyaindir") << false;
}

void AccessibilityTest::everyControlNamed()
{
    QFETCH(QString, window);
    QFETCH(bool, hasControls);
    m_unexpected.clear();
    std::unique_ptr<QWidget> w = build(window);
    QVERIFY2(w, qPrintable(window));
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    bool idle = true;
    const QList<NamedControl> controls = visibleControls(w.get(), [&] { idle = settle(w.get()) && idle; });
    QVERIFY2(idle, "a load did not finish");
    qInfo("%s: %d controls", qPrintable(window), int(controls.size()));
    QCOMPARE(!controls.isEmpty(), hasControls);
    const QString unnamed = unnamedReport(controls);
    const QString breaches = ruleBreaches(controls);
    // The whole list at once; a failure message alone is cut short.
    if (!unnamed.isEmpty())
        qWarning("without a name:\n%s", qPrintable(unnamed));
    if (!breaches.isEmpty())
        qWarning("%s", qPrintable(breaches));
    QVERIFY2(unnamed.isEmpty(), "controls without a name, listed above");
    QVERIFY2(breaches.isEmpty(), "names that differ from their label or hint, listed above");
    QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(QLatin1Char('\n'))));
}

void AccessibilityTest::exactNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const struct
    {
        const char *window;
        const char *control;
        const char *name;
    } rows[] = {
        {"girisform", "adi", "Kullanıcı Adı"},
        {"girisform", "sifre", "Şifre"},
        {"anapencere_bayi", "araedit", "Ara"},
        {"anapencere_bayi", "SpeedButton2", "Ara"},
        {"anapencere_bayi", "SpeedButton1", "Temizle"},
        {"anapencere_bayi", "sstoklistesi/cxGrid1", "Stok Listesi"},
        {"anapencere_bayi", "ssepet/cxGrid2", "Sepet"},
        {"anapencere_bayi", "sonceki/cxGridDBTableView2", "Önceki Siparişler"},
        {"anapencere_bayi", "sccariekstre/cxGridDBTableView4", "Cari Ekstre"},
        {"anapencere_bayi", "syeniler/cxGrid6", "Yeni Stoklar"},
        {"anapencere_bayi", "skampanyali/cxkampanyali", "Kampanyalı Stoklar"},
        {"anapencere_bayi", "sTabSheetduyuru/cxGridduyuru", "Duyurular"},
        {"anapencere_bayi", "sTabbakiyeler/cxGridDBTableView1", "Bakiyeler"},
        {"anapencere_satici", "sTabbakiyeler/cxGridDBTableView1", "Bakiyeler"},
        {"raporform", "cxGrid1DBTableView1", "Alınan Siparişler"},
        {"raporform", "cxGridDBTableView1", "Satılan Stoklar"},
        // Controls whose label is not their buddy, or that share one, or have none at all.
        {"anapencere_bayi", "ssepet/aciklamagir", "Notunuz"},
        {"anapencere_satici", "musteritus", "Başka Cari Seç"},
        {"kullanicikayit", "firmaadi", "Firma Adı"},
        {"kullanicikayit", "ilce", "İlçe"},
        {"kullanicikayit", "sehir", "Şehir"},
        {"kullanicikayit", "telefon", "Telefon"},
        {"kullanicikayit", "fax", "Fax"},
        {"kullanicikayit", "vd", "Vergi Dairesi"},
        {"kullanicikayit", "vn", "Vergi No"},
        {"stokayarinti", "adet", "Adet"},
        {"stokayarinti", "birimfiyat", "Fiyat"},
        {"stokayarinti", "indtutar", "İndirim"},
        {"stokayarinti", "kdvdahiltutar", "KDV Dahil"},
        {"stokayarinti", "geneltutar", "Tutar"},
        {"ayrinti_siparis", "_sizin", "Mesajınız"},
        {"ayrinti_siparis", "_bizim", "Siparişi Alanın Notu"},
        {"ayrinti_siparis", "cxGridDBTableView1", "Sipariş Ayrıntısı"},
        {"seccari", "NEdit1", "Ara"},
        {"seccari", "sBitBtn2", "Tüm Carileri Listeler"},
        {"seccari", "cxGrid1DBTableView1", "Cari Seçimi"},
        {"raporform", "tarih1", "Tarih 1"},
        {"raporform", "tarih2", "Tarih 2"},
        {"acilisreklam", "Button1", "Önceki"},
        {"acilisreklam", "Button2", "Sonraki"},
        {"mailform", "baslik", "Konu"},
        {"mailform", "konu", "Mail"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s %s", row.window, row.control)
            << QString::fromLatin1(row.window) << QString::fromLatin1(row.control)
            << QString::fromUtf8(row.name);
    }
}

void AccessibilityTest::exactNames()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    m_unexpected.clear();
    std::unique_ptr<QWidget> w = build(window);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QWidget *target = findControl(w.get(), control);
    QVERIFY2(target, qPrintable(control));
    QVERIFY(target->isVisible());
    QCOMPARE(accessibleName(target), name);
    QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(QLatin1Char('\n'))));
}

void AccessibilityTest::gridFilterListNamed()
{
    // Every grid's header filter button opens a list of the column's values.
    GridView grid;
    GridColumn *marka = grid.createColumn(QStringLiteral("MARKA"));
    marka->setCaption(QStringLiteral("Marka"));
    grid.setRecordCount(2);
    grid.setValue(0, marka, QStringLiteral("MANN"));
    grid.setValue(1, marka, QStringLiteral("BOSCH"));
    grid.tableView()->setAccessibleName(QStringLiteral("Stok Listesi"));
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.showFilterPopup(marka, grid.mapToGlobal(QPoint(10, 10)));
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    const QList<NamedControl> controls = visibleControls(popup, [] { QCoreApplication::processEvents(); });
    QCOMPARE(controls.size(), 1);
    QCOMPARE(controls[0].name, QStringLiteral("Marka"));
    popup->close();
}

int main(int argc, char **argv)
{
    webMotoruHazirla();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
