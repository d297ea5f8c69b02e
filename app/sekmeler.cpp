#include "app/sekmeler.h"

#include "app/unit1.h"
#include "basket/baskettab.h"
#include "catalogue/stoklistesi.h"
#include "catalogue/urunlistesi.h"
#include "history/bakiyelersekmesi.h"
#include "history/cariekstre.h"
#include "history/oncekisiparisler.h"
#include "history/tumsiparisleru.h"
#include "messages/acilisyukleri.h"
#include "messages/duyurusekmesi.h"
#include "messages/mailformu.h"
#include "platform/dataset/clientdataset.h"
#include "platform/widgets/realtimemarquee.h"
#include "platform/widgets/rxgifanimator.h"
#include "sales/caridegistir.h"
#include "sales/raporformu.h"

#include <QLabel>
#include <QToolButton>

void SekmeleriKur(TForm1 &form)
{
    const int musteriTipi = form.session().MusteriTipi();
    auto *stokListesi = new StokListesi(form, form.tabSheet(QStringLiteral("sstoklistesi")),
                                        form.busyAnimation(QStringLiteral("gifstokara")),
                                        form.menu(QStringLiteral("popstok")), &form);
    stokListesi->KullaniciTipiUygula(musteriTipi);
    QObject::connect(&form, &TForm1::searchRequested, stokListesi, &StokListesi::araeditEnter);
    // "Temizle" belongs to the stock list: it does nothing while a search runs.
    if (auto *temizle = form.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))) {
        QObject::disconnect(temizle, &QToolButton::clicked, &form, &TForm1::SpeedButton1Click);
        QObject::connect(temizle, &QToolButton::clicked, stokListesi, &StokListesi::SpeedButton1Click);
    }
    QObject::connect(stokListesi, &StokListesi::bakiyelerIstendi, &form,
                     [&form] { form.activateTab(form.tabSheet(QStringLiteral("sTabbakiyeler"))); });
    auto *yeniler =
        new UrunListesi(UrunListesi::Tur::Yeniler, form, form.tabSheet(QStringLiteral("syeniler")),
                        form.busyAnimation(QStringLiteral("gifyeniler")), &form);
    yeniler->KullaniciTipiUygula(musteriTipi);
    auto *kampanyali =
        new UrunListesi(UrunListesi::Tur::Kampanyali, form, form.tabSheet(QStringLiteral("skampanyali")),
                        form.busyAnimation(QStringLiteral("gifkampanyali")), &form);
    kampanyali->KullaniciTipiUygula(musteriTipi);

    auto *sepet = new BasketTab(form, form.tabSheet(QStringLiteral("ssepet")),
                                form.menu(QStringLiteral("PopupMenu1")), &form);
    form.setSepeteEkle(
        [sepet](const QVariantMap &row, SepetKaynagi kaynak) { sepet->katalogdanEkle(row, kaynak); });

    new OncekiSiparislerSekmesi(form, form.tabSheet(QStringLiteral("sonceki")),
                                form.busyAnimation(QStringLiteral("gifoncekiler")),
                                form.menu(QStringLiteral("poponceki")));
    new CariEkstreSekmesi(form, form.tabSheet(QStringLiteral("sccariekstre")),
                          form.busyAnimation(QStringLiteral("gifekstre")),
                          form.menu(QStringLiteral("popekstre")));
    new BakiyelerSekmesi(form, form.tabSheet(QStringLiteral("sTabbakiyeler")));
    QObject::connect(stokListesi, &StokListesi::siparisleriGosterIstendi, &form,
                     [&form](int stokno) { TumSiparisleriGoster(form, stokno); });

    form.setSepetiYenile([sepet] { sepet->SepetGetir(); });
    form.setStokListesiniBosalt([stokListesi] {
        if (stokListesi->stok()->Active())
            stokListesi->stok()->EmptyDataSet();
    });
    QObject::connect(&form, &TForm1::customerChangeRequested, &form, [&form] { CariDegistir(form); });
    QObject::connect(&form, &TForm1::reportsRequested, &form, [&form] {
        Traporform raporform(&form, form.connection().CloneConnection(), form.session());
        raporform.setWindowState(raporform.windowState() | Qt::WindowMaximized);
        raporform.exec();
    });

    new TDuyuruSekmesi(form, form.tabSheet(QStringLiteral("sTabSheetduyuru")),
                       form.busyAnimation(QStringLiteral("gifduyuru")), &form);
    QObject::connect(&form, &TForm1::mailRequested, &form, [&form] {
        Tmailform mailform(&form, form.connection(), form.session());
        mailform.exec();
    });
}

void AcilisYukleriniBaslat(TForm1 &form)
{
    AcilisHedefleri hedef;
    hedef.AnaBilgiAl = [&form] { form.AnaBilgiAl(); };
    hedef.kayanyazi = qobject_cast<TRealTimeMarquee *>(form.marquee());
    hedef.RxGIFAnimator1 = qobject_cast<TRxGIFAnimator *>(form.headerBanner());
    hedef.RxGIFAnimator2 = qobject_cast<TRxGIFAnimator *>(form.upperBanner());
    hedef.Panel5 = form.bottomPanel();
    hedef.RealTimeMarquee1 = form.findChild<TRealTimeMarquee *>(QStringLiteral("RealTimeMarquee1"));
    hedef.Image3 = form.findChild<QLabel *>(QStringLiteral("Image3"));
    hedef.acilisAdet = [&form] { return form.acilisAdet(); };
    hedef.setAcilisAdet = [&form](int adet) { form.setAcilisAdet(adet); };
    hedef.acilisGoruldu = [&form] { return form.acilisGoruldu(); };
    hedef.setAcilisGoruldu = [&form](bool goruldu) { form.setAcilisGoruldu(goruldu); };
    std::make_shared<TAcilisYukleri>(form, std::move(hedef))->Baslat();
}
