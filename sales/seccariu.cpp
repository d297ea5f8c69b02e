#include "sales/seccariu.h"

#include "app/core/icons.h"
#include "app/core/utils.h"
#include "history/bakiyesiparisleru.h"
#include "platform/dbx/datasetloader.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/system/formatfloat.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "sales/tarihsecu.h"
#include "server/baglantiu.h"
#include "server/proxim.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Closes the connection however the call ends.
class Kapatici
{
public:
    explicit Kapatici(TSQLConnection &bag) : m_bag(bag) {}
    ~Kapatici() { m_bag.Close(); }

private:
    TSQLConnection &m_bag;
};

struct Sutun
{
    const char *field;
    bool shown;
};

const Sutun kSutunlar[] = {
    {"CARINO", false},
    {"CARIKOD", true},
    {"CARIADI", true},
    {"SATICISI", true},
    {"TLBAKIYE", true},
    {"DURUM", true},
    {"OZELKOD", false},
    {"KOD1", false},
    {"KOD2", false},
    {"KOD3", false},
    {"KOD4", false},
    {"KOD5", false},
    {"TEL1", false},
    {"TEL2", false},
    {"ILCE", false},
    {"IL", false},
    {"GSM", false},
    {"SEPET", true},
    {"YETKILI", false},
    {"INDIRIM", false},
    {"VADE", false},
    {"VADEKONTROLGUN", false},
    {"VADEKONTROLAY", false},
    {"VERGIDAIRESI", false},
    {"VERGINO", false},
    {"ADRES1", false},
    {"ADRES2", false},
    {"ANAGRUP", false},
    {"ALTGRUP", false},
    {"FAX1", false},
    {"FAX2", false},
    {"EMAIL", false},
    {"ALINDI", true},
    {"ONAYLANDI", true},
    {"GORULDU", true},
    {"HAZIRLANDI", true},
    {"PARCALIHAZIRLANDI", true},
};

} // namespace

QString IDuzelt(const QString &text)
{
    QString result = text;
    return result.replace(QChar(0x0131), QLatin1Char('i'));
}

QString CariAramaMetni(const QString &text)
{
    return IDuzelt(text).trimmed();
}

QString RaporDosyasi(int raporno, int carino)
{
    return QDir(BelgelerKlasoru())
        .filePath(QStringLiteral("rapor") + QString::number(raporno + carino) + QStringLiteral(".pdf"));
}

Tseccari::Tseccari(QWidget *owner, TSQLConnection &bag, TSonucBilgisi &bilgim)
    : QDialog(owner), m_bag(bag), m_bilgim(bilgim)
{
    setObjectName(QStringLiteral("seccari"));
    setWindowTitle(QStringLiteral("Cari Seçimi"));
    auto *layout = new QVBoxLayout(this);

    auto *ust = new QHBoxLayout;
    m_arama = new QLineEdit(this);
    m_arama->setObjectName(QStringLiteral("NEdit1"));
    m_arama->setAccessibleName(QStringLiteral("Ara"));
    QFont aramaFont = m_arama->font();
    aramaFont.setPixelSize(20);
    m_arama->setFont(aramaFont);
    m_arama->setMinimumWidth(280);
    // Typed letters show in capitals, by the user's locale.
    connect(m_arama, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = QLocale().toUpper(text);
        if (upper != text) {
            const int cursor = m_arama->cursorPosition() + int(upper.size() - text.size());
            m_arama->setText(upper);
            m_arama->setCursorPosition(cursor);
        }
    });
    connect(m_arama, &QLineEdit::returnPressed, this, &Tseccari::NEdit1Enter);
    ust->addWidget(m_arama);

    auto *tumu = new QToolButton(this);
    tumu->setObjectName(QStringLiteral("sBitBtn2"));
    tumu->setToolTip(QStringLiteral("Tüm Carileri Listeler"));
    tumu->setAccessibleName(tumu->toolTip());
    tumu->setIcon(Icons::search());
    tumu->setIconSize(QSize(48, 48));
    connect(tumu, &QToolButton::clicked, this, &Tseccari::sBitBtn2Click);
    ust->addWidget(tumu);

    m_sepettus =
        durumTusu("sepettus", QStringLiteral("Sipariş sepetinde \r\nstok olan carileri listeler."), 1);
    durumTusu("alinditus", QStringLiteral("Yeni Alınan \r\nSiparişleri Listeler"), 2);
    durumTusu("onaylanditus", QStringLiteral("Onaylanan Siparişler"), 3);
    durumTusu("goruldutus", QStringLiteral("Görülen Siparişler"), 4);
    durumTusu("parcalihazirlandi", QStringLiteral("Eksik Hazırlanan siparişler"), 5);
    durumTusu("hazirlanditus", QStringLiteral("Hazırlanan Siparişler"), 6);
    durumTusu("sevktus", QStringLiteral("Sevk Edilen Siparişler"), 7);
    for (const char *name : {"sepettus", "alinditus", "onaylanditus", "goruldutus", "parcalihazirlandi",
                             "hazirlanditus", "sevktus"})
        ust->addWidget(m_tuslar.value(QLatin1String(name)));
    ust->addStretch(1);
    layout->addLayout(ust);

    auto *orta = new QHBoxLayout;
    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    m_grid->tableView()->setAccessibleName(windowTitle());
    GridStyle style = m_grid->gridStyle();
    style.cellFont = QFont(QStringLiteral("Tahoma"));
    style.cellFont.setPixelSize(15);
    m_grid->setGridStyle(style);
    m_grid->setReadOnly(true);
    m_grid->setIncrementalSearch(true);
    m_grid->setFooterVisible(true);
    m_grid->setColumnChooser(true);
    for (const Sutun &s : kSutunlar) {
        GridColumn *c = m_grid->createColumn(QStringLiteral("cxGrid1DBTableView1") + QLatin1String(s.field),
                                             QLatin1String(s.field));
        c->setVisible(s.shown);
        c->setVisibleForCustomization(true);
    }
    m_grid->columnByField(QStringLiteral("CARIKOD"))->setFooterSummary(GridSummaryKind::Count);
    m_grid->setDataSource(&m_source);
    connect(m_grid, &GridView::focusedRecordChanged, this, &Tseccari::detayGoster);
    connect(m_grid, &GridView::recordDoubleClicked, this, [this] { CariSec(); });
    orta->addWidget(m_grid, 1);

    m_detay = new QGroupBox(QStringLiteral("Cari Bilgileri"), this);
    m_detay->setObjectName(QStringLiteral("GroupBox1"));
    m_detay->setMinimumWidth(330);
    auto *detayLayout = new QGridLayout(m_detay);
    detayLayout->setColumnStretch(1, 1);
    const struct
    {
        const char *caption;
        QStringList names;
    } satirlar[] = {
        {"CariKod:", {QStringLiteral("carikod")}},
        {"Cari Adı:", {QStringLiteral("cariadi")}},
        {"Yetkili:", {QStringLiteral("yetkili")}},
        {"Özel Kod:", {QStringLiteral("ozelkod")}},
        {"Ana Grup:", {QStringLiteral("anagrup")}},
        {"Alt Grup:", {QStringLiteral("altgrup")}},
        {"Adres:", {QStringLiteral("adres1"), QStringLiteral("adres2"), QStringLiteral("ilce")}},
        {"Vergi D.:", {QStringLiteral("vergi")}},
        {"Telefon:", {QStringLiteral("telefon1"), QStringLiteral("telefon2")}},
        {"Fax:", {QStringLiteral("fax1"), QStringLiteral("fax2")}},
        {"Gsm:", {QStringLiteral("gsm")}},
        {"E-mail:", {QStringLiteral("email")}},
        {"İndirim %:", {QStringLiteral("indirim")}},
        {"Vade (Gün):", {QStringLiteral("vade")}},
        {"Bakiye:", {QStringLiteral("bakiye")}},
    };
    int row = 0;
    for (const auto &s : satirlar) {
        auto *caption = new QLabel(QString::fromUtf8(s.caption), m_detay);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        detayLayout->addWidget(caption, row, 0, Qt::AlignTop);
        for (const QString &name : s.names) {
            auto *value = new QLabel(m_detay);
            value->setObjectName(name);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            m_degerler.insert(name, value);
            detayLayout->addWidget(value, row++, 1);
        }
    }
    m_degerler.value(QStringLiteral("bakiye"))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    detayLayout->setRowStretch(row, 1);
    m_detay->hide();
    orta->addWidget(m_detay);
    layout->addLayout(orta, 1);

    auto *alt = new QHBoxLayout;
    alt->addStretch(1);
    auto *sec = new QPushButton(QStringLiteral("Seç"), this);
    sec->setObjectName(QStringLiteral("Button1"));
    sec->setAutoDefault(false);
    connect(sec, &QPushButton::clicked, this, &Tseccari::CariSec);
    auto *vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
    vazgec->setObjectName(QStringLiteral("Button2"));
    vazgec->setAutoDefault(false);
    connect(vazgec, &QPushButton::clicked, this, &Tseccari::Button2Click);
    alt->addWidget(sec);
    alt->addWidget(vazgec);
    layout->addLayout(alt);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char *name, const QString &caption, void (Tseccari::*slot)()) {
        QAction *a = m_popup->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    item("C1", QStringLiteral("Cari Özeti Göster"), &Tseccari::C1Click);
    m_popup->addSeparator();
    item("B1", QStringLiteral("Bakiyelerini Göster"), &Tseccari::B1Click);
    m_popup->addSeparator();
    item("CariAlSatTablosuSatcl1", QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"),
         &Tseccari::CariAlSatTablosuSatcl1Click);
    item("CariTopluAlacakVadeleri1", QStringLiteral("Cari Toplu Alacak Vadeleri"),
         &Tseccari::CariTopluAlacakVadeleri1Click);
    connect(m_grid, &GridView::contextMenuRequested, this,
            [this](const QPoint &globalPos, int) { m_popup->popup(globalPos); });

    m_arama->setFocus();
}

Tseccari::~Tseccari() = default;

QToolButton *Tseccari::durumTusu(const char *name, const QString &hint, int code)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setIcon(Icons::durum(code <= 5 ? code : 1));
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setMinimumWidth(110);
    QFont font = b->font();
    font.setPixelSize(22);
    font.setBold(true);
    b->setFont(font);
    b->setStyleSheet(QStringLiteral("QToolButton { color: red; }"));
    connect(b, &QToolButton::clicked, this, [this, code] {
        DurumListele(code);
        if (code == 1)
            aramaKutusunaDon();
    });
    m_tuslar.insert(QLatin1String(name), b);
    return b;
}

void Tseccari::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_yerlesti)
        return;
    m_yerlesti = true;
    if (QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        setGeometry(area.left() + 50, area.top() + 50, area.width() - 100, area.height() - 100);
    }
    m_arama->setFocus();
}

void Tseccari::yukle(const std::function<TDBXReader(TServerMethods1Client &)> &call)
{
    m_bag.Open();
    Kapatici kapat(m_bag);
    TServerMethods1Client proxy(m_bag);
    const TDBXReader okunan = call(proxy);
    m_cariler.DisableControls();
    try {
        CopyReaderToClientDataSet(okunan, m_cariler);
        OndalikBicimle(m_cariler);
    } catch (...) {
        m_cariler.EnableControls();
        throw;
    }
    m_cariler.EnableControls();
    m_grid->ApplyBestFit();
    const QVector<int> shown = m_grid->shownRecords();
    if (!shown.isEmpty())
        m_grid->setFocusedRecord(shown.first());
    detayGoster(m_grid->focusedRecord());
}

void Tseccari::CariListele()
{
    const QString aranan = CariAramaMetni(m_arama->text());
    yukle([this, &aranan](TServerMethods1Client &p) { return p.CariAra(m_bilgim, aranan); });
}

void Tseccari::DurumListele(int n)
{
    yukle([this, n](TServerMethods1Client &p) { return p.CariSepetVer(m_bilgim, n); });
}

void Tseccari::SepetSayisiYaz()
{
    m_bag.Open();
    Kapatici kapat(m_bag);
    TServerMethods1Client proxy(m_bag);
    const int sayi = proxy.SepetSayisi(m_bilgim);
    m_sepettus->setText(sayi < 1 ? QString() : QString::number(sayi));
}

void Tseccari::TusSonuclari()
{
    std::optional<TTusSonuclari> sonuc;
    {
        m_bag.Open();
        Kapatici kapat(m_bag);
        TServerMethods1Client proxy(m_bag);
        sonuc = proxy.TusSonuclariVer(m_bilgim);
    }
    // A missing object counts as all zero.
    const TTusSonuclari t = sonuc.value_or(TTusSonuclari());
    m_tuslar.value(QStringLiteral("alinditus"))->setText(QString::number(t.Alindi()));
    m_tuslar.value(QStringLiteral("onaylanditus"))->setText(QString::number(t.Onaylandi()));
    m_tuslar.value(QStringLiteral("goruldutus"))->setText(QString::number(t.Goruldu()));
    m_tuslar.value(QStringLiteral("parcalihazirlandi"))->setText(QString::number(t.ParcaliHazirlandi()));
    m_tuslar.value(QStringLiteral("hazirlanditus"))->setText(QString::number(t.Hazirlandi()));
    m_tuslar.value(QStringLiteral("sevktus"))->setText(QString::number(t.SevkEdildi()));
}

void Tseccari::aramaKutusunaDon()
{
    m_arama->selectAll();
    m_arama->setFocus();
}

void Tseccari::NEdit1Enter()
{
    CariListele();
    aramaKutusunaDon();
}

void Tseccari::sBitBtn2Click()
{
    m_arama->clear();
    CariListele();
    aramaKutusunaDon();
}

QVariant Tseccari::odak(const char *field) const
{
    const int record = m_grid->focusedRecord();
    const int column = m_cariler.fieldIndex(QLatin1String(field));
    if (record < 0 || column < 0 || record >= m_cariler.RecordCount())
        return {};
    return m_cariler.value(record, column);
}

bool Tseccari::odakCariVar(int *carino) const
{
    if (m_grid->focusedRecord() < 0)
        return false;
    const int no = odak("CARINO").toInt();
    if (carino)
        *carino = no;
    return no > 0;
}

void Tseccari::detayGoster(int record)
{
    if (record < 0 || !m_cariler.Active() || record >= m_cariler.RecordCount()) {
        m_detay->hide();
        return;
    }
    auto metin = [this, record](const char *field) {
        const int column = m_cariler.fieldIndex(QLatin1String(field));
        return column < 0 ? QString() : m_cariler.value(record, column).toString();
    };
    auto yaz = [this](const char *name, const QString &text) {
        m_degerler.value(QLatin1String(name))->setText(text);
    };
    yaz("carikod", metin("CARIKOD"));
    yaz("cariadi", metin("CARIADI"));
    yaz("yetkili", metin("YETKILI"));
    yaz("ozelkod", metin("OZELKOD"));
    yaz("anagrup", metin("ANAGRUP"));
    yaz("altgrup", metin("ALTGRUP"));
    yaz("adres1", metin("ADRES1"));
    yaz("adres2", metin("ADRES2"));
    yaz("ilce", metin("ILCE") + QLatin1Char('/') + metin("IL"));
    yaz("vergi", metin("VERGIDAIRESI") + QLatin1Char('/') + metin("VERGINO"));
    yaz("telefon1", metin("TEL1"));
    yaz("telefon2", metin("TEL2"));
    yaz("fax1", metin("FAX1"));
    yaz("fax2", metin("FAX2"));
    yaz("gsm", metin("GSM"));
    yaz("email", metin("EMAIL"));
    yaz("indirim", metin("INDIRIM"));
    yaz("vade", metin("VADE"));
    const int bakiyeSutunu = m_cariler.fieldIndex(QStringLiteral("TLBAKIYE"));
    const double bakiye = bakiyeSutunu < 0 ? 0.0 : m_cariler.value(record, bakiyeSutunu).toDouble();
    yaz("bakiye", FormatFloat(QStringLiteral("#,###,##0.00"), bakiye) + QLatin1Char(' ') + metin("DURUM"));
    m_detay->show();
}

void Tseccari::CariSec()
{
    int carino = 0;
    if (!odakCariVar(&carino))
        return;
    m_bilgim.setCARINO(carino);
    m_bilgim.setcarikod(odak("CARIKOD").toString());
    m_bilgim.setCariAdi(odak("CARIADI").toString());
    accept();
}

void Tseccari::Button2Click()
{
    ProgramiSonlandir();
}

void Tseccari::RaporAl(int raporno, int carino, const QDate &tarih1, const QDate &tarih2,
                       const QString &saticiadi)
{
    const QString yol = RaporDosyasi(raporno, carino);
    if (QFile::exists(yol))
        QFile::remove(yol);
    m_bag.Open();
    {
        Kapatici kapat(m_bag);
        try {
            TServerMethods1Client proxy(m_bag);
            qint64 size = 0;
            const QByteArray akim = proxy.RaporGetir(raporno, raporno, m_bilgim.Sirano(), carino, saticiadi,
                                                     GunDegeri(tarih1), GunDegeri(tarih2), size);
            // A report whose length is not the announced size is not saved.
            if (size != 0 && akim.size() == size) {
                QFile dosya(yol);
                if (dosya.open(QIODevice::WriteOnly))
                    dosya.write(akim);
            }
        } catch (const Exception &) {
            // A missing report writes no file; nothing is shown.
        }
    }
    if (QFile::exists(yol))
        ShellOpen(yol);
}

void Tseccari::C1Click()
{
    int carino = 0;
    if (!odakCariVar(&carino))
        return;
    Ttarihsec tarihsec(this);
    tarihsec.ikinciTarihiGizle();
    if (tarihsec.exec() == QDialog::Accepted)
        RaporAl(6, carino, tarihsec.tarih1(), tarihsec.tarih1(), odak("SATICISI").toString());
}

void Tseccari::CariAlSatTablosuSatcl1Click()
{
    if (!odakCariVar())
        return;
    Ttarihsec tarihsec(this);
    if (tarihsec.exec() == QDialog::Accepted)
        RaporAl(7, m_bilgim.CARINO(), tarihsec.tarih1(), tarihsec.tarih2(), odak("SATICISI").toString());
}

void Tseccari::CariTopluAlacakVadeleri1Click()
{
    Ttarihsec tarihsec(this);
    tarihsec.ikinciTarihiGizle();
    if (tarihsec.exec() == QDialog::Accepted)
        RaporAl(6, 0, tarihsec.tarih1(), tarihsec.tarih1(),
                m_bilgim.MusteriTipi() == 1 ? m_bilgim.ADI() : QStringLiteral("."));
}

void Tseccari::B1Click()
{
    if (m_grid->focusedRecord() < 0)
        return;
    TSonucBilgisi kopya;
    kopya.Kopyala(m_bilgim);
    kopya.setCARINO(odak("CARINO").toInt());
    Tbakiyesiparisler pencere(this, m_bag, kopya);
    pencere.setWindowState(pencere.windowState() | Qt::WindowMaximized);
    auto goster = [&pencere](const char *field, bool offered) {
        if (GridColumn *c = pencere.column(QLatin1String(field))) {
            c->setVisible(true);
            c->setVisibleForCustomization(offered);
        }
    };
    if (m_bilgim.MusteriTipi() == 2) {
        goster("ILKFIYAT", true);
        pencere.F1()->setVisible(true);
    }
    goster("ELDEKI", true);
    goster("ALINANSIPARIS", true);
    goster("VERILENSIPARIS", true);
    pencere.BakiyeAlalim();
    pencere.exec();
}
