#include "app/core/application.h"
#include "app/core/windowstyle.h"
#include "app/login/girisformu.h"
#include "app/unit1.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    ApplyWindowStyle(app);
    TForm1::setHooks({[](TForm1 &form) {
                          Tgirisform giris(&form, form.connection(), form.session(),
                                           GirisOrtami::varsayilan());
                          return giris.exec() == QDialog::Accepted;
                      },
                      {}});
    TForm1 form;
    form.showMaximized();
    return app.exec();
}
