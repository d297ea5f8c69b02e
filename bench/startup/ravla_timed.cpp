// The client's start as app/main.cpp does it, pointed at a given server, with probes that report on
// stdout when things happen (CLOCK_MONOTONIC, comparable with the parent's clock):
//   @mark main, application, login-opening   entering main, the application object made, the main
//                        window built and its login step begun (where the time before the login goes)
//   @mark login-shown    the login window has been painted and the window thread is idle again
//   @mark clicked        "Giriş" pressed with BAYI / 1234 (right before the click)
//   @mark main-shown     the main window has been painted
//   @mark usable         main window painted, tabs built, every start-up load landed and its last step
//                        (the opening advertisements window, when the server has any) painted
//   @value cpu-login-ms, cpu-usable-ms   CPU time of the process at those two marks
//   @value adverts       the opening advertisements the server announced (0: no window waited for)
//   @value stall-ms      longest gap of a 1 ms window-thread heartbeat between the click and "usable"
// With --search TEXT it then searches like Enter in the search box and reports the rows shown and the
// process's peak resident memory (@value rows, hwm-kb, rss-kb, search-ms; hwm-before-search-kb).
//
//   ravla_timed HOST PORT [--search TEXT]
#include "app/core/application.h"
#include "app/core/windowstyle.h"
#include "app/login/formistekyeniu.h"
#include "app/login/girisformu.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "catalogue/stoklistesi.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "sales/caridegistir.h"

#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// CPU time of the whole process (every thread, the dynamic loader included): what the start costs
// apart from waiting for a busy machine.
double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void mark(const char *name)
{
    std::printf("@mark %s %lld\n", name, static_cast<long long>(monotonicNs()));
    std::fflush(stdout);
}

void value(const char *name, double v)
{
    std::printf("@value %s %.3f\n", name, v);
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString &why)
{
    std::printf("@error %s\n", qPrintable(why));
    std::fflush(stdout);
    std::_Exit(3);
}

// VmHWM / VmRSS of this process, in kB.
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Watches every event of the application for the first paints of the windows that matter.
class Probe : public QObject
{
public:
    Probe(TForm1 *&form, std::optional<QString> search) : m_form(form), m_search(std::move(search))
    {
        m_heartbeat.setInterval(1);
        m_heartbeat.setTimerType(Qt::PreciseTimer);
        connect(&m_heartbeat, &QTimer::timeout, this, &Probe::beat);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow())
            return false;
        const QString name = widget->objectName();
        // The zero timer fires once this paint is done and the window thread is back in its loop.
        if (name == QLatin1String("girisform") && !m_loginShown) {
            m_loginShown = true;
            QTimer::singleShot(0, this, [this, widget] { girisGoruldu(widget); });
        } else if (name == QLatin1String("Form1") && m_clicked && !m_mainShown) {
            QTimer::singleShot(0, this, [this] {
                m_mainShown = true;
                mark("main-shown");
            });
        } else if (widget->inherits("Tacilisreklam") && !m_advertShown) {
            QTimer::singleShot(0, this, [this] { m_advertShown = true; });
        } else if (widget->inherits("QDialog") && name != QLatin1String("girisform") &&
                   !widget->inherits("Tacilisreklam")) {
            // A message box on the way means the start did not go as it should.
            fail(QStringLiteral("unexpected window %1 \"%2\"")
                     .arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle()));
        }
        return false;
    }

private:
    void girisGoruldu(QWidget *giris)
    {
        mark("login-shown");
        value("cpu-login-ms", processCpuMs());
        auto *adi = giris->findChild<QLineEdit *>(QStringLiteral("adi"));
        auto *sifre = giris->findChild<QLineEdit *>(QStringLiteral("sifre"));
        auto *button = giris->findChild<QPushButton *>(QStringLiteral("Button1"));
        if (!adi || !sifre || !button)
            fail(QStringLiteral("login window without its controls"));
        adi->setText(QStringLiteral("BAYI"));
        sifre->setText(QStringLiteral("1234"));
        m_lastBeat = monotonicNs();
        m_heartbeat.start();
        m_clicked = true;
        mark("clicked");
        button->click();
    }

    void beat()
    {
        const qint64 now = monotonicNs();
        m_worstGap = std::max(m_worstGap, now - m_lastBeat);
        m_lastBeat = now;
        if (!m_mainShown || m_usablePending || !m_form)
            return;
        // The start-up loads run on the workers; the advertisements window is their last step.
        if (asyncPool()->activeThreadCount() != 0)
            return;
        if (m_form->acilisAdet() > 0 && !m_advertShown)
            return;
        m_usablePending = true;
        QTimer::singleShot(0, this, &Probe::kullanilabilir);
    }

    void kullanilabilir()
    {
        m_heartbeat.stop();
        mark("usable");
        value("cpu-usable-ms", processCpuMs());
        value("adverts", m_form->acilisAdet());
        value("stall-ms", std::max(m_worstGap, monotonicNs() - m_lastBeat) / 1e6);
        value("hwm-before-search-kb", double(statusKb("VmHWM:")));
        if (!m_search) {
            std::_Exit(0);
        }
        // The advertisements window is closed as a user would, then the search runs from the main loop.
        if (auto *advert = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            advert->reject();
        QTimer::singleShot(0, this, &Probe::ara);
    }

    void ara()
    {
        auto *stokListesi = m_form->findChild<StokListesi *>();
        if (!stokListesi)
            fail(QStringLiteral("no stock list tab"));
        connect(stokListesi, &StokListesi::aramaBitti, this, [this, stokListesi](bool ok) {
            if (!ok)
                fail(QStringLiteral("the search failed"));
            // Rows shown: the grid has painted them.
            stokListesi->cxGrid1DBTableView1()->tableView()->viewport()->repaint();
            QCoreApplication::processEvents();
            value("search-ms", (monotonicNs() - m_searchStart) / 1e6);
            value("rows", stokListesi->cxGrid1DBTableView1()->shownRecordCount());
            value("hwm-kb", double(statusKb("VmHWM:")));
            value("rss-kb", double(statusKb("VmRSS:")));
            std::_Exit(0);
        });
        m_form->activateTab(m_form->tabSheet(QStringLiteral("sstoklistesi")));
        m_form->searchBox()->setText(*m_search);
        m_searchStart = monotonicNs();
        m_form->startSearch();
    }

    TForm1 *&m_form;
    std::optional<QString> m_search;
    QTimer m_heartbeat;
    qint64 m_lastBeat = 0;
    qint64 m_worstGap = 0;
    qint64 m_searchStart = 0;
    bool m_loginShown = false;
    bool m_clicked = false;
    bool m_mainShown = false;
    bool m_advertShown = false;
    bool m_usablePending = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: ravla_timed HOST PORT [--search TEXT]\n");
        return 2;
    }
    const QString host = QString::fromLocal8Bit(argv[1]);
    const int port = QString::fromLocal8Bit(argv[2]).toInt();
    std::optional<QString> search;
    if (argc > 4 && qstrcmp(argv[3], "--search") == 0)
        search = QString::fromLocal8Bit(argv[4]);

    mark("main");
    // From here on as app/main.cpp, with the server given on the command line.
    webMotoruHazirla();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ApplyWindowStyle(app);
    mark("application");

    TForm1 *form = nullptr;
    Probe probe(form, search);
    app.installEventFilter(&probe);
    QTimer::singleShot(60000, [] { fail(QStringLiteral("no usable main window after 60 s")); });

    const QString base = QStringLiteral("http://%1:%2/").arg(host).arg(port);
    TForm1::setHooks({[host, port, base](TForm1 &f) {
                          mark("login-opening");
                          GirisOrtami ortam = GirisOrtami::varsayilan();
                          ortam.serverHost = host;
                          ortam.serverPort = port;
                          ortam.makerBase = base;
                          ortam.webBase = base;
                          ortam.musteriSecimi = GiristeCariSec;
                          Tgirisform giris(&f, f.connection(), f.session(), ortam);
                          return giris.exec() == QDialog::Accepted;
                      },
                      [&form](TForm1 &f) {
                          form = &f;
                          AcilisYukleriniBaslat(f);
                      }});
    TForm1 mainWindow(host, port);
    form = &mainWindow;
    SekmeleriKur(mainWindow);
    if (QScreen *screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}
