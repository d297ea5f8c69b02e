// Renders the main window off screen: tform1_screenshot <file.png>
#include "app/core/application.h"
#include "app/core/windowstyle.h"
#include "app/unit1.h"

#include <QPixmap>
#include <QTest>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ApplyWindowStyle(app);
    TForm1 form;
    TSonucBilgisi &s = form.session();
    s.setADI(QStringLiteral("AHMET YILMAZ"));
    s.setCariAdi(QStringLiteral("YILMAZ OTO YEDEK PARÇA LTD. ŞTİ."));
    s.setSaticiAdi(QStringLiteral("Mehmet Demir"));
    s.setSaticiTelefon(QStringLiteral("0532 000 00 00"));
    s.setSaticiMail(QStringLiteral("mehmet.demir@example.com"));
    form.AnaBilgiAl();
    form.resize(1280, 800);
    form.show();
    QTest::qWait(200);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("TForm1.png");
    return form.grab().save(file) ? 0 : 1;
}
