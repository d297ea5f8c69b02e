#include "catalogue/urunlistesi.h"

#include "app/core/callframe.h"
#include "app/core/utils.h"
#include "catalogue/katalogkolonlari.h"
#include "catalogue/katalogsatiri.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "platform/widgets/busyindicator.h"
#include "server/baglantiu.h"

#include <QEvent>
#include <QTableView>
#include <QVBoxLayout>

UrunListesi::UrunListesi(Tur tur, MainWindowHost &host, QWidget *tabSheet, BusyIndicator *busy,
                         QObject *parent)
    : QObject(parent), m_tur(tur), m_host(host), m_sheet(tabSheet), m_busy(busy)
{
    const bool yeni = tur == Tur::Yeniler;
    // A load still running when the tab goes keeps its data set alive until it ends.
    m_dataHolder =
        std::shared_ptr<TClientDataSet>(new TClientDataSet, [](TClientDataSet *d) { d->deleteLater(); });
    m_data = m_dataHolder.get();
    m_data->setObjectName(yeni ? QStringLiteral("YENILER") : QStringLiteral("kampstok"));
    m_source = new TDataSource(m_data, this);
    m_source->setObjectName(yeni ? QStringLiteral("DataSource_yeniler") : QStringLiteral("kampsource"));
    m_grid = new GridView(tabSheet);
    m_grid->setObjectName(yeni ? QStringLiteral("cxGrid6") : QStringLiteral("cxkampanyali"));
    m_grid->tableView()->setAccessibleName(yeni ? QStringLiteral("Yeni Stoklar")
                                                : QStringLiteral("Kampanyalı Stoklar"));
    applyCatalogueLook(m_grid);
    if (yeni)
        YeniKolonlariniKur(m_grid);
    else
        KampanyaKolonlariniKur(m_grid);
    m_grid->setDataSource(m_source);
    if (tabSheet) {
        auto *layout = qobject_cast<QVBoxLayout *>(tabSheet->layout());
        if (!layout) {
            layout = new QVBoxLayout(tabSheet);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        layout->addWidget(m_grid);
    }
    connect(m_grid, &GridView::resized, this, [this] {
        // The campaign grid skips its width rule while it is disabled for a load.
        if (m_tur == Tur::Yeniler || m_grid->isEnabled())
            EnIyile();
    });
    connect(m_grid, &GridView::recordDoubleClicked, this, &UrunListesi::DblClick);
    if (tabSheet)
        tabSheet->installEventFilter(this);
}

bool UrunListesi::eventFilter(QObject *watched, QEvent *event)
{
    // syenilerShow / skampanyaliShow: every show of the tab loads the list afresh.
    if (watched == m_sheet && event->type() == QEvent::Show)
        Goster();
    return QObject::eventFilter(watched, event);
}

void UrunListesi::KullaniciTipiUygula(int musteriTipi)
{
    KatalogKullaniciTipi(m_grid, musteriTipi, m_tur == Tur::Yeniler);
}

void UrunListesi::EnIyile()
{
    if (m_tur == Tur::Yeniler)
        YenilerEnIyile(m_grid);
    else
        KampanyaliEnIyile(m_grid);
}

void UrunListesi::Goster()
{
    if (m_loading) {
        m_again = true;
        return;
    }
    m_loading = true;
    if (m_busy)
        m_busy->start();
    m_grid->setEnabled(false);
    m_source->setEnabled(false);
    m_grid->BeginUpdate();

    const TSonucBilgisi &s = m_host.session();
    const int carino = s.CARINO();
    const int tip = s.MusteriTipi();
    auto failed = std::make_shared<bool>(true);
    std::shared_ptr<TSQLConnection> baglanti = m_host.connection().CloneConnection();
    std::shared_ptr<TClientDataSet> data = m_dataHolder;
    const Tur tur = m_tur;
    QPointer<UrunListesi> self(this);
    Async([=] { *failed = Getir(tur, *baglanti, *data, carino, tip); })->Await(this, [self, failed] {
        if (!self)
            return;
        UrunListesi &t = *self;
        t.m_source->setEnabled(true);
        t.m_grid->EndUpdate();
        t.m_grid->setEnabled(true);
        if (t.m_busy)
            t.m_busy->stop();
        t.m_loading = false;
        if (!*failed) {
            FormatAyarla(t.m_data);
            const QString etiket =
                t.m_tur == Tur::Yeniler ? QStringLiteral("Yeni Stoklar") : QStringLiteral("Kampanyalı");
            t.m_host.setTabCaption(t.m_sheet, SayiBasligi(t.m_data->RecordCount(), etiket));
        } else {
            MesajGoster(BaglantiHatasi, mtError, mbOKOnly, mbOK);
        }
        emit t.yuklemeBitti(!*failed);
        if (self && t.m_again) {
            t.m_again = false;
            t.Goster();
        }
    });
}

bool UrunListesi::Getir(Tur tur, TSQLConnection &baglanti, TClientDataSet &data, int carino, int musteriTipi)
{
    CallError hata;
    const bool ok = SunucuCagir(
        baglanti, 0,
        [&](TServerMethods1Client &proxy) {
            data.DisableControls();
            try {
                const DbxTable packet = tur == Tur::Yeniler ? proxy.YenilerVer2(carino)
                                                            : proxy.KampanyaliVer2(carino, musteriTipi);
                AssignPacket(packet, data);
            } catch (...) {
                data.EnableControls();
                throw;
            }
            data.EnableControls();
        },
        &hata);
    return !ok;
}

void UrunListesi::DblClick()
{
    const QVariantMap row = OdakliKatalogSatiri(m_grid);
    if (!row.isEmpty())
        m_host.sepeteEkle(row, m_tur == Tur::Yeniler ? SepetKaynagi::Yeniler : SepetKaynagi::Kampanyali);
}
