// Renders the customer selection and the reports window with the reference server's demo data:
// sales_screens <folder>.
#include "app/core/utils.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "sales/raporformu.h"
#include "sales/seccariu.h"
#include "server/baglantiu.h"
#include "server/proxim.h"
#include "tests/support/appserverfixture.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens");
    QDir().mkpath(folder);
    AppServerFixture server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    TSQLConnection bag;
    bag.setHostName(server.host());
    bag.setPort(server.port());
    bag.Open();
    TSonucBilgisi bilgi = TServerMethods1Client(bag).BuyukGetir(QStringLiteral("DEMO-MUDUR")).value();
    bag.Close();

    {
        Tseccari w(nullptr, bag, bilgi);
        w.resize(1500, 800);
        w.SepetSayisiYaz();
        w.TusSonuclari();
        w.show();
        w.sBitBtn2Click();
        w.cxGrid1DBTableView1()->setFocusedRecord(w.cxGrid1DBTableView1()->shownRecords().value(2));
        w.resize(1500, 800);
        app.processEvents();
        w.grab().save(folder + QStringLiteral("/sales_seccari.png"));
    }
    {
        Traporform w(nullptr, bag.CloneConnection(), bilgi);
        w.resize(1500, 800);
        w.show();
        w.tarih1()->setDate(QDate::currentDate().addYears(-1));
        w.Button1Click();
        app.processEvents();
        w.grab().save(folder + QStringLiteral("/sales_raporform_siparis.png"));
        w.PageControl1()->setCurrentWidget(w.tabstok());
        w.Button1Click();
        app.processEvents();
        w.grab().save(folder + QStringLiteral("/sales_raporform_stok.png"));
    }
    return 0;
}
