#include "messages/mailformu.h"

#include "app/core/callframe.h"
#include "messages/virgullumetin.h"
#include "platform/system/async.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

bool MailGonder(TSQLConnection &con, const MailIcerigi &icerik)
{
    CallError hata;
    bool hesapVar = false;
    const bool ok = SunucuCagir(
        con, 0,
        [&](TServerMethods1Client &ilk) {
            const std::optional<TMobilCariBilgisi> cari = ilk.MobilCariBilgisiGetir(0, icerik.idsi);
            // Without the account's record there is nothing to send it with.
            if (!cari)
                return;
            hesapVar = true;
            TServerMethods1Client proxy(con);
            proxy.MailGonserCariNormal(icerik.idsi, icerik.baslik, cari->CARIADI(), cari->ADRES1(),
                                       cari->ADRES2(), cari->ILCE(), cari->SEHIR(), cari->TEL1(),
                                       cari->FAX1(), cari->VERGIDAIRESI(), cari->VERGINO(), cari->YETKILI(),
                                       cari->KULLANICIADI(), cari->SIFRE(), cari->MAIL(), QString(),
                                       VirgulluMetin(icerik.satirlar));
        },
        &hata);
    return ok && hesapVar;
}

Tmailform::Tmailform(QWidget *AOwner, TSQLConnection &_c, TSonucBilgisi &_b)
    : QDialog(AOwner), con(_c.CloneConnection()), m_bilgi(_b)
{
    setObjectName(QStringLiteral("mailform"));
    setWindowTitle(QStringLiteral("Mail Gönder"));
    resize(560, 420);
    auto *grid = new QGridLayout(this);
    auto *konuLabel = new QLabel(QStringLiteral("Konu:"), this);
    konuLabel->setObjectName(QStringLiteral("Label1"));
    baslik = new QLineEdit(this);
    baslik->setObjectName(QStringLiteral("baslik"));
    konuLabel->setBuddy(baslik);
    baslik->setAccessibleName(QStringLiteral("Konu"));
    auto *mailLabel = new QLabel(QStringLiteral("Mail:"), this);
    mailLabel->setObjectName(QStringLiteral("Label2"));
    konu = new QPlainTextEdit(this);
    konu->setObjectName(QStringLiteral("konu"));
    mailLabel->setBuddy(konu);
    konu->setAccessibleName(QStringLiteral("Mail"));
    konu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    konu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    konu->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(konuLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(baslik, 0, 1);
    grid->addWidget(mailLabel, 1, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(konu, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button2 = new QPushButton(QStringLiteral("Gönder"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    grid->addLayout(buttons, 2, 1);
    connect(Button2, &QPushButton::clicked, this, &Tmailform::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Tmailform::Button1Click);
    baslik->setFocus();
}

Tmailform::~Tmailform() = default;

bool Tmailform::isSending() const
{
    return !Button2->isEnabled();
}

void Tmailform::Button2Click()
{
    if (baslik->text().trimmed().isEmpty()) {
        baslik->selectAll();
        baslik->setFocus();
        MesajGoster(QStringLiteral("Lütfen Başlık Giriniz !"), mtWarning, mbOKOnly, mbOK);
        return;
    }
    if (konu->toPlainText().trimmed().isEmpty()) {
        konu->selectAll();
        konu->setFocus();
        MesajGoster(QStringLiteral("Lütfen Konu Giriniz !"), mtWarning, mbOKOnly, mbOK);
        return;
    }
    MailIcerigi icerik;
    icerik.idsi = m_bilgi.BILGISAYARID();
    icerik.baslik = baslik->text();
    for (QTextBlock block = konu->document()->begin(); block.isValid(); block = block.next())
        icerik.satirlar.append(block.text());
    Button2->setEnabled(false);
    auto basarisiz = std::make_shared<bool>(true);
    const std::shared_ptr<TSQLConnection> baglanti = con;
    Async([baglanti, icerik, basarisiz] {
        *basarisiz = !MailGonder(*baglanti, icerik);
    })->Await(this, [this, basarisiz] {
        if (*basarisiz)
            MesajGoster(QStringLiteral("Mail Göndermede Hata\r\nLütfen Tekrar Deneyin !"), mtError, mbOKOnly,
                        mbOK);
        else
            MesajGoster(QStringLiteral("Mail Gönderildi !"), mtInformation, mbOKOnly, mbOK);
        Button2->setEnabled(true);
        emit sent(*basarisiz);
    });
}

void Tmailform::Button1Click()
{
    if (isSending())
        return;
    accept();
}

void Tmailform::reject()
{
    // Escape and the close box follow "Kapat": ignored while a send runs.
    if (!isSending())
        QDialog::reject();
}

void Tmailform::closeEvent(QCloseEvent *event)
{
    if (isSending())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
