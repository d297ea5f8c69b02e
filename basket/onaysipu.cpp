#include "basket/onaysipu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont sabitAralikli()
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

} // namespace

TONAYSIP::TONAYSIP(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(640, 360);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(sabitAralikli());
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(sabitAralikli());
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    QPalette red = Label3->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(red);

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont soru = Label1->font();
    soru.setPixelSize(20);
    soru.setBold(true);
    Label1->setFont(soru);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Button1 = new QPushButton(QStringLiteral("Evet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumSize(120, 40);
    Button2 = new QPushButton(QStringLiteral("Hayır"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setMinimumSize(120, 40);
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(2); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2, 1);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
}

QString SiparisOzeti(const QString &kullanici, const QString &cari, const QString &aciklama)
{
    return QStringLiteral("Kullanıcı: ") + kullanici + QStringLiteral("\r\n") +
           QStringLiteral("Cari     : ") + cari + QStringLiteral("\r\n") + QStringLiteral("Açıklama : ") +
           aciklama;
}
