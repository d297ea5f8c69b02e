#include "sales/tarihsecu.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

Ttarihsec::Ttarihsec(QWidget *owner) : QDialog(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("tarihsec"));
    setWindowTitle(QStringLiteral("Tarih Seç"));
    auto *layout = new QGridLayout(this);
    auto picker = [this](const char *name) {
        auto *p = new QDateTimeEdit(QDateTime::currentDateTime(), this);
        p->setObjectName(QLatin1String(name));
        p->setCalendarPopup(true);
        p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        return p;
    };
    Label1 = new QLabel(QStringLiteral("Tarih 1:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    DateTimePicker1 = picker("DateTimePicker1");
    Label1->setBuddy(DateTimePicker1);
    DateTimePicker1->setAccessibleName(QStringLiteral("Tarih 1"));
    Label2 = new QLabel(QStringLiteral("Tarih 2:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    DateTimePicker2 = picker("DateTimePicker2");
    Label2->setBuddy(DateTimePicker2);
    DateTimePicker2->setAccessibleName(QStringLiteral("Tarih 2"));
    auto *sec = new QPushButton(QStringLiteral("Seç"), this);
    sec->setObjectName(QStringLiteral("Button1"));
    sec->setDefault(true);
    connect(sec, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(DateTimePicker1, 0, 1);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(DateTimePicker2, 1, 1);
    layout->addWidget(sec, 2, 0, 1, 2, Qt::AlignRight);
}

void Ttarihsec::ikinciTarihiGizle()
{
    Label2->hide();
    DateTimePicker2->hide();
}

QDate Ttarihsec::tarih1() const
{
    return DateTimePicker1->date();
}

QDate Ttarihsec::tarih2() const
{
    return DateTimePicker2->date();
}

void Ttarihsec::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

double GunDegeri(const QDate &date)
{
    return double(QDate(1899, 12, 30).daysTo(date));
}
