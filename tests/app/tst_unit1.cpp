#include "app/core/application.h"
#include "app/core/buildconfig.h"
#include "app/core/identity.h"
#include "app/core/windowstyle.h"
#include "app/pagecontrol.h"
#include "app/unit1.h"
#include "platform/system/exception.h"
#include "platform/system/processend.h"
#include "platform/system/screen.h"
#include "platform/system/shellopen.h"
#include "platform/system/sounds.h"
#include "platform/widgets/busyindicator.h"
#include "tests/support/dialoghelper.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {
// Throws from its event handler, as a handler whose server call failed would.
class Thrower : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw EDBXError(QStringLiteral("Sunucu hatası"));
        return QObject::event(e);
    }
};
} // namespace

class TForm1Test : public QObject
{
    Q_OBJECT

private:
    int m_ends = 0;
    QList<QUrl> m_opened;

    std::unique_ptr<TForm1> makeForm()
    {
        auto form = std::make_unique<TForm1>(QStringLiteral("sunucu.example"), 19090);
        form->resize(1280, 800);
        form->show();
        return form;
    }

    template<class T>
    static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("missing %s", name);
        return found;
    }

    static QStringList captions(QMenu *menu)
    {
        QStringList list;
        for (QAction *a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    }

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
        IdentitySources s;
        s.diskSerial = [] { return QStringLiteral("wd 123 abc"); };
        s.macAddresses = [] { return QStringList(); };
        s.hostName = [] { return QStringLiteral("bayi-pc"); };
        s.userName = [] { return QStringLiteral("ahmet"); };
        s.localIp = [] { return QStringLiteral("10.0.0.5"); };
        setIdentitySources(s);
    }

    void init()
    {
        m_ends = 0;
        m_opened.clear();
        TForm1::setHooks({});
    }

    void formCreate()
    {
        auto form = makeForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Ravla Fiter B2B Programı"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ravla Filter B2B"));
        QCOMPARE(messageFont().pointSize(), 15);
        const TSonucBilgisi &s = form->session();
        QCOMPARE(s.MusteriTipi(), 1);
        QCOMPARE(s.Version(), 1);
        QCOMPARE(s.BilgiSayarAdi(), QStringLiteral("BAYI-PC"));
        QCOMPARE(s.BilgisayarKullanici(), QStringLiteral("ahmet"));
        QCOMPARE(s.Icip(), QStringLiteral("10.0.0.5"));
        QCOMPARE(s.BILGISAYARID(), QStringLiteral("WD123ABC"));
        QCOMPARE(form->connection().HostName(), QStringLiteral("sunucu.example"));
        QCOMPARE(form->connection().Port(), 19090);
        QVERIFY(!form->connection().Connected());
        QCOMPARE(form->menuItem(QStringLiteral("W1"))->text(), QUrl(webBase()).host());
        QCOMPARE(form->acilisAdet(), 0);
        QVERIFY(!form->acilisGoruldu());
        QCOMPARE(m_ends, 0);
    }

    void builtInServer()
    {
        TForm1 form;
        QCOMPARE(form.connection().HostName(), serverHost());
        QCOMPARE(form.connection().Port(), serverPort());
    }

    void layout()
    {
        auto form = makeForm();
        QCOMPARE(child<QLabel>(form.get(), "RxGIFAnimator2")->height(), 0);
        QWidget *panel1 = child<QWidget>(form.get(), "Panel1");
        QCOMPARE(panel1->height(), 125);
        for (const char *name :
             {"Image1", "kullanicilbl", "cariadilbl", "saticilbl", "RxGIFAnimator1", "Button3"})
            QVERIFY2(panel1->findChild<QWidget *>(QLatin1String(name)), name);
        auto *button3 = child<QToolButton>(form.get(), "Button3");
        QCOMPARE(button3->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(button3->menu(), form->menu(QStringLiteral("Genelmenu")));

        QWidget *panel2 = child<QWidget>(form.get(), "Panel2");
        auto *speed1 = child<QToolButton>(panel2, "SpeedButton1");
        auto *speed2 = child<QToolButton>(panel2, "SpeedButton2");
        QCOMPARE(speed1->toolTip(), QStringLiteral("Temizle"));
        QCOMPARE(speed2->toolTip(), QStringLiteral("Ara"));
        auto *araedit = child<QLineEdit>(panel2, "araedit");
        QCOMPARE(araedit->width(), 340);
        QCOMPARE(araedit->font().pixelSize(), 20);
        QTRY_COMPARE(QApplication::focusWidget(), araedit);
        auto *musteritus = child<QToolButton>(panel2, "musteritus");
        QCOMPARE(musteritus->text(), QStringLiteral("Başka Cari Seç"));
        for (const char *name :
             {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifekstre", "gifoncekiler"}) {
            BusyIndicator *busy = form->busyAnimation(QLatin1String(name));
            QVERIFY2(busy && busy->parent() == panel2 && !busy->isVisible(), name);
        }
        QCOMPARE(form->busyAnimation(QStringLiteral("gifstokara"))->size(), QSize(28, 27));

        // Top to bottom.
        const int y2 = panel2->mapTo(form.get(), QPoint()).y();
        QWidget *tabs = child<QWidget>(form.get(), "sPageControl1");
        QWidget *panel5 = child<QWidget>(form.get(), "Panel5");
        QWidget *panel3 = child<QWidget>(form.get(), "Panel3");
        QVERIFY(panel1->mapTo(form.get(), QPoint()).y() < y2);
        QVERIFY(y2 < tabs->mapTo(form.get(), QPoint()).y());
        QVERIFY(tabs->mapTo(form.get(), QPoint()).y() < panel5->mapTo(form.get(), QPoint()).y());
        QVERIFY(panel5->mapTo(form.get(), QPoint()).y() < panel3->mapTo(form.get(), QPoint()).y());
        QCOMPARE(panel5->height(), 40);
        QVERIFY(panel5->findChild<QWidget *>(QStringLiteral("kayanyazi"))->isVisible());
        QVERIFY(!panel5->findChild<QWidget *>(QStringLiteral("RealTimeMarquee1"))->isVisible());
    }

    void tabs()
    {
        auto form = makeForm();
        TPageControl *pages = form->pageControl();
        const QStringList names = {"sstoklistesi", "ssepet",      "sonceki",         "sccariekstre",
                                   "syeniler",     "skampanyali", "sTabSheetduyuru", "sTabbakiyeler"};
        const QStringList texts = {"Stok Listesi", "Sepet",        "Önceki Siparişler",
                                   "Cari Ekstre",  "Yeni Stoklar", "Kampanyalı Stoklar",
                                   "Duyurular",    "Bakiyeler"};
        QCOMPARE(pages->count(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(pages->widget(i)->objectName(), names.at(i));
            QCOMPARE(pages->tabText(i), texts.at(i));
            QVERIFY(!pages->tabIcon(i).isNull());
            const QSize size = pages->tabBar()->tabRect(i).size();
            QVERIFY2(size.width() >= 120 && size.height() >= 50, qPrintable(texts.at(i)));
        }
        QWidget *yeniler = form->tabSheet(QStringLiteral("syeniler"));
        form->setTabCaption(yeniler, QStringLiteral("12=Yeni Stoklar"));
        QCOMPARE(form->tabCaption(yeniler), QStringLiteral("12=Yeni Stoklar"));
        form->activateTab(yeniler);
        QCOMPARE(form->activeTab(), yeniler);
    }

    void legend()
    {
        auto form = makeForm();
        QWidget *panel3 = child<QWidget>(form.get(), "Panel3");
        QStringList texts;
        QList<QLabel *> labels = panel3->findChildren<QLabel *>();
        std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        int icons = 0;
        for (QLabel *label : labels) {
            if (!label->text().isEmpty())
                texts << label->text();
            else if (!label->pixmap().isNull())
                ++icons;
        }
        QCOMPARE(texts,
                 QStringList({"Durum Açıklaması:    ", " Stok mevcut  ", " Telefon Açınız  ", " Yolda  ",
                              " Tedarik Sürecinde ", " Özel Sipariş  ", " Yok  ", "Kritik"}));
        QCOMPARE(icons, 7);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Genelmenu") << "Genelmenu" << QStringList{"Mail Gönder",
                                                                 "-",
                                                                 "Şifre Değiştirme İsteği",
                                                                 "-",
                                                                 QUrl(webBase()).host(),
                                                                 "-",
                                                                 "Çıkış",
                                                                 "-",
                                                                 "Raporlar"};
        QTest::newRow("popstok") << "popstok"
                                 << QStringList{"Sepete Ekle", "-", "Sipariş Bakiyeleriniz", "-",
                                                "Siparişleri Göster"};
        QTest::newRow("PopupMenu1") << "PopupMenu1"
                                    << QStringList{"Satır Değiştir", "-", "Satır Sil", "-", "Hepsini Sil"};
        QTest::newRow("poponceki") << "poponceki"
                                   << QStringList{"Siparişi İncele", "-", "Sipariş Bakiyeleriniz", "-",
                                                  "Tüm Siparişler"};
        QTest::newRow("popekstre") << "popekstre" << QStringList{"Hareket İncele"};
    }

    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        auto form = makeForm();
        QMenu *m = form->menu(menu);
        QVERIFY(m);
        QCOMPARE(captions(m), items);
    }

    void headerLabels()
    {
        auto form = makeForm();
        TSonucBilgisi &s = form->session();
        s.setADI(QStringLiteral("AHMET"));
        s.setCariAdi(QStringLiteral("YILMAZ OTO"));
        s.setSaticiAdi(QStringLiteral("Mehmet"));
        s.setSaticiTelefon(QStringLiteral("555"));
        s.setSaticiMail(QStringLiteral("m@x.com"));
        form->AnaBilgiAl();
        QCOMPARE(child<QLabel>(form.get(), "kullanicilbl")->text(), QStringLiteral("AHMET"));
        QCOMPARE(child<QLabel>(form.get(), "cariadilbl")->text(), QStringLiteral("YILMAZ OTO"));
        QCOMPARE(child<QLabel>(form.get(), "saticilbl")->text(),
                 QStringLiteral("Mehmet Telefonu: 555 email: m@x.com"));
    }

    void startupLoadsFillHeader()
    {
        // Without other start-up loads plugged in, the header labels come in the background.
        TForm1::setHooks({[](TForm1 &form) -> bool {
                              form.session().setDisip(QStringLiteral("1.2.3.4"));
                              form.session().setADI(QStringLiteral("AHMET"));
                              form.session().setCariAdi(QStringLiteral("YILMAZ OTO"));
                              return true;
                          },
                          {}});
        auto form = makeForm();
        QTRY_COMPARE(child<QLabel>(form.get(), "kullanicilbl")->text(), QStringLiteral("AHMET"));
        QCOMPARE(child<QLabel>(form.get(), "cariadilbl")->text(), QStringLiteral("YILMAZ OTO"));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<QString>("how");    // how the close is asked for
        QTest::addColumn<QString>("answer"); // caption, or "esc" / "close"
        QTest::addColumn<int>("ends");
        QTest::newRow("no keeps the window") << "close"
                                             << "Hayır" << 0;
        QTest::newRow("esc keeps the window") << "close"
                                              << "esc" << 0;
        QTest::newRow("frame close of the question keeps it") << "close"
                                                              << "frame" << 0;
        QTest::newRow("yes ends the process") << "close"
                                              << "Evet" << 1;
        QTest::newRow("Çıkış asks too") << "G1"
                                        << "Hayır" << 0;
        QTest::newRow("Çıkış and yes") << "G1"
                                       << "Evet" << 1;
    }

    void exitQuestion()
    {
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QFETCH(int, ends);
        auto form = makeForm();
        form->session().setADI(QStringLiteral("kalır"));
        DialogHelper dialogs;
        if (answer == QLatin1String("esc"))
            dialogs.escapeOnNext();
        else if (answer == QLatin1String("frame"))
            dialogs.closeOnNext();
        else
            dialogs.pressOnNext(answer);
        if (how == QLatin1String("G1"))
            form->menuItem(QStringLiteral("G1"))->trigger();
        else
            QVERIFY(!form->close());
        QCOMPARE(dialogs.dialogCount(), 1);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        const auto r = dialogs.records().first();
        QCOMPARE(r.title, QStringLiteral("Soru"));
        QCOMPARE(r.text, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
        QCOMPARE(r.buttons, QStringList({"Evet", "Hayır"}));
        QCOMPARE(r.focusButton, QStringLiteral("Evet"));
        QCOMPARE(m_ends, ends);
        // In the program a Yes never comes back; here the window and its data are still there.
        QVERIFY(form->isVisible());
        QCOMPARE(form->session().ADI(), QStringLiteral("kalır"));
    }

    void webSiteItem()
    {
        auto form = makeForm();
        auto *araedit = child<QLineEdit>(form.get(), "araedit");
        araedit->setText(QStringLiteral("OC 90"));
        form->tabSheet(QStringLiteral("ssepet"))->setFocus();
        form->menuItem(QStringLiteral("W1"))->trigger();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(webBase())});
        QCOMPARE(araedit->selectedText(), QStringLiteral("OC 90"));
        QTRY_COMPARE(QApplication::focusWidget(), araedit);
    }

    void searchBar()
    {
        auto form = makeForm();
        auto *araedit = child<QLineEdit>(form.get(), "araedit");
        QSignalSpy searches(form.get(), &TForm1::searchRequested);
        QTest::keyClicks(araedit, QStringLiteral("filtre i"));
        QCOMPARE(araedit->text(), QStringLiteral("FİLTRE İ"));
        QTest::mouseClick(child<QToolButton>(form.get(), "SpeedButton2"), Qt::LeftButton);
        QTest::keyClick(araedit, Qt::Key_Return);
        QCOMPARE(searches.count(), 2);
        QCOMPARE(searches.at(0).at(0).toString(), QStringLiteral("FİLTRE İ"));
        QTest::mouseClick(child<QToolButton>(form.get(), "SpeedButton1"), Qt::LeftButton);
        QCOMPARE(araedit->text(), QString());
    }

    void login_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("disip");
        QTest::addColumn<int>("ends");
        QTest::newRow("cancelled") << false << "1.2.3.4" << 1;
        QTest::newRow("no external address") << true << "   " << 1;
        QTest::newRow("logged in") << true << "1.2.3.4" << 0;
    }

    void login()
    {
        QFETCH(bool, ok);
        QFETCH(QString, disip);
        QFETCH(int, ends);
        int loads = 0;
        bool shownDuringLogin = true;
        TForm1::setHooks({[&](TForm1 &form) -> bool {
                              shownDuringLogin = form.isVisible();
                              form.session().setDisip(disip);
                              return ok;
                          },
                          [&](TForm1 &) { ++loads; }});
        TForm1 form(QStringLiteral("127.0.0.1"), 1);
        QVERIFY(!shownDuringLogin);
        QCOMPARE(m_ends, ends);
        QCOMPARE(loads, ends ? 0 : 1);
    }

    void userType_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("customerButton");
        QTest::addColumn<bool>("reports");
        QTest::addColumn<bool>("campaignTab");
        QTest::newRow("1 sales") << 1 << true << true << true;
        QTest::newRow("2 sales with prices") << 2 << true << true << true;
        QTest::newRow("3 dealer") << 3 << false << false << true;
        QTest::newRow("4 dealer without campaigns") << 4 << false << false << false;
    }

    void userType()
    {
        QFETCH(int, tip);
        QFETCH(bool, customerButton);
        QFETCH(bool, reports);
        QFETCH(bool, campaignTab);
        TForm1::setHooks({[tip](TForm1 &form) -> bool {
                              form.session().setDisip(QStringLiteral("1.2.3.4"));
                              form.session().setMusteriTipi(tip);
                              return true;
                          },
                          {}});
        auto form = makeForm();
        QCOMPARE(form->customerButton()->isVisible(), customerButton);
        QCOMPARE(form->menuItem(QStringLiteral("R1"))->isVisible(), reports);
        TPageControl *pages = form->pageControl();
        QCOMPARE(pages->isTabVisible(pages->indexOf(form->tabSheet(QStringLiteral("skampanyali")))),
                 campaignTab);
    }

    void uncaughtExceptionShowsErrorBox()
    {
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("OK"));
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QVERIFY(dialogs.waitForDialogs(1));
        const auto r = dialogs.records().first();
        QCOMPARE(r.className, QStringLiteral("QMessageBox"));
        QCOMPARE(r.title, QStringLiteral("Ravla Filter B2B"));
        QVERIFY2(r.text.contains(QStringLiteral("Sunucu hatası.")), qPrintable(r.text));
        // The program goes on: events are still served.
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        QTRY_VERIFY(served);
    }

    void windowStyle()
    {
        auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
        const QString before = app->styleSheet();
        QVERIFY(!ApplyWindowStyle(*app, QStringLiteral(":/styles/olmayan.qss")));
        QCOMPARE(app->styleSheet(), before); // the default look stays
        QVERIFY(ApplyWindowStyle(*app));
        QVERIFY(app->styleSheet().contains(QStringLiteral("QTabBar::tab")));
        app->setStyleSheet(before);
    }

    void exceptionText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("adds a full stop") << "Bağlantı koptu"
                                          << "Bağlantı koptu.";
        QTest::newRow("keeps one") << "Bitti."
                                   << "Bitti.";
        QTest::newRow("after !") << "Hata !"
                                 << "Hata !";
        QTest::newRow("empty") << ""
                               << "";
    }

    void exceptionText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(TApplication::exceptionText(Exception(message)), shown);
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    TForm1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_unit1.moc"
