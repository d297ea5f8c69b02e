#include "messages/duyurusekmesi.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "messages/hedefyonlendir.h"
#include "messages/hexcoz.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "platform/widgets/busyindicator.h"

#include <QEvent>
#include <QLayout>
#include <QTableView>
#include <memory>

DuyuruSonucu DuyurulariGetir(TSQLConnection &con)
{
    DuyuruSonucu sonuc;
    QList<Duyuru> duyurular;
    CallError hata;
    const bool ok = SunucuCagir(
        con, 0,
        [&](TServerMethods1Client &proxy) {
            const std::optional<TAcilisEkranlariki> ekranlar = proxy.AcilisEkranlarVer2();
            if (!ekranlar)
                return;
            for (const TAcilisEkran &ekran : ekranlar->Ekranlar())
                duyurular.append({HexCoz(ekran.Resim()), ekran.Arama()});
        },
        &hata);
    if (ok) {
        sonuc.hata = false;
        sonuc.duyurular = std::move(duyurular);
    }
    return sonuc;
}

TDuyuruSekmesi::TDuyuruSekmesi(MainWindowHost &host, QWidget *sheet, BusyIndicator *busy, QObject *parent)
    : QObject(parent), m_host(host), m_sheet(sheet), gifduyuru(busy)
{
    cxGridduyuru = new GridView(sheet);
    cxGridduyuru->setObjectName(QStringLiteral("cxGridduyuru"));
    cxGridduyuru->tableView()->setAccessibleName(QStringLiteral("Duyurular"));
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(11);
    GridStyle style = cxGridduyuru->gridStyle();
    style.cellFont = font;
    cxGridduyuru->setGridStyle(style);
    cxGridduyuru->setHeaderVisible(false);
    cxGridduyuru->setRowIndicatorVisible(false);
    cxGridduyuru->setFocusRectVisible(false);
    cxGridduyuru->setRowHeight(405);
    cxGridduyuru->setPixelScrolling(true);
    cxGridduyuru->setReadOnly(true);
    cxGridduyuru->setIncrementalSearch(false);
    cxGridduyuru->setHeaderFilterButtons(false);
    cxGridduyuru->setColumnChooser(false);
    cxGridduyuru->setSortingEnabled(false);
    cxGridduyuru->setColumnMoving(false);

    m_duyuru = cxGridduyuru->createColumn(QStringLiteral("cxGridduyuruBandedDuyuruduyuru"));
    m_duyuru->setKind(GridCellKind::Picture);
    m_duyuru->setWidth(605);
    m_duyuru->setSizable(false);
    m_duyuru->setSortable(false);
    m_duyuru->setFilterable(false);
    m_arama = cxGridduyuru->createColumn(QStringLiteral("cxGridduyuruBandedDuyuruarama"));
    m_arama->setVisible(false);
    m_arama->setVisibleForCustomization(false);
    m_arama->setSortable(false);
    m_arama->setFilterable(false);

    if (sheet->layout())
        sheet->layout()->addWidget(cxGridduyuru);
    sheet->installEventFilter(this);
    connect(cxGridduyuru, &GridView::recordDoubleClicked, this,
            [this] { cxGridduyuruBandedDuyuruDblClick(); });
}

bool TDuyuruSekmesi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sheet && event->type() == QEvent::Show)
        sTabSheetduyuruShow();
    return QObject::eventFilter(watched, event);
}

void TDuyuruSekmesi::sTabSheetduyuruShow()
{
    // One load at a time; a show during a load asks for one more afterwards.
    if (m_loading) {
        m_again = true;
        return;
    }
    startLoad();
}

void TDuyuruSekmesi::startLoad()
{
    m_loading = true;
    if (gifduyuru)
        gifduyuru->start();
    cxGridduyuru->setEnabled(false);
    cxGridduyuru->BeginUpdate();
    auto sonuc = std::make_shared<DuyuruSonucu>();
    const std::shared_ptr<TSQLConnection> clone = m_host.connection().CloneConnection();
    QPointer<TDuyuruSekmesi> self(this);
    Async([sonuc, clone] { *sonuc = DuyurulariGetir(*clone); })->Await(this, [self, sonuc] {
        if (self)
            self->finishLoad(*sonuc);
    });
}

void TDuyuruSekmesi::finishLoad(const DuyuruSonucu &sonuc)
{
    if (!sonuc.hata) {
        cxGridduyuru->setRecordCount(0);
        cxGridduyuru->setRecordCount(int(sonuc.duyurular.size()));
        for (int i = 0; i < sonuc.duyurular.size(); ++i) {
            const Duyuru &d = sonuc.duyurular[i];
            cxGridduyuru->setValue(i, m_duyuru, d.resim.isEmpty() ? QVariant() : QVariant(d.resim));
            cxGridduyuru->setValue(i, m_arama, d.arama);
        }
    }
    cxGridduyuru->EndUpdate();
    cxGridduyuru->setEnabled(true);
    if (gifduyuru)
        gifduyuru->stop();
    m_loading = false;
    if (sonuc.hata)
        MesajGoster(BaglantiHatasi, mtError, mbOKOnly, mbOK);
    emit loaded(sonuc.hata);
    if (m_again) {
        m_again = false;
        startLoad();
    }
}

void TDuyuruSekmesi::cxGridduyuruBandedDuyuruDblClick()
{
    const int record = cxGridduyuru->focusedRecord();
    if (record < 0)
        return;
    const QString hedef = cxGridduyuru->value(record, m_arama).toString();
    if (hedef.trimmed().isEmpty())
        return;
    HedefYonlendir(m_host, hedef);
}
