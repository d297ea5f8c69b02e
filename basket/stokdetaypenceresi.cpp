#include "basket/stokdetaypenceresi.h"

#include "catalogue/stokayarintiu.h"
#include "catalogue/tutaredit.h"

#include <QLabel>
#include <QLocale>
#include <QSpinBox>

std::optional<DetayCevabi> StokDetayGoster(QWidget *parent, TSQLConnection &bagc, const StokDetayDegerleri &d)
{
    Tstokayarinti w(parent);
    ResimGetir(bagc, d.stokno, w.Image1);
    w.barkod->setText(d.barkod);
    w.adi->setText(d.adi);
    w.marka->setText(d.marka);
    w.finishkod->setText(d.finishkod);
    w.model->setText(d.model);
    w.Label2->setText(d.fiyatBasligi);
    w.indirimoran->setText(d.indirimBasligi);
    w.birimfiyat->setValue(d.birimfiyat);
    w.indtutar->setValue(d.indtutar);
    w.kdvdahiltutar->setValue(d.kdvdahiltutar);
    w.kdvlifiyat = d.kdvlifiyat;
    w.adet->setValue(int(d.adet));
    w.setBirimFiyatDuzenlenebilir(d.fiyatDegisir);
    if (w.exec() != 1)
        return std::nullopt;
    return DetayCevabi{QLocale().toString(w.adetDegeri()), w.birimfiyat->Value()};
}
