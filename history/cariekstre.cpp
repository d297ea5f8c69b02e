#include "history/cariekstre.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "history/ayrinti_faturau.h"
#include "history/ayrinti_tahsilatu.h"
#include "history/hesaplar.h"
#include "history/siparisgrid.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/widgets/busyindicator.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace {

const struct
{
    const char *field;
    const char *caption;
    bool shown;
    Qt::Alignment alignment;
    int width;
} kKolonlar[] = {
    {"CARINO", "", false, Qt::AlignLeft, 60},
    {"TARIH", "Tarih", true, Qt::AlignLeft, 110},
    {"TURADI", "Tür Adı", true, Qt::AlignLeft, 200},
    {"EVRAK", "Evrak No", true, Qt::AlignLeft, 150},
    {"BORC", "Borç", true, Qt::AlignRight, 140},
    {"ALACAK", "Alacak", true, Qt::AlignRight, 140},
    {"KUR", "Kur", true, Qt::AlignLeft, 60},
    {"BAKIYE", "Bakiye", true, Qt::AlignRight, 140},
    {"D", "", true, Qt::AlignHCenter, 50},
    {"IDNO", "", false, Qt::AlignLeft, 60},
    {"ACIKLAMA", "Açıklama", true, Qt::AlignLeft, 300},
};

} // namespace

CariEkstreSekmesi::CariEkstreSekmesi(MainWindowHost &host, QWidget *sheet, BusyIndicator *gifekstre,
                                     QMenu *popekstre)
    : QObject(sheet), m_host(host), m_sheet(sheet), m_busy(gifekstre), m_menu(popekstre)
{
    m_grid = new GridView(sheet);
    m_yukleyici = std::make_unique<SekmeYukleyici>(this, m_grid, &DataSource_EKSTRE, m_busy);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView4"));
    m_grid->tableView()->setAccessibleName(QStringLiteral("Cari Ekstre"));
    GecmisGridGorunumu(m_grid, 40);
    m_grid->setSortingEnabled(false);
    for (const auto &k : kKolonlar) {
        const QString field = QString::fromLatin1(k.field);
        GridColumn *c = m_grid->createColumn(QStringLiteral("cxGridDBTableView4") + field, field);
        const QString caption = QString::fromUtf8(k.caption);
        if (!caption.isEmpty())
            c->setCaption(caption);
        c->setTag(1);
        c->setKind(GridCellKind::Label);
        c->setVisible(k.shown);
        c->setVisibleForCustomization(k.shown);
        c->setSortable(false);
        c->setAlignment(k.alignment | Qt::AlignVCenter);
        c->setHeaderAlignment(Qt::AlignCenter);
        c->setWidth(k.width);
        if (field == QLatin1String("BORC") || field == QLatin1String("ALACAK"))
            c->setFooterSummary(GridSummaryKind::Sum);
    }
    m_grid->setDataSource(&DataSource_EKSTRE);
    if (!sheet->layout())
        new QVBoxLayout(sheet);
    sheet->layout()->addWidget(m_grid);

    if (!m_menu)
        m_menu = new QMenu(m_grid);
    QAction *h1 = m_menu->findChild<QAction *>(QStringLiteral("H1"));
    if (!h1) {
        h1 = m_menu->addAction(QStringLiteral("Hareket İncele"));
        h1->setObjectName(QStringLiteral("H1"));
    }
    connect(h1, &QAction::triggered, this, &CariEkstreSekmesi::H1Click);
    connect(m_grid, &GridView::contextMenuRequested, this,
            [this](const QPoint &pos, int) { m_menu->popup(pos); });
    connect(m_grid, &GridView::recordDoubleClicked, this,
            [this](int, GridColumn *) { cxGridDBTableView4DblClick(); });
    sheet->installEventFilter(this);
}

CariEkstreSekmesi::~CariEkstreSekmesi()
{
    // The grid lives in the tab sheet; it goes with the data set it shows.
    delete m_grid.data();
}

bool CariEkstreSekmesi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sheet && event->type() == QEvent::Show && !event->spontaneous())
        sccariekstreShow();
    return QObject::eventFilter(watched, event);
}

void CariEkstreSekmesi::sccariekstreShow()
{
    SekmeYukleyici::Adimlar adimlar;
    adimlar.getir = [this] { return EkstreGetir(); };
    adimlar.baglamadanOnce = [this] {
        BakiyeHesapla(m_ekstre);
        FormatAyarla(&m_ekstre);
    };
    adimlar.bitti = [this](bool failed) { emit loadFinished(failed); };
    adimlar.yeniden = [this] { sccariekstreShow(); };
    m_yukleyici->yukle(adimlar);
}

bool CariEkstreSekmesi::EkstreGetir()
{
    try {
        const int carino = m_host.session().CARINO();
        DbxTable reader;
        if (!KlondaSunucuCagir(m_host.connection(), 0,
                               [&](TServerMethods1Client &p) { reader = p.CariEkstreVer(carino); }))
            return true;
        CopyReaderToClientDataSet(reader, m_ekstre);
        return false;
    } catch (const Exception &) {
        return true;
    }
}

void CariEkstreSekmesi::H1Click()
{
    const int record = m_grid->focusedRecord();
    if (record < 0)
        return;
    const QString turadi =
        m_grid->rawValue(m_grid->columnByField(QStringLiteral("TURADI")), record).toString();
    const int idno = m_grid->rawValue(m_grid->columnByField(QStringLiteral("IDNO")), record).toInt();
    switch (EvrakTuru(turadi)) {
    case 2:
        FaturaGoster(idno);
        break;
    case 1:
        TahsilatGoster(idno);
        break;
    default:
        break;
    }
}

void CariEkstreSekmesi::FaturaGoster(int idno)
{
    Tayrinti_fatura window(m_host.window());
    const int carino = m_host.session().CARINO();
    DbxTable lines;
    if (SunucuCagir(m_host.connection(), 1,
                    [&](TServerMethods1Client &p) { lines = p.FaturaGetir(carino, idno); }))
        CopyReaderToClientDataSet(lines, window.fatura());
    DbxTable totals;
    if (SunucuCagir(m_host.connection(), 1,
                    [&](TServerMethods1Client &p) { totals = p.FaturaAltGetir(idno); }))
        CopyReaderToClientDataSet(totals, window.alt());
    window.EnIyile();
    window.exec();
}

void CariEkstreSekmesi::TahsilatGoster(int idno)
{
    Tayrinti_tahsilat window(m_host.window());
    int sirano = 0;
    DbxTable rows;
    if (SunucuCagir(m_host.connection(), 1, [&](TServerMethods1Client &p) {
            rows = p.Tahsilat(idno);
            sirano = p.SanalposSiranoVer(idno);
        }))
        CopyReaderToClientDataSet(rows, window.TAH());
    window.EnIyile();
    window.belgeyaz()->setVisible(sirano > 0);
    window.con = &m_host.connection();
    window.sirano = sirano;
    window.exec();
}
