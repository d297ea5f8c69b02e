#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class TSQLConnection;
class TSonucBilgisi;

// "Şifre Değiştirme İsteği": the firm's and the user's data, sent to the distributor as a request.
class Tkullanicikayit : public QDialog
{
    Q_OBJECT
public:
    // `Ac`: builds the window with a clone of the connection and pre-fills it from the server.
    static Tkullanicikayit *Ac(QWidget *owner, TSQLConnection &connection, const TSonucBilgisi &bilgi);
    ~Tkullanicikayit() override;

    QLabel *lblid;
    QLineEdit *firmaadi, *adres1, *adres2, *ilce, *sehir, *telefon, *fax, *vd, *vn, *yetkili;
    QLineEdit *kullaniciadi, *sifre, *mail, *kargoambar;
    QPushButton *Button2; // "Gönder"
    QPushButton *Button1; // "Kapat"

private:
    Tkullanicikayit(QWidget *owner, TSQLConnection &connection);
    void onDoldur();
    void Button2Click();

    std::unique_ptr<TSQLConnection> con;
    QString m_id;
};
