#pragma once

#include <QDate>
#include <QDialog>

class QDateTimeEdit;
class QLabel;

// "Tarih Seç": one or two dates for a report. "Seç" accepts; closing any other way cancels.
class Ttarihsec : public QDialog
{
    Q_OBJECT

public:
    explicit Ttarihsec(QWidget *owner);

    // For callers that need one date.
    void ikinciTarihiGizle();

    QDateTimeEdit *DateTimePicker1 = nullptr;
    QDateTimeEdit *DateTimePicker2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    // The pickers' dates as whole days.
    QDate tarih1() const;
    QDate tarih2() const;

protected:
    void showEvent(QShowEvent *event) override;
};

// Whole days as the server takes them: days since 1899-12-30.
double GunDegeri(const QDate &date);
