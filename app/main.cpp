#include "app/core/application.h"
#include "app/core/windowstyle.h"
#include "app/login/formistekyeniu.h"
#include "app/login/girisformu.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "sales/caridegistir.h"

#include <QScreen>

int main(int argc, char **argv)
{
    webMotoruHazirla();
    TApplication app(argc, argv);
    // A machine without a configured locale gets the program's own: Turkish separators and casing.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ApplyWindowStyle(app);
    TForm1::setHooks({[](TForm1 &form) {
                          GirisOrtami ortam = GirisOrtami::varsayilan();
                          ortam.musteriSecimi = GiristeCariSec;
                          Tgirisform giris(&form, form.connection(), form.session(), ortam);
                          return giris.exec() == QDialog::Accepted;
                      },
                      AcilisYukleriniBaslat});
    TForm1 form;
    SekmeleriKur(form);
    // Without a window manager "maximised" means nothing: start with the screen's size anyway.
    if (QScreen *screen = form.screen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}
