#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>

class MainWindowHost;
class QLabel;
class QWidget;
class TSQLConnection;
class TRealTimeMarquee;
class TRxGIFAnimator;

// The window parts the start-up loads fill.
struct AcilisHedefleri
{
    std::function<void()> AnaBilgiAl;            // header labels, window thread
    QPointer<TRealTimeMarquee> kayanyazi;        // text marquee
    QPointer<TRxGIFAnimator> RxGIFAnimator1;     // header banner
    QPointer<TRxGIFAnimator> RxGIFAnimator2;     // upper strip
    QPointer<QWidget> Panel5;                    // bottom panel
    QPointer<TRealTimeMarquee> RealTimeMarquee1; // picture marquee of the bottom banner
    QPointer<QLabel> Image3;                     // holds the bottom banner's bitmap
    std::function<int()> acilisAdet;             // _acilisadet
    std::function<void(int)> setAcilisAdet;
    std::function<bool()> acilisGoruldu; // _acilisgoruldu
    std::function<void(bool)> setAcilisGoruldu;
};

// The five tab counters of a BalonGetir row: 3, 12, 7, 2, 1.5 → "3=Sepet", "12=Yeni Stoklar",
// "7=Kampanyalı", "2=Duyurular", "1,5=Bakiyeler" (the last in the locale's general format).
QStringList BalonBasliklari(const QVariantList &satir);

// The start-up loads of the main window, one after the other on one worker, each over its own clone
// of the main connection; controls are touched only through synchronised calls. Afterwards, on the
// window thread, the opening advertisements are offered (AcilisReklamGoster).
class TAcilisYukleri : public std::enable_shared_from_this<TAcilisYukleri>
{
public:
    // Make it with std::make_shared: the running task keeps it alive.
    TAcilisYukleri(MainWindowHost &host, AcilisHedefleri hedefler);
    ~TAcilisYukleri();

    // Starts the worker and returns at once.
    void Baslat();

    // Each load, as the worker runs them.
    void KayanYaziAl();
    void BannerREsimAl();
    void BannerREsimAlUst();
    void BannerREsimAlAlt();
    void AcilisReklamAdetAl();
    void BalonYaz();
    void AcilisReklamGoster();

    // Runs all seven loads on the calling (worker) thread.
    void yukle();

    // Replaces the pager, for tests: returns the modal result and the chosen target.
    using ReklamGosterici = std::function<int(MainWindowHost &, QString &arama)>;
    void setReklamGosterici(ReklamGosterici gosterici) { m_gosterici = std::move(gosterici); }

private:
    // Host calls from the worker go through here: skipped once the window is gone.
    void pencerede(const std::function<void()> &proc);

    MainWindowHost &m_host;
    QPointer<QWidget> m_window;
    // Connection settings taken on the window thread; every load clones its own from this.
    std::unique_ptr<TSQLConnection> m_bagc;
    AcilisHedefleri m_hedef;
    ReklamGosterici m_gosterici;
};
