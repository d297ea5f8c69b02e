#include "messages/acilisyukleri.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "messages/acilisreklamu.h"
#include "messages/hedefyonlendir.h"
#include "platform/grid/gridhelpers.h"
#include "platform/system/async.h"
#include "platform/system/formatfloat.h"
#include "platform/widgets/realtimemarquee.h"
#include "platform/widgets/rxgifanimator.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

const char *const kSekmeler[] = {"ssepet", "syeniler", "skampanyali", "sTabSheetduyuru", "sTabbakiyeler"};

// Downloads one banner; empty when there is none (size 0) or the download was not complete. The
// call's own errors are swallowed here: the banner stays as it was.
struct Banner
{
    bool var = false; // the call succeeded
    qint64 boy = 0;   // announced size
    QByteArray resim; // complete download, else empty
};

template<class Call>
Banner bannerIndir(const TSQLConnection &bagc, Call call)
{
    Banner banner;
    CallError hata;
    banner.var = KlondaSunucuCagir(
        bagc, 1, [&](TServerMethods1Client &proxy) { banner.resim = call(proxy, banner.boy); }, &hata);
    if (!banner.var || banner.resim.size() != banner.boy)
        banner.resim.clear();
    return banner;
}

} // namespace

QStringList BalonBasliklari(const QVariantList &satir)
{
    static const char *const etiketler[] = {"Sepet", "Yeni Stoklar", "Kampanyalı", "Duyurular"};
    QStringList basliklar;
    for (int i = 0; i < 4; ++i)
        basliklar.append(SayiBasligi(satir.value(i).toInt(), QString::fromUtf8(etiketler[i])));
    basliklar.append(FloatToStr(satir.value(4).toDouble()) + QStringLiteral("=Bakiyeler"));
    return basliklar;
}

TAcilisYukleri::TAcilisYukleri(MainWindowHost &host, AcilisHedefleri hedefler)
    : m_host(host)
    , m_window(host.window())
    , m_bagc(host.connection().CloneConnection())
    , m_hedef(std::move(hedefler))
{
    if (m_hedef.RealTimeMarquee1) {
        QPointer<QLabel> image3 = m_hedef.Image3;
        m_hedef.RealTimeMarquee1->setDrawItem([image3](int, QImage &bitmap) {
            if (image3)
                bitmap = image3->pixmap().toImage();
        });
    }
}

TAcilisYukleri::~TAcilisYukleri() = default;

void TAcilisYukleri::Baslat()
{
    const std::shared_ptr<TAcilisYukleri> self = shared_from_this();
    Async([self] { self->yukle(); })->Await(m_window, [self] { self->AcilisReklamGoster(); });
}

void TAcilisYukleri::pencerede(const std::function<void()> &proc)
{
    Synchronize([this, &proc] {
        if (m_window)
            proc();
    });
}

void TAcilisYukleri::yukle()
{
    pencerede([this] {
        if (m_hedef.AnaBilgiAl)
            m_hedef.AnaBilgiAl();
    });
    KayanYaziAl();
    BannerREsimAl();
    BannerREsimAlUst();
    BannerREsimAlAlt();
    AcilisReklamAdetAl();
    BalonYaz();
}

void TAcilisYukleri::KayanYaziAl()
{
    QString yazi;
    CallError hata;
    // A server error here ends only this load; the others and the advertisements still follow.
    if (!KlondaSunucuCagir(
            *m_bagc, 1, [&](TServerMethods1Client &proxy) { yazi = proxy.KayanYaziGetir(); }, &hata))
        return;
    const QPointer<TRealTimeMarquee> kayanyazi = m_hedef.kayanyazi;
    Synchronize([kayanyazi, yazi] {
        if (!kayanyazi)
            return;
        kayanyazi->stop();
        kayanyazi->clearItems();
        if (!yazi.trimmed().isEmpty())
            kayanyazi->addItem(yazi, TRealTimeMarquee::ItemStyle::Html);
        kayanyazi->start();
    });
}

void TAcilisYukleri::BannerREsimAl()
{
    const Banner banner =
        bannerIndir(*m_bagc, [](TServerMethods1Client &p, qint64 &size) { return p.BannerResimVer(size); });
    if (banner.resim.isEmpty())
        return;
    const QPointer<TRxGIFAnimator> hedef = m_hedef.RxGIFAnimator1;
    Synchronize([hedef, banner] {
        if (hedef)
            hedef->loadGif(banner.resim);
    });
}

void TAcilisYukleri::BannerREsimAlUst()
{
    const Banner banner =
        bannerIndir(*m_bagc, [](TServerMethods1Client &p, qint64 &size) { return p.BannerResimVer2(size); });
    if (!banner.var)
        return;
    const QPointer<TRxGIFAnimator> hedef = m_hedef.RxGIFAnimator2;
    if (banner.boy == 0) {
        Synchronize([hedef] {
            if (!hedef)
                return;
            hedef->clearPicture();
            hedef->setFixedHeight(0);
        });
        return;
    }
    if (banner.resim.isEmpty())
        return;
    Synchronize([hedef, banner] {
        if (!hedef)
            return;
        hedef->setAutoSize(true);
        hedef->loadGif(banner.resim);
    });
}

void TAcilisYukleri::BannerREsimAlAlt()
{
    const Banner banner =
        bannerIndir(*m_bagc, [](TServerMethods1Client &p, qint64 &size) { return p.BannerResimVer3(size); });
    if (!banner.var)
        return;
    const QPointer<QWidget> panel = m_hedef.Panel5;
    if (banner.boy == 0) {
        Synchronize([panel] {
            if (panel)
                panel->setFixedHeight(40);
        });
        return;
    }
    if (banner.resim.size() < 11)
        return;
    const QImage bitmap = QImage::fromData(banner.resim, "BMP");
    if (bitmap.isNull())
        return;
    const QPointer<TRealTimeMarquee> marquee = m_hedef.RealTimeMarquee1;
    const QPointer<QLabel> image3 = m_hedef.Image3;
    Synchronize([panel, marquee, image3, bitmap] {
        if (!panel || !marquee || !image3)
            return;
        image3->setPixmap(QPixmap::fromImage(bitmap));
        if (marquee->itemCount() == 0)
            marquee->addItem(QString(), TRealTimeMarquee::ItemStyle::OwnerDraw);
        else
            marquee->refreshItems();
        marquee->setVisible(true);
        marquee->start();
        marquee->setFixedHeight(bitmap.height());
        panel->setFixedHeight(bitmap.height() + 40);
    });
}

void TAcilisYukleri::AcilisReklamAdetAl()
{
    pencerede([this] { m_hedef.setAcilisAdet(0); });
    int adet = 0;
    CallError hata;
    if (!KlondaSunucuCagir(
            *m_bagc, 1, [&](TServerMethods1Client &proxy) { adet = proxy.AcilisReklamAdet(); }, &hata))
        return;
    pencerede([this, adet] {
        m_hedef.setAcilisAdet(adet);
        m_host.setTabCaption(m_host.tabSheet(QStringLiteral("sTabSheetduyuru")),
                             SayiBasligi(adet, QStringLiteral("Duyurular")));
    });
}

void TAcilisYukleri::BalonYaz()
{
    std::optional<TSonucBilgisi> bilgi;
    // The record is the window thread's; its copy is taken there.
    pencerede([this, &bilgi] { bilgi = m_host.session(); });
    if (!bilgi)
        return;
    TDBXReader satirlar;
    CallError hata;
    if (!KlondaSunucuCagir(
            *m_bagc, 1, [&](TServerMethods1Client &proxy) { satirlar = proxy.BalonGetir(bilgi); }, &hata))
        return;
    for (const QVariantList &satir : satirlar.rows()) {
        const QStringList basliklar = BalonBasliklari(satir);
        pencerede([this, basliklar] {
            for (int i = 0; i < 5; ++i)
                m_host.setTabCaption(m_host.tabSheet(QLatin1String(kSekmeler[i])), basliklar[i]);
        });
    }
}

void TAcilisYukleri::AcilisReklamGoster()
{
    if (m_hedef.acilisGoruldu() || m_hedef.acilisAdet() == 0)
        return;
    m_hedef.setAcilisGoruldu(true);
    int sonuc = 2;
    QString arama;
    if (m_gosterici) {
        sonuc = m_gosterici(m_host, arama);
    } else {
        // Freed before the search starts.
        Tacilisreklam acilisreklam(m_host.window());
        acilisreklam.Ac(m_host.window(), m_host.connection(), m_host.session());
        sonuc = acilisreklam.exec();
        arama = acilisreklam.arama;
    }
    if (sonuc == 1)
        HedefYonlendir(m_host, arama);
}
