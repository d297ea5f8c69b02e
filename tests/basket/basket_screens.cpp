// Not a test: renders the basket tab with the demo data and the order confirmation to
// docs/screens/ (basket_tab.png, basket_onaysip.png).
#include "app/core/utils.h"
#include "basket/baskettab.h"
#include "basket/onaysipu.h"
#include "platform/grid/gridview.h"
#include "platform/system/sounds.h"
#include "server/proxim.h"
#include "tests/basket/baskethost.h"
#include "tests/support/appserverfixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setSystemSoundPlayer([](SystemSound) {});
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(RAVLA_SOURCE_DIR "/docs/screens");
    QDir().mkpath(out);

    AppServerFixture server(3000);
    if (!server.isRunning())
        return 1;
    server.registerComputer(QStringLiteral("SHOT-PC"), QStringLiteral("MUDUR"));
    BasketHost host(server.host(), server.port());
    host.bagc.Open();
    {
        TServerMethods1Client p(host.bagc);
        host.sbilgi = *p.BuyukGetir(QStringLiteral("SHOT-PC"));
    }
    host.bagc.Close();
    host.sbilgi.setCARINO(101);
    host.sbilgi.setCariAdi(QStringLiteral("KAYA OTO YEDEK PARÇA LTD. ŞTİ."));
    host.tabs->tabBar()->setMinimumHeight(50);
    BasketTab tab(host, host.sheet, host.popup);
    host.m_window.resize(1366, 720);
    host.m_window.show();
    host.tabs->setCurrentWidget(host.sheet);
    QLabel *uyari = host.sheet->findChild<QLabel *>(QStringLiteral("lbluyarbakiye"));
    for (int i = 0; i < 100 && uyari->text().isEmpty(); ++i)
        QTest::qWait(100);
    // Two of the three lines ticked, as a user would before sending.
    tab.Button4Click();
    tab.grid()->tableView()->setCurrentIndex(tab.grid()->tableView()->model()->index(2, 0));
    tab.Deitir1Click();
    auto *note = host.sheet->findChild<QPlainTextEdit *>(QStringLiteral("aciklamagir"));
    note->setPlainText(QStringLiteral("Kargo ile gönderilsin.\nAcil."));
    QTest::qWait(200);
    host.m_window.grab().save(out + QStringLiteral("/basket_tab.png"));

    TONAYSIP onay(&host.m_window);
    onay.Label2->setText(
        SiparisOzeti(host.sbilgi.ADI(), host.sbilgi.CariAdi(),
                     note->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
    onay.Label3->setText(uyari->text());
    onay.show();
    QTest::qWait(100);
    onay.grab().save(out + QStringLiteral("/basket_onaysip.png"));
    return 0;
}
