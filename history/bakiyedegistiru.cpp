#include "history/bakiyedegistiru.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

Tbakiyedegistir::Tbakiyedegistir(QWidget *owner) : QDialog(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("bakiyedegistir"));
    setWindowTitle(QStringLiteral("Bakiye Değiştir"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    auto value = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(220);
        return label;
    };
    barkod = value("barkod");
    adi = value("adi");
    finishkod = value("finishkod");
    marka = value("marka");
    model = value("model");
    alinansiparis = value("alinansiparis");
    teslimedilen = value("teslimedilen");
    elimizde = value("elimizde");
    eskibakiye = value("eskibakiye");
    form->addRow(QStringLiteral("Barkod:"), barkod);
    form->addRow(QStringLiteral("Açıklama:"), adi);
    form->addRow(QStringLiteral("Finish Kod:"), finishkod);
    form->addRow(QStringLiteral("Marka:"), marka);
    form->addRow(QStringLiteral("Model:"), model);
    form->addRow(QStringLiteral("Alınan sipariş:"), alinansiparis);
    form->addRow(QStringLiteral("Teslim Edilen:"), teslimedilen);
    elimizdeCaption = new QLabel(QStringLiteral("Elimizde:"), this);
    form->addRow(elimizdeCaption, elimizde);
    form->addRow(QStringLiteral("Eski bakiye:"), eskibakiye);
    adet = new QSpinBox(this);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setAccessibleName(QStringLiteral("Yeni bakiye"));
    adet->setRange(1, 1000);
    adet->setValue(1);
    adet->installEventFilter(this);
    form->addRow(QStringLiteral("Yeni bakiye:"), adet);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *degistir = buttons->addButton(QStringLiteral("Değiştir"), QDialogButtonBox::AcceptRole);
    degistir->setObjectName(QStringLiteral("Button1"));
    QPushButton *vazgec = buttons->addButton(QStringLiteral("Vazgeç"), QDialogButtonBox::RejectRole);
    vazgec->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {degistir, vazgec}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool Tbakiyedegistir::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == adet && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            adet->interpretText();
            if (adet->value() > 0)
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tbakiyedegistir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    adet->setFocus();
    adet->selectAll();
}
