#pragma once

#include <QDialog>
#include <QLocale>

class QLabel;
class QProgressBar;
class TSQLConnection;

// "Bilgi: %50,00  İndirilen: 5,00/10,00 Mb": two decimals in the locale's separator, no grouping.
QString IndirmeBilgisi(qint64 okunan, qint64 toplam, const QLocale &locale = QLocale());

// Downloads the current setup program, saves it in the local application-data folder, starts it
// with "/silent" and ends the program. Every path through this window ends the program.
class Tdosyaindir : public QDialog
{
    Q_OBJECT
public:
    // `_y` is the version the server requires; `adres` the full address of the setup program.
    Tdosyaindir(QWidget *owner, int _y, const QString &adres);

    bool basladi = false;
    TSQLConnection *bag = nullptr; // not used by the download

    QString duyuruMetni() const;
    QString bilgiMetni() const;
    int ilerleme() const;
    int ilerlemeUst() const;
    QString hedefDosya() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override {}

private:
    void FormActivate();
    void NetHTTPClient1ReceiveData(qint64 contentLength, qint64 readCount);
    void NetHTTPClient1RequestError(const QString &error);
    void indirildi(const QByteArray &data);

    QString m_adres;
    QLabel *sLabel1;
    QLabel *bilgi;
    QProgressBar *ProgressBar1;
};
