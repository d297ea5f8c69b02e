#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;

// The distributor's request page in an embedded browser, with "Kapat" below it.
class Tformistekyeni : public QDialog
{
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget *owner);

    void gezin(const QString &address); // navigates `sitem`
    QString adres() const { return m_address; }

    QWidget *sitem; // a QWebEngineView (see webgorunumu.h)
    QPushButton *Button1;

private:
    QString m_address;
};

// WebEngine needs its sandbox off when the program runs as root or headless, and contexts shared
// for its views; call before QApplication is constructed.
void webMotoruHazirla();

// Opens the request form modally (the login's way for a computer the server does not know).
void IstekFormuGoster(QWidget *owner, const QString &caption, const QString &address);
