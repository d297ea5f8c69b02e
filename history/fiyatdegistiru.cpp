#include "history/fiyatdegistiru.h"

#include "history/amountedit.h"
#include "history/hesaplar.h"
#include "platform/system/formatfloat.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tfiyatdegistir::Tfiyatdegistir(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("fiyatdegistir"));
    setWindowTitle(QStringLiteral("Fiyat Değiştir"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    _fiyat = new AmountEdit(this);
    _fiyat->setObjectName(QStringLiteral("_fiyat"));
    _fiyat->setAccessibleName(QStringLiteral("Fiyat"));
    _iskonto = new AmountEdit(this);
    _iskonto->setObjectName(QStringLiteral("_iskonto"));
    _iskonto->setAccessibleName(QStringLiteral("İndirim Oranı %"));
    _iskonto->setMaxValue(100);
    for (AmountEdit *e : {_fiyat, _iskonto}) {
        e->setMinimumWidth(180);
        e->installEventFilter(this);
    }
    LBLNET = new QLabel(QStringLiteral("Net Fiyat:"), this);
    LBLNET->setObjectName(QStringLiteral("LBLNET"));
    LABELKDV = new QLabel(QStringLiteral("Net Fiyat:"), this);
    LABELKDV->setObjectName(QStringLiteral("LABELKDV"));
    form->addRow(QStringLiteral("Fiyat:"), _fiyat);
    form->addRow(QStringLiteral("İndirim Oranı %:"), _iskonto);
    form->addRow(QStringLiteral("Net Fiyat:"), LBLNET);
    form->addRow(QStringLiteral("KDV Dahil Fiyat:"), LABELKDV);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *degistir = buttons->addButton(QStringLiteral("Değiştir"), QDialogButtonBox::AcceptRole);
    degistir->setObjectName(QStringLiteral("Button1"));
    QPushButton *vazgec = buttons->addButton(QStringLiteral("Vazgeç"), QDialogButtonBox::RejectRole);
    vazgec->setObjectName(QStringLiteral("Button2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void Tfiyatdegistir::Hesapla()
{
    const FiyatSonucu s = FiyatHesapla(_fiyat->value(), _iskonto->value());
    LBLNET->setText(FormatFloat(QStringLiteral("#,###,##00.00"), s.net));
    LABELKDV->setText(FormatFloat(QStringLiteral("#,###,##00.00"), s.kdvDahil));
}

bool Tfiyatdegistir::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == _fiyat || watched == _iskonto) && event->type() == QEvent::KeyRelease)
        Hesapla();
    return QDialog::eventFilter(watched, event);
}
