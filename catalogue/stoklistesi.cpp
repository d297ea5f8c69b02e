#include "catalogue/stoklistesi.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "catalogue/aramafiltresi.h"
#include "catalogue/fiyatbilgisi.h"
#include "catalogue/katalogkolonlari.h"
#include "catalogue/katalogsatiri.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "platform/widgets/busyindicator.h"
#include "server/baglantiu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kEtiket = QStringLiteral("Stok Listesi");

QAction *menuItem(QMenu *menu, const char *name)
{
    return menu ? menu->findChild<QAction *>(QLatin1String(name)) : nullptr;
}

} // namespace

StokListesi::StokListesi(MainWindowHost &host, QWidget *sstoklistesi, BusyIndicator *gifstokara,
                         QMenu *popstok, QObject *parent)
    : QObject(parent), m_host(host), m_sheet(sstoklistesi), m_busy(gifstokara), m_menu(popstok)
{
    // A search still running when the tab goes keeps its data set alive until it ends.
    m_stokHolder =
        std::shared_ptr<TClientDataSet>(new TClientDataSet, [](TClientDataSet *d) { d->deleteLater(); });
    m_stok = m_stokHolder.get();
    m_stok->setObjectName(QStringLiteral("stok"));
    m_source = new TDataSource(m_stok, this);
    m_source->setObjectName(QStringLiteral("DataSource1"));

    m_grid = new GridView(sstoklistesi);
    m_grid->setObjectName(QStringLiteral("cxGrid1"));
    m_grid->tableView()->setAccessibleName(kEtiket);
    applyStockListLook(m_grid);
    StokKolonlariniKur(m_grid);
    GridColumn *fiyat = m_grid->columnByName(FiyatBilgisiKolonu);
    fiyat->setCustomDraw([grid = m_grid](QPainter *painter, const GridCustomDrawArgs &args) {
        FiyatBilgisiCiz(painter, args, grid->gridStyle());
    });
    m_grid->setDataSource(m_source);
    if (sstoklistesi) {
        auto *layout = qobject_cast<QVBoxLayout *>(sstoklistesi->layout());
        if (!layout) {
            layout = new QVBoxLayout(sstoklistesi);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        layout->addWidget(m_grid);
    }
    for (const char *field : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
        m_duzen.fiyatKolonlari << m_grid->columnByField(QLatin1String(field));
    m_duzen.fiyatBilgisi = fiyat;
    for (const char *field : {"OEM1", "OEM2", "OEM3"})
        m_duzen.oemKolonlari << m_grid->columnByField(QLatin1String(field));

    connect(m_grid, &GridView::resized, this, [this] {
        // Not while a search runs: the grid is detached then.
        if (m_host.searchBox()->isEnabled())
            StokEnIyile();
    });
    connect(m_grid, &GridView::recordDoubleClicked, this, [this] { cxGrid1DBTableView1DblClick(); });
    connect(m_grid, &GridView::contextMenuRequested, this, [this](const QPoint &pos, int) {
        if (m_menu)
            m_menu->popup(pos);
    });
    if (QAction *s2 = menuItem(popstok, "S2"))
        connect(s2, &QAction::triggered, this, &StokListesi::cxGrid1DBTableView1DblClick);
    for (QAction *action : popstok ? popstok->actions() : QList<QAction *>()) {
        if (action->text() == QStringLiteral("Sipariş Bakiyeleriniz"))
            connect(action, &QAction::triggered, this, &StokListesi::bakiyelerIstendi);
    }
    if (QAction *s3 = menuItem(popstok, "S3"))
        connect(s3, &QAction::triggered, this, &StokListesi::S3Click);

    m_filter = new AramaFiltresi(this);
    m_host.searchBox()->installEventFilter(m_filter);
}

// The key filter goes with this object; the search box may already be gone when the window closes.
StokListesi::~StokListesi() = default;

void StokListesi::KullaniciTipiUygula(int musteriTipi)
{
    KatalogKullaniciTipi(m_grid, musteriTipi, true);
}

void StokListesi::StokEnIyile()
{
    // The switch follows the main window's own width, not the screen's.
    ::StokEnIyile(m_grid, m_host.window()->width(), m_duzen);
}

void StokListesi::araeditEnter()
{
    QLineEdit *araedit = m_host.searchBox();
    if (!araedit->isEnabled())
        return;
    if (m_host.activeTab() != m_sheet)
        m_host.activateTab(m_sheet);
    if (araedit->text().trimmed().size() < 2) {
        MesajGoster(QStringLiteral("Lütfen en az 2 harf giriniz !"), mtWarning, mbOKOnly, mbOK);
        return;
    }
    Ara();
}

void StokListesi::Ara()
{
    QLineEdit *araedit = m_host.searchBox();
    araedit->setEnabled(false);
    m_searching = true;
    if (m_busy)
        m_busy->start();
    m_source->setEnabled(false);
    m_grid->BeginUpdate();
    m_grid->clearFilters();

    // The text goes as it is, blanks included; the session travels as a copy of its own.
    const QString kod = araedit->text();
    TSonucBilgisi bilgi;
    bilgi.Kopyala(m_host.session());
    auto failed = std::make_shared<bool>(true);
    std::shared_ptr<TSQLConnection> baglanti = m_host.connection().CloneConnection();
    std::shared_ptr<TClientDataSet> stok = m_stokHolder;
    QPointer<StokListesi> self(this);
    Async([=] { *failed = StokListesiGetir(*baglanti, *stok, kod, bilgi); })->Await(this, [self, failed] {
        if (!self)
            return;
        StokListesi &t = *self;
        QLineEdit *box = t.m_host.searchBox();
        box->setEnabled(true);
        t.m_source->setEnabled(true);
        t.m_grid->EndUpdate();
        box->selectAll();
        box->setFocus();
        if (t.m_busy)
            t.m_busy->stop();
        t.m_searching = false;
        if (!*failed) {
            FormatAyarla(t.m_stok);
            t.m_host.setTabCaption(t.m_sheet, SayiBasligi(t.m_stok->RecordCount(), kEtiket));
        } else {
            if (t.m_stok->Active())
                t.m_stok->EmptyDataSet();
            MesajGoster(BaglantiHatasi, mtError, mbOKOnly, mbOK);
            t.m_host.setTabCaption(t.m_sheet, kEtiket);
        }
        emit t.aramaBitti(!*failed);
    });
}

bool StokListesi::StokListesiGetir(TSQLConnection &baglanti, TClientDataSet &stok, const QString &kod,
                                   const TSonucBilgisi &bilgi)
{
    CallError hata;
    const bool ok = SunucuCagir(
        baglanti, 0,
        [&](TServerMethods1Client &proxy) {
            stok.DisableControls();
            try {
                const DbxTable packet = proxy.StokAraGetir(kod, bilgi);
                AssignPacket(packet, stok);
                if (!stok.FindField(QStringLiteral("IND1")))
                    throw EDBXError(QStringLiteral("Field 'IND1' not found"));
            } catch (...) {
                stok.EnableControls();
                throw;
            }
            stok.EnableControls();
        },
        &hata);
    return !ok;
}

void StokListesi::SpeedButton1Click()
{
    QLineEdit *araedit = m_host.searchBox();
    if (!araedit->isEnabled())
        return;
    if (m_stok->Active()) {
        m_stok->EmptyDataSet();
        m_host.setTabCaption(m_sheet, kEtiket);
    }
    m_host.activateTab(m_sheet);
    m_grid->clearFilters();
    araedit->clear();
    araedit->setFocus();
}

void StokListesi::cxGrid1DBTableView1DblClick()
{
    const QVariantMap row = OdakliKatalogSatiri(m_grid);
    if (!row.isEmpty())
        m_host.sepeteEkle(row, SepetKaynagi::StokListesi);
}

void StokListesi::S3Click()
{
    const QVariantMap row = OdakliKatalogSatiri(m_grid);
    if (!row.isEmpty())
        emit siparisleriGosterIstendi(row.value(QStringLiteral("STOK_STOKNO")).toInt());
}
