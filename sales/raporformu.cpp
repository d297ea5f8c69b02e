#include "sales/raporformu.h"

#include "app/core/utils.h"
#include "platform/dbx/datasetloader.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "sales/tarihsecu.h"
#include "server/baglantiu.h"
#include "server/proxim.h"

#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct Alan
{
    const char *name;
    TFieldType type;
    int size;
};

const Alan kSiparisAlanlari[] = {
    {"SATICIADI", TFieldType::ftWideString, 50}, {"IDNO", TFieldType::ftFloat, 0},
    {"CARINO", TFieldType::ftInteger, 0},        {"TARIH", TFieldType::ftDate, 0},
    {"KUR", TFieldType::ftWideString, 5},        {"KURTL", TFieldType::ftFloat, 0},
    {"VERENIDNO", TFieldType::ftInteger, 0},     {"KARGO", TFieldType::ftWideString, 50},
    {"TESLIM", TFieldType::ftWideString, 50},    {"VEREN", TFieldType::ftWideString, 50},
    {"CARIKOD", TFieldType::ftWideString, 25},   {"CARIADI", TFieldType::ftWideString, 100},
    {"DURUM", TFieldType::ftWideString, 100},    {"KARGOADI", TFieldType::ftWideString, 50},
    {"VERGI", TFieldType::ftFloat, 0},           {"NETTUTAR", TFieldType::ftFloat, 0},
    {"TUTAR", TFieldType::ftFloat, 0},
};

// Grid order of the received orders, and which of them show.
const struct
{
    const char *field;
    bool shown;
} kSiparisSutunlari[] = {
    {"SATICIADI", false}, {"TARIH", true},    {"IDNO", false}, {"VERGI", true},   {"NETTUTAR", true},
    {"TUTAR", true},      {"CARINO", false},  {"KUR", false},  {"KURTL", false},  {"VERENIDNO", false},
    {"KARGO", true},      {"TESLIM", true},   {"VEREN", true}, {"CARIKOD", true}, {"CARIADI", true},
    {"DURUM", true},      {"KARGOADI", true},
};

const Alan kStokAlanlari[] = {
    {"BARKOD", TFieldType::ftWideString, 50}, {"KOD", TFieldType::ftWideString, 50},
    {"ADI", TFieldType::ftWideString, 100},   {"DEPARTMAN", TFieldType::ftWideString, 50},
    {"MIKTAR", TFieldType::ftFloat, 0},       {"NETTUTAR", TFieldType::ftFloat, 0},
    {"TLVERGI", TFieldType::ftFloat, 0},      {"TUTAR", TFieldType::ftFloat, 0},
};

template<size_t N>
void alanlariKur(TClientDataSet &dataSet, const Alan (&alanlar)[N])
{
    for (const Alan &a : alanlar)
        dataSet.addField(QLatin1String(a.name), a.type, a.size);
    dataSet.CreateDataSet();
}

GridView *gridKur(QWidget *parent, const char *name, TDataSource *source, const QString &caption)
{
    auto *grid = new GridView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->tableView()->setAccessibleName(caption);
    grid->setReadOnly(true);
    grid->setColumnChooser(true);
    grid->setFooterVisible(true);
    grid->setDataSource(source);
    return grid;
}

// Best fit, and room for the footer sums, which are wider than any row.
void sigdir(GridView *grid)
{
    grid->ApplyBestFit();
    const QFontMetrics metrics(grid->font());
    for (int i = 0; i < grid->columnCount(); ++i) {
        GridColumn *c = grid->columnAt(i);
        if (c->Visible() && c->footerSummary() != GridSummaryKind::None)
            c->setWidth(qMax(c->Width(), metrics.horizontalAdvance(grid->footerText(c)) + 16));
    }
}

} // namespace

void AlanAdiylaKopyala(const TClientDataSet &kaynak, TClientDataSet &hedef)
{
    QVector<int> eslesen;
    for (const auto &alan : hedef.Fields())
        eslesen.append(kaynak.fieldIndex(alan->FieldName()));
    QVector<QVariantList> satirlar;
    satirlar.reserve(kaynak.RecordCount());
    for (int r = 0; r < kaynak.RecordCount(); ++r) {
        QVariantList satir;
        satir.reserve(eslesen.size());
        for (int k : eslesen)
            satir.append(k < 0 ? QVariant() : kaynak.value(r, k));
        satirlar.append(std::move(satir));
    }
    if (hedef.Active())
        hedef.EmptyDataSet();
    else
        hedef.CreateDataSet();
    hedef.appendRows(std::move(satirlar));
}

Traporform::Traporform(QWidget *owner, std::unique_ptr<TSQLConnection> bag, TSonucBilgisi &sbilgi)
    : QDialog(owner), m_bag(std::move(bag)), m_sbilgi(sbilgi)
{
    setObjectName(QStringLiteral("raporform"));
    setWindowTitle(QStringLiteral("Raporlar"));
    alanlariKur(m_siparis, kSiparisAlanlari);
    alanlariKur(m_stok, kStokAlanlari);

    auto *layout = new QVBoxLayout(this);
    auto *ust = new QHBoxLayout;
    ust->addWidget(new QLabel(QStringLiteral("Tarihler"), this));
    auto picker = [this](const char *name) {
        auto *p = new QDateTimeEdit(QDateTime::currentDateTime(), this);
        p->setObjectName(QLatin1String(name));
        p->setCalendarPopup(true);
        p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        return p;
    };
    m_tarih1 = picker("tarih1");
    m_tarih2 = picker("tarih2");
    // One caption for both pickers; each gets a name of its own.
    m_tarih1->setAccessibleName(QStringLiteral("Tarih 1"));
    m_tarih2->setAccessibleName(QStringLiteral("Tarih 2"));
    ust->addWidget(m_tarih1);
    ust->addWidget(m_tarih2);
    auto *goster = new QPushButton(QStringLiteral("Göster"), this);
    goster->setObjectName(QStringLiteral("Button1"));
    connect(goster, &QPushButton::clicked, this, &Traporform::Button1Click);
    ust->addWidget(goster);
    ust->addStretch(1);
    layout->addLayout(ust);

    m_sayfalar = new QTabWidget(this);
    m_sayfalar->setObjectName(QStringLiteral("PageControl1"));
    m_tabsiparis = new QWidget;
    m_tabsiparis->setObjectName(QStringLiteral("tabsiparis"));
    m_tabstok = new QWidget;
    m_tabstok->setObjectName(QStringLiteral("tabstok"));
    m_sayfalar->addTab(m_tabsiparis, QStringLiteral("Alınan Siparişler"));
    m_sayfalar->addTab(m_tabstok, QStringLiteral("Satılan Stoklar"));
    layout->addWidget(m_sayfalar, 1);

    m_siparisGrid = gridKur(m_tabsiparis, "cxGrid1DBTableView1", &DataSource1, m_sayfalar->tabText(0));
    m_siparisGrid->setRowIndicatorVisible(true);
    for (const auto &s : kSiparisSutunlari) {
        GridColumn *c = m_siparisGrid->createColumn(
            QStringLiteral("cxGrid1DBTableView1") + QLatin1String(s.field), QLatin1String(s.field));
        c->setVisible(s.shown);
        c->setVisibleForCustomization(true);
    }
    GridColumn *tarih = m_siparisGrid->columnByField(QStringLiteral("TARIH"));
    GridColumn *tutar = m_siparisGrid->columnByField(QStringLiteral("TUTAR"));
    tarih->setFooterSummary(GridSummaryKind::Count);
    tarih->setGroupSummary(GridSummaryKind::Count);
    tutar->setFooterSummary(GridSummaryKind::Sum);
    tutar->setGroupSummary(GridSummaryKind::Sum);
    m_siparisGrid->setGroupColumn(m_siparisGrid->columnByField(QStringLiteral("SATICIADI")));
    m_siparisGrid->setGroupFooters(true);
    (new QVBoxLayout(m_tabsiparis))->addWidget(m_siparisGrid);

    m_stokGrid = gridKur(m_tabstok, "cxGridDBTableView1", &DataSource2, m_sayfalar->tabText(1));
    for (const Alan &a : kStokAlanlari) {
        GridColumn *c = m_stokGrid->createColumn(QStringLiteral("cxGridDBTableView1") + QLatin1String(a.name),
                                                 QLatin1String(a.name));
        if (a.type == TFieldType::ftFloat)
            c->setFooterSummary(GridSummaryKind::Sum);
    }
    (new QVBoxLayout(m_tabstok))->addWidget(m_stokGrid);

    m_sayfalar->setCurrentWidget(m_tabsiparis);
}

Traporform::~Traporform() = default;

void Traporform::Button1Click()
{
    if (m_sayfalar->currentWidget() == m_tabsiparis)
        AlinanSiparislerGetir();
    else if (m_sayfalar->currentWidget() == m_tabstok)
        SatilanStoklarGetir();
}

bool Traporform::yukle(TClientDataSet &hedef, bool siparisler)
{
    m_bag->Close();
    if (!BaglantiAc(*m_bag, 0))
        return false;
    struct Kapat
    {
        TSQLConnection &bag;
        ~Kapat() { bag.Close(); }
    } kapat{*m_bag};
    TServerMethods1Client proxy(*m_bag);
    const double t1 = GunDegeri(m_tarih1->date());
    const double t2 = GunDegeri(m_tarih2->date());
    const TDBXReader okunan = siparisler ? proxy.RaporAlinanSiparisler(m_sbilgi, t1, t2)
                                         : proxy.RaporEnCokSatilanStoklar(m_sbilgi, t1, t2);
    TClientDataSet gelen;
    CopyReaderToClientDataSet(okunan, gelen);
    hedef.DisableControls();
    try {
        AlanAdiylaKopyala(gelen, hedef);
        OndalikBicimle(hedef);
        if (!siparisler)
            hedef.First();
    } catch (...) {
        hedef.EnableControls();
        throw;
    }
    hedef.EnableControls();
    return true;
}

void Traporform::AlinanSiparislerGetir()
{
    if (yukle(m_siparis, true)) {
        m_siparisGrid->collapseAllGroups();
        sigdir(m_siparisGrid);
    }
}

void Traporform::SatilanStoklarGetir()
{
    if (yukle(m_stok, false)) {
        m_stokGrid->collapseAllGroups();
        sigdir(m_stokGrid);
    }
}
