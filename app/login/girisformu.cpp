#include "app/login/girisformu.h"

#include "app/core/buildconfig.h"
#include "app/core/callframe.h"
#include "app/core/identity.h"
#include "app/core/utils.h"
#include "app/login/dosyaindiru.h"
#include "app/login/formistekyeniu.h"
#include "app/login/iplookup.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/async.h"
#include "platform/system/exception.h"
#include "platform/system/inifile.h"
#include "platform/system/processend.h"
#include "platform/system/sounds.h"
#include "platform/widgets/busyindicator.h"
#include "server/baglantiu.h"
#include "server/proxim.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

const QString kIniSection = QStringLiteral("kullanici");
const QString kHataliGiris = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

QString ayarDosyasi()
{
    return AyarKlasoru() + QStringLiteral("/ayar.ini");
}

// Both edits show what is typed in upper case, by the user's locale (so "i" becomes "İ" in Turkish).
void buyukHarfYap(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString upper = QLocale().toUpper(text);
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition() + int(upper.size() - text.size());
        edit->setText(upper);
        edit->setCursorPosition(qBound(0, cursor, int(upper.size())));
    });
}

void makinaAlanlariniDoldur(TSonucBilgisi &kayit)
{
    kayit.setBilgiSayarAdi(BilgisayarAdiAl());
    kayit.setBilgisayarKullanici(KullaniciAdiAl());
    kayit.setIcip(IcIpAl());
    kayit.setBILGISAYARID(BilgisayarIdAl());
}

} // namespace

QString IstekFormuAdresi(const QString &webBase, const QString &computerId)
{
    return webBase + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + computerId;
}

GirisOrtami GirisOrtami::varsayilan()
{
    GirisOrtami ortam;
    ortam.serverHost = ::serverHost();
    ortam.serverPort = ::serverPort();
    ortam.makerBase = ::makerBase();
    ortam.webBase = ::webBase();
    const QString setupAddress = ortam.makerBase + QStringLiteral("exe/RavlaSetup.exe");
    ortam.guncelle = [setupAddress](QWidget *owner, int version, TSQLConnection &connection) {
        Tdosyaindir indir(owner, version, setupAddress);
        indir.bag = &connection;
        indir.exec();
    };
    ortam.istekFormu = IstekFormuGoster;
    return ortam;
}

Tgirisform::Tgirisform(QWidget *owner, TSQLConnection &bagim, TSonucBilgisi &bilgim, GirisOrtami ortam)
    : QDialog(owner,
              Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , bagim(bagim)
    , Bilgim(bilgim)
    , m_ortam(std::move(ortam))
    , m_kapandi(std::make_shared<bool>(false))
{
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(440, 290);
    QFont base(QStringLiteral("Tahoma"));
    base.setBold(true);
    setFont(base);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(28, 70, 28, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);

    const QString labelStyle =
        QStringLiteral("color: white; background-color: rgb(0, 64, 128); padding: 3px;");
    Label1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(labelStyle);
    adi = new QLineEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setAccessibleName(QStringLiteral("Kullanıcı Adı"));
    Label1->setBuddy(adi);
    buyukHarfYap(adi);

    Label2 = new QLabel(QStringLiteral(" Şifre:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(labelStyle);
    sifre = new QLineEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setAccessibleName(QStringLiteral("Şifre"));
    sifre->setEchoMode(QLineEdit::Password);
    Label2->setBuddy(sifre);
    buyukHarfYap(sifre);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);
    benihatirla->setStyleSheet(QStringLiteral("color: white;"));

    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    RxGIFAnimator1 = new BusyIndicator(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setFixedSize(24, 24);

    RxLabel1 =
        new QLabel(QStringLiteral("Ravla Filtre Dağıtım A.Ş.  Organize Sanayi Bölgesi 12. Cadde No: 7  "
                                  "Konya  ·  Tel: 0 (332) 555 01 23"),
                   this);
    RxLabel1->setObjectName(QStringLiteral("RxLabel1"));
    RxLabel1->setWordWrap(true);
    RxLabel1->setAlignment(Qt::AlignCenter);
    RxLabel1->setStyleSheet(QStringLiteral("color: rgb(220, 230, 245); font-weight: normal;"));

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(adi, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(sifre, 1, 1, 1, 2);
    grid->addWidget(benihatirla, 2, 1);
    grid->addWidget(RxGIFAnimator1, 2, 2, Qt::AlignRight);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->addWidget(RxLabel1, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    idsi = BilgisayarIdAl();
    ayarlariOku();
    adi->setFocus();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Tgirisform::~Tgirisform()
{
    *m_kapandi = true;
}

void Tgirisform::ayarlariOku()
{
    if (!QFile::exists(ayarDosyasi()))
        return;
    TIniFile ini(ayarDosyasi());
    benihatirla->setChecked(ini.ReadBool(kIniSection, QStringLiteral("hatırla"), true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.ReadString(kIniSection, QStringLiteral("isim"), QString()));
        sifre->setText(ini.ReadString(kIniSection, QStringLiteral("sifre"), QString()));
    }
}

void Tgirisform::ayarlariYaz()
{
    TIniFile ini(ayarDosyasi());
    ini.WriteString(kIniSection, QStringLiteral("isim"), adi->text());
    ini.WriteString(kIniSection, QStringLiteral("sifre"), sifre->text());
    ini.WriteBool(kIniSection, QStringLiteral("hatırla"), benihatirla->isChecked());
}

bool Tgirisform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == adi)
                adiKeyDown();
            else if (watched == sifre)
                sifreKeyDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tgirisform::bosUyari(QLineEdit *edit, const QString &text)
{
    PlaySystemSound(SystemSound::Hand);
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
    edit->selectAll();
    edit->setFocus();
}

void Tgirisform::adiKeyDown()
{
    if (adi->text().trimmed().isEmpty()) {
        bosUyari(adi, QStringLiteral("Lütfen kullanıcı adını giriniz !"));
        return;
    }
    sifre->selectAll();
    sifre->setFocus();
}

void Tgirisform::sifreKeyDown()
{
    if (sifre->text().trimmed().isEmpty()) {
        bosUyari(sifre, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
        return;
    }
    if (Button1->isEnabled())
        Button1Click();
}

void Tgirisform::Button1Click()
{
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->start();

    IpLookup lookup;
    lookup.baseAddress = m_ortam.makerBase;
    lookup.tries = m_ortam.ipTries;
    const std::shared_ptr<bool> kapandi = m_kapandi;
    lookup.cancelled = [kapandi] { return *kapandi; };
    auto ip = std::make_shared<QString>();
    Async([lookup, ip] { *ip = lookup.run(); })->Await(this, [this, ip] { ipAlindi(*ip); });
}

void Tgirisform::ipAlindi(const QString &ip)
{
    Button1->setText(QStringLiteral("Giriş!"));
    RxGIFAnimator1->stop();
    if (ip.trimmed().isEmpty()) {
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), mtError, mbOKOnly,
                    mbOK);
        Button1->setEnabled(true);
        return;
    }
    Bilgim.setDisip(ip);
    bagim.setHostName(m_ortam.serverHost);
    if (m_ortam.serverPort > 0)
        bagim.setPort(m_ortam.serverPort);

    // The clone is made here, on the window thread; the worker owns it from now on.
    std::shared_ptr<TSQLConnection> klon(bagim.CloneConnection().release());
    const QString id = idsi;
    IpLookup lookup;
    lookup.baseAddress = m_ortam.makerBase;
    lookup.tries = m_ortam.ipTries;
    const std::shared_ptr<bool> kapandi = m_kapandi;
    lookup.cancelled = [kapandi] { return *kapandi; };

    struct Sonuc
    {
        bool basarili = false;
        QString hata;
        TSonucBilgisi kayit;
        QString disIp;
    };
    auto sonuc = std::make_shared<Sonuc>();
    sonuc->kayit.Kopyala(Bilgim);
    Async([klon, id, lookup, sonuc] {
        CallError hata;
        std::optional<TSonucBilgisi> kayit;
        if (!SunucuCagir(
                *klon, 0, [&](TServerMethods1Client &p) { kayit = p.BuyukGetir(id); }, &hata)) {
            sonuc->hata = hata.message; // empty when the connection could not be opened
            return;
        }
        if (kayit)
            sonuc->kayit.Kopyala(*kayit);
        makinaAlanlariniDoldur(sonuc->kayit);
        sonuc->disIp = lookup.run();
        sonuc->basarili = true;
    })->Await(this, [this, sonuc] { girisBitti(sonuc->basarili, sonuc->hata, sonuc->kayit, sonuc->disIp); });
}

void Tgirisform::girisBitti(bool basarili, const QString &hata, const TSonucBilgisi &kayit,
                            const QString &disIp)
{
    RxGIFAnimator1->stop();
    if (!hata.isEmpty())
        MesajGoster(hata, mtError, mbOKOnly, mbOK);
    if (!basarili) {
        MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), mtError, mbOKOnly, mbOK);
        yenidenHazirla();
        return;
    }
    Bilgim.Kopyala(kayit);
    Bilgim.setDisip(disIp);

    if (Bilgim.Version() != 3) {
        if (m_ortam.guncelle)
            m_ortam.guncelle(this, Bilgim.Version(), bagim);
        ProgramiSonlandir();
        return;
    }
    if (!Bilgim.Varmi()) {
        if (m_ortam.istekFormu)
            m_ortam.istekFormu(this, QStringLiteral("Ravla Filter B2B İstek Formu"),
                               IstekFormuAdresi(m_ortam.webBase, BilgisayarIdAl()));
        ProgramiSonlandir();
        return;
    }
    if (adi->text() == Bilgim.ADI() && sifre->text() == Bilgim.SIFRE()) {
        ayarlariYaz();
        if (Bilgim.AKTIF() == 1) {
            if (Bilgim.MusteriTipi() == 1 || Bilgim.MusteriTipi() == 2) {
                const bool secildi =
                    m_ortam.musteriSecimi ? m_ortam.musteriSecimi(this, bagim, Bilgim) : true;
                if (!secildi) {
                    ProgramiSonlandir();
                    return;
                }
            }
            accept();
            return;
        }
    }
    MesajGoster(kHataliGiris, mtWarning, mbOKOnly, mbOK);
    yenidenHazirla();
}

void Tgirisform::yenidenHazirla()
{
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::Button2Click()
{
    *m_kapandi = true;
    ProgramiSonlandir();
}

void Tgirisform::reject()
{
    // Esc and the close box leave the program, as "Vazgeç" does.
    Button2Click();
}

void Tgirisform::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Button2Click();
}

void Tgirisform::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor(15, 52, 96));
    g.setColorAt(0.55, QColor(33, 82, 140));
    g.setColorAt(1.0, QColor(88, 101, 116));
    p.fillRect(rect(), g);
    QFont title(QStringLiteral("Tahoma"), 20, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(235, 242, 250));
    p.drawText(QRect(0, 12, width(), 44), Qt::AlignCenter, QStringLiteral("Ravla Filter B2B"));
}
