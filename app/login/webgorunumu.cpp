#include "app/login/webgorunumu.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>

namespace {

using Olusturucu = QWidget *(*)(QWidget *);

Olusturucu olusturucu(QString &hata)
{
    static Olusturucu bulunan = nullptr;
    static QString bulunamadi;
    static bool denendi = false;
    if (!denendi) {
        denendi = true;
        // Next to the program first; a build's tests find it where the build put it.
        const QStringList yerler = {QCoreApplication::applicationDirPath() + QStringLiteral("/ravla_webview"),
                                    QStringLiteral(RAVLA_WEBVIEW_MODULE)};
        for (const QString &yer : yerler) {
            QLibrary modul(yer);
            if (!modul.load()) {
                bulunamadi = modul.errorString();
                continue;
            }
            bulunan = reinterpret_cast<Olusturucu>(modul.resolve("ravlaWebGorunumuOlustur"));
            if (bulunan)
                break;
            bulunamadi = modul.errorString();
        }
    }
    hata = bulunamadi;
    return bulunan;
}

} // namespace

QWidget *WebGorunumuOlustur(QWidget *parent)
{
    QString neden;
    if (Olusturucu olustur = olusturucu(neden))
        return olustur(parent);
    auto *yerine = new QLabel(QStringLiteral("Web sayfası gösterilemiyor: %1").arg(neden), parent);
    yerine->setWordWrap(true);
    yerine->setAlignment(Qt::AlignCenter);
    return yerine;
}
