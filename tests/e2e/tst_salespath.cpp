// A salesperson through the real program against the in-process server, by mouse and keyboard only:
// login window, the customer selection with its order-state counters, another customer with an
// account report PDF on the way, and the reports window.
#include "app/core/utils.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridhelpers.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "platform/system/sounds.h"
#include "sales/raporformu.h"
#include "sales/seccariu.h"
#include "sales/tarihsecu.h"
#include "tests/e2e/e2esupport.h"
#include "tests/support/tempfolders.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QString labelText(QWidget *parent, const char *name)
{
    auto *label = parent->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// The order-state buttons of the customer selection and the counts they must show.
QString countersProblem(QWidget *dialog, const QHash<QString, QString> &expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        auto *button = dialog->findChild<QToolButton *>(it.key());
        if (!button)
            return QStringLiteral("no button %1").arg(it.key());
        if (button->text() != it.value())
            return QStringLiteral("%1 shows \"%2\" instead of \"%3\"")
                .arg(it.key(), button->text(), it.value());
    }
    return QString();
}

// Clicks the item of the popup menu the next click opens (a tool button's menu runs its own loop).
void clickMenuItemWhenShown(const QString &itemName, bool *clicked)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    QTimer::singleShot(30000, timer, &QObject::deleteLater); // no menu came: the test fails on its own
    QObject::connect(timer, &QTimer::timeout, [timer, itemName, clicked] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        timer->deleteLater();
        QAction *action = menu->findChild<QAction *>(itemName);
        if (!action || !action->isVisible()) {
            menu->close();
            return;
        }
        *clicked = true;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    });
    timer->start();
}

} // namespace

class SalesPathTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([](SystemSound) {});
        setProcessEndHandler([this] { ++m_ends; });
        setShellOpenHandler([this](const QUrl &url) {
            m_opened << url;
            return true;
        });
    }

    void salespersonSwitchesCustomersAndReports();

private:
    QList<QUrl> m_opened;
    int m_ends = 0;
};

void SalesPathTest::salespersonSwitchesCustomersAndReports()
{
    TempFolders home;
    QVERIFY(home.isValid());
    AppServerFixture server(3000);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    QVERIFY(
        server.registerComputer(e2e::machineId(QStringLiteral("E2E SALES 1")), QStringLiteral("PLASIYER")));

    // What the server holds for this salesperson's accounts, to compare the windows with.
    const int saticino = server.query(QStringLiteral("SELECT SATICINO FROM KULLANICI WHERE ADI = 'PLASIYER'"))
                             .value(0)
                             .value(0)
                             .toInt();
    const QList<QVariantList> accounts = server.query(
        QStringLiteral("SELECT CARINO, CARIADI FROM CARI WHERE SATICINO = ? ORDER BY CARINO"), {saticino});
    QVERIFY(accounts.size() >= 2);
    QHash<QString, QString> counters;
    const char *const stateButtons[] = {"alinditus",         "onaylanditus",  "goruldutus",
                                        "parcalihazirlandi", "hazirlanditus", "sevktus"};
    for (int state = 2; state <= 7; ++state) {
        const int n =
            server
                .query(QStringLiteral("SELECT COUNT(*) FROM SIPARIS o JOIN CARI c ON c.CARINO = o.CARINO "
                                      "WHERE c.SATICINO = ? AND o.DURUMKODU = ?"),
                       {saticino, state})
                .value(0)
                .value(0)
                .toInt();
        counters.insert(QLatin1String(stateButtons[state - 2]), QString::number(n));
    }
    const int withBasket =
        server
            .query(QStringLiteral("SELECT COUNT(DISTINCT b.CARINO) FROM SEPET b JOIN CARI c "
                                  "ON c.CARINO = b.CARINO WHERE c.SATICINO = ?"),
                   {saticino})
            .value(0)
            .value(0)
            .toInt();
    counters.insert(QStringLiteral("sepettus"), withBasket < 1 ? QString() : QString::number(withBasket));
    const int firstCarino = accounts[0][0].toInt();
    const QString firstName = accounts[0][1].toString();
    const int secondCarino = accounts[1][0].toInt();
    const QString secondName = accounts[1][1].toString();

    // Login; the customer selection follows inside it: all accounts listed, the first one chosen.
    DialogHelper dialogs;
    dialogs.interactOnNext(e2e::typeLogin(QStringLiteral("PLASIYER"), QStringLiteral("1234")));
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tseccari *>(dialog);
        if (!w)
            return QStringLiteral("not the customer selection: %1").arg(dialog->metaObject()->className());
        if (const QString p = countersProblem(w, counters); !p.isEmpty())
            return p;
        QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("sBitBtn2")), Qt::LeftButton);
        GridView *grid = w->cxGrid1DBTableView1();
        if (grid->shownRecordCount() != accounts.size())
            return QStringLiteral("%1 accounts listed").arg(grid->shownRecordCount());
        const int record = e2e::recordWhere(grid, QStringLiteral("CARINO"), firstCarino);
        if (!e2e::clickCell(grid, record, QStringLiteral("CARIADI")))
            return QStringLiteral("the first account is not shown");
        if (labelText(w, "cariadi") != firstName)
            return QStringLiteral("details of \"%1\"").arg(labelText(w, "cariadi"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        return QString();
    });
    dialogs.pressOnNext(QStringLiteral("Kapat")); // the opening advertisement
    e2e::installProgramHooks(server);
    TForm1 form(server.host(), server.port());
    QCOMPARE(dialogs.dialogCount(), 2);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("Giriş"));
    QCOMPARE(dialogs.records()[1].title, QStringLiteral("Cari Seçimi"));
    QCOMPARE(m_ends, 0);
    QCOMPARE(form.session().MusteriTipi(), 1);
    QCOMPARE(form.session().CARINO(), firstCarino);
    SekmeleriKur(form);
    form.resize(1366, 768);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(dialogs.waitForDialogs(3, 60000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[2].className, QStringLiteral("Tacilisreklam"));
    QCOMPARE(labelText(&form, "kullanicilbl"), QStringLiteral("PLASIYER"));
    QCOMPARE(labelText(&form, "cariadilbl"), firstName);
    QVERIFY(form.customerButton()->isVisible());
    QVERIFY(form.menuItem(QStringLiteral("R1"))->isVisible());
    // The tab counters of the start-up loads, for the chosen account.
    const auto count = [&](const char *sql) {
        return server.query(QLatin1String(sql), {firstCarino}).value(0).value(0).toInt();
    };
    const QList<QPair<QString, QString>> tabCounters = {
        {QStringLiteral("ssepet"),
         SayiBasligi(count("SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"), "Sepet")},
        {QStringLiteral("syeniler"),
         SayiBasligi(count("SELECT COUNT(*) FROM STOK WHERE YENI = 1 AND ? > 0"), "Yeni Stoklar")},
        {QStringLiteral("sTabSheetduyuru"),
         SayiBasligi(count("SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 0 AND ? > 0"), "Duyurular")},
        {QStringLiteral("sTabbakiyeler"),
         QString::number(count("SELECT COUNT(*) FROM SIPARISSATIR WHERE CARINO = ? AND KALAN > 0")) +
             QStringLiteral("=Bakiyeler")},
    };
    for (const auto &[sheet, caption] : tabCounters)
        QTRY_COMPARE_WITH_TIMEOUT(form.tabCaption(form.tabSheet(sheet)), caption, 20000);

    // "Başka Cari Seç": the second account found by a typed part of its name; its summary report
    // first (date window, PDF handed to the viewer), then the choice.
    const QString searchText = secondName.section(QLatin1Char(' '), 0, 0);
    const QString pdf = RaporDosyasi(6, secondCarino);
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tseccari *>(dialog);
        if (!w)
            return QStringLiteral("not the customer selection: %1").arg(dialog->metaObject()->className());
        if (const QString p = countersProblem(w, counters); !p.isEmpty())
            return p;
        if (!w->NEdit1()->hasFocus())
            return QStringLiteral("the search box does not have the focus");
        QTest::keyClicks(w->NEdit1(), searchText);
        QTest::keyClick(w->NEdit1(), Qt::Key_Return);
        GridView *grid = w->cxGrid1DBTableView1();
        const int record = e2e::recordWhere(grid, QStringLiteral("CARINO"), secondCarino);
        if (record < 0)
            return QStringLiteral("\"%1\" did not find the account").arg(searchText);
        if (!e2e::contextMenuItem(grid, record, QStringLiteral("CARIADI"), QStringLiteral("C1")))
            return QStringLiteral("no \"Cari Özeti Göster\" on the account's menu");
        return QString();
    });
    dialogs.interactOnNext([](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Ttarihsec *>(dialog);
        if (!w)
            return QStringLiteral("not the date window: %1").arg(dialog->metaObject()->className());
        if (w->DateTimePicker2->isVisible())
            return QStringLiteral("two dates asked for the summary");
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        return QString();
    });
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tseccari *>(dialog);
        if (!w)
            return QStringLiteral("not back in the customer selection: %1")
                .arg(dialog->metaObject()->className());
        GridView *grid = w->cxGrid1DBTableView1();
        if (grid->rawValue(grid->columnByField(QStringLiteral("CARINO")), grid->focusedRecord()).toInt() !=
            secondCarino)
            return QStringLiteral("the reported account is no longer focused");
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        return QString();
    });
    QTest::mouseClick(form.customerButton(), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(6, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QStringList titles;
    for (const DialogHelper::Record &r : dialogs.records())
        titles << r.title;
    QCOMPARE(titles.mid(3), (QStringList{QStringLiteral("Tarih Seç"), QStringLiteral("Cari Seçimi"),
                                         QStringLiteral("Cari Seçimi")}));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(pdf)});
    QVERIFY(pdf.startsWith(home.documents()));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));

    // The window follows the new account: header, its basket, an empty stock list in front.
    QCOMPARE(form.session().CARINO(), secondCarino);
    QCOMPARE(labelText(&form, "cariadilbl"), secondName);
    QWidget *stokSheet = form.tabSheet(QStringLiteral("sstoklistesi"));
    QCOMPARE(form.activeTab(), stokSheet);
    QCOMPARE(form.tabCaption(stokSheet), QStringLiteral("0=Stok Listesi"));
    const int lines =
        server.query(QStringLiteral("SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"), {secondCarino})
            .value(0)
            .value(0)
            .toInt();
    QCOMPARE(form.tabCaption(form.tabSheet(QStringLiteral("ssepet"))), SayiBasligi(lines, "Sepet"));

    // "Raporlar" from the menu button: the received orders of a date range, grouped by salesperson.
    const QDate from(2020, 1, 1);
    const int received =
        server
            .query(QStringLiteral("SELECT COUNT(*) FROM SIPARIS o JOIN CARI c ON c.CARINO = o.CARINO "
                                  "WHERE c.SATICINO = ? AND o.TARIH BETWEEN ? AND ?"),
                   {saticino, from.toString(Qt::ISODate), QDate::currentDate().toString(Qt::ISODate)})
            .value(0)
            .value(0)
            .toInt();
    QVERIFY(received > 0);
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Traporform *>(dialog);
        if (!w)
            return QStringLiteral("not the reports window: %1").arg(dialog->metaObject()->className());
        // Tabbed into, the date box selects its day; typed digits fill a part and move to the next.
        w->tarih1()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w->tarih1(), from.toString(QStringLiteral("ddMMyyyy")));
        if (w->tarih1()->date() != from)
            return QStringLiteral("the first date took %1").arg(w->tarih1()->date().toString(Qt::ISODate));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        GridView *grid = w->cxGrid1DBTableView1();
        if (w->siparis().RecordCount() != received)
            return QStringLiteral("%1 orders instead of %2").arg(w->siparis().RecordCount()).arg(received);
        if (grid->groupCount() != 1 || !grid->groupCaption(0).contains(form.session().SaticiAdi()))
            return QStringLiteral("groups: %1, \"%2\"").arg(grid->groupCount()).arg(grid->groupCaption(0));
        w->close(); // the window frame's close box: the window has no button of its own
        return QString();
    });
    bool clicked = false;
    clickMenuItemWhenShown(QStringLiteral("R1"), &clicked);
    QTest::mouseClick(form.findChild<QToolButton *>(QStringLiteral("Button3")), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(7, 30000));
    QVERIFY(clicked);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[6].title, QStringLiteral("Raporlar"));

    QVERIFY(form.grab().save(QStringLiteral("/tmp/e2e_sales.png")));
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(m_ends, 0);
}

QTEST_MAIN(SalesPathTest)
#include "tst_salespath.moc"
