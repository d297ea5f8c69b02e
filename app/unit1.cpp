#include "app/unit1.h"

#include "app/core/buildconfig.h"
#include "app/core/icons.h"
#include "app/core/identity.h"
#include "app/core/utils.h"
#include "app/pagecontrol.h"
#include "platform/system/async.h"
#include "platform/system/processend.h"
#include "platform/system/screen.h"
#include "platform/system/shellopen.h"
#include "platform/widgets/busyindicator.h"
#include "platform/widgets/realtimemarquee.h"
#include "platform/widgets/rxgifanimator.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kExitQuestion = QStringLiteral("Programdan Çıkmak İstiyor musunuz ?");

struct TabDef
{
    const char *name;
    const char *caption;
    Icons::Tab icon;
};

const TabDef kTabs[] = {
    {"sstoklistesi", "Stok Listesi", Icons::Tab::StokListesi},
    {"ssepet", "Sepet", Icons::Tab::Sepet},
    {"sonceki", "Önceki Siparişler", Icons::Tab::OncekiSiparisler},
    {"sccariekstre", "Cari Ekstre", Icons::Tab::CariEkstre},
    {"syeniler", "Yeni Stoklar", Icons::Tab::YeniStoklar},
    {"skampanyali", "Kampanyalı Stoklar", Icons::Tab::Kampanyali},
    {"sTabSheetduyuru", "Duyurular", Icons::Tab::Duyurular},
    {"sTabbakiyeler", "Bakiyeler", Icons::Tab::Bakiyeler},
};

const char *const kBusyAnimations[] = {"gifstokara", "gifyeniler", "gifkampanyali",
                                       "gifduyuru",  "gifekstre",  "gifoncekiler"};

TForm1::Hooks &hooksRef()
{
    static TForm1::Hooks hooks;
    return hooks;
}

QFont baseFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFrame *panel(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    return frame;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

TForm1::Hooks TForm1::setHooks(Hooks hooks)
{
    return std::exchange(hooksRef(), std::move(hooks));
}

TForm1::TForm1(QWidget *parent) : TForm1(serverHost(), serverPort(), parent) {}

TForm1::TForm1(const QString &host, int port, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    FormCreate(host, port);
}

TForm1::~TForm1() = default;

void TForm1::buildWindow()
{
    setFont(baseFont(13, true));
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Height 0 until an upper banner arrives.
    RxGIFAnimator2 = new TRxGIFAnimator(central);
    RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    RxGIFAnimator2->setAlignment(Qt::AlignCenter);
    RxGIFAnimator2->setFixedHeight(0);
    layout->addWidget(RxGIFAnimator2);

    layout->addWidget(buildHeader());
    layout->addWidget(buildSearchBar());
    buildTabs();
    layout->addWidget(sPageControl1, 1);
    layout->addWidget(buildBottomPanel());
    layout->addWidget(buildLegend());
    setCentralWidget(central);
    buildMenus();
    araedit->setFocus();
}

QFrame *TForm1::buildHeader()
{
    Panel1 = panel("Panel1", this);
    Panel1->setFixedHeight(125);
    auto *row = new QHBoxLayout(Panel1);
    // No vertical margin: the header banner takes the panel's whole height.
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(16);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Icons::logo(QSize(250, 105)));
    row->addWidget(Image1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    const QFont captionFont = baseFont(15, true);
    const QFont valueFont = baseFont(15, false);
    const struct
    {
        const char *caption;
        const char *captionName;
        QLabel **value;
        const char *valueName;
    } rows[] = {
        {"Kullanıcı: ", "Label1", &kullanicilbl, "kullanicilbl"},
        {"Firma: ", "Label2", &cariadilbl, "cariadilbl"},
        {"Temsilci: ", "Label3", &saticilbl, "saticilbl"},
    };
    int r = 0;
    for (const auto &def : rows) {
        auto *caption = new QLabel(QString::fromUtf8(def.caption), Panel1);
        caption->setObjectName(QLatin1String(def.captionName));
        caption->setFont(captionFont);
        *def.value = new QLabel(Panel1);
        (*def.value)->setObjectName(QLatin1String(def.valueName));
        (*def.value)->setFont(valueFont);
        (*def.value)->setTextFormat(Qt::PlainText);
        // Long names are cut, they never widen the window.
        (*def.value)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        (*def.value)->setMinimumWidth(50);
        grid->addWidget(caption, r, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(*def.value, r, 1, Qt::AlignLeft | Qt::AlignVCenter);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    row->addLayout(grid, 1);

    RxGIFAnimator1 = new TRxGIFAnimator(Panel1);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setFixedSize(409, 125);
    RxGIFAnimator1->setAlignment(Qt::AlignCenter);
    RxGIFAnimator1->setScaledContents(true);
    row->addWidget(RxGIFAnimator1);

    Button3 = new QToolButton(Panel1);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setText(QStringLiteral("Menü"));
    Button3->setIcon(Icons::menu());
    Button3->setIconSize(QSize(24, 24));
    Button3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    Button3->setMinimumSize(110, 40);
    row->addWidget(Button3, 0, Qt::AlignVCenter);
    return Panel1;
}

QFrame *TForm1::buildSearchBar()
{
    Panel2 = panel("Panel2", this);
    Panel2->setFixedHeight(52);
    auto *row = new QHBoxLayout(Panel2);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(6);

    auto *icon = new QLabel(Panel2);
    icon->setObjectName(QStringLiteral("Image2"));
    icon->setPixmap(Icons::searchBar().pixmap(36, 36));
    row->addWidget(icon);

    araedit = new QLineEdit(Panel2);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setFixedWidth(340);
    araedit->setFont(baseFont(20, false));
    araedit->setAccessibleName(QStringLiteral("Ara"));
    // Whatever is typed shows in capitals, by the user's locale (i → İ under Turkish).
    connect(araedit, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = QLocale().toUpper(text);
        if (upper != text) {
            const int cursor = araedit->cursorPosition() + int(upper.size() - text.size());
            araedit->setText(upper);
            araedit->setCursorPosition(cursor);
        }
    });
    connect(araedit, &QLineEdit::returnPressed, this, &TForm1::startSearch);
    row->addWidget(araedit);

    auto iconButton = [this](const char *name, const QString &hint, const QIcon &icon) {
        auto *button = new QToolButton(Panel2);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(hint);
        // Icon only: screen readers say the hint.
        button->setAccessibleName(hint);
        button->setIcon(icon);
        button->setIconSize(QSize(28, 28));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    SpeedButton2 = iconButton("SpeedButton2", QStringLiteral("Ara"), Icons::search());
    SpeedButton1 = iconButton("SpeedButton1", QStringLiteral("Temizle"), Icons::clear());
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    row->addWidget(SpeedButton2);
    row->addWidget(SpeedButton1);

    musteritus = new QToolButton(Panel2);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setText(QStringLiteral("Başka Cari Seç"));
    musteritus->setMinimumHeight(36);
    musteritus->setVisible(false);
    connect(musteritus, &QToolButton::clicked, this, &TForm1::customerChangeRequested);
    row->addWidget(musteritus);

    for (const char *name : kBusyAnimations) {
        auto *busy = new BusyIndicator(Panel2);
        busy->setObjectName(QLatin1String(name));
        busy->setFixedSize(28, 27);
        busy->setVisible(false);
        row->addWidget(busy);
    }
    row->addStretch(1);
    return Panel2;
}

void TForm1::buildTabs()
{
    sPageControl1 = new TPageControl(this);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->tabBar()->setFont(baseFont(13, true));
    for (const TabDef &def : kTabs) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QLatin1String(def.name));
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(2, 2, 2, 2);
        sPageControl1->addTab(sheet, Icons::tab(def.icon), QString::fromUtf8(def.caption));
    }
    sPageControl1->setCurrentIndex(0);
}

QFrame *TForm1::buildBottomPanel()
{
    Panel5 = panel("Panel5", this);
    Panel5->setFixedHeight(40);
    auto *layout = new QVBoxLayout(Panel5);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *pictureMarquee = new TRealTimeMarquee(Panel5);
    pictureMarquee->setObjectName(QStringLiteral("RealTimeMarquee1"));
    pictureMarquee->setFixedHeight(0);
    pictureMarquee->setVisible(false);
    pictureMarquee->setColor(QColor(226, 234, 241));
    pictureMarquee->setSpacing(5);
    auto *image3 = new QLabel(Panel5);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setVisible(false);
    layout->addWidget(pictureMarquee, 1);

    auto *marquee = new TRealTimeMarquee(Panel5);
    marquee->setObjectName(QStringLiteral("kayanyazi"));
    marquee->setColor(QColor(253, 253, 253));
    marquee->setSpacing(5);
    marquee->setFixedHeight(40);
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(24);
    marquee->setFont(font);
    marquee->setAutoFillBackground(true);
    QPalette palette = marquee->palette();
    palette.setColor(QPalette::Window, QColor(253, 253, 253));
    palette.setColor(QPalette::WindowText, QColor(0x1d, 0x4e, 0x89));
    marquee->setPalette(palette);
    marquee->setStyleSheet(QStringLiteral("background: rgb(253, 253, 253); color: #1d4e89;"));
    kayanyazi = marquee;
    layout->addWidget(marquee);
    return Panel5;
}

QFrame *TForm1::buildLegend()
{
    Panel3 = panel("Panel3", this);
    Panel3->setFixedHeight(32);
    auto *row = new QHBoxLayout(Panel3);
    row->setContentsMargins(8, 2, 8, 2);
    row->setSpacing(2);
    const QFont font = baseFont(11, true);
    const QString style = QStringLiteral("color: rgb(67, 76, 88); background: transparent;");
    auto text = [&](const QString &caption, const QString &name) {
        auto *label = new QLabel(caption, Panel3);
        label->setObjectName(name);
        label->setFont(font);
        label->setStyleSheet(style);
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        row->addWidget(label);
    };
    text(QStringLiteral("Durum Açıklaması:    "), QStringLiteral("Label4"));
    const struct
    {
        int code;
        const char *caption;
    } entries[] = {{1, " Stok mevcut  "},  {2, " Telefon Açınız  "},
                   {3, " Yolda  "},        {5, " Tedarik Sürecinde "},
                   {4, " Özel Sipariş  "}, {0, " Yok  "},
                   {6, "Kritik"}};
    int n = 0;
    for (const auto &entry : entries) {
        auto *icon = new QLabel(Panel3);
        icon->setObjectName(QStringLiteral("durumikon%1").arg(n));
        icon->setPixmap(Icons::durum(entry.code).pixmap(24, 24));
        icon->setStyleSheet(style);
        row->addWidget(icon);
        text(QString::fromUtf8(entry.caption), QStringLiteral("durumyazi%1").arg(n));
        ++n;
    }
    row->addStretch(1);
    return Panel3;
}

void TForm1::buildMenus()
{
    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    connect(addItem(Genelmenu, "M1", QStringLiteral("Mail Gönder")), &QAction::triggered, this,
            &TForm1::mailRequested);
    addSeparator(Genelmenu, "N1");
    connect(addItem(Genelmenu, "N4", QStringLiteral("Şifre Değiştirme İsteği")), &QAction::triggered, this,
            &TForm1::passwordRequestRequested);
    addSeparator(Genelmenu, "N2");
    connect(addItem(Genelmenu, "W1", QString()), &QAction::triggered, this, &TForm1::W1Click);
    addSeparator(Genelmenu, "N3");
    connect(addItem(Genelmenu, "G1", QStringLiteral("Çıkış")), &QAction::triggered, this, &TForm1::G1Click);
    addSeparator(Genelmenu, "N5");
    connect(addItem(Genelmenu, "R1", QStringLiteral("Raporlar")), &QAction::triggered, this,
            &TForm1::reportsRequested);
    Button3->setMenu(Genelmenu);
    connect(Button3, &QToolButton::clicked, Button3, &QToolButton::showMenu);

    auto *popstok = new QMenu(this);
    popstok->setObjectName(QStringLiteral("popstok"));
    addItem(popstok, "S2", QStringLiteral("Sepete Ekle"));
    addSeparator(popstok, "N6");
    addItem(popstok, "SipariBakiyeleriniz2", QStringLiteral("Sipariş Bakiyeleriniz"));
    addSeparator(popstok, "N7");
    addItem(popstok, "S3", QStringLiteral("Siparişleri Göster"));

    auto *popupMenu1 = new QMenu(this);
    popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addItem(popupMenu1, "Deitir1", QStringLiteral("Satır Değiştir"));
    addSeparator(popupMenu1, "N8");
    addItem(popupMenu1, "SatrSil1", QStringLiteral("Satır Sil"));
    addSeparator(popupMenu1, "N9");
    addItem(popupMenu1, "HepsiniSil1", QStringLiteral("Hepsini Sil"));

    auto *poponceki = new QMenu(this);
    poponceki->setObjectName(QStringLiteral("poponceki"));
    addItem(poponceki, "S1", QStringLiteral("Siparişi İncele"));
    addSeparator(poponceki, "N10");
    addItem(poponceki, "SipariBakiyeleriniz1", QStringLiteral("Sipariş Bakiyeleriniz"));
    addSeparator(poponceki, "N11");
    addItem(poponceki, "T1", QStringLiteral("Tüm Siparişler"));

    auto *popekstre = new QMenu(this);
    popekstre->setObjectName(QStringLiteral("popekstre"));
    addItem(popekstre, "H1", QStringLiteral("Hareket İncele"));
}

void TForm1::FormCreate(const QString &host, int port)
{
    _acilisadet = 0;
    _acilisgoruldu = false;

    QCoreApplication::setApplicationName(QStringLiteral("Ravla Filter B2B"));
    setWindowTitle(QStringLiteral("Ravla Fiter B2B Programı"));

    QFont font = messageFont();
    font.setPointSize(15);
    setMessageFont(font);

    sbilgi = TSonucBilgisi();
    sbilgi.setBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.setBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.setIcip(IcIpAl());
    sbilgi.setBILGISAYARID(BilgisayarIdAl());

    bagc.setHostName(host);
    bagc.setPort(port);

    menuItem(QStringLiteral("W1"))->setText(QUrl(webBase()).host());

    const Hooks &hooks = hooksRef();
    if (hooks.login) {
        if (!hooks.login(*this)) {
            ProgramiSonlandir();
            return;
        }
        if (sbilgi.Disip().trimmed().isEmpty()) {
            ProgramiSonlandir();
            return;
        }
    }
    KullaniciTipiUygula();
    if (hooks.startupLoads) {
        hooks.startupLoads(*this);
        return;
    }
    // Until the other start-up loads are plugged in, the header labels are the only one.
    QPointer<TForm1> self(this);
    Async([self] {
        Synchronize([self] {
            if (self)
                self->AnaBilgiAl();
        });
    })->Await(this, [] {});
}

void TForm1::AnaBilgiAl()
{
    kullanicilbl->setText(sbilgi.ADI());
    cariadilbl->setText(sbilgi.CariAdi());
    saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi.SaticiTelefon() +
                       QStringLiteral(" email: ") + sbilgi.SaticiMail());
}

void TForm1::KullaniciTipiUygula()
{
    // Columns of the tab grids follow the same rule in their own folders.
    const int tip = sbilgi.MusteriTipi();
    const bool satisci = tip == 1 || tip == 2;
    musteritus->setVisible(satisci);
    menuItem(QStringLiteral("R1"))->setVisible(satisci);
    if (tip == 4) {
        const int index = sPageControl1->indexOf(tabSheet(QStringLiteral("skampanyali")));
        sPageControl1->setTabVisible(index, false);
    }
}

void TForm1::setTabCaption(QWidget *sheet, const QString &caption)
{
    const int index = sPageControl1->indexOf(sheet);
    if (index >= 0)
        sPageControl1->setTabText(index, caption);
}

QString TForm1::tabCaption(QWidget *sheet) const
{
    const int index = sPageControl1->indexOf(sheet);
    return index >= 0 ? sPageControl1->tabText(index) : QString();
}

void TForm1::activateTab(QWidget *sheet)
{
    const int index = sPageControl1->indexOf(sheet);
    if (index >= 0)
        sPageControl1->setCurrentIndex(index);
}

QWidget *TForm1::activeTab() const
{
    return sPageControl1->currentWidget();
}

void TForm1::startSearch()
{
    emit searchRequested(araedit->text());
}

QWidget *TForm1::tabSheet(const QString &name) const
{
    for (int i = 0; i < sPageControl1->count(); ++i) {
        if (sPageControl1->widget(i)->objectName() == name)
            return sPageControl1->widget(i);
    }
    return nullptr;
}

QMenu *TForm1::menu(const QString &name) const
{
    return findChild<QMenu *>(name);
}

QAction *TForm1::menuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

BusyIndicator *TForm1::busyAnimation(const QString &name) const
{
    return findChild<BusyIndicator *>(name);
}

void TForm1::W1Click()
{
    ShellOpen(QUrl(webBase()));
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::G1Click()
{
    close();
}

void TForm1::SpeedButton1Click()
{
    araedit->clear();
    araedit->setFocus();
}

void TForm1::SpeedButton2Click()
{
    startSearch();
}

bool TForm1::FormCloseQuery()
{
    if (MesajGoster(kExitQuestion, mtConfirmation, mbYesNo, mbYes) == mrYes)
        ProgramiSonlandir();
    // Only a test's process-end handler comes back here: the window stays either way.
    return false;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
