#include "app/core/application.h"
#include "app/core/windowstyle.h"
#include "app/unit1.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    ApplyWindowStyle(app);
    TForm1 form;
    form.showMaximized();
    return app.exec();
}
