#include "basket/sepettoplam.h"

#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridhelpers.h"

SepetToplamlari SepetToplamHesapla(TClientDataSet &sepet)
{
    SepetToplamlari t;
    if (sepet.Active()) {
        TField *sec = sepet.FieldByName(QStringLiteral("SEC"));
        TField *tutar = sepet.FieldByName(QStringLiteral("TUTAR"));
        TField *indirim = sepet.FieldByName(QStringLiteral("INDIRIMTUTAR"));
        sepet.First();
        while (!sepet.Eof()) {
            if (!sec->IsNull() && sec->AsInteger() == 1) {
                t.toplam = Yuvarla(t.toplam + tutar->AsFloat());
                t.indirim = Yuvarla(t.indirim + indirim->AsFloat());
            }
            sepet.Next();
        }
    }
    t.net = Yuvarla(t.toplam - t.indirim);
    // The lines' own VAT rates are not used: the totals show 18 % of the net amount.
    t.vergi = Yuvarla(t.net * 1.18) - t.net;
    t.genel = Yuvarla(t.net + t.vergi);
    return t;
}
