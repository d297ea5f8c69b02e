// Renders the main window after the start-up loads over the demo data, the opening-advertisement
// pager and the announcements tab: messages_screens <folder>
#include "app/core/application.h"
#include "app/core/callframe.h"
#include "app/core/windowstyle.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "messages/acilisreklamu.h"
#include "tests/support/appserverfixture.h"

#include <QDir>
#include <QTest>
#include <QTimer>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ApplyWindowStyle(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    AppServerFixture server;
    if (!server.isRunning())
        return 2;

    TForm1::setHooks({[](TForm1 &form) {
                          return SunucuCagir(form.connection(), 1, [&](TServerMethods1Client &proxy) {
                              if (auto bilgi = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI")))
                                  form.session() = *bilgi;
                              form.session().setDisip(QStringLiteral("127.0.0.1"));
                          });
                      },
                      AcilisYukleriniBaslat});
    bool pagerSaved = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *pager = qobject_cast<Tacilisreklam *>(QApplication::activeModalWidget());
        if (!pager || pager->isLoading() || pager->adet == 0)
            return;
        if (!pagerSaved) {
            QTest::keyClick(pager, Qt::Key_Right);
            pagerSaved = true;
            return;
        }
        pager->grab().save(folder + QStringLiteral("/acilisreklam.png"));
        QTest::keyClick(pager, Qt::Key_Escape);
        watch.stop();
    });
    watch.start(300);

    TForm1 form(server.host(), server.port());
    SekmeleriKur(form);
    form.resize(1280, 800);
    form.show();
    if (!QTest::qWaitFor([&] { return pagerSaved && !watch.isActive(); }, 30000))
        return 3;
    QTest::qWait(1500);
    bool ok = form.grab().save(folder + QStringLiteral("/TForm1_acilis.png"));
    form.activateTab(form.tabSheet(QStringLiteral("sTabSheetduyuru")));
    QTest::qWait(1500);
    ok = form.grab().save(folder + QStringLiteral("/duyurular.png")) && ok;
    return ok ? 0 : 1;
}
