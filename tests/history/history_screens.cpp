// Renders the statement, previous-orders and balances tabs and the three detail windows with the
// reference server's demo data: history_screens <folder>.
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "history/bakiyelersekmesi.h"
#include "history/cariekstre.h"
#include "history/oncekisiparisler.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "platform/system/screen.h"
#include "platform/widgets/busyindicator.h"
#include "server/baglantiu.h"
#include "tests/support/appserverfixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

class ScreenHost : public MainWindowHost
{
public:
    ScreenHost()
    {
        auto *layout = new QVBoxLayout(&m_window);
        m_tabs = new QTabWidget(&m_window);
        layout->addWidget(m_tabs);
        for (const char *name : {"sonceki", "sccariekstre", "sTabbakiyeler"}) {
            auto *sheet = new QWidget;
            sheet->setObjectName(QLatin1String(name));
            new QVBoxLayout(sheet);
            m_tabs->addTab(sheet, QString());
        }
        m_tabs->setTabText(0, QStringLiteral("Önceki Siparişler"));
        m_tabs->setTabText(1, QStringLiteral("Cari Ekstre"));
        m_tabs->setTabText(2, QStringLiteral("Bakiyeler"));
        busy = new BusyIndicator(&m_window);
        bagc.setHostName(QStringLiteral("127.0.0.1"));
        m_window.resize(1400, 800);
    }
    TSQLConnection &connection() override { return bagc; }
    TSonucBilgisi &session() override { return sbilgi; }
    QWidget *window() override { return &m_window; }
    void setTabCaption(QWidget *, const QString &) override {}
    QString tabCaption(QWidget *) const override { return {}; }
    void activateTab(QWidget *sheet) override { m_tabs->setCurrentWidget(sheet); }
    QWidget *activeTab() const override { return m_tabs->currentWidget(); }
    QLineEdit *searchBox() override { return nullptr; }
    void startSearch() override {}
    QWidget *sheet(const char *name) const { return m_tabs->findChild<QWidget *>(QLatin1String(name)); }

    TSQLConnection bagc;
    TSonucBilgisi sbilgi;
    BusyIndicator *busy = nullptr;

private:
    QWidget m_window;
    QTabWidget *m_tabs = nullptr;
};

bool save(QWidget *widget, const QString &path)
{
    QCoreApplication::processEvents();
    const bool ok = widget->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Grabs the next modal window at the given size, then closes it.
void grabNextModal(const QString &path, QSize size, bool *ok)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        modal->resize(size);
        QTimer::singleShot(200, modal, [=] {
            *ok = save(modal, path) && *ok;
            modal->close();
        });
    });
    timer->start();
}

bool waitFor(QSignalSpy &spy)
{
    QElapsedTimer t;
    t.start();
    while (spy.isEmpty() && t.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !spy.isEmpty();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens");
    QDir().mkpath(out);
    setScreenWidthOverride(1400);
    AppServerFixture server(600);
    if (!server.isRunning()) {
        std::printf("server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    ScreenHost host;
    host.bagc.setPort(server.port());
    host.sbilgi.setCARINO(101);
    host.sbilgi.setMusteriTipi(2);
    bool ok = true;

    OncekiSiparislerSekmesi onceki(host, host.sheet("sonceki"), host.busy);
    CariEkstreSekmesi ekstre(host, host.sheet("sccariekstre"), host.busy);
    BakiyelerSekmesi bakiyeler(host, host.sheet("sTabbakiyeler"));
    QSignalSpy oncekiLoaded(&onceki, &OncekiSiparislerSekmesi::loadFinished);
    QSignalSpy ekstreLoaded(&ekstre, &CariEkstreSekmesi::loadFinished);

    host.window()->show();
    ok = waitFor(oncekiLoaded) && ok;
    ok = save(host.window(), out + QStringLiteral("/onceki_siparisler.png")) && ok;

    grabNextModal(out + QStringLiteral("/ayrinti_siparis.png"), QSize(1300, 700), &ok);
    onceki.cxGridDBTableView2()->setFocusedRecord(2);
    onceki.S1Click();

    host.activateTab(host.sheet("sccariekstre"));
    ok = waitFor(ekstreLoaded) && ok;
    ok = save(host.window(), out + QStringLiteral("/cari_ekstre.png")) && ok;

    TClientDataSet &e = ekstre.EKSTRE();
    int fatura = -1;
    int tahsilat = -1;
    for (int r = 0; r < e.RecordCount(); ++r) {
        const QString tur = e.value(r, e.fieldIndex(QStringLiteral("TURADI"))).toString();
        const int idno = e.value(r, e.fieldIndex(QStringLiteral("IDNO"))).toInt();
        if (fatura < 0 && tur == QStringLiteral("Toptan Satış Faturası"))
            fatura = idno;
        if (tahsilat < 0 && tur == QLatin1String("Tahsilat") &&
            !server.query(QStringLiteral("SELECT 1 FROM SANALPOS WHERE IDNO = ?"), {idno}).isEmpty())
            tahsilat = idno;
    }
    grabNextModal(out + QStringLiteral("/ayrinti_fatura.png"), QSize(1300, 650), &ok);
    ekstre.FaturaGoster(fatura);
    grabNextModal(out + QStringLiteral("/ayrinti_tahsilat.png"), QSize(900, 360), &ok);
    ekstre.TahsilatGoster(tahsilat);

    host.activateTab(host.sheet("sTabbakiyeler"));
    ok = save(host.window(), out + QStringLiteral("/bakiyeler.png")) && ok;
    host.window()->hide();
    return ok ? 0 : 1;
}
