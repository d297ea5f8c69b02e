#include "basket/sepettoplam.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridhelpers.h"

SepetToplamlari SepetToplamHesapla(TClientDataSet &sepet)
{
    QList<QPair<double, double>> secilenler;
    if (sepet.Active()) {
        TField *sec = sepet.FieldByName(QStringLiteral("SEC"));
        TField *tutar = sepet.FieldByName(QStringLiteral("TUTAR"));
        TField *indirim = sepet.FieldByName(QStringLiteral("INDIRIMTUTAR"));
        sepet.First();
        while (!sepet.Eof()) {
            if (!sec->IsNull() && sec->AsInteger() == 1)
                secilenler.append({tutar->AsFloat(), indirim->AsFloat()});
            sepet.Next();
        }
    }
    return ToplamHesapla(secilenler);
}

SepetToplamlari ToplamHesapla(const QList<QPair<double, double>> &tutarIndirim)
{
    SepetToplamlari t;
    for (const auto &[tutar, indirim] : tutarIndirim) {
        t.toplam = Yuvarla(t.toplam + tutar);
        t.indirim = Yuvarla(t.indirim + indirim);
    }
    t.net = Yuvarla(t.toplam - t.indirim);
    // The lines' own VAT rates are not used: the totals show 18 % of the net amount.
    t.vergi = Yuvarla(t.net * 1.18) - t.net;
    t.genel = Yuvarla(t.net + t.vergi);
    return t;
}
