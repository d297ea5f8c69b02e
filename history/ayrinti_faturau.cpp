#include "history/ayrinti_faturau.h"

#include "history/altpanel.h"
#include "history/pencere.h"
#include "history/siparisgrid.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/formatfloat.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum Gorunum { Goster, Sunulan, Gizli };

struct Kolon
{
    const char *field;
    const char *caption;
    Gorunum gorunum;
};

// The grid's order: the shown columns with the offered hidden ones between them.
const Kolon kKolonlar[] = {
    {"OZELKOD", "Özel Kod", Sunulan},
    {"BARKOD", "Barkod", Sunulan},
    {"OEMNO", "Oem No", Goster},
    {"STOKADI", "Açıklama", Goster},
    {"FINISHKOD", "Finish Kod", Goster},
    {"MARKA", "Marka", Goster},
    {"MODEL", "Model", Goster},
    {"ANAGRUP", "Ana Grup", Goster},
    {"BIRIM", "Birim", Goster},
    {"STOKHAR_HAREKETTARIHI", "Tarih", Sunulan},
    {"STOKHAR_HAREKETTIPI2", "Türü", Sunulan},
    {"EVRAKNO", "Evrak No", Sunulan},
    {"STOKHAR_MIKTAR", "Miktar", Goster},
    {"STOKHAR_TLBIRIMFIYATI", "Birim Fiyat", Goster},
    {"STOKHAR_TLTUTAR", "Tutar", Goster},
    {"STOKHAR_INDIRIM1", "%İnd1 ", Goster},
    {"STOKHAR_INDIRIM2", "%İnd2", Goster},
    {"KDV", "Kdv", Goster},
    {"STOKHAR_TLVERGI", "Vergi", Sunulan},
    {"STOKHAR_TOPLAMINDIRIM", "İndirim Tutarı", Goster},
    {"STOKHAR_TOPLAMMASRAF", "Masraf Toplamı", Goster},
    {"STOKHAR_NETTLBIRIMFIYATI", "Net Birim Fiyat", Goster},
    {"STOKHAR_NETTLTUTAR", "Net Tutar", Goster},
    {"IRSALIYEEVRAKNO", "İrsaliye No", Sunulan},
    {"STOKHAR_IRSTARIHI", "İrsaliye Tarihi", Sunulan},
    {"SATIRACIKLMASI", "Açıklama", Sunulan},
    {"STOKHAR_SAAT", "Saat", Sunulan},
    {"STOKHAR_VADE", "Vade(Gün)", Sunulan},
    {"SIPARISEVRAKNO", "Sipariş EvrakNo", Sunulan},
    {"SIPARISTARIHI", "Sipariş Tarihi", Sunulan},
    {"IRSALIYETIP2", "İrsaliye Tipi", Sunulan},
    {"STOKHAR_INDIRIM3", "%İnd3", Gizli},
    {"STOKHAR_INDIRIM4", "%İnd4", Gizli},
    {"STOKHAR_INDIRIM5", "%İnd5", Gizli},
    {"STOKHAR_INDIRIM6", "%İnd6", Gizli},
    {"STOKHAR_INDIRIM7", "%İnd7", Gizli},
    {"STOKHAR_INDIRIM8", "%İnd8", Gizli},
    {"STOKHAR_DOVIZBIRIMFIYATI", "Döviz Birim Fiyat", Gizli},
    {"STOKHAR_DOVIZVERGI", "Döviz Vergi", Gizli},
    {"STOKHAR_DOVIZTUTAR", "Döviz Tutar", Gizli},
    {"STOKHAR_PARTI", "Parti", Gizli},
    {"STOKHAR_BEDEN", "Beden", Gizli},
    {"STOKHAR_RENK", "Renk", Gizli},
    {"STOKHAR_MASRAF1", "%Masraf1", Gizli},
    {"STOKHAR_MASRAF2", "%Masraf2", Gizli},
    {"STOKHAR_DOVIZTOPLAMINDIRIM", "Döviz İndirim Tutar", Gizli},
    {"STOKHAR_DOVIZTOPLAMMASRAF", "Döviz Masraf Tutarı", Gizli},
    {"STOKHAR_NETDOVIZBIRIMFIYATI", "Net Döviz Birim Fiyat", Gizli},
    {"STOKHAR_NETDOVIZTUTAR", "Net Döviz Tutar", Gizli},
    {"STOKHAR_KURTL", "KurTL", Gizli},
    {"SATICIADI", "Satıcısı", Gizli},
    {"SIPARISTIPI", "", Gizli},
    {"IRSALIYETIPINO", "", Gizli},
    {"STOKCARIKOD", "", Gizli},
    {"SUBE_NO", "", Gizli},
    {"STOKHAR_CARINO", "", Gizli},
    {"KUR_KURSIMGE", "", Gizli},
    {"URETICIKODU", "", Gizli},
    {"DPKOD", "", Gizli},
    {"ENADI", "", Gizli},
    {"PKOD", "", Gizli},
    {"BELGENO", "", Gizli},
    {"IDNO", "", Gizli},
};

// The display text of a field in the data set's current row; empty without one.
QString gosterim(TClientDataSet &ds, const char *field)
{
    if (!ds.Active() || ds.IsEmpty())
        return {};
    TField *f = ds.FindField(QLatin1String(field));
    return f ? f->DisplayText() : QString();
}

QString tutar(TClientDataSet &ds, const char *field)
{
    if (!ds.Active() || ds.IsEmpty())
        return {};
    TField *f = ds.FindField(QLatin1String(field));
    return f ? FormatFloat(QStringLiteral("#,###,##0.00"), f->AsFloat()) : QString();
}

} // namespace

Tayrinti_fatura::Tayrinti_fatura(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ayrinti_fatura"));
    setWindowTitle(QStringLiteral("Evrak Ayrıntısı"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *header = new QGroupBox(QStringLiteral("Evrak Bilgileri"), this);
    header->setObjectName(QStringLiteral("GroupBoxEvrak"));
    auto *form = new QHBoxLayout(header);
    auto pair = [&](const QString &caption, const char *name) {
        form->addWidget(new QLabel(caption, header));
        QLabel *value = plainValueLabel(name, header);
        value->setMinimumWidth(110);
        QFont font = value->font();
        font.setBold(true);
        value->setFont(font);
        form->addWidget(value);
        form->addSpacing(16);
        return value;
    };
    _tarih = pair(QStringLiteral("Tarih:"), "_tarih");
    _evrakcinsi = pair(QStringLiteral("Evrak Cinsi:"), "_evrakcinsi");
    _saticiadi = pair(QStringLiteral("Temsilci:"), "_saticiadi");
    _evrakno = pair(QStringLiteral("Evrak No:"), "_evrakno");
    _vadegun = pair(QStringLiteral("Vade (Gün):"), "_vadegun");
    form->addStretch(1);
    layout->addWidget(header);

    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    GecmisGridGorunumu(m_grid, 40);
    for (const Kolon &k : kKolonlar) {
        const QString field = QString::fromLatin1(k.field);
        GridColumn *c = m_grid->createColumn(QStringLiteral("cxGridDBTableView1") + field, field);
        const QString caption = QString::fromUtf8(k.caption);
        if (!caption.isEmpty())
            c->setCaption(caption);
        c->setTag(1);
        c->setVisible(k.gorunum == Goster);
        c->setVisibleForCustomization(k.gorunum != Gizli);
        if (field == QLatin1String("OEMNO"))
            c->setFooterSummary(GridSummaryKind::Count);
        if (field == QLatin1String("STOKHAR_MIKTAR"))
            c->setFooterSummary(GridSummaryKind::Sum);
    }
    m_grid->setDataSource(&DataSource1);
    m_grid->setColumnAutoWidth(true);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bottom);
    row->addStretch(1);
    m_totals = std::make_unique<TotalsGroup>(bottom);
    row->addWidget(m_totals->box());
    QPushButton *kapat = nullptr;
    QPushButton *excel = nullptr;
    row->addWidget(closeExportButtons(bottom, &kapat, &excel));
    layout->addWidget(bottom);
    connect(kapat, &QPushButton::clicked, this, &Tayrinti_fatura::KapatClick);
    connect(excel, &QPushButton::clicked, this, &Tayrinti_fatura::Button2Click);
}

Tayrinti_fatura::~Tayrinti_fatura()
{
    // The grid outlives the data set members; it must not read them while they go.
    m_grid->setDataSource(nullptr);
}

QLabel *Tayrinti_fatura::label(const QString &name) const
{
    return findChild<QLabel *>(name);
}

void Tayrinti_fatura::EnIyile()
{
    m_grid->ApplyBestFit();
    m_totals->aratoplaml->setText(tutar(m_alt, "TOPLAM"));
    m_totals->indiriml->setText(tutar(m_alt, "TOPLAMINDIRIM"));
    m_totals->nettutarl->setText(tutar(m_alt, "MATRAH"));
    m_totals->vergil->setText(tutar(m_alt, "KDVTUTAR"));
    m_totals->geneltoplaml->setText(tutar(m_alt, "KDVDAHIL"));
    _tarih->setText(gosterim(m_fatura, "STOKHAR_HAREKETTARIHI"));
    _evrakcinsi->setText(gosterim(m_fatura, "STOKHAR_HAREKETTIPI2"));
    _saticiadi->setText(gosterim(m_fatura, "SATICIADI"));
    _evrakno->setText(gosterim(m_fatura, "EVRAKNO"));
    _vadegun->setText(gosterim(m_fatura, "STOKHAR_VADE"));
    PencereYerlestir(this, 40, 50, 80, 150);
    FormatAyarla(&m_fatura);
}

void Tayrinti_fatura::KapatClick()
{
    close();
}

void Tayrinti_fatura::Button2Click()
{
    ExcelKaydet(m_grid, this);
}
