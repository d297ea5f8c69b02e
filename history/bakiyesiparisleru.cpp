#include "history/bakiyesiparisleru.h"

#include "app/core/callframe.h"
#include "app/core/icons.h"
#include "app/core/mainwindowhost.h"
#include "app/core/utils.h"
#include "history/altpanel.h"
#include "history/amountedit.h"
#include "history/bakiyedegistiru.h"
#include "history/fiyatdegistiru.h"
#include "history/hesaplar.h"
#include "history/pencere.h"
#include "history/siparisgrid.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/formatfloat.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QWidget *durumAciklamasi(QWidget *parent)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("Panel3"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 2, 8, 2);
    row->setSpacing(2);
    row->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:"), strip));
    const struct
    {
        int code;
        const char *text;
    } entries[] = {{1, " Stok mevcut  "},      {2, " Telefon Açınız  "}, {3, " Yolda  "},
                   {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "},   {0, " Yok  "}};
    for (const auto &e : entries) {
        auto *icon = new QLabel(strip);
        icon->setPixmap(Icons::durum(e.code).pixmap(20, 20));
        row->addWidget(icon);
        row->addWidget(new QLabel(QString::fromUtf8(e.text), strip));
    }
    row->addStretch(1);
    return strip;
}

} // namespace

Tbakiyesiparisler::Tbakiyesiparisler(QWidget *owner, TSQLConnection &bagim, const TSonucBilgisi &bilgi)
    : QDialog(owner), m_bagim(bagim), m_bilgi(bilgi)
{
    setObjectName(QStringLiteral("bakiyesiparisler"));
    setWindowTitle(QStringLiteral("Bakiye Siparişler"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGridDBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    SiparisGridKur(m_grid, SiparisGridTuru::Bakiye);
    m_grid->setDataSource(&m_source);
    layout->addWidget(m_grid, 1);
    layout->addWidget(durumAciklamasi(this));
    m_panel = new OrderFooterPanel(this);
    layout->addWidget(m_panel);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_b1 = m_popup->addAction(QStringLiteral("Bakiyeyi Sil"));
    m_b1->setObjectName(QStringLiteral("B1"));
    m_b2 = m_popup->addAction(QStringLiteral("Bakiye Değiştir"));
    m_b2->setObjectName(QStringLiteral("B2"));
    m_f1 = m_popup->addAction(QStringLiteral("Fiyat Değiştir"));
    m_f1->setObjectName(QStringLiteral("F1"));
    m_f1->setVisible(false);
    connect(m_b1, &QAction::triggered, this, &Tbakiyesiparisler::B1Click);
    connect(m_b2, &QAction::triggered, this, &Tbakiyesiparisler::B2Click);
    connect(m_f1, &QAction::triggered, this, &Tbakiyesiparisler::F1Click);
    connect(m_grid, &GridView::contextMenuRequested, this,
            [this](const QPoint &pos, int) { m_popup->popup(pos); });

    connect(m_grid, &GridView::focusedRecordChanged, this,
            &Tbakiyesiparisler::cxGridDBTableView1FocusedRecordChanged);
    connect(m_grid, &GridView::resized, this, &Tbakiyesiparisler::cxGrid2Resize);
    connect(m_panel->kapat(), &QPushButton::clicked, this, &Tbakiyesiparisler::Button1Click);
    connect(m_panel->excel(), &QPushButton::clicked, this, &Tbakiyesiparisler::Button2Click);
    m_panel->showTotals(ToplamYazilariniVer({}));
}

Tbakiyesiparisler::~Tbakiyesiparisler()
{
    // The grid outlives the data set members; it must not read them while they go.
    m_grid->setDataSource(nullptr);
}

void Tbakiyesiparisler::KullaniciTipiUygula(int musteriTipi, Yer yer)
{
    auto show = [this](const char *field, bool offered) {
        if (GridColumn *c = column(QLatin1String(field))) {
            c->setVisible(true);
            if (offered)
                c->setVisibleForCustomization(true);
        }
    };
    const bool sekme = yer == Yer::Sekme;
    if (musteriTipi == 2) {
        show("ILKFIYAT", sekme);
        m_f1->setVisible(true);
    }
    if (musteriTipi == 1 || musteriTipi == 2) {
        show("ELDEKI", sekme);
        if (sekme) {
            show("ALINANSIPARIS", true);
            show("VERILENSIPARIS", true);
        }
    }
    if (musteriTipi == 3) {
        if (GridColumn *c = column(QStringLiteral("DURUM"))) {
            c->setVisible(false);
            c->setVisibleForCustomization(false);
        }
    }
}

GridColumn *Tbakiyesiparisler::column(const QString &field) const
{
    return m_grid->columnByField(field);
}

// A plain open of bagim (no retry, no message of its own); closed again whatever the call does.
template<class F>
void Tbakiyesiparisler::duzCagir(F &&call)
{
    m_bagim.Open();
    callframe_detail::ClosesConnection closer(m_bagim);
    TServerMethods1Client proxy(m_bagim);
    call(proxy);
}

void Tbakiyesiparisler::BakiyeAlalim()
{
    TDBXReader reader;
    duzCagir([&](TServerMethods1Client &p) { reader = p.BakiyelerVer2(m_bilgi.CARINO()); });
    // The call is over and bagim closed before the grid moves its focus, which calls again.
    CopyReaderToClientDataSet(reader, m_bakiyesepet);
    FormatAyarla(&m_bakiyesepet);
    m_grid->BeginUpdate();
    const SiparisToplami toplam = SiparisToplamHesapla(m_bakiyesepet);
    m_grid->EndUpdate();
    m_panel->showTotals(ToplamYazilariniVer(toplam));
    dipGoster();
}

void Tbakiyesiparisler::dipGoster()
{
    m_panel->showFooter(m_asagi, false);
}

void Tbakiyesiparisler::Goster()
{
    PencereYerlestir(this, 50, 50, 100, 150);
}

QVariant Tbakiyesiparisler::odak(int record, const char *field) const
{
    const int index = m_bakiyesepet.fieldIndex(QLatin1String(field));
    return index >= 0 ? m_bakiyesepet.value(record, index) : QVariant();
}

void Tbakiyesiparisler::cxGridDBTableView1FocusedRecordChanged(int record)
{
    if (record < 0 || !m_bakiyesepet.Active())
        return;
    const int idno = odak(record, "IDNO").toInt();
    std::optional<TSiparisDipAyrinti> dip;
    duzCagir([&](TServerMethods1Client &p) { dip = p.SiparisAytintisiDip(0, idno); });
    // An order the server no longer knows shows an empty footer.
    m_asagi.Kopyala(dip.value_or(TSiparisDipAyrinti()));
    dipGoster();
}

Tbakiyesiparisler::BakiyeSatiri Tbakiyesiparisler::satir(int record) const
{
    return {odak(record, "STOK_STOKNO").toInt(), odak(record, "SIRANO").toInt(),
            odak(record, "STOKHAR_NO").toInt(),  odak(record, "MIKTAR").toDouble(),
            odak(record, "KALAN").toDouble(),    odak(record, "BARKOD").toString()};
}

void Tbakiyesiparisler::B1Click()
{
    const int record = m_grid->focusedRecord();
    if (record < 0)
        return;
    // A named line, not a structured binding: lambdas cannot capture those before clang 16.
    const BakiyeSatiri b = satir(record);
    if (MesajGoster(QStringLiteral("Sipariş Bakiyesini Silmek İstiyor musunuz ?"), mtConfirmation, mbYesNo,
                    mbNo) != mrYes)
        return;
    duzCagir([&](TServerMethods1Client &p) {
        TSonucBilgisi k;
        k.Kopyala(m_bilgi);
        p.BakiyeDuzenle(k, b.stokno, b.sirano, b.stokharNo, b.miktar, b.kalan, b.barkod);
    });
    BakiyeAlalim();
}

void Tbakiyesiparisler::B2Click()
{
    const int record = m_grid->focusedRecord();
    if (record < 0)
        return;
    const BakiyeSatiri b = satir(record);
    if (MesajGoster(QStringLiteral("Sipariş Bakiyesini Değiştirmek İstiyor musunuz ?"), mtConfirmation,
                    mbYesNo, mbYes) != mrYes)
        return;
    Tbakiyedegistir dialog(this);
    dialog.barkod->setText(b.barkod);
    dialog.adi->setText(odak(record, "ACIKLAMA").toString());
    dialog.finishkod->setText(odak(record, "FINISHKOD").toString());
    dialog.marka->setText(odak(record, "MARKA").toString());
    dialog.model->setText(odak(record, "MODEL").toString());
    dialog.alinansiparis->setText(FloatToStr(b.miktar));
    dialog.teslimedilen->setText(FloatToStr(odak(record, "TESLIMEDILEN").toDouble()));
    dialog.eskibakiye->setText(FloatToStr(b.kalan));
    const QVariant eldeki = odak(record, "ELDEKI");
    dialog.elimizde->setText(eldeki.isNull() ? QString() : FloatToStr(eldeki.toDouble()));
    dialog.elimizde->setVisible(m_bilgi.MusteriTipi() != 0);
    dialog.elimizdeCaption->setVisible(m_bilgi.MusteriTipi() != 0);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double n = dialog.adet->value();
    duzCagir([&](TServerMethods1Client &p) {
        TSonucBilgisi k;
        k.Kopyala(m_bilgi);
        p.BakiyeDegistir(k, b.stokno, b.sirano, b.stokharNo, n, n, b.barkod);
    });
    BakiyeAlalim();
    MesajGoster(QStringLiteral("Bakiye Değiştirildi !"), mtInformation, mbOKOnly, mbOK);
}

void Tbakiyesiparisler::F1Click()
{
    const int record = m_grid->focusedRecord();
    if (record < 0)
        return;
    const BakiyeSatiri b = satir(record);
    const double oran = odak(record, "INDIRIMORANI1").toDouble();
    const double fiyat = odak(record, "BIRIMFIYAT").toDouble();
    Tfiyatdegistir dialog(this);
    dialog._fiyat->setValue(fiyat);
    dialog._iskonto->setValue(oran);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double yeniFiyat = dialog._fiyat->value();
    const double ind = dialog._iskonto->value();
    duzCagir([&](TServerMethods1Client &p) {
        TSonucBilgisi k;
        k.Kopyala(m_bilgi);
        p.BakiyeFiyatDegistir(k, 0, b.sirano, b.stokharNo, b.miktar, b.miktar, b.barkod, yeniFiyat, ind);
    });
    BakiyeAlalim();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bilgi"), QStringLiteral("Fiyat Değiştirildi !"),
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
}

void Tbakiyesiparisler::Button1Click()
{
    close();
}

void Tbakiyesiparisler::Button2Click()
{
    ExcelKaydet(m_grid, this);
}

void Tbakiyesiparisler::cxGrid2Resize()
{
    SepetEnIyile(m_grid);
}

void BakiyeleriGoster(MainWindowHost &host)
{
    Tbakiyesiparisler window(host.window(), host.connection(), host.session());
    window.KullaniciTipiUygula(host.session().MusteriTipi(), Tbakiyesiparisler::Yer::Pencere);
    window.BakiyeAlalim();
    window.Goster();
    window.exec();
}
