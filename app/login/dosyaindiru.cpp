#include "app/login/dosyaindiru.h"

#include "app/login/programbaslat.h"
#include "platform/system/async.h"
#include "platform/system/folders.h"
#include "platform/system/processend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <httplib.h>
#include <limits>

QString IndirmeBilgisi(qint64 okunan, qint64 toplam, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    const double yuzde = double(okunan) / double(toplam) * 100.0;
    const auto f = [&plain](double v) { return plain.toString(v, 'f', 2); };
    return QStringLiteral("Bilgi: %") + f(yuzde) + QStringLiteral("  İndirilen: ") + f(okunan / 1048576.0) +
           QLatin1Char('/') + f(toplam / 1048576.0) + QStringLiteral(" Mb");
}

Tdosyaindir::Tdosyaindir(QWidget *owner, int _y, const QString &adres)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_adres(adres)
{
    setObjectName(QStringLiteral("dosyaindir"));
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFixedSize(543, 309);

    sLabel1 = new QLabel(this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont duyuruFont(QStringLiteral("Tahoma"));
    duyuruFont.setPixelSize(27);
    sLabel1->setFont(duyuruFont);
    sLabel1->setStyleSheet(QStringLiteral("color: rgb(67, 76, 88);"));
    sLabel1->setText(QStringLiteral("Ravla Filter B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                                    "Lütfen Bekleyiniz...!\r\nVersion: ") +
                     QString::number(_y) + QLatin1Char('-') + QString::number(3));

    bilgi = new QLabel(this);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    QFont bilgiFont(QStringLiteral("Tahoma"));
    bilgiFont.setPixelSize(13);
    bilgiFont.setBold(true);
    bilgi->setFont(bilgiFont);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sLabel1, 1);
    layout->addWidget(bilgi);
    layout->addWidget(ProgressBar1);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString Tdosyaindir::duyuruMetni() const
{
    return sLabel1->text();
}
QString Tdosyaindir::bilgiMetni() const
{
    return bilgi->text();
}
int Tdosyaindir::ilerleme() const
{
    return ProgressBar1->value();
}
int Tdosyaindir::ilerlemeUst() const
{
    return ProgressBar1->maximum();
}
QString Tdosyaindir::hedefDosya() const
{
    return localAppDataFolder() + QStringLiteral("/RavlaSetup.exe");
}

void Tdosyaindir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tdosyaindir::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the download ends the program by itself
}

void Tdosyaindir::FormActivate()
{
    if (basladi)
        return;
    basladi = true;
    QDir().mkpath(localAppDataFolder());
    QFile::remove(hedefDosya());

    // The download runs on a worker; progress comes back to this window as queued calls.
    struct Indirme
    {
        QByteArray veri;
        QString hata;
    };
    auto sonuc = std::make_shared<Indirme>();
    QPointer<Tdosyaindir> self(this);
    const QUrl url(m_adres);
    Async([url, sonuc, self] {
        httplib::Client client(url.host().toStdString(), url.port(80));
        client.set_connection_timeout(60, 0);
        client.set_read_timeout(60, 0);
        client.set_write_timeout(60, 0);
        client.set_follow_location(true);
        const httplib::Headers headers{
            {"Accept",
             "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8"},
            {"Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"},
            {"User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                           "Chrome/60.0.3112.32 Safari/537.36"}};
        const auto answer = client.Get(
            url.path(QUrl::FullyEncoded).toStdString(), headers, [self](uint64_t okunan, uint64_t toplam) {
                QMetaObject::invokeMethod(qApp, [self, okunan, toplam] {
                    if (self)
                        self->NetHTTPClient1ReceiveData(qint64(toplam), qint64(okunan));
                });
                return true;
            });
        if (!answer) {
            sonuc->hata = QString::fromStdString(httplib::to_string(answer.error()));
            return;
        }
        // A page of the web server's own (404, 500...) is no setup program: starting it would be wrong.
        if (answer->status < 200 || answer->status > 299) {
            sonuc->hata =
                QString::number(answer->status) + QLatin1Char(' ') + QString::fromStdString(answer->reason);
            return;
        }
        sonuc->veri = QByteArray(answer->body.data(), qsizetype(answer->body.size()));
    })->Await(this, [this, sonuc] {
        if (!sonuc->hata.isEmpty())
            NetHTTPClient1RequestError(sonuc->hata);
        else
            indirildi(sonuc->veri);
    });
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 contentLength, qint64 readCount)
{
    if (contentLength <= 0)
        return;
    bilgi->setText(IndirmeBilgisi(readCount, contentLength));
    // The bar's range is an int: files above 2 GiB are counted in KiB.
    const int shift = contentLength > std::numeric_limits<int>::max() ? 10 : 0;
    ProgressBar1->setMaximum(int(contentLength >> shift));
    ProgressBar1->setValue(int(readCount >> shift));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &error)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    QStringLiteral("Hata Oluştu !\r\nHata: ") + error, QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
    ProgramiSonlandir();
}

void Tdosyaindir::indirildi(const QByteArray &data)
{
    QFile file(hedefDosya());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(data);
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        ProgramBaslat(hedefDosya(), {QStringLiteral("/silent")});
    } else {
        NetHTTPClient1RequestError(file.errorString());
        return;
    }
    ProgramiSonlandir();
}
