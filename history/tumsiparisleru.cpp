#include "history/tumsiparisleru.h"

#include "app/core/callframe.h"
#include "app/core/mainwindowhost.h"
#include "history/altpanel.h"
#include "history/pencere.h"
#include "history/siparisgrid.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

Ttumsiparisler::Ttumsiparisler(QWidget *owner, const TSQLConnection &anaBaglanti, const TSonucBilgisi &bilgi,
                               int stokno)
    : QDialog(owner), m_bagim(anaBaglanti.CloneConnection()), m_bilgi(bilgi), m_stokno(stokno)
{
    setObjectName(QStringLiteral("tumsiparisler"));
    setWindowTitle(QStringLiteral("Sipariş Hareketleri"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    SiparisGridKur(m_grid, SiparisGridTuru::TumSiparisler);
    m_grid->setDataSource(&m_source);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(bottom);
    row->addStretch(1);
    QPushButton *kapat = nullptr;
    QPushButton *excel = nullptr;
    QWidget *buttons = closeExportButtons(bottom, &kapat, &excel);
    static_cast<QVBoxLayout *>(buttons->layout())->setDirection(QBoxLayout::LeftToRight);
    row->addWidget(buttons);
    layout->addWidget(bottom);
    connect(kapat, &QPushButton::clicked, this, &Ttumsiparisler::Button1Click);
    connect(excel, &QPushButton::clicked, this, &Ttumsiparisler::Button2Click);
}

Ttumsiparisler::~Ttumsiparisler()
{
    // The grid outlives the data set members; it must not read them while they go.
    m_grid->setDataSource(nullptr);
}

void Ttumsiparisler::KullaniciTipiUygula(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        if (GridColumn *c = column(QStringLiteral("ELDEKI"))) {
            c->setVisible(true);
            c->setVisibleForCustomization(true);
        }
    }
    if (musteriTipi == 3) {
        if (GridColumn *c = column(QStringLiteral("DURUM"))) {
            c->setVisible(false);
            c->setVisibleForCustomization(false);
        }
    }
}

GridColumn *Ttumsiparisler::column(const QString &field) const
{
    return m_grid->columnByField(field);
}

void Ttumsiparisler::Getir()
{
    TDBXReader reader;
    m_bagim->Open();
    {
        callframe_detail::ClosesConnection closer(*m_bagim);
        TServerMethods1Client proxy(*m_bagim);
        reader = proxy.TumSiparislerVer(m_bilgi.CARINO(), m_stokno);
    }
    CopyReaderToClientDataSet(reader, m_bakiyesepet);
    FormatAyarla(&m_bakiyesepet);
}

void Ttumsiparisler::Goster()
{
    PencereYerlestir(this, 50, 50, 100, 150);
}

void Ttumsiparisler::Button1Click()
{
    close();
}

void Ttumsiparisler::Button2Click()
{
    ExcelKaydet(m_grid, this);
}

void TumSiparisleriGoster(MainWindowHost &host, int stokno)
{
    Ttumsiparisler window(host.window(), host.connection(), host.session(), stokno);
    window.KullaniciTipiUygula(host.session().MusteriTipi());
    window.Getir();
    window.Goster();
    window.exec();
}
