#include "catalogue/katalogkolonlari.h"

#include "app/core/icons.h"
#include "catalogue/katalogikonlari.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridview.h"

namespace {

enum Hucre { Metin, Sayi, Teknik, Durum, Bayrak, Resim, Ortali };

struct Kolon
{
    const char *field;
    const char *caption; // nullptr: the field name is the header
    int weight;
    bool shown;
    bool offered;
    Hucre cell;
    int minWidth = 0;
};

GridColumn *kolonEkle(GridView *view, const Kolon &k)
{
    GridColumn *column = view->createColumn(QLatin1String(k.field), QLatin1String(k.field));
    if (k.caption)
        column->setCaption(QString::fromUtf8(k.caption));
    column->setTag(k.weight);
    column->setVisible(k.shown);
    column->setVisibleForCustomization(k.offered);
    if (k.minWidth)
        column->setMinWidth(k.minWidth);
    switch (k.cell) {
    case Metin:
        column->setKind(GridCellKind::Label);
        column->setWordWrap(true);
        column->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Sayi:
        column->setKind(GridCellKind::Label);
        column->setWordWrap(true);
        column->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Teknik:
        column->setFocusable(false);
        column->setFilterable(false);
        break;
    case Ortali:
        column->setKind(GridCellKind::Label);
        column->setWordWrap(false);
        column->setAlignment(Qt::AlignCenter);
        break;
    case Durum:
    case Bayrak:
    case Resim:
        column->setKind(GridCellKind::IconByValue);
        column->setAlignment(Qt::AlignCenter);
        break;
    }
    return column;
}

void durumIkonlari(GridColumn *column, bool kritikVar, bool uzunAdlar)
{
    const struct
    {
        int code;
        const char *text;
        const char *longText;
    } codes[] = {{0, "Yok", "Yok"},
                 {1, "Var", "Var"},
                 {2, "Telefon", "Telefon Açınız"},
                 {3, "Yolda", "Yolda"},
                 {4, "Özel Sipariş", "Özel Sipariş"},
                 {5, "Tedarik", "Tedarik Sürecinde"},
                 {6, "Kritik", "Kritik"}};
    for (const auto &c : codes) {
        if (c.code == 6 && !kritikVar)
            continue;
        column->addIconValue(c.code, Icons::durum(c.code).pixmap(24, 24),
                             QString::fromUtf8(uzunAdlar ? c.longText : c.text));
    }
    column->setNullIcon(Icons::durumBos().pixmap(24, 24));
}

// "Yeni": icon 0 for 0 and for any other value, icon 1 for 1.
void yeniIkonlari(GridColumn *column)
{
    column->addIconValue(0, KatalogIkonlari::bayrak(0));
    column->addIconValue(1, KatalogIkonlari::bayrak(1));
    column->setOtherIcon(KatalogIkonlari::bayrak(0));
}

void kampanyaIkonlari(GridColumn *column)
{
    column->addIconValue(0, KatalogIkonlari::bayrak(0));
    column->addIconValue(1, KatalogIkonlari::bayrak(1));
}

void resimIkonu(GridColumn *column)
{
    column->addIconValue(1, KatalogIkonlari::resim());
}

void sayimAltbilgisi(GridView *view)
{
    view->columnByField(QStringLiteral("OEM1"))->setFooterSummary(GridSummaryKind::Count);
}

} // namespace

void StokKolonlariniKur(GridView *view)
{
    const Kolon kolonlar[] = {
        {"DURUM", "Durum", 1, true, true, Durum},
        {"OEM1", "Oem1", 2, false, true, Metin},
        {"OEM2", "Oem2", 2, false, true, Metin},
        {"OEM3", "Oem3", 2, false, true, Metin},
        {"BARKOD", "Barkod", 2, true, true, Metin},
        {"ADI", "Açıklama", 4, true, true, Metin},
        {"OEM4", "Oem4", 2, false, true, Metin},
        {"STOK_STOKNO", nullptr, 1, false, false, Teknik},
        {"FINISHKOD", "Finish Kod", 2, false, true, Metin},
        {"URETICIKODU", "Üretici Kod", 2, false, true, Metin},
        {"RESIM", "Resim", 1, true, true, Resim},
        {"BARKOD_BARKODNO", nullptr, 1, false, false, Teknik, 84},
        {"DIGERADI", "Diğer Adı", 3, false, true, Metin},
        {"DPKOD", nullptr, 2, false, false, Teknik, 404},
        {"OEMNO", "Oem No", 2, false, true, Metin},
        {"BIRIM", "Birim", 1, false, true, Metin},
        {"MARKA", "Marka", 2, true, true, Metin},
        {"MODEL", "Model", 2, true, true, Metin},
        {"ANAGRUP", "Ana Grup", 2, false, true, Metin},
        {"OZELKOD", "Özel Kod", 2, false, true, Metin},
        {"KALAN", nullptr, 1, false, false, Teknik, 84},
        {"PKOD", " ", 1, false, false, Teknik, 404},
        {"KDV", nullptr, 1, false, true, Metin},
        {"ALINANSIPARIS", nullptr, 1, false, false, Metin},
        {"VERILENSIPARIS", nullptr, 1, false, false, Metin},
        {"LISTEFIYAT1", "Liste Fiyatı", 2, true, true, Sayi},
        {"KAMPFIYAT", "Kampanyalı Fiyat", 2, true, true, Sayi},
        {"FIYAT", "Liste Fiyatı", 2, false, true, Sayi},
        {"Y", "Yeni", 1, true, true, Bayrak},
        {"K", "Kampanyalı", 1, true, true, Bayrak},
        {"INDIRIMYAZI", "İndirim Oran", 2, true, true, Ortali},
        {"NETFIYAT", "Net Fiyatı", 2, true, true, Sayi},
        {"KDVDAHIL", "KDV Dahil Fiyat", 3, true, true, Sayi},
    };
    for (const Kolon &k : kolonlar)
        kolonEkle(view, k);
    durumIkonlari(view->columnByField(QStringLiteral("DURUM")), true, false);
    resimIkonu(view->columnByField(QStringLiteral("RESIM")));
    yeniIkonlari(view->columnByField(QStringLiteral("Y")));
    kampanyaIkonlari(view->columnByField(QStringLiteral("K")));
    for (const char *field : {"LISTEFIYAT1", "KAMPFIYAT"})
        view->columnByField(QLatin1String(field))->setWordWrap(false);
    for (const char *field : {"BARKOD_BARKODNO", "DPKOD", "KALAN", "PKOD"})
        view->columnByField(QLatin1String(field))->setSizable(false);

    GridColumn *fiyat = view->createColumn(FiyatBilgisiKolonu);
    fiyat->setCaption(QStringLiteral("Fiyat Bilgisi"));
    fiyat->setTag(2);
    fiyat->setVisible(false);
    fiyat->setKind(GridCellKind::CustomDraw);
    fiyat->setHeaderAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fiyat->setFilterable(false);
    fiyat->setSortable(false);
    sayimAltbilgisi(view);
}

void YeniKolonlariniKur(GridView *view)
{
    const Kolon kolonlar[] = {
        {"OEM1", "Oem1", 2, false, true, Metin},
        {"OEM2", "Oem2", 2, false, true, Metin},
        {"OEM3", "Oem3", 2, false, true, Metin},
        {"BARKOD", "Barkod", 2, true, true, Metin},
        {"ADI", "Açıklama", 3, true, true, Metin},
        {"OEM4", "Oem4", 2, false, true, Metin},
        {"STOK_STOKNO", nullptr, 1, false, false, Teknik},
        {"FINISHKOD", "Finish Kod", 2, true, true, Metin},
        {"URETICIKODU", "Üretici Kod", 2, false, true, Metin},
        {"BARKOD_BARKODNO", nullptr, 1, false, false, Teknik},
        {"DIGERADI", "Diğer Adı", 3, false, true, Metin},
        {"DPKOD", nullptr, 2, false, false, Teknik},
        {"OEMNO", "Oem No", 2, false, true, Metin},
        {"BIRIM", "Birim", 1, true, true, Metin},
        {"MARKA", "Marka", 2, true, true, Metin},
        {"MODEL", "Model", 2, true, true, Metin},
        {"ANAGRUP", "Ana Grup", 2, false, true, Metin},
        {"OZELKOD", "Özel Kod", 2, false, true, Metin},
        {"KALAN", nullptr, 1, false, false, Metin},
        {"PKOD", " ", 1, false, false, Teknik},
        {"KDV", nullptr, 1, false, true, Metin},
        {"ALINANSIPARIS", nullptr, 1, false, false, Metin},
        {"VERILENSIPARIS", nullptr, 1, false, false, Metin},
        {"FIYAT", "Liste Fiyatı2", 2, false, true, Sayi},
        {"K", "Kampanyalı", 1, true, true, Bayrak},
        {"LISTEFIYAT1", "Liste Fiyatı", 2, true, true, Sayi},
        {"KAMPFIYAT", "Kampanyalı Fiyatı", 2, true, true, Sayi},
        {"INDIRIMYAZI", "Indirim Oran", 2, true, true, Ortali},
        {"INDIRIM", "İndirim Oran", 1, false, false, Teknik},
        {"NETFIYAT", "Net Fiyatı", 2, true, true, Sayi},
        {"KDVDAHIL", "KDV Dahil Fiyat", 2, true, true, Sayi},
    };
    for (const Kolon &k : kolonlar) {
        GridColumn *column = kolonEkle(view, k);
        // Plain text cells in this grid.
        if (k.cell == Metin || k.cell == Sayi)
            column->setWordWrap(false);
    }
    view->columnByField(QStringLiteral("K"))->addIconValue(1, KatalogIkonlari::bayrak(1));
    sayimAltbilgisi(view);
}

void KampanyaKolonlariniKur(GridView *view)
{
    const Kolon kolonlar[] = {
        {"OEM1", "Oem1", 2, false, true, Metin},
        {"OEM2", "Oem2", 2, false, true, Metin},
        {"OEM3", "Oem3", 2, false, true, Metin},
        {"BARKOD", "Barkod", 2, true, true, Metin},
        {"ADI", "Açıklama", 3, true, true, Metin},
        {"OEM4", "Oem4", 2, false, true, Metin},
        {"STOK_STOKNO", nullptr, 1, false, false, Teknik},
        {"RESIM", "Resim", 1, true, true, Resim},
        {"FINISHKOD", "Finish Kod", 2, true, true, Metin},
        {"URETICIKODU", "Üretici Kod", 2, false, true, Metin},
        {"BARKOD_BARKODNO", nullptr, 1, false, false, Teknik},
        {"DIGERADI", "Diğer Adı", 3, false, true, Metin},
        {"DPKOD", nullptr, 2, false, false, Teknik},
        {"OEMNO", "Oem No", 2, false, true, Metin},
        {"BIRIM", "Birim", 1, true, true, Metin},
        {"MARKA", "Marka", 2, true, true, Metin},
        {"MODEL", "Model", 2, true, true, Metin},
        {"ANAGRUP", "Ana Grup", 2, false, true, Metin},
        {"OZELKOD", "Özel Kod", 2, false, true, Metin},
        {"KALAN", nullptr, 1, false, false, Metin},
        {"PKOD", " ", 1, false, false, Teknik},
        {"KDV", nullptr, 1, false, true, Metin},
        {"ALINANSIPARIS", nullptr, 1, false, false, Metin},
        {"VERILENSIPARIS", nullptr, 1, false, false, Metin},
        {"ESKIFIYAT", "Liste Fiyatı", 2, true, true, Sayi},
        {"FIYAT", "Kampanyalı Fiyatı", 2, true, true, Sayi},
        {"Y", "Yeni", 1, true, true, Bayrak},
        {"K", "Kampanyalı", 1, true, true, Bayrak},
        {"INDIRIM", "İndirim Oran", 1, false, false, Teknik},
        {"INDIRIMYAZI", "İndirim Oran", 2, true, true, Metin},
        {"NETFIYAT", "Net Fiyatı", 2, true, true, Sayi},
        {"KDVDAHIL", "KDV Dahil Fiyat", 2, true, true, Sayi},
        {"DURUM", "Durum", 1, true, true, Durum},
    };
    for (const Kolon &k : kolonlar)
        kolonEkle(view, k);
    durumIkonlari(view->columnByField(QStringLiteral("DURUM")), false, true);
    resimIkonu(view->columnByField(QStringLiteral("RESIM")));
    yeniIkonlari(view->columnByField(QStringLiteral("Y")));
    kampanyaIkonlari(view->columnByField(QStringLiteral("K")));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    for (int i = 0; i < view->columnCount(); ++i)
        view->columnAt(i)->setFont(arial);
    sayimAltbilgisi(view);
}

void KatalogKullaniciTipi(GridView *view, int musteriTipi, bool kampanyaKolonlari)
{
    const bool satisci = musteriTipi == 1 || musteriTipi == 2;
    for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
        if (GridColumn *column = view->columnByField(QLatin1String(field))) {
            column->setVisible(satisci);
            column->setVisibleForCustomization(satisci);
        }
    }
    if (musteriTipi == 4 && kampanyaKolonlari) {
        for (const char *field : {"KAMPFIYAT", "K"}) {
            if (GridColumn *column = view->columnByField(QLatin1String(field))) {
                column->setVisible(false);
                column->setVisibleForCustomization(false);
            }
        }
    }
}
