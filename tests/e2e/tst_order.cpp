// The whole ordering path through the real main window against the in-process server: search,
// double click, quantity, basket, tick, note, send, and the order among the previous orders.
#include "app/core/mesajdialog.h"
#include "app/core/utils.h"
#include "app/sekmeler.h"
#include "app/unit1.h"
#include "catalogue/stokayarintiu.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dbx/datasetloader.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "platform/system/formatfloat.h"
#include "platform/system/processend.h"
#include "platform/system/sounds.h"
#include "server/proxim.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

class OrderPathTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([](SystemSound) {});
        setProcessEndHandler([] { QFAIL("the process would end"); });
    }

    void wholePath()
    {
        AppServerFixture server(3000);
        QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
        QVERIFY(server.registerComputer(QStringLiteral("E2E-PC"), QStringLiteral("BAYI")));
        server.query(QStringLiteral("DELETE FROM SEPET WHERE CARINO = 101"));

        TForm1::setHooks({[](TForm1 &form) -> bool {
                              TSQLConnection &bagc = form.connection();
                              bagc.Open();
                              {
                                  TServerMethods1Client p(bagc);
                                  form.session() = *p.BuyukGetir(QStringLiteral("E2E-PC"));
                              }
                              bagc.Close();
                              form.session().setDisip(QStringLiteral("127.0.0.1"));
                              return true;
                          },
                          {}});
        TForm1 form(server.host(), server.port());
        SekmeleriKur(form);
        form.resize(1366, 768);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // Search "YAG" as typed into the search box.
        QLineEdit *araedit = form.searchBox();
        araedit->setFocus();
        QTest::keyClicks(araedit, QStringLiteral("YAG"));
        QTest::keyClick(araedit, Qt::Key_Return);
        auto *stokGrid =
            form.tabSheet(QStringLiteral("sstoklistesi"))->findChild<GridView *>(QStringLiteral("cxGrid1"));
        QVERIFY(stokGrid);
        QTRY_VERIFY_WITH_TIMEOUT(stokGrid->shownRecordCount() > 0 && araedit->isEnabled(), 20000);

        // Double-click the first row; the detail window takes the quantity 3.
        QTableView *stokView = stokGrid->tableView();
        const QModelIndex first =
            stokView->model()->index(0, stokGrid->indexOf(stokGrid->visibleColumns().at(1)));
        stokView->setCurrentIndex(first);
        const int stokno = stokGrid->dataSet()
                               ->value(stokGrid->focusedRecord(),
                                       stokGrid->dataSet()->fieldIndex(QStringLiteral("STOK_STOKNO")))
                               .toInt();
        DialogHelper dialogs;
        dialogs.interactOnNext([](QWidget *dialog) -> QString {
            auto *w = qobject_cast<Tstokayarinti *>(dialog);
            if (!w)
                return QStringLiteral("not the stock detail window: ") + dialog->metaObject()->className();
            w->adet->setValue(3);
            w->ParcaliTus1->click();
            return QString();
        });
        QTest::mouseDClick(stokView->viewport(), Qt::LeftButton, {}, stokView->visualRect(first).center());
        QVERIFY(dialogs.waitForDialogs(1));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));

        QWidget *ssepet = form.tabSheet(QStringLiteral("ssepet"));
        QCOMPARE(form.tabCaption(ssepet), QStringLiteral("1=Sepet"));
        QCOMPARE(ssepet->findChild<QLabel *>(QStringLiteral("geneltoplaml"))->text(), QStringLiteral("0,00"));

        // On the basket tab: tick the line with a double click on its "Seç" cell.
        form.activateTab(ssepet);
        auto *sepetGrid = ssepet->findChild<GridView *>(QStringLiteral("cxGrid2"));
        QTRY_COMPARE(sepetGrid->shownRecordCount(), 1);
        QTableView *sepetView = sepetGrid->tableView();
        const QModelIndex sec =
            sepetView->model()->index(0, sepetGrid->indexOf(sepetGrid->columnByField(QStringLiteral("SEC"))));
        sepetView->setCurrentIndex(sec);
        QTest::mouseDClick(sepetView->viewport(), Qt::LeftButton, {}, sepetView->visualRect(sec).center());
        const QList<QVariantList> line = server.query(
            QStringLiteral(
                "SELECT SEC, MIKTAR, TUTAR, INDIRIMTUTAR FROM SEPET WHERE CARINO = 101 AND STOKNO = ?"),
            {stokno});
        QCOMPARE(line.size(), 1);
        QCOMPARE(line[0][0].toInt(), 1);
        QCOMPARE(line[0][1].toDouble(), 3.0);
        const double n = Yuvarla(line[0][2].toDouble() - line[0][3].toDouble());
        const double g = Yuvarla(n + (Yuvarla(n * 1.18) - n));
        QCOMPARE(ssepet->findChild<QLabel *>(QStringLiteral("geneltoplaml"))->text(),
                 FormatFloat(QStringLiteral("#,###,##0.00"), g));

        // A two-line note; Enter in the memo makes a new line, it does not send.
        auto *note = ssepet->findChild<QPlainTextEdit *>(QStringLiteral("aciklamagir"));
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("Kargo ile"));
        QTest::keyClick(note, Qt::Key_Return);
        QTest::keyClicks(note, QStringLiteral("acil gelsin"));
        QCOMPARE(dialogs.dialogCount(), 1);

        dialogs.pressOnNext(QStringLiteral("Evet"));
        dialogs.pressOnNext(TMesajDialog::buttonCaption(mbOK));
        ssepet->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QVERIFY(dialogs.waitForDialogs(3));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        QCOMPARE(dialogs.records()[1].title, QStringLiteral("Sipariş Onay"));
        QVERIFY(dialogs.records()[1].text.contains(QStringLiteral("Açıklama : Kargo ile\r\nacil gelsin")));
        QCOMPARE(dialogs.records()[2].text, QStringLiteral("Siparişiniz Gönderildi !"));

        QVERIFY(note->toPlainText().isEmpty());
        QCOMPARE(form.tabCaption(ssepet), QStringLiteral("0=Sepet"));
        QCOMPARE(sepetGrid->shownRecordCount(), 0);
        QVERIFY(server.query(QStringLiteral("SELECT 1 FROM SEPET WHERE CARINO = 101")).isEmpty());

        // The order is among the previous orders the server gives.
        const QList<QVariantList> order = server.query(QStringLiteral(
            "SELECT IDNO, VERENINNOTU FROM SIPARIS WHERE CARINO = 101 ORDER BY IDNO DESC LIMIT 1"));
        QCOMPARE(order[0][1].toString(), QStringLiteral("Kargo ile\r\nacil gelsin"));
        TSQLConnection &bagc = form.connection();
        bagc.Open();
        TClientDataSet onceki;
        {
            TServerMethods1Client p(bagc);
            CopyReaderToClientDataSet(p.OncekiSiparisler(101), onceki);
        }
        bagc.Close();
        QVERIFY(onceki.Locate(QStringLiteral("IDNO"), order[0][0]));
    }
};

QTEST_MAIN(OrderPathTest)
#include "tst_order.moc"
