// Renders the login window and the windows it leads to: login_screens <folder>
#include "app/core/application.h"
#include "app/core/utils.h"
#include "app/core/windowstyle.h"
#include "app/login/dosyaindiru.h"
#include "app/login/girisformu.h"
#include "app/login/kullanicikayitu.h"
#include "platform/dbx/sqlconnection.h"
#include "server/baglantiu.h"

#include <QDir>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTest>

namespace {
bool kaydet(QWidget &w, const QString &folder, const QString &name)
{
    w.show();
    QTest::qWait(150);
    return w.grab().save(QDir(folder).filePath(name));
}
} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ApplyWindowStyle(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    TSQLConnection bagc;
    TSonucBilgisi bilgi;
    bool ok = true;
    {
        Tgirisform giris(nullptr, bagc, bilgi, GirisOrtami::varsayilan());
        giris.findChild<QLineEdit *>(QStringLiteral("adi"))->setText(QStringLiteral("BAYI"));
        giris.findChild<QLineEdit *>(QStringLiteral("sifre"))->setText(QStringLiteral("1234"));
        ok &= kaydet(giris, folder, QStringLiteral("girisform.png"));
    }
    {
        // Never shown for real here: showing starts the download.
        Tdosyaindir indir(nullptr, 4, QStringLiteral("http://127.0.0.1:1/exe/RavlaSetup.exe"));
        indir.basladi = true;
        ok &= kaydet(indir, folder, QStringLiteral("dosyaindir.png"));
    }
    {
        // Port 1: nothing answers, so the pre-fill is skipped after its message; only the session's data
        // shows.
        bagc.setHostName(QStringLiteral("127.0.0.1"));
        bagc.setPort(1);
        setRetryWait([](int) {});
        bilgi.setADI(QStringLiteral("BAYI"));
        bilgi.setCariAdi(QStringLiteral("KAYA OTO YEDEK PARÇA LTD. ŞTİ."));
        std::unique_ptr<Tkullanicikayit> kayit;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(50);
        kayit.reset(Tkullanicikayit::Ac(nullptr, bagc, bilgi));
        closer.stop();
        ok &= kaydet(*kayit, folder, QStringLiteral("kullanicikayit.png"));
    }
    return ok ? 0 : 1;
}
