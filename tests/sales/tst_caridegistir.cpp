// "Başka Cari Seç" in the real main window with its tabs, against the reference server in-process.
#include "app/core/utils.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "basket/baskettab.h"
#include "catalogue/stoklistesi.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/grid/gridview.h"
#include "sales/seccariu.h"
#include "server/proxim.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/tempfolders.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

class CariDegistirTest : public QObject
{
    Q_OBJECT

private slots:
    void customerChangeRefreshesTabs();
};

void CariDegistirTest::customerChangeRefreshesTabs()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    TempFolders home;
    AppServerFixture server(300);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    const RetryWait previousWait = setRetryWait([](int) {});
    TForm1::setHooks({});
    TForm1 form(server.host(), server.port());
    {
        TSQLConnection bag;
        bag.setHostName(server.host());
        bag.setPort(server.port());
        bag.Open();
        form.session() = TServerMethods1Client(bag).BuyukGetir(QStringLiteral("DEMO-MUDUR")).value();
        bag.Close();
    }
    // The account acted for until now: one without basket lines.
    const QList<QVariantList> empty = server.query(
        QStringLiteral("SELECT CARINO, CARIADI FROM CARI WHERE CARINO NOT IN (SELECT CARINO FROM "
                       "SEPET) ORDER BY CARINO LIMIT 1"));
    QVERIFY(!empty.isEmpty());
    form.session().setCARINO(empty[0][0].toInt());
    form.session().setCariAdi(empty[0][1].toString());
    SekmeleriKur(form);
    form.show();

    auto *stokListesi = form.findChild<StokListesi *>();
    auto *sepet = form.findChild<BasketTab *>();
    QVERIFY(stokListesi && sepet);
    form.searchBox()->setText(QStringLiteral("FILTRE"));
    form.startSearch();
    QTRY_VERIFY_WITH_TIMEOUT(stokListesi->stok()->Active() && stokListesi->stok()->RecordCount() > 0, 20000);
    sepet->SepetGetir();
    QCOMPARE(sepet->sepet().RecordCount(), 0);

    int chosen = 0;
    DialogHelper dialogs;
    dialogs.interactOnNext([&chosen](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tseccari *>(dialog);
        if (!w)
            return QStringLiteral("not the customer selection");
        w->DurumListele(1);
        if (w->CARILER().IsEmpty())
            return QStringLiteral("no account with a basket");
        w->cxGrid1DBTableView1()->setFocusedRecord(0);
        chosen = w->CARILER().value(0, w->CARILER().fieldIndex(QStringLiteral("CARINO"))).toInt();
        w->CariSec();
        return {};
    });
    QTest::mouseClick(form.customerButton(), Qt::LeftButton);
    QVERIFY2(dialogs.waitForDialogs(1), qPrintable(dialogs.problems()));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QVERIFY(chosen > 0);
    QCOMPARE(form.session().CARINO(), chosen);

    const QList<QVariantList> lines =
        server.query(QStringLiteral("SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"), {chosen});
    QVERIFY(lines[0][0].toInt() > 0);
    QTRY_COMPARE(sepet->sepet().RecordCount(), lines[0][0].toInt());
    const int carino = sepet->sepet().fieldIndex(QStringLiteral("CARINO"));
    if (carino >= 0)
        QCOMPARE(sepet->sepet().value(0, carino).toInt(), chosen);

    QVERIFY(!stokListesi->stok()->Active() || stokListesi->stok()->RecordCount() == 0);
    QWidget *stokSheet = form.tabSheet(QStringLiteral("sstoklistesi"));
    QCOMPARE(form.tabCaption(stokSheet), QStringLiteral("0=Stok Listesi"));
    QCOMPARE(form.activeTab(), stokSheet);
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("cariadilbl"))->text(), form.session().CariAdi());
    setRetryWait(previousWait);
}

QTEST_MAIN(CariDegistirTest)
#include "tst_caridegistir.moc"
