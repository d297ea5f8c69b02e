#include "history/siparisgrid.h"

#include "app/core/icons.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"

namespace {

enum Gorunum { Goster, Gizli, Asla };

struct Kolon
{
    const char *field;
    const char *caption;
    int tag;
    Gorunum gorunum;
};

// Shown columns in the order the user sees them, then the hidden ones in the basket's order.
const Kolon kKolonlar[] = {
    {"VERILISTARIHI", "Sipariş Tarihi", 1, Goster},
    {"BARKOD", "Barkod", 2, Goster},
    {"FINISHKOD", "FinishKod", 2, Goster},
    {"OEMNO", "OEMNo", 2, Goster},
    {"STOKADI", "Stok Açıklama", 3, Goster},
    {"MIKTAR", "Miktar", 1, Goster},
    {"BIRIMFIYAT", "Birim Fiyat", 1, Goster},
    {"ILKFIYAT", "İlk Fiyat", 1, Asla},
    {"TUTAR", "Tutar", 1, Goster},
    {"INDIRIMYAZI", "İn.Oranı%", 2, Goster},
    {"NETBIRIMFIYAT", "Net Fiyat", 1, Goster},
    {"KDV", "KDV", 1, Goster},
    {"VERGITUTARI", "Vergi Tutarı", 1, Goster},
    {"NETTUTAR", "Net Tutar", 1, Goster},
    {"VEREN", "Veren", 1, Goster},
    {"TESLIMEDILEN", "Teslim Edilen", 1, Goster},
    {"KALAN", "Kalan Bakiye", 1, Goster},
    {"ELDEKI", "Eldeki", 1, Asla},
    {"DURUM", "Durum", 1, Goster},
    {"SIRANO", "", 0, Asla},
    {"SIPARISNO", "Sipariş No", 0, Gizli},
    {"CARINO", "", 0, Asla},
    {"TARIH", "Tarih", 1, Gizli},
    {"AKTAR", "", 0, Asla},
    {"STOKNO", "", 0, Asla},
    {"INDIRIMORANI1", "İndirim Oranı %", 1, Asla},
    {"INDIRIMORANI2", "", 1, Asla},
    {"INDIRIMORANI3", "", 1, Asla},
    {"INDIRIMTUTAR", "İndirim Tutar", 1, Asla},
    {"KUR", "Kur", 1, Gizli},
    {"KURTL", "", 1, Asla},
    {"VERENIDNO", "", 1, Asla},
    {"SAAT", "Saat", 1, Gizli},
    {"TESLIMID", "", 1, Asla},
    {"KARGOID", "", 1, Asla},
    {"ACIKLAMA", "Açıklama", 1, Gizli},
    {"IDNO", "", 1, Asla},
    {"VERENSIRANO", "", 1, Asla},
    {"CARIKOD", "Cari Kod", 1, Asla},
    {"CARIADI", "Cari Adı", 1, Asla},
    {"OEM1", "", 1, Gizli},
    {"OEM2", "", 1, Gizli},
    {"OEM3", "", 1, Gizli},
    {"OEM4", "", 1, Gizli},
    {"STOK_STOKNO", "", 1, Asla},
    {"URETICIKODU", "", 1, Asla},
    {"DIGERADI", "", 1, Gizli},
    {"DPKOD", "", 1, Gizli},
    {"PKOD", "", 1, Gizli},
    {"MARKA", "Marka", 1, Gizli},
    {"MODEL", "Model", 1, Gizli},
    {"ANAGRUP", "Ana Grup", 1, Gizli},
    {"OZELKOD", "Özel Kod", 1, Gizli},
    {"INDIRIMORANI4", "", 0, Gizli},
    {"TESLIM", "", 1, Asla},
    {"KARGO", "", 1, Asla},
    {"STOKHAR_NO", "", 1, Asla},
    {"ALINANSIPARIS", "", 1, Asla},
    {"VERILENSIPARIS", "", 1, Asla},
};

const struct
{
    int code;
    const char *text;
} kDurumlar[] = {{0, "Yok"},   {1, "Var"},          {2, "Telefon Açınız"},
                 {3, "Yolda"}, {4, "Özel Sipariş"}, {5, "Tedarik Sürecinde"}};

} // namespace

void GecmisGridGorunumu(GridView *view, int rowHeight)
{
    applyCatalogueLook(view);
    GridStyle style = view->gridStyle();
    style.selectionBold = false;
    view->setGridStyle(style);
    // Each focus move of the balances grid is a server call: the mouse must not move it.
    view->setFocusFollowsMouse(false);
    view->setRowHeight(rowHeight);
    view->setHeaderHeight(40);
    view->setReadOnly(true);
    view->setIncrementalSearch(true);
    view->setHeaderFilterButtons(true);
    view->setFooterVisible(true);
}

void SiparisGridKur(GridView *view, SiparisGridTuru tur)
{
    GecmisGridGorunumu(view, 40);
    const QString prefix =
        view->objectName().isEmpty() ? QStringLiteral("cxGridDBTableView1") : view->objectName();
    for (const Kolon &k : kKolonlar) {
        QString field = QString::fromLatin1(k.field);
        QString caption = QString::fromUtf8(k.caption);
        Gorunum gorunum = k.gorunum;
        int tag = k.tag;
        if (tur == SiparisGridTuru::Ayrinti && field == QLatin1String("DURUM"))
            continue;
        if (tur == SiparisGridTuru::TumSiparisler) {
            // This list has no discount text: the column shows the first rate instead.
            if (field == QLatin1String("INDIRIMYAZI"))
                field = QStringLiteral("INDIRIMORANI1");
            else if (field == QLatin1String("INDIRIMORANI1"))
                continue;
        }
        GridColumn *column = view->createColumn(prefix + field, field);
        if (!caption.isEmpty())
            column->setCaption(caption);
        column->setTag(tag);
        column->setVisible(gorunum == Goster);
        column->setVisibleForCustomization(gorunum != Asla);
        if (field == QLatin1String("INDIRIMYAZI"))
            column->setAlignment(Qt::AlignCenter);
        if (field == QLatin1String("VERILISTARIHI"))
            column->setFooterSummary(GridSummaryKind::Count);
        if (field == QLatin1String("MIKTAR") || field == QLatin1String("KALAN"))
            column->setFooterSummary(GridSummaryKind::Sum);
        if (field == QLatin1String("STOKADI"))
            column->setWordWrap(true);
        if (field == QLatin1String("DURUM")) {
            column->setKind(GridCellKind::IconByValue);
            column->setAlignment(Qt::AlignCenter);
            column->setFilterable(true);
            for (const auto &d : kDurumlar)
                column->addIconValue(d.code, Icons::durum(d.code).pixmap(24, 24), QString::fromUtf8(d.text));
            column->setNullIcon(Icons::durumBos().pixmap(24, 24));
        }
    }
    if (tur == SiparisGridTuru::TumSiparisler)
        view->setColumnAutoWidth(true);
}
