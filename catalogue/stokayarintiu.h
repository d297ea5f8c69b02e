#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ResimAlani;
class TSQLConnection;
class TutarEdit;

// The stock detail window "Sepete Ekle". It knows nothing of the basket or the server: the opener
// fills it, shows it modally (exec() gives 1 confirmed, 2 cancelled, also from the title bar) and
// on 1 reads the quantity and the prices back.
//
//   Tstokayarinti w(&mainWindow);
//   ResimGetir(bagc, stokno, w.Image1);
//   w.barkod->setText(...); ... w.kdvdahiltutar->setValue(x); w.kdvlifiyat = x;
//   if (w.exec() == 1) { int n = w.adetDegeri(); double fiyat = w.birimfiyat->Value(); }
class Tstokayarinti : public QDialog
{
    Q_OBJECT

public:
    explicit Tstokayarinti(QWidget *owner = nullptr);

    // The five value labels of the header, filled by the opener.
    QLabel *barkod = nullptr;
    QLabel *adi = nullptr;
    QLabel *finishkod = nullptr;
    QLabel *marka = nullptr;
    QLabel *model = nullptr;
    // The item's picture; the logo until ResimGetir loads one.
    ResimAlani *Image1 = nullptr;
    QSpinBox *adet = nullptr;
    QLabel *Label2 = nullptr;      // "Fiyat:"
    QLabel *indirimoran = nullptr; // "İndirim:"
    TutarEdit *birimfiyat = nullptr;
    TutarEdit *indtutar = nullptr;
    TutarEdit *kdvdahiltutar = nullptr;
    TutarEdit *geneltutar = nullptr;
    QPushButton *ParcaliTus1 = nullptr; // "Sipariş ekle"
    QPushButton *ParcaliTus2 = nullptr; // "Vazgeç"

    // VAT-inclusive unit price the amount is computed from when the window opens.
    double kdvlifiyat = 0;

    // Lets the user change the unit price (read-only otherwise).
    void setBirimFiyatDuzenlenebilir(bool editable);
    // The quantity the window was confirmed with (the text of adet, within 1..10000).
    int adetDegeri() const;

    void TutarHesapla();
    void TutarGuncelle();
    // The window's own two-decimal rounding, the same rule as the grids'.
    static double Yuvarla(double value);

public slots:
    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adetChange();
    int spinValue() const;

    QLineEdit *m_adetEdit = nullptr;
};

// Loads the item's picture from the server (ResimVer5) into target over bagc, on the window thread.
// Leaves the target as it is when there is no picture, the download came short, or it fails; a
// failure after the connection opened is shown in a plain message box "<class>: <message>".
void ResimGetir(TSQLConnection &bagc, int stokno, ResimAlani *target);
