#include "history/oncekisiparisler.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "history/ayrinti_siparisu.h"
#include "history/bakiyesiparisleru.h"
#include "history/siparisgrid.h"
#include "history/tumsiparisleru.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/widgets/busyindicator.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace {

const struct
{
    const char *field;
    const char *caption;
    int gorunum; // 0 shown, 1 hidden, 2 never
} kKolonlar[] = {
    {"CARINO", "", 2},
    {"IDNO", "Sipariş No", 0},
    {"TARIH", "Tarih", 0},
    {"KUR", "Kur", 2},
    {"KURTL", "Kur TL", 2},
    {"VERENIDNO", "", 2},
    {"KARGO", "Kargo Türü", 0},
    {"TESLIM", "Teslim", 0},
    {"VEREN", "Veren", 0},
    {"CARIKOD", "Cari Kod", 1},
    {"CARIADI", "Cari Adı", 1},
    {"VERGI", "Vergi Tutarı", 0},
    {"NETTUTAR", "Net Tutar", 0},
    {"TUTAR", "Tutar", 0},
    {"DURUM", "Durum", 0},
    {"KARGOADI", "Kargo Adı", 0},
    {"VERENINNOTU", "Verenin Notu", 0},
    {"ALANNOTU", "Alanın Notu", 0},
};

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    if (QAction *a = menu->findChild<QAction *>(QLatin1String(name)))
        return a;
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

OncekiSiparislerSekmesi::OncekiSiparislerSekmesi(MainWindowHost &host, QWidget *sheet,
                                                 BusyIndicator *gifoncekiler, QMenu *poponceki)
    : QObject(sheet), m_host(host), m_sheet(sheet), m_busy(gifoncekiler), m_menu(poponceki)
{
    m_grid = new GridView(sheet);
    m_yukleyici = std::make_unique<SekmeYukleyici>(this, m_grid, &DataSource_ONCEKI, m_busy);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView2"));
    m_grid->tableView()->setAccessibleName(QStringLiteral("Önceki Siparişler"));
    GecmisGridGorunumu(m_grid, 60);
    for (const auto &k : kKolonlar) {
        const QString field = QString::fromLatin1(k.field);
        GridColumn *c = m_grid->createColumn(QStringLiteral("cxGridDBTableView2") + field, field);
        const QString caption = QString::fromUtf8(k.caption);
        if (!caption.isEmpty())
            c->setCaption(caption);
        c->setTag(1);
        c->setVisible(k.gorunum == 0);
        c->setVisibleForCustomization(k.gorunum != 2);
        if (field == QLatin1String("VERENINNOTU") || field == QLatin1String("ALANNOTU"))
            c->setWordWrap(true);
    }
    m_grid->setDataSource(&DataSource_ONCEKI);
    if (!sheet->layout())
        new QVBoxLayout(sheet);
    sheet->layout()->addWidget(m_grid);

    if (!m_menu)
        m_menu = new QMenu(m_grid);
    QAction *s1 = menuItem(m_menu, "S1", QStringLiteral("Siparişi İncele"));
    QAction *bakiyeler = menuItem(m_menu, "SipariBakiyeleriniz1", QStringLiteral("Sipariş Bakiyeleriniz"));
    QAction *t1 = menuItem(m_menu, "T1", QStringLiteral("Tüm Siparişler"));
    connect(s1, &QAction::triggered, this, &OncekiSiparislerSekmesi::S1Click);
    connect(bakiyeler, &QAction::triggered, this, &OncekiSiparislerSekmesi::SipariBakiyeleriniz1Click);
    connect(t1, &QAction::triggered, this, &OncekiSiparislerSekmesi::T1Click);
    connect(m_grid, &GridView::contextMenuRequested, this,
            [this](const QPoint &pos, int) { m_menu->popup(pos); });
    connect(m_grid, &GridView::recordDoubleClicked, this,
            [this](int, GridColumn *) { cxGridDBTableView2DblClick(); });
    sheet->installEventFilter(this);
}

OncekiSiparislerSekmesi::~OncekiSiparislerSekmesi()
{
    // The grid lives in the tab sheet; it goes with the data set it shows.
    delete m_grid.data();
}

bool OncekiSiparislerSekmesi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sheet && event->type() == QEvent::Show && !event->spontaneous())
        soncekiShow();
    return QObject::eventFilter(watched, event);
}

void OncekiSiparislerSekmesi::soncekiShow()
{
    SekmeYukleyici::Adimlar adimlar;
    adimlar.getir = [this] { return OncekileriGetir(); };
    adimlar.bagladiktanSonra = [this] {
        m_grid->ApplyBestFit();
        for (const char *field : {"VERENINNOTU", "ALANNOTU"})
            if (GridColumn *c = m_grid->columnByField(QLatin1String(field)))
                c->setWidth(200);
    };
    adimlar.bitti = [this](bool failed) { emit loadFinished(failed); };
    adimlar.yeniden = [this] { soncekiShow(); };
    m_yukleyici->yukle(adimlar);
}

bool OncekiSiparislerSekmesi::OncekileriGetir()
{
    try {
        const int carino = m_host.session().CARINO();
        DbxTable reader;
        if (!KlondaSunucuCagir(m_host.connection(), 0,
                               [&](TServerMethods1Client &p) { reader = p.OncekiSiparisler(carino); }))
            return true;
        m_onceki.DisableControls();
        CopyReaderToClientDataSet(reader, m_onceki);
        FormatAyarla(&m_onceki);
        m_onceki.EnableControls();
        return false;
    } catch (const Exception &) {
        if (m_onceki.ControlsDisabled())
            m_onceki.EnableControls();
        return true;
    }
}

void OncekiSiparislerSekmesi::S1Click()
{
    const int record = m_grid->focusedRecord();
    if (record < 0)
        return;
    const int idnosu = m_grid->rawValue(m_grid->columnByField(QStringLiteral("IDNO")), record).toInt();
    Tayrinti_siparis window(m_host.window());
    SiparisAyrintiGetir(window.sepet(), idnosu);
    SiparisDipGetir(window.asagi(), idnosu);
    window.SepetHesapla();
    window.exec();
}

void OncekiSiparislerSekmesi::SiparisAyrintiGetir(TClientDataSet &rows, int idnosu)
{
    const int carino = m_host.session().CARINO();
    DbxTable reader;
    if (!SunucuCagir(m_host.connection(), 1,
                     [&](TServerMethods1Client &p) { reader = p.SiparisAyrintisi2(carino, idnosu); }))
        return;
    CopyReaderToClientDataSet(reader, rows);
    FormatAyarla(&rows);
}

void OncekiSiparislerSekmesi::SiparisDipGetir(TSiparisDipAyrinti &footer, int idnosu)
{
    std::optional<TSiparisDipAyrinti> dip;
    if (!SunucuCagir(m_host.connection(), 1,
                     [&](TServerMethods1Client &p) { dip = p.SiparisAytintisiDip(0, idnosu); }))
        return;
    footer.Kopyala(dip.value_or(TSiparisDipAyrinti()));
}

void OncekiSiparislerSekmesi::SipariBakiyeleriniz1Click()
{
    BakiyeleriGoster(m_host);
}

void OncekiSiparislerSekmesi::T1Click()
{
    TumSiparisleriGoster(m_host, 0);
}
