#include "history/ayrinti_siparisu.h"

#include "history/altpanel.h"
#include "history/hesaplar.h"
#include "history/pencere.h"
#include "history/siparisgrid.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

Tayrinti_siparis::Tayrinti_siparis(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ayrinti_siparis"));
    setWindowTitle(QStringLiteral("Sipariş Ayrıntısı"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    SiparisGridKur(m_grid, SiparisGridTuru::Ayrinti);
    m_grid->setDataSource(&m_source);
    layout->addWidget(m_grid, 1);
    m_panel = new OrderFooterPanel(this);
    layout->addWidget(m_panel);
    connect(m_panel->kapat(), &QPushButton::clicked, this, &Tayrinti_siparis::Button1Click);
    connect(m_panel->excel(), &QPushButton::clicked, this, &Tayrinti_siparis::Button2Click);
    connect(m_grid, &GridView::resized, this, &Tayrinti_siparis::cxGrid2Resize);
    m_panel->showTotals(ToplamYazilariniVer({}));
}

Tayrinti_siparis::~Tayrinti_siparis()
{
    // The grid outlives the data set members; it must not read them while they go.
    m_grid->setDataSource(nullptr);
}

void Tayrinti_siparis::SepetHesapla()
{
    m_grid->BeginUpdate();
    const SiparisToplami toplam = SiparisToplamHesapla(m_sepet);
    m_grid->EndUpdate();
    m_panel->showTotals(ToplamYazilariniVer(toplam));
    m_panel->showFooter(m_asagi, true);
    PencereYerlestir(this, 50, 50, 100, 150);
}

void Tayrinti_siparis::Button1Click()
{
    close();
}

void Tayrinti_siparis::Button2Click()
{
    ExcelKaydet(m_grid, this);
}

void Tayrinti_siparis::cxGrid2Resize()
{
    // Proportional widths at every screen width: this window has no best-fit layout.
    m_grid->BeginUpdate();
    OrantiliGenislik(m_grid, m_grid->width());
    m_grid->EndUpdate();
}
