#include "basket/baskettab.h"

#include "app/core/callframe.h"
#include "app/core/icons.h"
#include "app/core/utils.h"
#include "basket/onaysipu.h"
#include "basket/sepettoplam.h"
#include "basket/stokdetaypenceresi.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/async.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kMoney = QStringLiteral("#,###,##0.00");
const QString kSecCaption = QStringLiteral("Seç");

enum class Shown { Always, Yes, Hidden, Never };

struct ColumnDef
{
    const char *field;
    const char *caption;
    Shown shown;
    int tag;
};

// The basket grid's columns in their order.
const ColumnDef kColumns[] = {
    {"SEC", "Seç", Shown::Always, 1},
    {"VERILISTARIHI", "Sipariş Tarihi", Shown::Yes, 1},
    {"SIRANO", "", Shown::Never, 1},
    {"SIPARISNO", "Sipariş No", Shown::Hidden, 1},
    {"CARINO", "", Shown::Never, 1},
    {"TARIH", "Tarih", Shown::Hidden, 1},
    {"AKTAR", "", Shown::Never, 1},
    {"STOKNO", "", Shown::Never, 1},
    {"BARKOD", "Barkod", Shown::Yes, 2},
    {"FINISHKOD", "FinishKod", Shown::Yes, 2},
    {"OEMNO", "OEMNo", Shown::Yes, 2},
    {"STOKADI", "Stok Açıklama", Shown::Yes, 3},
    {"MIKTAR", "Miktar", Shown::Yes, 1},
    {"BIRIMFIYAT", "Birim Fiyat", Shown::Yes, 1},
    {"TUTAR", "Tutar", Shown::Yes, 1},
    {"INDIRIMYAZI", "İndirim Oran", Shown::Yes, 2},
    {"INDIRIMORANI1", "İndirim Oranı %", Shown::Never, 1},
    {"INDIRIMORANI2", "", Shown::Never, 1},
    {"INDIRIMORANI3", "", Shown::Never, 1},
    {"INDIRIMTUTAR", "İndirim Tutar", Shown::Never, 1},
    {"NETBIRIMFIYAT", "Net Fiyat", Shown::Yes, 1},
    {"KDV", "KDV", Shown::Yes, 1},
    {"VERGITUTARI", "Vergi Tutarı", Shown::Yes, 1},
    {"NETTUTAR", "Net Tutar", Shown::Yes, 1},
    {"KUR", "Kur", Shown::Hidden, 1},
    {"KURTL", "", Shown::Never, 1},
    {"VERENIDNO", "", Shown::Never, 1},
    {"SAAT", "Saat", Shown::Hidden, 1},
    {"TESLIMID", "", Shown::Never, 1},
    {"KARGOID", "", Shown::Never, 1},
    {"ACIKLAMA", "Açıklama", Shown::Hidden, 1},
    {"IDNO", "", Shown::Never, 1},
    {"VERENSIRANO", "", Shown::Never, 1},
    {"VEREN", "Veren", Shown::Yes, 1},
    {"CARIKOD", "Cari Kod", Shown::Never, 1},
    {"CARIADI", "Cari Adı", Shown::Never, 1},
    {"OEM1", "", Shown::Hidden, 1},
    {"OEM2", "", Shown::Hidden, 1},
    {"OEM3", "", Shown::Hidden, 1},
    {"OEM4", "", Shown::Hidden, 1},
    {"STOK_STOKNO", "", Shown::Never, 1},
    {"URETICIKODU", "", Shown::Never, 1},
    {"DIGERADI", "", Shown::Hidden, 1},
    {"DPKOD", "", Shown::Hidden, 1},
    {"PKOD", "", Shown::Hidden, 1},
    {"MARKA", "Marka", Shown::Hidden, 1},
    {"MODEL", "Model", Shown::Hidden, 1},
    {"ANAGRUP", "Ana Grup", Shown::Hidden, 1},
    {"OZELKOD", "Özel Kod", Shown::Hidden, 1},
    {"DURUM", "Durum", Shown::Yes, 1},
    {"KALAN", "Kalan", Shown::Yes, 1},
    {"INDIRIMORANI4", "", Shown::Hidden, 1},
};

BasketTab::DetayPenceresi &detayPenceresi()
{
    static BasketTab::DetayPenceresi window = StokDetayGoster;
    return window;
}

QLabel *valueLabel(const char *name, bool bold, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("0,00"), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(130);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// A quantity typed in the detail window, read with the user's locale; a text that is not a number
// stops the add before anything is sent.
double adetOku(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

std::optional<TSonucBilgisi> kopya(const TSonucBilgisi &kaynak)
{
    TSonucBilgisi copy;
    copy.Kopyala(kaynak);
    return copy;
}

} // namespace

BasketTab::BasketTab(MainWindowHost &host, QWidget *sheet, QMenu *popup, QObject *parent)
    : QObject(parent), m_host(host), m_sheet(sheet), m_popup(popup), DataSource_SEPET(&m_sepet)
{
    m_sepet.setObjectName(QStringLiteral("sepet"));
    DataSource_SEPET.setObjectName(QStringLiteral("DataSource_SEPET"));
    buildControls();
    buildColumns();
    applyUserType(m_host.session().MusteriTipi());
    m_sheet->installEventFilter(this);
    if (QWidget *window = m_host.window())
        window->installEventFilter(this);
}

BasketTab::~BasketTab() = default;

void BasketTab::setDetayPenceresi(DetayPenceresi window)
{
    detayPenceresi() = window ? std::move(window) : DetayPenceresi(StokDetayGoster);
}

void BasketTab::buildControls()
{
    cxGrid2 = new GridView(m_sheet);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->tableView()->setAccessibleName(QStringLiteral("Sepet"));
    applyCatalogueLook(cxGrid2);
    cxGrid2->setFocusFollowsMouse(false);
    cxGrid2->setRowHeight(60);
    cxGrid2->setHeaderHeight(40);
    cxGrid2->setReadOnly(true);
    cxGrid2->setIncrementalSearch(true);
    cxGrid2->setHeaderFilterButtons(true);
    cxGrid2->setFooterVisible(true);
    cxGrid2->setDataSource(&DataSource_SEPET);
    connect(cxGrid2, &GridView::resized, this, [this] { SepetEnIyile(cxGrid2); });
    connect(cxGrid2, &GridView::recordDoubleClicked, this, &BasketTab::cxGridDBTableView1DblClick);
    if (m_popup) {
        connect(cxGrid2, &GridView::contextMenuRequested, this,
                [this](const QPoint &pos) { m_popup->popup(pos); });
        for (QAction *action : m_popup->actions()) {
            if (action->objectName() == QLatin1String("Deitir1"))
                connect(action, &QAction::triggered, this, &BasketTab::Deitir1Click);
            else if (action->objectName() == QLatin1String("SatrSil1"))
                connect(action, &QAction::triggered, this, &BasketTab::SatrSil1Click);
            else if (action->objectName() == QLatin1String("HepsiniSil1"))
                connect(action, &QAction::triggered, this, &BasketTab::HepsiniSil1Click);
        }
    }

    auto *panelsec = new QWidget(m_sheet);
    panelsec->setObjectName(QStringLiteral("panelsec"));
    Button4 = new QPushButton(QStringLiteral("Hepsini Seç"), panelsec);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button5 = new QPushButton(QStringLiteral("Seçimleri Kaldır"), panelsec);
    Button5->setObjectName(QStringLiteral("Button5"));
    lbluyarbakiye = new QLabel(panelsec);
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    lbluyarbakiye->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    lbluyarbakiye->setTextFormat(Qt::PlainText);
    QFont uyari = lbluyarbakiye->font();
    uyari.setBold(true);
    lbluyarbakiye->setFont(uyari);
    QPalette red = lbluyarbakiye->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lbluyarbakiye->setPalette(red);
    auto *strip = new QHBoxLayout(panelsec);
    strip->setContentsMargins(4, 2, 4, 2);
    strip->addWidget(Button4);
    strip->addWidget(Button5);
    strip->addWidget(lbluyarbakiye, 1);
    for (QPushButton *b : {Button4, Button5}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(30);
    }
    connect(Button4, &QPushButton::clicked, this, &BasketTab::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &BasketTab::Button5Click);

    auto *bottom = new QWidget(m_sheet);
    bottom->setObjectName(QStringLiteral("Panel4"));
    notGroup = new QGroupBox(QStringLiteral(" Notunuz"), bottom);
    aciklamagir = new QPlainTextEdit(notGroup);
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    aciklamagir->setAccessibleName(QStringLiteral("Notunuz"));
    aciklamagir->setTabChangesFocus(true);
    auto *notLayout = new QVBoxLayout(notGroup);
    notLayout->addWidget(aciklamagir);

    auto *totals = new QWidget(bottom);
    totals->setObjectName(QStringLiteral("toplampanel"));
    auto *grid = new QGridLayout(totals);
    grid->setContentsMargins(4, 0, 4, 0);
    grid->setVerticalSpacing(2);
    aratoplaml = valueLabel("aratoplaml", false, totals);
    indiriml = valueLabel("indiriml", false, totals);
    nettutarl = valueLabel("nettutarl", false, totals);
    vergil = valueLabel("vergil", false, totals);
    geneltoplaml = valueLabel("geneltoplaml", true, totals);
    const std::pair<const char *, QLabel *> rows[] = {{"Toplam:", aratoplaml},
                                                      {"İndirim Toplam:", indiriml},
                                                      {"Ara Toplam:", nettutarl},
                                                      {"Vergi:", vergil},
                                                      {"Genel Toplam:", geneltoplaml}};
    int r = 0;
    for (const auto &[caption, value] : rows) {
        auto *label = new QLabel(QString::fromUtf8(caption), totals);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (value == geneltoplaml)
            label->setFont(geneltoplaml->font());
        grid->addWidget(label, r, 0);
        grid->addWidget(value, r, 1);
        ++r;
    }

    Button1 = new QPushButton(QStringLiteral("Gönder"), bottom);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setMinimumSize(120, 50);
    Button2 = new QPushButton(QStringLiteral("Excel Kaydet"), bottom);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setMinimumSize(120, 50);
    connect(Button1, &QPushButton::clicked, this, &BasketTab::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &BasketTab::Button2Click);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();

    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(4, 4, 4, 4);
    bottomLayout->addWidget(notGroup, 1);
    bottomLayout->addWidget(totals);
    bottomLayout->addLayout(buttons);
    bottom->setFixedHeight(150);

    // The main window gives its sheets a layout; a bare sheet (tests) gets one here.
    auto *layout = qobject_cast<QBoxLayout *>(m_sheet->layout());
    if (!layout)
        layout = new QVBoxLayout(m_sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(cxGrid2, 1);
    layout->addWidget(panelsec);
    layout->addWidget(bottom);
}

void BasketTab::buildColumns()
{
    for (const ColumnDef &def : kColumns) {
        const QString field = QLatin1String(def.field);
        GridColumn *column = cxGrid2->createColumn(QStringLiteral("cxGridDBTableView1") + field, field);
        column->setCaption(QString::fromUtf8(def.caption));
        column->setTag(def.tag);
        column->setVisible(def.shown == Shown::Always || def.shown == Shown::Yes);
        column->setVisibleForCustomization(def.shown == Shown::Yes || def.shown == Shown::Hidden);
    }
    GridColumn *sec = cxGrid2->columnByField(QStringLiteral("SEC"));
    sec->setKind(GridCellKind::CheckBox);
    sec->setAlignment(Qt::AlignCenter);
    sec->setFilterable(false);
    cxGrid2->columnByField(QStringLiteral("INDIRIMYAZI"))->setAlignment(Qt::AlignCenter);
    cxGrid2->columnByField(QStringLiteral("STOKADI"))->setWordWrap(true);

    GridColumn *durum = cxGrid2->columnByField(QStringLiteral("DURUM"));
    durum->setKind(GridCellKind::IconByValue);
    durum->setAlignment(Qt::AlignCenter);
    const char *const descriptions[] = {"Yok",   "Var",          "Telefon Açınız",
                                        "Yolda", "Özel Sipariş", "Tedarik Sürecinde"};
    for (int code = 0; code < 6; ++code)
        durum->addIconValue(code, Icons::durum(code).pixmap(32, 32), QString::fromUtf8(descriptions[code]));
    durum->setNullIcon(Icons::durumBos().pixmap(32, 32));
    durum->setOtherIcon(Icons::durumBos().pixmap(32, 32));
    durum->setShowDescriptions(false);

    cxGrid2->columnByField(QStringLiteral("VERILISTARIHI"))->setFooterSummary(GridSummaryKind::Count);
    cxGrid2->columnByField(QStringLiteral("MIKTAR"))->setFooterSummary(GridSummaryKind::Sum);
    cxGrid2->columnByField(QStringLiteral("NETTUTAR"))->setFooterSummary(GridSummaryKind::Sum);
}

void BasketTab::applyUserType(int musteriTipi)
{
    GridColumn *durum = cxGrid2->columnByField(QStringLiteral("DURUM"));
    durum->setVisible(musteriTipi != 3);
    durum->setVisibleForCustomization(musteriTipi != 3);
    GridColumn *kalan = cxGrid2->columnByField(QStringLiteral("KALAN"));
    const bool satisci = musteriTipi == 1 || musteriTipi == 2;
    kalan->setVisible(satisci);
    kalan->setVisibleForCustomization(satisci);
}

bool BasketTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sheet && event->type() == QEvent::Show) {
        // Posted so that the tab is on screen before the reload blocks the window thread.
        QMetaObject::invokeMethod(this, &BasketTab::ssepetShow, Qt::QueuedConnection);
    } else if (watched == m_host.window() && event->type() == QEvent::KeyPress && m_sheet->isVisible()) {
        // "Gönder" is the window's default button: Enter that no control used sends the order.
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier && Button1->isEnabled()) {
            Button1->animateClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Basket view ------------------------------------------------------------------------------------

void BasketTab::ssepetShow()
{
    lbluyarbakiye->clear();
    CariBakiyeUyariBak();
    SepetGetir();
}

void BasketTab::SepetGetir()
{
    const std::unique_ptr<TSQLConnection> clone = m_host.connection().CloneConnection();
    const int carino = m_host.session().CARINO();
    DbxTable packet;
    if (!SunucuCagir(*clone, 1, [&](TServerMethods1Client &p) { packet = p.SepetVer2(carino); }))
        return;
    AssignPacket(packet, m_sepet);
    FormatAyarla(&m_sepet);
    m_host.setTabCaption(m_sheet, SayiBasligi(m_sepet.RecordCount(), QStringLiteral("Sepet")));
    SepetToplamHesapla();
}

void BasketTab::SepetToplamHesapla()
{
    // The pass leaves the cursor after the last line; the grid's focus follows the cursor, so it is put
    // back on the user's line, where the popup menu and the next double click expect it.
    const int focused = cxGrid2->focusedRecord();
    cxGrid2->BeginUpdate();
    const SepetToplamlari t = ::SepetToplamHesapla(m_sepet);
    aratoplaml->setText(FormatFloat(kMoney, t.toplam));
    indiriml->setText(FormatFloat(kMoney, t.indirim));
    vergil->setText(FormatFloat(kMoney, t.vergi));
    nettutarl->setText(FormatFloat(kMoney, t.net));
    geneltoplaml->setText(FormatFloat(kMoney, t.genel));
    cxGrid2->EndUpdate();
    if (focused >= 0 && focused < m_sepet.RecordCount())
        cxGrid2->setFocusedRecord(focused);
}

bool BasketTab::SecimGonder(int sirano, int secim)
{
    CallError hata;
    return KlondaSunucuCagir(
        m_host.connection(), 1, [&](TServerMethods1Client &p) { p.SepetSecimGuncelle(sirano, secim); },
        &hata);
}

void BasketTab::CariBakiyeUyariBak()
{
    // The clone is made here so the thread never reads the main connection; it owns the clone.
    std::shared_ptr<TSQLConnection> clone(m_host.connection().CloneConnection().release());
    const int carino = m_host.session().CARINO();
    QPointer<QLabel> label = lbluyarbakiye;
    CreateAnonymousThread([clone, carino, label] {
        QString text;
        CallError hata;
        SunucuCagir(
            *clone, 0, [&](TServerMethods1Client &p) { text = p.CariVadeGunGecmismiBul(carino); }, &hata);
        if (hata.raised)
            text.clear();
        Synchronize([&] {
            if (label)
                label->setText(text);
        });
    });
}

void BasketTab::hepsiniIsaretle(int secim)
{
    if (m_sepet.Active()) {
        TField *sec = m_sepet.FieldByName(QStringLiteral("SEC"));
        TField *sirano = m_sepet.FieldByName(QStringLiteral("SIRANO"));
        m_sepet.First();
        while (!m_sepet.Eof()) {
            m_sepet.Edit();
            sec->setValue(secim);
            m_sepet.Post();
            SecimGonder(sirano->AsInteger(), secim);
            m_sepet.Next();
        }
    }
    SepetToplamHesapla();
    QLineEdit *araedit = m_host.searchBox();
    if (araedit && araedit->isEnabled()) {
        araedit->selectAll();
        araedit->setFocus();
    }
}

void BasketTab::Button4Click()
{
    hepsiniIsaretle(1);
}

void BasketTab::Button5Click()
{
    hepsiniIsaretle(0);
}

void BasketTab::Button2Click()
{
    ExcelKaydet(cxGrid2, m_host.window());
}

// Adding and editing lines -----------------------------------------------------------------------

QVariantMap BasketTab::currentLine() const
{
    QVariantMap line;
    if (!m_sepet.Active() || m_sepet.IsEmpty())
        return line;
    for (const auto &field : m_sepet.Fields())
        line.insert(field->FieldName(), field->Value());
    return line;
}

void BasketTab::katalogdanEkle(const QVariantMap &row, SepetKaynagi kaynak)
{
    const int stokno = row.value(QStringLiteral("STOK_STOKNO")).toInt();
    if (!m_sepet.Active())
        SepetGetir();
    if (m_sepet.Active() && m_sepet.FindField(QStringLiteral("STOKNO")) &&
        m_sepet.Locate(QStringLiteral("STOKNO"), stokno)) {
        // Already in the basket: its line is edited, no second line is added.
        SatirDegistir(m_sepet.FieldByName(QStringLiteral("SIRANO"))->AsInteger());
        return;
    }
    switch (kaynak) {
    case SepetKaynagi::StokListesi:
        StokListesindenEkle(row);
        break;
    case SepetKaynagi::Yeniler:
        YenilerdenEkle(row);
        break;
    case SepetKaynagi::Kampanyali:
        KampanyalilardanEkle(row);
        break;
    }
}

void BasketTab::StokListesindenEkle(const QVariantMap &row)
{
    ekle(row, SepetKaynagi::StokListesi);
}

void BasketTab::YenilerdenEkle(const QVariantMap &row)
{
    ekle(row, SepetKaynagi::Yeniler);
}

void BasketTab::KampanyalilardanEkle(const QVariantMap &row)
{
    ekle(row, SepetKaynagi::Kampanyali);
}

void BasketTab::ekle(const QVariantMap &row, SepetKaynagi kaynak)
{
    const StokDetayDegerleri degerler = KatalogDetayi(row, kaynak, m_host.session().MusteriTipi());
    if (!detayPenceresi())
        return;
    const std::optional<DetayCevabi> cevap = detayPenceresi()(m_host.window(), m_host.connection(), degerler);
    if (!cevap)
        return;
    const double miktar = adetOku(cevap->adet);
    // Sales staff who may change the price send the price they typed; everyone else the list price.
    const double fiyat =
        degerler.fiyatDegisir ? cevap->birimfiyat : row.value(QStringLiteral("FIYAT")).toDouble();
    SepeteEkle(row, miktar, fiyat);
}

void BasketTab::SepeteEkle(const QVariantMap &row, double quantity, double unitPrice)
{
    const TSonucBilgisi &s = m_host.session();
    const auto sayi = [&](const char *name) { return row.value(QLatin1String(name)).toDouble(); };
    int sonuc = 0;
    if (!SunucuCagir(m_host.connection(), 1, [&](TServerMethods1Client &p) {
            sonuc = p.SepetEkle2(
                kopya(s), s.CARINO(), row.value(QStringLiteral("STOK_STOKNO")).toInt(),
                row.value(QStringLiteral("BARKOD")).toString(), row.value(QStringLiteral("ADI")).toString(),
                quantity, qlonglong(sayi("KDV")), unitPrice, sayi("IND1"), s.Sirano(),
                row.value(QStringLiteral("K")).toInt(), sayi("IND2"), sayi("IND3"), sayi("IND4"));
        }))
        return;
    if (sonuc == 1)
        SepetGetir();
}

void BasketTab::SatirDegistir(int sirano)
{
    const StokDetayDegerleri degerler = SepetSatirDetayi(currentLine());
    if (!detayPenceresi())
        return;
    const std::optional<DetayCevabi> cevap = detayPenceresi()(m_host.window(), m_host.connection(), degerler);
    if (!cevap)
        return;
    SepetSatirGuncelle(sirano, adetOku(cevap->adet), cevap->birimfiyat);
    SepetGetir();
}

void BasketTab::SepetSatirGuncelle(int sirano, double quantity, double unitPrice)
{
    const TSonucBilgisi &s = m_host.session();
    const QVariantMap line = currentLine();
    const auto sayi = [&](const char *name) { return line.value(QLatin1String(name)).toDouble(); };
    int sonuc = 0;
    if (!SunucuCagir(m_host.connection(), 1, [&](TServerMethods1Client &p) {
            sonuc =
                p.SepetGuncelle2(kopya(s), s.CARINO(), 0, line.value(QStringLiteral("BARKOD")).toString(),
                                 line.value(QStringLiteral("STOKADI")).toString(), quantity,
                                 qlonglong(sayi("KDV")), unitPrice, sayi("INDIRIMORANI1"), s.Sirano(), sirano,
                                 sayi("INDIRIMORANI2"), sayi("INDIRIMORANI3"), sayi("INDIRIMORANI4"));
        }))
        return;
    if (sonuc == 1)
        SepetGetir();
}

bool BasketTab::focusedLine()
{
    const int record = cxGrid2->focusedRecord();
    if (record < 0 || !m_sepet.Active() || record >= m_sepet.RecordCount())
        return false;
    const QVariant sirano = m_sepet.value(record, m_sepet.fieldIndex(QStringLiteral("SIRANO")));
    return m_sepet.Locate(QStringLiteral("SIRANO"), sirano);
}

void BasketTab::satirDegistirVeyaSec(GridColumn *column)
{
    if (!focusedLine())
        return;
    const int sirano = m_sepet.FieldByName(QStringLiteral("SIRANO"))->AsInteger();
    if (!column || column->Caption() != kSecCaption) {
        SatirDegistir(sirano);
        return;
    }
    TField *sec = m_sepet.FieldByName(QStringLiteral("SEC"));
    const int yeni = sec->AsInteger() == 0 ? 1 : 0;
    m_sepet.Edit();
    sec->setValue(yeni);
    m_sepet.Post();
    SecimGonder(sirano, yeni);
    SepetToplamHesapla();
}

void BasketTab::cxGridDBTableView1DblClick(int record, GridColumn *column)
{
    Q_UNUSED(record);
    satirDegistirVeyaSec(column);
}

void BasketTab::Deitir1Click()
{
    const QModelIndex current = cxGrid2->tableView()->currentIndex();
    satirDegistirVeyaSec(current.isValid() ? cxGrid2->columnAt(current.column()) : nullptr);
}

void BasketTab::SatrSil1Click()
{
    if (!focusedLine())
        return;
    if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), mtConfirmation, mbYesNo, mbNo) != mrYes)
        return;
    const TSonucBilgisi &s = m_host.session();
    const int sirano = m_sepet.FieldByName(QStringLiteral("SIRANO"))->AsInteger();
    const QString aciklama = m_sepet.FieldByName(QStringLiteral("BARKOD"))->AsString() + QLatin1Char('-') +
                             m_sepet.FieldByName(QStringLiteral("STOKADI"))->AsString();
    if (!SunucuCagir(m_host.connection(), 1,
                     [&](TServerMethods1Client &p) { p.SepetSatirSil(kopya(s), sirano, aciklama); }))
        return;
    SepetGetir();
    MesajGoster(QStringLiteral("Satır silindi !"), mtInformation, mbOKOnly, mbOK);
}

void BasketTab::HepsiniSil1Click()
{
    if (!DoluMu(m_sepet))
        return;
    if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mtConfirmation, mbYesNo, mbNo) !=
        mrYes)
        return;
    const TSonucBilgisi &s = m_host.session();
    if (!SunucuCagir(m_host.connection(), 1, [&](TServerMethods1Client &p) { p.SepetHepsiniSil(kopya(s)); }))
        return;
    MesajGoster(QStringLiteral("Sepet Silindi !"), mtInformation, mbOKOnly, mbOK);
    SepetGetir();
}

// Sending the order ------------------------------------------------------------------------------

QString BasketTab::aciklama() const
{
    // The memo keeps "\n"; the server gets the lines separated by CR LF.
    return aciklamagir->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void BasketTab::Button1Click()
{
    if (!SecimVarMi(m_sepet)) {
        MesajGoster(QStringLiteral("Gönderilecek Parça Yok "), mtWarning, mbOKOnly, mbOK);
        return;
    }
    const TSonucBilgisi &s = m_host.session();
    TONAYSIP onay(m_host.window());
    onay.Label2->setText(SiparisOzeti(s.ADI(), s.CariAdi(), aciklama()));
    onay.Label3->setText(lbluyarbakiye->text());
    if (onay.exec() != mrOk)
        return;
    if (SiparisGonder(1, 1, 1)) {
        MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), mtInformation, mbOKOnly, mbOK);
        SepetGetir();
        aciklamagir->clear();
    } else {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), mtError, mbOKOnly, mbOK);
    }
}

bool BasketTab::SiparisGonder(int kargoyeni, int kargo, int teslim)
{
    const TSonucBilgisi &s = m_host.session();
    const QString not_ = aciklama();
    bool sonuc = false;
    if (!SunucuCagir(m_host.connection(), 1, [&](TServerMethods1Client &p) {
            sonuc = p.SiparisKaydet(kopya(s), s.CARINO(), teslim, kargo, not_, s.Sirano(), kargoyeni);
        }))
        return false;
    return sonuc;
}
