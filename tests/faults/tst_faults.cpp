// A bad or failing server under the real main window: every kind of call the program makes (tab
// loads on workers, calls on the window thread, streams, objects) meets a refused connection, a
// server that never answers, a dropped answer, broken JSON, wrong types, an unknown class, a
// missing column, a stream of the wrong size. The real reference server answers everything else,
// through a scripted server that spoils only the chosen method's answers.
#include "app/core/application.h"
#include "app/core/mesajdialog.h"
#include "app/core/utils.h"
#include "app/login/girisformu.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "catalogue/resimalani.h"
#include "catalogue/stokayarintiu.h"
#include "messages/mailformu.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "platform/system/sounds.h"
#include "platform/widgets/busyindicator.h"
#include "platform/widgets/rxgifanimator.h"
#include "server/proxim.h"
#include "tests/faults/badanswers.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// The read time-out of the rows whose server never answers: long enough to see the window work
// while the call waits, short enough for many rows. The other rows keep the program's own.
constexpr int kReadTimeoutMs = 3000;
const QString kComputer = QStringLiteral("FAULT-PC");
const QString kSalesComputer = QStringLiteral("FAULT-SALES-PC");
const QString kCustomerSearch = QStringLiteral("A");
const QString kSearch = QStringLiteral("YAG");
const QString kNote = QStringLiteral("Kargo ile\nacil gelsin");
const QString kMailTitle = QStringLiteral("Fiyat listesi");
const QString kMailText = QStringLiteral("Merhaba,\nyeni fiyat listesini gonderir misiniz?");

enum class Kind { Table, Object, Stream, Scalar };

struct Call
{
    const char *name;
    const char *method; // whose answers go bad
    Kind kind;
    bool background; // runs on a worker: the window must keep running meanwhile
};

const Call kCalls[] = {
    {"search", "StokAraGetir", Kind::Table, true},
    {"newItemsTab", "YenilerVer2", Kind::Table, true},
    {"campaignTab", "KampanyaliVer2", Kind::Table, true},
    {"previousOrdersTab", "OncekiSiparisler", Kind::Table, true},
    {"statementTab", "CariEkstreVer", Kind::Table, true},
    {"announcementsTab", "AcilisEkranlarVer2", Kind::Object, true},
    {"mailAccount", "MobilCariBilgisiGetir", Kind::Object, true},
    {"mailSend", "MailGonserCariNormal", Kind::Scalar, true},
    {"addToBasket", "SepetEkle2", Kind::Scalar, false},
    {"orderSend", "SiparisKaydet", Kind::Scalar, false},
    {"picture", "ResimVer5", Kind::Stream, false},
    {"orderDetail", "SiparisAytintisiDip", Kind::Object, false},
    {"receiptPdf", "SAnalPosPdfVer", Kind::Stream, false},
    {"customerPick", "CariAra", Kind::Table, false},
    {"salesCounters", "TusSonuclariVer", Kind::Object, false},
};

// The customer selection belongs to the sales staff.
bool salesCall(const QString &method)
{
    return method == QLatin1String("CariAra") || method == QLatin1String("TusSonuclariVer");
}

const Call &callNamed(const QString &name)
{
    for (const Call &c : kCalls) {
        if (name == QLatin1String(c.name))
            return c;
    }
    qFatal("no call %s", qPrintable(name));
}

QList<Fault> faultsFor(Kind kind)
{
    QList<Fault> faults = {Fault::Refused, Fault::Slow, Fault::Dropped, Fault::Malformed, Fault::WrongType};
    if (kind == Kind::Table)
        faults << Fault::MissingColumn;
    if (kind == Kind::Object)
        faults << Fault::UnknownClass;
    if (kind == Kind::Stream)
        faults << Fault::ShortStream << Fault::LongStream;
    return faults;
}

// A message as the test sees it: "class|object name|title|text".
QString describe(const DialogHelper::Record &r)
{
    return r.className + u'|' + r.objectName + u'|' + r.title + u'|' + r.text;
}

// Patterns of the messages a call's failure must show, in order. The message dialog shows a CR LF
// as one line break.
QString mesaj(const QString &title, const QString &text)
{
    return QStringLiteral("TMesajDialog\\|MesajDialog\\|") + QRegularExpression::escape(title) +
           QStringLiteral("\\|") +
           QRegularExpression::escape(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
// The application's default error display: the error's own text.
QString defaultErrorDisplay(const QString &text = QStringLiteral(".+"))
{
    return QStringLiteral("QMessageBox\\|ExceptionBox\\|[^|]*\\|") + text;
}
// What a plain open says when nobody listens.
const QString kRefusedText = QStringLiteral("127\\.0\\.0\\.1:\\d+: Sunucuya bağlanılamadı");
// The picture loader's box: the error's class name, ": " and its message.
QString pictureErrorBox()
{
    return QStringLiteral("QMessageBox\\|resimhatasi\\|[^|]*\\|[A-Z][A-Za-z]+: .+");
}

QStringList expectedMessages(const Call &call, Fault fault)
{
    const QString method = QLatin1String(call.method);
    if (method == QLatin1String("MobilCariBilgisiGetir") || method == QLatin1String("MailGonserCariNormal"))
        return {
            mesaj(QStringLiteral("Hata"), QStringLiteral("Mail Göndermede Hata\r\nLütfen Tekrar Deneyin !"))};
    if (method == QLatin1String("SepetEkle2"))
        return {fault == Fault::Refused ? mesaj(QStringLiteral("Hata"), BaglantiHatasi)
                                        : defaultErrorDisplay()};
    if (method == QLatin1String("SiparisKaydet")) {
        if (fault == Fault::Refused)
            return {mesaj(QStringLiteral("Hata"), BaglantiHatasi),
                    mesaj(QStringLiteral("Hata"), QStringLiteral("Sipariş Göndermede Hata"))};
        return {defaultErrorDisplay()};
    }
    if (method == QLatin1String("SiparisAytintisiDip")) {
        // Both detail fetches report their own connection failure; the window opens regardless.
        if (fault == Fault::Refused)
            return {mesaj(QStringLiteral("Hata"), BaglantiHatasi),
                    mesaj(QStringLiteral("Hata"), BaglantiHatasi)};
        return {defaultErrorDisplay()};
    }
    if (method == QLatin1String("SAnalPosPdfVer")) {
        // Only the connection's own text; a failed download is silent and leaves no file.
        if (fault == Fault::Refused)
            return {QStringLiteral("TMesajDialog\\|MesajDialog\\|Hata\\|") + kRefusedText};
        return {};
    }
    if (method == QLatin1String("CariAra") && fault == Fault::Refused) {
        // Leaving the window reloads the basket, which cannot connect either.
        return {defaultErrorDisplay(kRefusedText + QStringLiteral("\\.")),
                mesaj(QStringLiteral("Hata"), BaglantiHatasi)};
    }
    if (salesCall(method))
        return {defaultErrorDisplay(fault == Fault::Refused ? kRefusedText + QStringLiteral("\\.")
                                                            : QStringLiteral(".+"))};
    if (method == QLatin1String("ResimVer5")) {
        if (fault == Fault::ShortStream || fault == Fault::LongStream)
            return {}; // dropped without a word; the logo stays
        return {fault == Fault::Refused ? mesaj(QStringLiteral("Hata"), BaglantiHatasi) : pictureErrorBox()};
    }
    // Tab loads and the search: their continuation shows the connection message once.
    return {mesaj(QStringLiteral("Hata"), BaglantiHatasi)};
}

// Presses the one button a message has; a message with more buttons fails the record.
std::function<QString(QWidget *)> acknowledge()
{
    return [](QWidget *dialog) -> QString {
        QList<QAbstractButton *> shown;
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
            if (b->isVisible())
                shown << b;
        }
        if (shown.size() != 1)
            return QStringLiteral("%1 buttons on a message").arg(shown.size());
        QTest::mouseClick(shown.first(), Qt::LeftButton);
        return QString();
    };
}

// What the basket tab shows: its lines (number, quantity, tick), the grand total and the caption.
struct BasketView
{
    QStringList lines;
    QString total;
    QString caption;
    bool operator==(const BasketView &) const = default;
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class FaultsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppServerFixture> m_server;
    TSonucBilgisi m_bilgi;  // the dealer of account 101
    TSonucBilgisi m_satici; // a salesperson acting for account 101
    TSonucBilgisi m_oturum; // the session the next window logs in with

    QList<QVariantList> serverBasket() const
    {
        return m_server->query(QStringLiteral(
            "SELECT SIRANO, SEC, MIKTAR, STOKNO FROM SEPET WHERE CARINO = 101 ORDER BY SIRANO"));
    }

    // Two lines in account 101's basket, the first one ticked, put there through the real server.
    bool seedBasket()
    {
        m_server->query(QStringLiteral("DELETE FROM SEPET WHERE CARINO = 101"));
        const QList<QVariantList> stocks = m_server->query(QStringLiteral(
            "SELECT STOKNO, BARKOD, ADI, KDV, LISTEFIYAT FROM STOK ORDER BY STOKNO DESC LIMIT 2"));
        TSQLConnection direct;
        direct.setHostName(m_server->host());
        direct.setPort(m_server->port());
        direct.Open();
        {
            TServerMethods1Client p(direct);
            for (const QVariantList &s : stocks) {
                if (p.SepetEkle2(m_bilgi, 101, s[0].toInt(), s[1].toString(), s[2].toString(), 2,
                                 s[3].toDouble(), s[4].toDouble(), 0, m_bilgi.Sirano(), 0, 0, 0, 0) != 1)
                    return false;
            }
        }
        direct.Close();
        m_server->query(QStringLiteral("UPDATE SEPET SET SEC = 1 WHERE SIRANO = (SELECT MIN(SIRANO) FROM "
                                       "SEPET WHERE CARINO = 101)"));
        return serverBasket().size() == 2;
    }

    static BasketView basketView(TForm1 &form)
    {
        QWidget *ssepet = form.tabSheet(QStringLiteral("ssepet"));
        auto *grid = ssepet->findChild<GridView *>(QStringLiteral("cxGrid2"));
        BasketView view;
        TClientDataSet *data = grid->dataSet();
        for (int record = 0; data && data->Active() && record < data->RecordCount(); ++record) {
            QStringList values;
            for (const char *field : {"SIRANO", "MIKTAR", "SEC"})
                values << data->value(record, data->fieldIndex(QLatin1String(field))).toString();
            view.lines << values.join(u'/');
        }
        view.total = ssepet->findChild<QLabel *>(QStringLiteral("geneltoplaml"))->text();
        view.caption = form.tabCaption(ssepet);
        return view;
    }

    // Focuses the first row of the stock list whose item is not in the basket yet; its cell centre.
    static QPoint stockNotInBasket(TForm1 &form, const QList<QVariantList> &basket)
    {
        auto *grid =
            form.tabSheet(QStringLiteral("sstoklistesi"))->findChild<GridView *>(QStringLiteral("cxGrid1"));
        QTableView *view = grid->tableView();
        TClientDataSet *data = grid->dataSet();
        const int column = grid->indexOf(grid->visibleColumns().at(1));
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, column);
            view->setCurrentIndex(index);
            const int stokno =
                data->value(grid->focusedRecord(), data->fieldIndex(QStringLiteral("STOK_STOKNO"))).toInt();
            bool inBasket = false;
            for (const QVariantList &line : basket)
                inBasket = inBasket || line[3].toInt() == stokno;
            if (!inBasket) {
                view->scrollTo(index);
                return view->visualRect(index).center();
            }
        }
        return {-1, -1};
    }

    // Focuses the first row of the grid whose record passes; its cell centre, or (-1, -1).
    static QPoint rowWhere(GridView *grid, const std::function<bool(TClientDataSet *, int)> &passes)
    {
        QTableView *view = grid->tableView();
        TClientDataSet *data = grid->dataSet();
        const int column = grid->indexOf(grid->visibleColumns().at(0));
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, column);
            view->setCurrentIndex(index);
            if (grid->focusedRecord() >= 0 && passes(data, grid->focusedRecord())) {
                view->scrollTo(index);
                return view->visualRect(index).center();
            }
        }
        return {-1, -1};
    }

    // Waits until the call has reached the server and is pending, then sees the window's own timer
    // fire while it stays pending.
    static bool windowRunsWhilePending(ScriptedServer &proxy, const std::string &path,
                                       const std::function<bool()> &pending, const int &ticks)
    {
        QElapsedTimer clock;
        clock.start();
        while (proxy.requestsTo(path).empty() && clock.elapsed() < 10000)
            QTest::qWait(5);
        if (proxy.requestsTo(path).empty() || !pending())
            return false;
        const int start = ticks;
        while (ticks < start + 3 && pending() && clock.elapsed() < 20000)
            QTest::qWait(5);
        return ticks >= start + 3 && pending();
    }

    // Puts `proxy` in front of the reference server, spoiling `path`'s answers with `fault` (a refused
    // server has nothing to spoil: the test stops it listening). The count says how many it reached.
    std::shared_ptr<std::atomic<int>> spoil(ScriptedServer &proxy, const std::string &path, Fault fault)
    {
        proxy.forwardTo(m_server->host().toStdString(), m_server->port());
        auto injected = std::make_shared<std::atomic<int>>(0);
        if (fault != Fault::Refused) {
            proxy.corrupt(path, [fault, injected](ScriptedServer::Answer &answer) {
                if (injectFault(fault, answer))
                    ++*injected;
            });
        }
        return injected;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([](SystemSound) {});
        setProcessEndHandler([] { QFAIL("the process would end"); });
        // BaglantiAc's waits between attempts are not what these tests are about.
        setRetryWait([](int) {});
        m_server = std::make_unique<AppServerFixture>(3000);
        QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
        QVERIFY(m_server->registerComputer(kComputer, QStringLiteral("BAYI")));
        QVERIFY(m_server->registerComputer(kSalesComputer, QStringLiteral("PLASIYER")));
        TSQLConnection direct;
        direct.setHostName(m_server->host());
        direct.setPort(m_server->port());
        direct.Open();
        {
            TServerMethods1Client p(direct);
            const std::optional<TSonucBilgisi> bilgi = p.BuyukGetir(kComputer);
            const std::optional<TSonucBilgisi> satici = p.BuyukGetir(kSalesComputer);
            QVERIFY(bilgi && satici);
            m_bilgi = *bilgi;
            m_satici = *satici;
            m_satici.setCARINO(m_bilgi.CARINO());
            m_satici.setCariAdi(m_bilgi.CariAdi());
        }
        direct.Close();
        QCOMPARE(m_bilgi.CARINO(), 101);
        TForm1::setHooks({[this](TForm1 &form) -> bool {
                              form.session() = m_oturum;
                              form.session().setDisip(QStringLiteral("127.0.0.1"));
                              return true;
                          },
                          {}});
    }

    // The session record itself: the login's BuyukGetir goes bad.
    void loginBadServer_data()
    {
        QTest::addColumn<Fault>("fault");
        for (Fault f : faultsFor(Kind::Object))
            QTest::addRow("%s", qPrintable(faultName(f))) << f;
    }

    void loginBadServer()
    {
        QFETCH(Fault, fault);
        const bool refused = fault == Fault::Refused;
        const std::string path = ScriptedServer::methodPath("BuyukGetir");
        TempFolders folders;
        ScriptedServer proxy;
        const auto injected = spoil(proxy, path, fault);
        TSQLConnection bagc;
        if (fault == Fault::Slow)
            bagc.setReadTimeout(kReadTimeoutMs);
        TSonucBilgisi bilgi;
        QStringList elsewhere; // windows the login must not reach
        GirisOrtami ortam;
        ortam.serverHost = QStringLiteral("127.0.0.1");
        ortam.serverPort = proxy.port();
        // The address lookup asks the real server, so only the login call meets the fault.
        ortam.makerBase = QStringLiteral("http://127.0.0.1:%1/").arg(m_server->port());
        ortam.webBase = QStringLiteral("http://www.ravla.test/");
        ortam.ipTries = 2;
        ortam.guncelle = [&elsewhere](QWidget *, int, TSQLConnection &) {
            elsewhere << QStringLiteral("update");
        };
        ortam.istekFormu = [&elsewhere](QWidget *, const QString &, const QString &) {
            elsewhere << QStringLiteral("request form");
        };
        ortam.musteriSecimi = [&elsewhere](QWidget *, TSQLConnection &, TSonucBilgisi &) {
            elsewhere << QStringLiteral("customer selection");
            return true;
        };
        Tgirisform form(nullptr, bagc, bilgi, ortam);
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        // Without the fault this computer would log in.
        QVERIFY(m_server->registerComputer(form.idsi, QStringLiteral("BAYI")));
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start();
        DialogHelper dialogs;
        QStringList expected;
        if (!refused)
            expected << QStringLiteral("TMesajDialog\\|MesajDialog\\|Hata\\|.+");
        expected << mesaj(QStringLiteral("Hata"), QStringLiteral("Bağlantı Kurulamadı !"));
        for (int i = 0; i < expected.size(); ++i)
            dialogs.interactOnNext(acknowledge());

        auto *adi = form.findChild<QLineEdit *>(QStringLiteral("adi"));
        auto *sifre = form.findChild<QLineEdit *>(QStringLiteral("sifre"));
        auto *giris = form.findChild<QPushButton *>(QStringLiteral("Button1"));
        adi->setFocus();
        QTest::keyClicks(adi, QStringLiteral("BAYI"));
        QTest::keyClick(adi, Qt::Key_Return);
        QTest::keyClicks(sifre, QStringLiteral("1234"));
        if (refused)
            proxy.stopListening();
        QTest::keyClick(sifre, Qt::Key_Return);
        if (fault == Fault::Slow) {
            QVERIFY2(windowRunsWhilePending(
                         proxy, path, [giris] { return !giris->isEnabled(); }, ticks),
                     "the login window did not run while the call was pending");
        }
        QVERIFY(dialogs.waitForDialogs(int(expected.size()), 20000));
        QVERIFY(!dialogs.waitForDialogs(int(expected.size()) + 1, 300));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        if (refused)
            QVERIFY(proxy.requestsTo(path).empty());
        else
            QVERIFY2(injected->load() > 0, "the answer had nothing this fault could spoil");
        for (int i = 0; i < expected.size(); ++i) {
            const QString shown = describe(dialogs.records().at(i));
            const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected[i]),
                                             QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(pattern.match(shown).hasMatch(),
                     qPrintable(shown + QStringLiteral("  !~  ") + expected[i]));
        }

        // Ready for another try, with what was typed.
        QTRY_VERIFY(giris->isEnabled());
        QCOMPARE(adi->text(), QStringLiteral("BAYI"));
        QCOMPARE(sifre->text(), QStringLiteral("1234"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY2(elsewhere.isEmpty(), qPrintable(elsewhere.join(u',')));
        QVERIFY(!QFile::exists(folders.configHome() + QStringLiteral("/ravla/ayar.ini")));
    }

    // The start-up loads on their worker: the header banner's stream goes bad. Its errors are
    // dropped without a word; the loads after it still run.
    void startupBannerBadServer_data()
    {
        QTest::addColumn<Fault>("fault");
        for (Fault f : faultsFor(Kind::Stream))
            QTest::addRow("%s", qPrintable(faultName(f))) << f;
    }

    void startupBannerBadServer()
    {
        QFETCH(Fault, fault);
        const bool refused = fault == Fault::Refused;
        const std::string path = ScriptedServer::methodPath("BannerResimVer");
        ScriptedServer proxy;
        const auto injected = spoil(proxy, path, fault);
        if (refused) {
            // Nobody at all at start-up: every loader reports its own connection failure.
            proxy.stopListening();
        }
        m_oturum = m_bilgi;
        // The loads clone the connection as the window is made: the time-out is set before that.
        const TForm1::Hooks old = TForm1::setHooks({[this, fault](TForm1 &form) -> bool {
                                                        if (fault == Fault::Slow)
                                                            form.connection().setReadTimeout(kReadTimeoutMs);
                                                        form.session() = m_oturum;
                                                        form.session().setDisip(QStringLiteral("127.0.0.1"));
                                                        return true;
                                                    },
                                                    [](TForm1 &form) {
                                                        // The opening advertisements are not this test's.
                                                        form.setAcilisGoruldu(true);
                                                        AcilisYukleriniBaslat(form);
                                                    }});
        const auto restoreHooks = qScopeGuard([&old] { TForm1::setHooks(old); });

        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start();
        DialogHelper dialogs;
        // Marquee, three banners, the advertisement count and the balloons.
        const int expected = refused ? 6 : 0;
        for (int i = 0; i < expected; ++i)
            dialogs.interactOnNext(acknowledge());

        TForm1 form(QStringLiteral("127.0.0.1"), proxy.port());
        SekmeleriKur(form);
        form.resize(1366, 768);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget *bakiyeler = form.tabSheet(QStringLiteral("sTabbakiyeler"));
        const auto balloonsCame = [&form, bakiyeler] {
            return form.tabCaption(bakiyeler).endsWith(QStringLiteral("=Bakiyeler"));
        };
        if (fault == Fault::Slow) {
            QVERIFY2(windowRunsWhilePending(
                         proxy, path, [&balloonsCame] { return !balloonsCame(); }, ticks),
                     "the window did not run while the banner was pending");
        }
        if (refused) {
            QVERIFY(dialogs.waitForDialogs(expected, 20000));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(balloonsCame(), 20000);
            QVERIFY2(injected->load() > 0, "the answer had nothing this fault could spoil");
        }
        QVERIFY(!dialogs.waitForDialogs(expected + 1, 300));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        for (const DialogHelper::Record &r : dialogs.records())
            QCOMPARE(describe(r), QStringLiteral("TMesajDialog|MesajDialog|Hata|") + BaglantiHatasi);
        auto *banner = qobject_cast<TRxGIFAnimator *>(form.headerBanner());
        QVERIFY(banner);
        QVERIFY2(!banner->hasPicture(), "a spoilt banner was shown");
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        QTRY_VERIFY(fired);
    }

    void cleanupTestCase()
    {
        TForm1::setHooks({});
        setRetryWait({});
        m_server.reset();
    }

    void badServer_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<Fault>("fault");
        for (const Call &c : kCalls) {
            for (Fault f : faultsFor(c.kind))
                QTest::addRow("%s/%s", c.name, qPrintable(faultName(f))) << QString::fromLatin1(c.name) << f;
        }
    }

    void badServer()
    {
        QFETCH(QString, call);
        QFETCH(Fault, fault);
        const Call &c = callNamed(call);
        const std::string path = ScriptedServer::methodPath(c.method);
        const bool refused = fault == Fault::Refused;

        QVERIFY(seedBasket());
        const QList<QVariantList> serverBefore = serverBasket();
        TempFolders folders;
        QStringList opened;
        const ShellOpenHandler oldShellOpen = setShellOpenHandler([&opened](const QUrl &target) {
            opened << target.toString();
            return true;
        });
        const auto restoreShellOpen = qScopeGuard([&] { setShellOpenHandler(oldShellOpen); });
        m_oturum = salesCall(QLatin1String(c.method)) ? m_satici : m_bilgi;
        ScriptedServer proxy;
        const auto injected = spoil(proxy, path, fault);

        TForm1 form(QStringLiteral("127.0.0.1"), proxy.port());
        if (fault == Fault::Slow)
            form.connection().setReadTimeout(kReadTimeoutMs);
        SekmeleriKur(form);
        form.resize(1366, 768);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // What the user typed before the call goes wrong: the order note and a search text.
        QWidget *ssepet = form.tabSheet(QStringLiteral("ssepet"));
        form.activateTab(ssepet);
        auto *sepetGrid = ssepet->findChild<GridView *>(QStringLiteral("cxGrid2"));
        QTRY_COMPARE(sepetGrid->shownRecordCount(), 2);
        auto *note = ssepet->findChild<QPlainTextEdit *>(QStringLiteral("aciklamagir"));
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("Kargo ile"));
        QTest::keyClick(note, Qt::Key_Return);
        QTest::keyClicks(note, QStringLiteral("acil gelsin"));
        const BasketView basketBefore = basketView(form);
        QLineEdit *araedit = form.searchBox();
        araedit->setFocus();
        QTest::keyClicks(araedit, kSearch);

        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start();

        DialogHelper dialogs;
        const QStringList expected = expectedMessages(c, fault);
        const QString method = QLatin1String(c.method);
        int flowDialogs = 0;
        bool pendingSeen = false;
        std::function<bool()> pending;
        std::function<bool()> usableAgain;

        if (method == QLatin1String("StokAraGetir")) {
            pending = [araedit] { return !araedit->isEnabled(); };
            usableAgain = [araedit] { return araedit->isEnabled(); };
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            if (refused)
                proxy.stopListening();
            QTest::keyClick(araedit, Qt::Key_Return);
        } else if (c.background && method != QLatin1String("MobilCariBilgisiGetir") &&
                   method != QLatin1String("MailGonserCariNormal")) {
            const QHash<QString, QPair<QString, QString>> tabs = {
                {QStringLiteral("YenilerVer2"), {QStringLiteral("syeniler"), QStringLiteral("gifyeniler")}},
                {QStringLiteral("KampanyaliVer2"),
                 {QStringLiteral("skampanyali"), QStringLiteral("gifkampanyali")}},
                {QStringLiteral("OncekiSiparisler"),
                 {QStringLiteral("sonceki"), QStringLiteral("gifoncekiler")}},
                {QStringLiteral("AcilisEkranlarVer2"),
                 {QStringLiteral("sTabSheetduyuru"), QStringLiteral("gifduyuru")}},
                {QStringLiteral("CariEkstreVer"),
                 {QStringLiteral("sccariekstre"), QStringLiteral("gifekstre")}},
            };
            QWidget *sheet = form.tabSheet(tabs.value(method).first);
            BusyIndicator *busy = form.busyAnimation(tabs.value(method).second);
            QVERIFY(sheet && busy);
            pending = [busy] { return busy->isAnimating(); };
            usableAgain = [sheet, busy] {
                auto *grid = sheet->findChild<GridView *>();
                return grid && grid->isEnabled() && !busy->isAnimating();
            };
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            if (refused)
                proxy.stopListening();
            form.activateTab(sheet);
        } else if (c.background) {
            // The mail window: typed, sent, the failure acknowledged, then the window is looked at.
            flowDialogs = 2;
            QString titleAfter, textAfter;
            bool sendUsable = false;
            dialogs.interactOnNext([&](QWidget *dialog) -> QString {
                auto *mail = qobject_cast<Tmailform *>(dialog);
                if (!mail)
                    return QStringLiteral("not the mail window");
                auto *baslik = mail->findChild<QLineEdit *>(QStringLiteral("baslik"));
                auto *konu = mail->findChild<QPlainTextEdit *>(QStringLiteral("konu"));
                auto *gonder = mail->findChild<QPushButton *>(QStringLiteral("Button2"));
                baslik->setFocus();
                QTest::keyClicks(baslik, kMailTitle);
                konu->setFocus();
                const QStringList lines = kMailText.split(u'\n');
                for (int i = 0; i < lines.size(); ++i) {
                    if (i > 0)
                        QTest::keyClick(konu, Qt::Key_Return);
                    QTest::keyClicks(konu, lines[i]);
                }
                if (refused)
                    proxy.stopListening();
                QTest::mouseClick(gonder, Qt::LeftButton);
                if (fault == Fault::Slow)
                    pendingSeen = windowRunsWhilePending(
                        proxy, path, [gonder] { return !gonder->isEnabled(); }, ticks);
                return QString();
            });
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            dialogs.interactOnNext([&](QWidget *dialog) -> QString {
                titleAfter = dialog->findChild<QLineEdit *>(QStringLiteral("baslik"))->text();
                textAfter = dialog->findChild<QPlainTextEdit *>(QStringLiteral("konu"))->toPlainText();
                auto *gonder = dialog->findChild<QPushButton *>(QStringLiteral("Button2"));
                sendUsable = gonder->isEnabled();
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Button1")),
                                  Qt::LeftButton);
                return QString();
            });
            form.menuItem(QStringLiteral("M1"))->trigger();
            QCOMPARE(titleAfter, kMailTitle);
            QCOMPARE(textAfter, kMailText);
            QVERIFY(sendUsable);
            // The window was looked at before it closed (sendUsable above).
            usableAgain = [] { return true; };
        } else if (method == QLatin1String("SiparisKaydet")) {
            flowDialogs = 1;
            auto *gonder = ssepet->findChild<QPushButton *>(QStringLiteral("Button1"));
            usableAgain = [gonder] { return gonder->isEnabled(); };
            dialogs.interactOnNext([&](QWidget *dialog) -> QString {
                if (dialog->windowTitle() != QStringLiteral("Sipariş Onay"))
                    return QStringLiteral("not the order confirmation");
                if (refused)
                    proxy.stopListening();
                for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
                    if (b->text().remove(u'&') == QStringLiteral("Evet")) {
                        QTest::mouseClick(b, Qt::LeftButton);
                        return QString();
                    }
                }
                return QStringLiteral("no \"Evet\"");
            });
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            QTest::mouseClick(gonder, Qt::LeftButton);
        } else if (method == QLatin1String("SiparisAytintisiDip")) {
            // An order of the previous orders, opened with a double click.
            QWidget *sheet = form.tabSheet(QStringLiteral("sonceki"));
            BusyIndicator *busy = form.busyAnimation(QStringLiteral("gifoncekiler"));
            auto *grid = sheet->findChild<GridView *>();
            form.activateTab(sheet);
            QTRY_VERIFY_WITH_TIMEOUT(!busy->isAnimating() && grid->shownRecordCount() > 0, 20000);
            const QPoint cell = rowWhere(grid, [](TClientDataSet *, int) { return true; });
            usableAgain = [grid] { return grid->isEnabled(); };
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            if (refused) {
                flowDialogs = 1;
                dialogs.interactOnNext([](QWidget *dialog) -> QString {
                    if (QLatin1String(dialog->metaObject()->className()) != QLatin1String("Tayrinti_siparis"))
                        return QStringLiteral("not the order detail window");
                    dialog->close();
                    return QString();
                });
                proxy.stopListening();
            }
            QTest::mouseDClick(grid->tableView()->viewport(), Qt::LeftButton, {}, cell);
        } else if (method == QLatin1String("SAnalPosPdfVer")) {
            // A collection of the statement with a receipt: its window, then "PDF Al".
            QWidget *sheet = form.tabSheet(QStringLiteral("sccariekstre"));
            BusyIndicator *busy = form.busyAnimation(QStringLiteral("gifekstre"));
            auto *grid = sheet->findChild<GridView *>();
            form.activateTab(sheet);
            QTRY_VERIFY_WITH_TIMEOUT(!busy->isAnimating() && grid->shownRecordCount() > 0, 20000);
            const QPoint cell = rowWhere(grid, [this](TClientDataSet *data, int record) {
                const int idno = data->value(record, data->fieldIndex(QStringLiteral("IDNO"))).toInt();
                return data->value(record, data->fieldIndex(QStringLiteral("TURADI"))).toString() ==
                           QLatin1String("Tahsilat") &&
                       !m_server->query(QStringLiteral("SELECT 1 FROM SANALPOS WHERE IDNO = ?"), {idno})
                            .isEmpty();
            });
            QVERIFY(cell.x() >= 0);
            usableAgain = [grid] { return grid->isEnabled(); };
            flowDialogs = 1;
            dialogs.interactOnNext([&](QWidget *dialog) -> QString {
                auto *belgeyaz = dialog->findChild<QPushButton *>(QStringLiteral("belgeyaz"));
                if (!belgeyaz || !belgeyaz->isVisible())
                    return QStringLiteral("no \"PDF Al\" on the collection window");
                if (refused)
                    proxy.stopListening();
                QTest::mouseClick(belgeyaz, Qt::LeftButton);
                // The failure's messages come and go while this window waits.
                QElapsedTimer clock;
                clock.start();
                while (dialogs.dialogCount() < int(expected.size()) && clock.elapsed() < 20000)
                    QTest::qWait(10);
                dialog->close();
                return QString();
            });
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            QTest::mouseDClick(grid->tableView()->viewport(), Qt::LeftButton, {}, cell);
        } else if (salesCall(method)) {
            // "Başka Cari Seç": the counters load as the window opens, the list on a search.
            QToolButton *musteritus = form.customerButton();
            QVERIFY(musteritus && musteritus->isVisible());
            usableAgain = [musteritus] { return musteritus->isEnabled(); };
            QString searchAfter;
            bool windowCame = false;
            if (method == QLatin1String("CariAra")) {
                flowDialogs = 1;
                dialogs.interactOnNext([&](QWidget *dialog) -> QString {
                    windowCame = true;
                    auto *arama = dialog->findChild<QLineEdit *>(QStringLiteral("NEdit1"));
                    arama->setFocus();
                    QTest::keyClicks(arama, kCustomerSearch);
                    if (refused)
                        proxy.stopListening();
                    QTest::keyClick(arama, Qt::Key_Return);
                    // The search's own error; what follows the window's closing comes later.
                    QElapsedTimer clock;
                    clock.start();
                    while (dialogs.dialogCount() < 1 && clock.elapsed() < 20000)
                        QTest::qWait(10);
                    searchAfter = arama->text();
                    // The frame's close box: "Vazgeç" would end the program.
                    dialog->close();
                    return QString();
                });
            } else if (refused) {
                proxy.stopListening();
            }
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            QTest::mouseClick(musteritus, Qt::LeftButton);
            if (method == QLatin1String("CariAra")) {
                QVERIFY(windowCame);
                QCOMPARE(searchAfter, kCustomerSearch);
            }
        } else {
            // A stock of the search result that the basket does not hold: its detail window.
            QTest::keyClick(araedit, Qt::Key_Return);
            auto *stokGrid = form.tabSheet(QStringLiteral("sstoklistesi"))
                                 ->findChild<GridView *>(QStringLiteral("cxGrid1"));
            QTRY_VERIFY_WITH_TIMEOUT(stokGrid->shownRecordCount() > 0 && araedit->isEnabled(), 20000);
            const QPoint cell = stockNotInBasket(form, serverBefore);
            QVERIFY(cell.x() >= 0);
            usableAgain = [araedit] { return araedit->isEnabled(); };
            flowDialogs = 1;
            const bool picture = method == QLatin1String("ResimVer5");
            bool showedLogo = false;
            const auto detail = [&](QWidget *dialog) -> QString {
                auto *w = qobject_cast<Tstokayarinti *>(dialog);
                if (!w)
                    return QStringLiteral("not the stock detail window");
                showedLogo = w->Image1->showsDefault();
                if (picture) {
                    QTest::mouseClick(w->ParcaliTus2, Qt::LeftButton);
                    return QString();
                }
                if (refused)
                    proxy.stopListening();
                w->adet->setValue(3);
                QTest::mouseClick(w->ParcaliTus1, Qt::LeftButton);
                return QString();
            };
            // The picture's message comes before its window, the basket's after it.
            if (!picture)
                dialogs.interactOnNext(detail);
            for (int i = 0; i < expected.size(); ++i)
                dialogs.interactOnNext(acknowledge());
            if (picture) {
                dialogs.interactOnNext(detail);
                if (refused)
                    proxy.stopListening();
            }
            QTableView *view = stokGrid->tableView();
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
            QVERIFY(dialogs.waitForDialogs(flowDialogs + int(expected.size()), 20000));
            if (picture)
                QVERIFY2(showedLogo, "the detail window shows another picture than the logo");
        }

        if (c.background && fault == Fault::Slow && pending)
            pendingSeen = windowRunsWhilePending(proxy, path, pending, ticks);
        const auto allShown = [&dialogs] {
            QStringList all;
            for (const DialogHelper::Record &r : dialogs.records())
                all << describe(r);
            return all.join(QStringLiteral(" ;; "));
        };
        QVERIFY2(dialogs.waitForDialogs(flowDialogs + int(expected.size()), 20000), qPrintable(allShown()));
        // Nothing more comes (a second message for the same failure would be a fault too).
        QVERIFY2(!dialogs.waitForDialogs(flowDialogs + int(expected.size()) + 1, 300),
                 qPrintable(allShown()));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));

        // The fault really happened, and to the call under test.
        if (refused)
            QVERIFY(proxy.requestsTo(path).empty());
        else
            QVERIFY2(injected->load() > 0, "the answer had nothing this fault could spoil");

        QStringList shown;
        for (const DialogHelper::Record &r : dialogs.records()) {
            if (r.className == QLatin1String("TMesajDialog") || r.className == QLatin1String("QMessageBox")) {
                shown << describe(r);
                if (r.className == QLatin1String("TMesajDialog"))
                    QCOMPARE(r.buttons, QStringList{TMesajDialog::buttonCaption(mbOK)});
            }
        }
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected[i]),
                                             QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(pattern.match(shown[i]).hasMatch(),
                     qPrintable(QString(shown[i]).replace(u'\r', QStringLiteral("\\r")) +
                                QStringLiteral("  !~  ") + expected[i]));
        }

        // The window goes on: a waiting call let its timers run, and it is usable again.
        if (c.background && fault == Fault::Slow)
            QVERIFY2(pendingSeen, "the window did not run while the call was pending");
        QTRY_VERIFY(usableAgain());
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        QTRY_VERIFY(fired);

        // A failed download leaves no receipt behind and opens nothing.
        if (method == QLatin1String("SAnalPosPdfVer")) {
            QVERIFY2(opened.isEmpty(), qPrintable(opened.join(u' ')));
            QVERIFY(QDir(folders.documents()).entryList(QDir::Files).isEmpty());
        }

        // Nothing the user typed or had is lost.
        QCOMPARE(araedit->text(), kSearch);
        QCOMPARE(note->toPlainText(), kNote);
        QCOMPARE(basketView(form), basketBefore);
        // Only a call that reached the server may have changed the server's basket.
        const bool reachedBasket =
            !refused && (method == QLatin1String("SepetEkle2") || method == QLatin1String("SiparisKaydet"));
        if (!reachedBasket)
            QCOMPARE(serverBasket(), serverBefore);
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
