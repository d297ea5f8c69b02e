#include "basket/sepetdetay.h"

#include "platform/grid/gridhelpers.h"

namespace {

double sayi(const QVariantMap &row, const char *name)
{
    return row.value(QLatin1String(name)).toDouble();
}

QString yazi(const QVariantMap &row, const char *name)
{
    return row.value(QLatin1String(name)).toString();
}

void kampanyali(StokDetayDegerleri &d, const QVariantMap &row)
{
    d.fiyatBasligi = QStringLiteral("Kampanyalı Fiyat:");
    d.indirimBasligi = QStringLiteral("Kampanyalı ") + yazi(row, "INDIRIMYAZI");
}

} // namespace

StokDetayDegerleri KatalogDetayi(const QVariantMap &row, SepetKaynagi kaynak, int musteriTipi)
{
    StokDetayDegerleri d;
    d.stokno = row.value(QStringLiteral("STOK_STOKNO")).toInt();
    d.barkod = yazi(row, "BARKOD");
    d.adi = yazi(row, "ADI");
    d.marka = yazi(row, "MARKA");
    d.finishkod = yazi(row, "FINISHKOD");
    d.model = yazi(row, "MODEL");
    d.fiyatDegisir = kaynak != SepetKaynagi::Kampanyali && (musteriTipi == 1 || musteriTipi == 2);

    // Every variant shows the list price and the net price; the new-stock list computes its
    // VAT-inclusive amount from the net price, the others take the row's own.
    d.birimfiyat = sayi(row, "FIYAT");
    d.indtutar = sayi(row, "NETFIYAT");
    d.kdvlifiyat = sayi(row, "KDVDAHIL");
    d.kdvdahiltutar = sayi(row, "KDVDAHIL");
    const bool kampanya = row.value(QStringLiteral("K")).toInt() > 0;
    switch (kaynak) {
    case SepetKaynagi::StokListesi:
        if (kampanya)
            kampanyali(d, row);
        else
            d.indirimBasligi = QStringLiteral("İndirim: %") + yazi(row, "INDIRIMYAZI");
        break;
    case SepetKaynagi::Yeniler:
        if (kampanya) {
            kampanyali(d, row);
        } else {
            d.kdvdahiltutar = Yuvarla(sayi(row, "NETFIYAT") * (sayi(row, "KDV") / 100 + 1));
            d.indirimBasligi = QStringLiteral("İndirim:  % ") + yazi(row, "INDIRIMYAZI");
        }
        break;
    case SepetKaynagi::Kampanyali:
        kampanyali(d, row);
        break;
    }
    return d;
}

StokDetayDegerleri SepetSatirDetayi(const QVariantMap &line)
{
    StokDetayDegerleri d;
    d.stokno = line.value(QStringLiteral("STOKNO")).toInt();
    d.barkod = yazi(line, "BARKOD");
    d.adi = yazi(line, "STOKADI");
    d.marka = yazi(line, "MARKA");
    d.finishkod = yazi(line, "FINISHKOD");
    d.model = yazi(line, "MODEL");
    d.birimfiyat = sayi(line, "BIRIMFIYAT");
    const double v = Yuvarla(sayi(line, "NETBIRIMFIYAT") * (sayi(line, "KDV") / 100 + 1));
    d.kdvdahiltutar = v;
    d.kdvlifiyat = v;
    d.indtutar = sayi(line, "NETBIRIMFIYAT");
    d.adet = qlonglong(sayi(line, "MIKTAR"));
    d.fiyatDegisir = false;
    return d;
}
