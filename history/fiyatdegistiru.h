#pragma once

#include <QDialog>

class AmountEdit;
class QLabel;

// "Fiyat Değiştir": a line's unit price and discount rate, with the net and VAT-inclusive price
// recomputed on every key release.
class Tfiyatdegistir : public QDialog
{
    Q_OBJECT

public:
    explicit Tfiyatdegistir(QWidget *owner = nullptr);

    AmountEdit *_fiyat = nullptr;
    AmountEdit *_iskonto = nullptr;
    QLabel *LBLNET = nullptr;
    QLabel *LABELKDV = nullptr;

    void Hesapla();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
