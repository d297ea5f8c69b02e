#include "app/login/kullanicikayitu.h"

#include "app/core/callframe.h"
#include "app/core/identity.h"
#include "app/core/utils.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"
#include "server/proxim.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit *yeniKutu(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel *baslik(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    label->setFont(f);
    label->setStyleSheet(
        QStringLiteral("color: rgb(0, 64, 128); border-bottom: 1px solid rgb(120, 134, 150);"));
    return label;
}

QWidget *ikili(QWidget *parent, QLineEdit *a, QLineEdit *b)
{
    auto *row = new QWidget(parent);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(a);
    h->addWidget(b);
    return row;
}
} // namespace

Tkullanicikayit::Tkullanicikayit(QWidget *owner, TSQLConnection &connection)
    : QDialog(owner), con(connection.CloneConnection())
{
    setObjectName(QStringLiteral("kullanicikayit"));
    m_id = BilgisayarIdAl();
    lblid = new QLabel(QStringLiteral("Bilgisayar ID: ") + m_id, this);
    lblid->setObjectName(QStringLiteral("lblid"));
    firmaadi = yeniKutu(this, "firmaadi");
    adres1 = yeniKutu(this, "adres1");
    adres2 = yeniKutu(this, "adres2");
    ilce = yeniKutu(this, "ilce");
    sehir = yeniKutu(this, "sehir");
    telefon = yeniKutu(this, "telefon");
    fax = yeniKutu(this, "fax");
    vd = yeniKutu(this, "vd");
    vn = yeniKutu(this, "vn");
    yetkili = yeniKutu(this, "yetkili");
    kullaniciadi = yeniKutu(this, "kullaniciadi");
    sifre = yeniKutu(this, "sifre");
    mail = yeniKutu(this, "mail");
    kargoambar = yeniKutu(this, "kargoambar");
    Button2 = new QPushButton(QStringLiteral("Gönder"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto *v = new QVBoxLayout(this);
    v->addWidget(lblid);
    // One form for both sections so their boxes line up.
    auto *form = new QFormLayout;
    form->addRow(baslik(QStringLiteral("Firma Bilgileri"), this));
    form->addRow(QStringLiteral("Firma Adı:"), firmaadi);
    form->addRow(QStringLiteral("Adres:"), adres1);
    form->addRow(QStringLiteral("Adres2:"), adres2);
    form->addRow(QStringLiteral("İlçe/Şehir:"), ikili(this, ilce, sehir));
    form->addRow(QStringLiteral("Telefon/Fax:"), ikili(this, telefon, fax));
    form->addRow(QStringLiteral("Vergi Dairesi / No:"), ikili(this, vd, vn));
    form->addRow(QStringLiteral("Yetkili:"), yetkili);
    form->addRow(baslik(QStringLiteral("Kullanıcı Bilgileri"), this));
    form->addRow(QStringLiteral("Kullanıcı Adı:"), kullaniciadi);
    form->addRow(QStringLiteral("Şifre:"), sifre);
    form->addRow(QStringLiteral("Mail:"), mail);
    form->addRow(QStringLiteral("Kargo Ambar:"), kargoambar);
    v->addLayout(form);
    // Screen readers name each box by its label, without the ':'.
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem *labelItem = form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem *fieldItem = form->itemAt(row, QFormLayout::FieldRole);
        auto *label = labelItem ? qobject_cast<QLabel *>(labelItem->widget()) : nullptr;
        auto *edit = fieldItem ? qobject_cast<QLineEdit *>(fieldItem->widget()) : nullptr;
        if (label && edit) {
            label->setBuddy(edit);
            edit->setAccessibleName(label->text().chopped(1));
        }
    }
    // The boxes that share a row and its label get one half of it each.
    ilce->setAccessibleName(QStringLiteral("İlçe"));
    sehir->setAccessibleName(QStringLiteral("Şehir"));
    telefon->setAccessibleName(QStringLiteral("Telefon"));
    fax->setAccessibleName(QStringLiteral("Fax"));
    vd->setAccessibleName(QStringLiteral("Vergi Dairesi"));
    vn->setAccessibleName(QStringLiteral("Vergi No"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    v->addLayout(buttons);
    resize(520, height());

    connect(Button2, &QPushButton::clicked, this, &Tkullanicikayit::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

Tkullanicikayit::~Tkullanicikayit() = default;

Tkullanicikayit *Tkullanicikayit::Ac(QWidget *owner, TSQLConnection &connection, const TSonucBilgisi &bilgi)
{
    auto *w = new Tkullanicikayit(owner, connection);
    w->kullaniciadi->setText(bilgi.ADI());
    w->firmaadi->setText(bilgi.CariAdi());
    w->onDoldur();
    w->setWindowTitle(QStringLiteral("Şifre Değiştirme İsteği"));
    return w;
}

void Tkullanicikayit::onDoldur()
{
    std::optional<TMobilCariBilgisi> cari;
    if (!SunucuCagir(*con, 1, [&](TServerMethods1Client &p) { cari = p.MobilCariBilgisiGetir(0, m_id); }))
        return;
    if (cari) {
        adres1->setText(cari->ADRES1());
        adres2->setText(cari->ADRES2());
        ilce->setText(cari->ILCE());
        sehir->setText(cari->SEHIR());
        telefon->setText(cari->TEL1());
        fax->setText(cari->FAX1());
        vd->setText(cari->VERGIDAIRESI());
        vn->setText(cari->VERGINO());
    }
}

void Tkullanicikayit::Button2Click()
{
    const QList<QPair<QLineEdit *, QString>> zorunlu{
        {firmaadi, QStringLiteral("Firma Adı boş olamaz !")},
        {adres1, QStringLiteral("Adres boş olamaz !")},
        {ilce, QStringLiteral("İlçe Adı boş olamaz !")},
        {sehir, QStringLiteral("Şehir Adı boş olamaz !")},
        {telefon, QStringLiteral("Telefon  boş olamaz !")},
        {yetkili, QStringLiteral("Yetkili  boş olamaz !")},
        {kullaniciadi, QStringLiteral("Kullanıcı  boş olamaz !")},
        {sifre, QStringLiteral("Şifre  boş olamaz !")},
        {mail, QStringLiteral("Mail  boş olamaz !")},
    };
    for (const auto &[kutu, mesaj] : zorunlu) {
        if (kutu->text().trimmed().isEmpty()) {
            kutu->selectAll();
            kutu->setFocus();
            MesajGoster(mesaj, mtWarning, mbOKOnly, mbOK);
            return;
        }
    }
    // An error of the call is not handled here: the default error display shows it, no success
    // message follows and the window stays as it is.
    const bool gonderildi = SunucuCagir(*con, 1, [&](TServerMethods1Client &p) {
        p.MailGonserCari(m_id, QStringLiteral("Şifre Değiştirme İsteği"), firmaadi->text(), adres1->text(),
                         adres2->text(), ilce->text(), sehir->text(), telefon->text(), fax->text(),
                         vd->text(), vn->text(), yetkili->text(), kullaniciadi->text(), sifre->text(),
                         mail->text(), kargoambar->text());
    });
    if (gonderildi)
        MesajGoster(QStringLiteral("İsteğiniz Gönderildi!"), mtInformation, mbOKOnly, mbOK);
}
