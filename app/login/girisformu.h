#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TSQLConnection;
class TSonucBilgisi;
class BusyIndicator;

// What the login needs from outside, so tests can point it at their servers and stand in for the
// windows it opens. The defaults are the program's own.
struct GirisOrtami
{
    QString serverHost; // the distributor's application server
    int serverPort = 0;
    QString makerBase; // "ip.php" lives here
    QString webBase;   // the request page lives here
    int ipTries = 5;   // see IpLookup
    // Sales staff pick the customer they act for; false (cancelled) ends the program.
    std::function<bool(QWidget *owner, TSQLConnection &, TSonucBilgisi &)> musteriSecimi;
    // The self-update window for the version the server requires; it ends the program.
    std::function<void(QWidget *owner, int version, TSQLConnection &)> guncelle;
    // The request form for an unknown computer, with its caption and address.
    std::function<void(QWidget *owner, const QString &caption, const QString &address)> istekFormu;

    static GirisOrtami varsayilan();
};

// The request page for a computer the server does not know. Joined without encoding: the blank
// after "kullanici=" is part of the address the distributor's site expects.
QString IstekFormuAdresi(const QString &webBase, const QString &computerId);

// The login window: identifies the machine, fetches its record from the server, compares the
// typed name and password with it, and remembers them in ayar.ini. Accepted only when all succeeded.
class Tgirisform : public QDialog
{
    Q_OBJECT
public:
    Tgirisform(QWidget *owner, TSQLConnection &bagim, TSonucBilgisi &bilgim, GirisOrtami ortam);
    ~Tgirisform() override;

    QString idsi;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void ayarlariOku();
    void ayarlariYaz();
    void adiKeyDown();
    void sifreKeyDown();
    void Button1Click();
    void Button2Click();
    void ipAlindi(const QString &ip);
    void girisBitti(bool basarili, const QString &hata, const TSonucBilgisi &kayit, const QString &disIp);
    void yenidenHazirla();
    void bosUyari(QLineEdit *edit, const QString &text);

    TSQLConnection &bagim;
    TSonucBilgisi &Bilgim;
    GirisOrtami m_ortam;
    std::shared_ptr<bool> m_kapandi; // workers stop retrying once the window has gone

    QCheckBox *benihatirla;
    QLabel *Label1;
    QLineEdit *adi;
    QLabel *Label2;
    QLineEdit *sifre;
    QPushButton *Button1;
    QPushButton *Button2;
    BusyIndicator *RxGIFAnimator1;
    QLabel *RxLabel1;
};
