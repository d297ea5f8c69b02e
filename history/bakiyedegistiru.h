#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

// "Bakiye Değiştir": shows the line and asks for the new balance (1 to 1000).
class Tbakiyedegistir : public QDialog
{
    Q_OBJECT

public:
    explicit Tbakiyedegistir(QWidget *owner = nullptr);

    QLabel *barkod = nullptr;
    QLabel *adi = nullptr;
    QLabel *finishkod = nullptr;
    QLabel *marka = nullptr;
    QLabel *model = nullptr;
    QLabel *alinansiparis = nullptr;
    QLabel *teslimedilen = nullptr;
    QLabel *elimizde = nullptr;
    QLabel *elimizdeCaption = nullptr;
    QLabel *eskibakiye = nullptr;
    QSpinBox *adet = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
