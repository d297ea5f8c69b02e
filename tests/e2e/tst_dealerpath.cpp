// A dealer's day through the real program against the in-process server, by mouse and keyboard only:
// login window, search, two items into the basket, a quantity changed, one line ticked and ordered
// with a note, the order among the previous orders, the statement and an invoice, the basket to Excel.
#include "app/core/mesajdialog.h"
#include "app/core/utils.h"
#include "basket/onaysipu.h"
#include "catalogue/stokayarintiu.h"
#include "history/altpanel.h"
#include "history/ayrinti_faturau.h"
#include "history/ayrinti_siparisu.h"
#include "history/cariekstre.h"
#include "history/oncekisiparisler.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridfooter.h"
#include "platform/grid/gridhelpers.h"
#include "platform/system/formatfloat.h"
#include "platform/system/processend.h"
#include "platform/system/shellopen.h"
#include "platform/system/sounds.h"
#include "tests/e2e/drawntexts.h"
#include "tests/e2e/e2esupport.h"
#include "tests/platform/xls/freexlreader.h"
#include "tests/support/tempfolders.h"

#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kNote1 = QStringLiteral("Kargo ile");
const QString kNote2 = QStringLiteral("acil gelsin");

QString labelText(QWidget *parent, const char *name)
{
    auto *label = parent->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// The five totals labels every order window and the basket show, in their order.
QStringList totals(QWidget *parent)
{
    QStringList texts;
    for (const char *name : {"aratoplaml", "indiriml", "nettutarl", "vergil", "geneltoplaml"})
        texts << labelText(parent, name);
    return texts;
}

// The detail window's reaction: check what it shows, type the quantity, confirm by Enter or button.
std::function<QString(QWidget *)> typeQuantity(const QString &barkod, int current, int quantity, bool byEnter)
{
    return [=](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tstokayarinti *>(dialog);
        if (!w)
            return QStringLiteral("not the stock detail window: %1").arg(dialog->metaObject()->className());
        if (w->windowTitle() != QStringLiteral("Sepete Ekle"))
            return QStringLiteral("title \"%1\"").arg(w->windowTitle());
        if (w->barkod->text() != barkod)
            return QStringLiteral("barcode \"%1\" instead of \"%2\"").arg(w->barkod->text(), barkod);
        if (w->adet->value() != current)
            return QStringLiteral("quantity %1 shown instead of %2").arg(w->adet->value()).arg(current);
        QTest::keyClick(w->adet, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w->adet, QString::number(quantity));
        if (byEnter)
            QTest::keyClick(w->adet, Qt::Key_Return);
        else
            QTest::mouseClick(w->ParcaliTus1, Qt::LeftButton);
        return QString();
    };
}

} // namespace

class DealerPathTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([this](SystemSound s) { m_sounds << int(s); });
        setProcessEndHandler([this] { ++m_ends; });
        setShellOpenHandler([this](const QUrl &url) {
            m_opened << url;
            return true;
        });
    }

    void dealerOrdersAndLooksBack();

private:
    QList<int> m_sounds;
    QList<QUrl> m_opened;
    int m_ends = 0;
};

void DealerPathTest::dealerOrdersAndLooksBack()
{
    TempFolders home;
    QVERIFY(home.isValid());
    AppServerFixture server(3000);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    QVERIFY(server.registerComputer(e2e::machineId(QStringLiteral("E2E DEALER 1")), QStringLiteral("BAYI")));
    const QString cariAdi = server.query(QStringLiteral("SELECT CARIADI FROM CARI WHERE CARINO = 101"))
                                .value(0)
                                .value(0)
                                .toString();
    const int ads = server.query(QStringLiteral("SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 1"))
                        .value(0)
                        .value(0)
                        .toInt();
    QVERIFY(ads > 0); // the opening advertisement is part of the path
    QSet<int> inBasket;
    for (const QVariantList &row :
         server.query(QStringLiteral("SELECT STOKNO FROM SEPET WHERE CARINO = 101")))
        inBasket << row[0].toInt();

    // Start as main() does: the login window comes up inside the main window's creation.
    DialogHelper dialogs;
    dialogs.interactOnNext(e2e::typeLogin(QStringLiteral("BAYI"), QStringLiteral("1234")));
    dialogs.interactOnNext([](QWidget *dialog) -> QString {
        if (dialog->objectName() != QLatin1String("acilisreklam"))
            return QStringLiteral("not the opening advertisement: %1").arg(dialog->objectName());
        auto *kapat = dialog->findChild<QPushButton *>(QStringLiteral("Button1xxx"));
        if (!kapat || kapat->text() != QStringLiteral("Kapat"))
            return QStringLiteral("no \"Kapat\"");
        QTest::mouseClick(kapat, Qt::LeftButton);
        return QString();
    });
    e2e::installProgramHooks(server);
    TForm1 form(server.host(), server.port());
    QCOMPARE(dialogs.dialogCount(), 1);
    QCOMPARE(dialogs.records()[0].title, QStringLiteral("Giriş"));
    QCOMPARE(m_ends, 0);
    QCOMPARE(form.session().CARINO(), 101);
    QCOMPARE(form.session().MusteriTipi(), 3);
    QCOMPARE(form.session().Disip(), QStringLiteral("127.0.0.1"));
    QVERIFY(QFile::exists(home.configHome() + QStringLiteral("/ravla/ayar.ini"))); // "Beni hatırla"
    SekmeleriKur(form);
    form.resize(1366, 768);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The start-up loads fill the header and then offer the advertisement, which the dealer closes.
    QVERIFY(dialogs.waitForDialogs(2, 60000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[1].className, QStringLiteral("Tacilisreklam"));
    QCOMPARE(labelText(&form, "kullanicilbl"), QStringLiteral("BAYI"));
    QCOMPARE(labelText(&form, "cariadilbl"), cariAdi);
    QVERIFY(!form.customerButton()->isVisible()); // dealers do not change the account
    QVERIFY(!form.menuItem(QStringLiteral("R1"))->isVisible());

    // One letter is not searched; then "yag" as typed, which the box shows in capitals.
    QLineEdit *araedit = form.searchBox();
    QTest::mouseClick(araedit, Qt::LeftButton);
    QTest::keyClicks(araedit, QStringLiteral("y"));
    dialogs.pressOnNext(TMesajDialog::buttonCaption(mbOK));
    QTest::keyClick(araedit, Qt::Key_Return);
    QVERIFY(dialogs.waitForDialogs(3, 30000));
    const QString twoLetters =
        e2e::messageProblem(dialogs.records()[2], QStringLiteral("Lütfen en az 2 harf giriniz !"), mtWarning);
    QVERIFY2(twoLetters.isEmpty(), qPrintable(twoLetters));
    QTest::keyClick(araedit, Qt::Key_End);
    QTest::keyClicks(araedit, QStringLiteral("ag"));
    QCOMPARE(araedit->text(), QStringLiteral("YAG"));
    QTest::keyClick(araedit, Qt::Key_Return);
    QWidget *stokSheet = form.tabSheet(QStringLiteral("sstoklistesi"));
    auto *stokGrid = stokSheet->findChild<GridView *>(QStringLiteral("cxGrid1"));
    QVERIFY(stokGrid);
    QTRY_VERIFY_WITH_TIMEOUT(stokGrid->shownRecordCount() > 1 && araedit->isEnabled(), 30000);
    QCOMPARE(form.tabCaption(stokSheet), SayiBasligi(stokGrid->dataSet()->RecordCount(), "Stok Listesi"));

    // Two items that are not in the basket yet: quantity 2 by Enter, quantity 4 by the button.
    struct Item
    {
        int stokno;
        QString barkod;
        int record;
    };
    QList<Item> items;
    for (int record : stokGrid->shownRecords()) {
        const int stokno =
            stokGrid->rawValue(stokGrid->columnByField(QStringLiteral("STOK_STOKNO")), record).toInt();
        if (!inBasket.contains(stokno))
            items.append(
                {stokno, stokGrid->rawValue(stokGrid->columnByField("BARKOD"), record).toString(), record});
        if (items.size() == 2)
            break;
    }
    QCOMPARE(items.size(), 2);
    QWidget *ssepet = form.tabSheet(QStringLiteral("ssepet"));
    const QString visibleField = stokGrid->visibleColumns().at(1)->FieldName();
    dialogs.interactOnNext(typeQuantity(items[0].barkod, 1, 2, true));
    QVERIFY(e2e::doubleClickCell(stokGrid, items[0].record, visibleField));
    QVERIFY(dialogs.waitForDialogs(4, 30000));
    QTRY_COMPARE_WITH_TIMEOUT(form.tabCaption(ssepet), SayiBasligi(int(inBasket.size()) + 1, "Sepet"), 20000);
    dialogs.interactOnNext(typeQuantity(items[1].barkod, 1, 4, false));
    QVERIFY(e2e::doubleClickCell(stokGrid, items[1].record, visibleField));
    QVERIFY(dialogs.waitForDialogs(5, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QTRY_COMPARE_WITH_TIMEOUT(form.tabCaption(ssepet), SayiBasligi(int(inBasket.size()) + 2, "Sepet"), 20000);
    const auto miktar = [&](int stokno) {
        return server
            .query(QStringLiteral("SELECT MIKTAR FROM SEPET WHERE CARINO = 101 AND STOKNO = ?"), {stokno})
            .value(0)
            .value(0);
    };
    QCOMPARE(miktar(items[0].stokno).toDouble(), 2.0);
    QCOMPARE(miktar(items[1].stokno).toDouble(), 4.0);

    // The basket tab: nothing ticked, then the first item's quantity 2 → 5, then its tick.
    QVERIFY(e2e::clickTab(form, QStringLiteral("ssepet")));
    auto *sepetGrid = ssepet->findChild<GridView *>(QStringLiteral("cxGrid2"));
    QTRY_COMPARE_WITH_TIMEOUT(sepetGrid->shownRecordCount(), int(inBasket.size()) + 2, 20000);
    QTest::mouseClick(ssepet->findChild<QPushButton *>(QStringLiteral("Button5")), Qt::LeftButton);
    QCOMPARE(labelText(ssepet, "geneltoplaml"), QStringLiteral("0,00"));
    QVERIFY(server.query(QStringLiteral("SELECT 1 FROM SEPET WHERE CARINO = 101 AND SEC = 1")).isEmpty());
    dialogs.pressOnNext(TMesajDialog::buttonCaption(mbOK));
    QTest::mouseClick(ssepet->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(6, 30000));
    const QString nothing =
        e2e::messageProblem(dialogs.records()[5], QStringLiteral("Gönderilecek Parça Yok "), mtWarning);
    QVERIFY2(nothing.isEmpty(), qPrintable(nothing));

    int lineA = e2e::recordWhere(sepetGrid, QStringLiteral("STOKNO"), items[0].stokno);
    QVERIFY(lineA >= 0);
    dialogs.interactOnNext(typeQuantity(items[0].barkod, 2, 5, false));
    QVERIFY(e2e::doubleClickCell(sepetGrid, lineA, QStringLiteral("STOKADI")));
    QVERIFY(dialogs.waitForDialogs(7, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(miktar(items[0].stokno).toDouble(), 5.0);
    lineA = e2e::recordWhere(sepetGrid, QStringLiteral("STOKNO"), items[0].stokno);
    QCOMPARE(sepetGrid->rawValue(sepetGrid->columnByField(QStringLiteral("MIKTAR")), lineA).toDouble(), 5.0);
    QCOMPARE(sepetGrid->shownRecordCount(), int(inBasket.size()) + 2); // edited, not added

    QVERIFY(e2e::doubleClickCell(sepetGrid, lineA, QStringLiteral("SEC")));
    const QList<QVariantList> ticked = server.query(
        QStringLiteral("SELECT STOKNO, TUTAR, INDIRIMTUTAR FROM SEPET WHERE CARINO = 101 AND SEC = 1"));
    QCOMPARE(ticked.size(), 1);
    QCOMPARE(ticked[0][0].toInt(), items[0].stokno);
    const double net = Yuvarla(ticked[0][1].toDouble() - ticked[0][2].toDouble());
    const double genel = Yuvarla(net + (Yuvarla(net * 1.18) - net));
    QCOMPARE(labelText(ssepet, "geneltoplaml"), FormatFloat(QStringLiteral("#,###,##0.00"), genel));
    const QStringList basketTotals = totals(ssepet);

    // The note, typed in two lines; "Gönder", the confirmation, the answer.
    auto *note = ssepet->findChild<QPlainTextEdit *>(QStringLiteral("aciklamagir"));
    QTest::mouseClick(note->viewport(), Qt::LeftButton);
    QTest::keyClicks(note, kNote1);
    QTest::keyClick(note, Qt::Key_Return);
    QTest::keyClicks(note, kNote2);
    QCOMPARE(dialogs.dialogCount(), 7);
    // The overdue line comes from its own thread; the confirmation repeats it.
    QTRY_VERIFY_WITH_TIMEOUT(!labelText(ssepet, "lbluyarbakiye").isEmpty(), 20000);
    const QString warning = labelText(ssepet, "lbluyarbakiye");
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *onay = qobject_cast<TONAYSIP *>(dialog);
        if (!onay)
            return QStringLiteral("not the order confirmation: %1").arg(dialog->metaObject()->className());
        const QString summary = onay->Label2->text();
        if (!summary.contains(QStringLiteral("Açıklama : ") + kNote1 + QStringLiteral("\r\n") + kNote2) ||
            !summary.contains(QStringLiteral("BAYI")) || !summary.contains(cariAdi))
            return QStringLiteral("summary \"%1\"").arg(summary);
        if (onay->Label3->text() != warning)
            return QStringLiteral("overdue line \"%1\" instead of \"%2\"").arg(onay->Label3->text(), warning);
        QTest::mouseClick(onay->Button1, Qt::LeftButton);
        return QString();
    });
    dialogs.pressOnNext(TMesajDialog::buttonCaption(mbOK));
    m_sounds.clear();
    QTest::mouseClick(ssepet->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(9, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[7].title, QStringLiteral("Sipariş Onay"));
    const QString sent =
        e2e::messageProblem(dialogs.records()[8], QStringLiteral("Siparişiniz Gönderildi !"), mtInformation);
    QVERIFY2(sent.isEmpty(), qPrintable(sent));
    QCOMPARE(m_sounds, QList<int>{int(SystemSound::Asterisk)});
    QVERIFY(note->toPlainText().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(form.tabCaption(ssepet), SayiBasligi(int(inBasket.size()) + 1, "Sepet"), 20000);
    QVERIFY(e2e::recordWhere(sepetGrid, QStringLiteral("STOKNO"), items[0].stokno) < 0);
    QVERIFY(e2e::recordWhere(sepetGrid, QStringLiteral("STOKNO"), items[1].stokno) >= 0);

    // Previous orders: the new order with its note; its window shows the ordered line and totals.
    const int idno = server.query(QStringLiteral("SELECT MAX(IDNO) FROM SIPARIS WHERE CARINO = 101"))
                         .value(0)
                         .value(0)
                         .toInt();
    QVERIFY(e2e::clickTab(form, QStringLiteral("sonceki")));
    QWidget *sonceki = form.tabSheet(QStringLiteral("sonceki"));
    auto *onceki = sonceki->findChild<OncekiSiparislerSekmesi *>();
    QVERIFY(onceki);
    GridView *oncekiGrid = onceki->cxGridDBTableView2();
    QTRY_VERIFY_WITH_TIMEOUT(!onceki->isLoading() && e2e::recordWhere(oncekiGrid, "IDNO", idno) >= 0, 30000);
    const int orderRecord = e2e::recordWhere(oncekiGrid, QStringLiteral("IDNO"), idno);
    QCOMPARE(oncekiGrid->rawValue(oncekiGrid->columnByField("VERENINNOTU"), orderRecord).toString(),
             kNote1 + QStringLiteral("\r\n") + kNote2);
    QCOMPARE(oncekiGrid->displayText(oncekiGrid->columnByField("DURUM"), orderRecord),
             QStringLiteral("Alındı"));
    QCOMPARE(oncekiGrid->displayText(oncekiGrid->columnByField("VEREN"), orderRecord),
             QStringLiteral("BAYI"));
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tayrinti_siparis *>(dialog);
        if (!w)
            return QStringLiteral("not the order window: %1").arg(dialog->metaObject()->className());
        GridView *lines = w->cxGridDBTableView1();
        if (lines->shownRecordCount() != 1)
            return QStringLiteral("%1 lines").arg(lines->shownRecordCount());
        const int r = lines->shownRecords().first();
        if (lines->displayText(lines->columnByField(QStringLiteral("BARKOD")), r) != items[0].barkod ||
            lines->rawValue(lines->columnByField(QStringLiteral("MIKTAR")), r).toDouble() != 5.0)
            return QStringLiteral("line %1 × %2")
                .arg(lines->displayText(lines->columnByField(QStringLiteral("BARKOD")), r),
                     lines->displayText(lines->columnByField(QStringLiteral("MIKTAR")), r));
        if (totals(w) != basketTotals)
            return QStringLiteral("totals %1 instead of %2").arg(totals(w).join('/'), basketTotals.join('/'));
        if (!w->footerPanel()->sizin()->toPlainText().contains(kNote2))
            return QStringLiteral("note \"%1\"").arg(w->footerPanel()->sizin()->toPlainText());
        w->grab().save(QStringLiteral("/tmp/e2e_order_window.png"));
        QTest::mouseClick(w->footerPanel()->kapat(), Qt::LeftButton);
        return QString();
    });
    QVERIFY(e2e::doubleClickCell(oncekiGrid, orderRecord, QStringLiteral("IDNO")));
    QVERIFY(dialogs.waitForDialogs(10, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[9].title, QStringLiteral("Sipariş Ayrıntısı"));

    // The statement; an invoice's window totals what the statement line says.
    QVERIFY(e2e::clickTab(form, QStringLiteral("sccariekstre")));
    auto *ekstre = form.tabSheet(QStringLiteral("sccariekstre"))->findChild<CariEkstreSekmesi *>();
    QVERIFY(ekstre);
    GridView *ekstreGrid = ekstre->cxGridDBTableView4();
    QTRY_VERIFY_WITH_TIMEOUT(!ekstre->isLoading() && ekstreGrid->shownRecordCount() > 0, 30000);
    QCOMPARE(ekstreGrid->shownRecordCount(),
             server.query(QStringLiteral("SELECT COUNT(*) FROM EKSTRE WHERE CARINO = 101"))
                 .value(0)
                 .value(0)
                 .toInt());
    int invoice = -1;
    for (int r : ekstreGrid->shownRecords()) {
        if (ekstreGrid->rawValue(ekstreGrid->columnByField(QStringLiteral("TURADI")), r)
                .toString()
                .contains("Fatura")) {
            invoice = r;
            break;
        }
    }
    QVERIFY(invoice >= 0);
    const QString evrak =
        ekstreGrid->displayText(ekstreGrid->columnByField(QStringLiteral("EVRAK")), invoice);
    const QString borc = ekstreGrid->displayText(ekstreGrid->columnByField(QStringLiteral("BORC")), invoice);
    QVERIFY(!borc.isEmpty() && borc != QStringLiteral("0,00"));
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *w = qobject_cast<Tayrinti_fatura *>(dialog);
        if (!w)
            return QStringLiteral("not the invoice window: %1").arg(dialog->metaObject()->className());
        if (w->label(QStringLiteral("_evrakno"))->text() != evrak)
            return QStringLiteral("document %1 instead of %2")
                .arg(w->label(QStringLiteral("_evrakno"))->text(), evrak);
        if (labelText(w, "geneltoplaml") != borc)
            return QStringLiteral("total %1 instead of %2").arg(labelText(w, "geneltoplaml"), borc);
        GridView *lines = w->cxGridDBTableView1();
        if (lines->shownRecordCount() == 0)
            return QStringLiteral("an invoice without lines");
        // The quantity column's footer adds up the quantities the lines show.
        GridColumn *quantity = lines->columnByField(QStringLiteral("STOKHAR_MIKTAR"));
        double sum = 0;
        for (int r : lines->shownRecords())
            sum += lines->rawValue(quantity, r).toDouble();
        if (sum <= 0 || lines->footerText(quantity) != FormatFloat(QStringLiteral("#,###,##0.00"), sum))
            return QStringLiteral("quantity footer \"%1\" for the lines' %2")
                .arg(lines->footerText(quantity))
                .arg(sum);
        // As drawn, every footer text lies inside its cell: clipped, a sum reads as another number.
        const DrawnTexts drawn(lines->footer());
        if (drawn.texts.isEmpty())
            return QStringLiteral("nothing drawn in the footer");
        for (const DrawnTexts::Text &t : drawn.texts) {
            bool inside = false;
            for (const QRectF &cell : drawn.outlines)
                inside = inside || (t.box.left() >= cell.left() - 0.5 && t.box.right() <= cell.right() + 0.5);
            if (!inside)
                return QStringLiteral("footer text \"%1\" does not fit its cell").arg(t.text);
        }
        auto *kapat = w->findChild<QPushButton *>(QStringLiteral("Button1"));
        if (!kapat || kapat->text() != QStringLiteral("Kapat"))
            return QStringLiteral("no \"Kapat\"");
        w->grab().save(QStringLiteral("/tmp/e2e_invoice_window.png"));
        QTest::mouseClick(kapat, Qt::LeftButton);
        return QString();
    });
    QVERIFY(e2e::doubleClickCell(ekstreGrid, invoice, QStringLiteral("EVRAK")));
    QVERIFY(dialogs.waitForDialogs(11, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(dialogs.records()[10].title, QStringLiteral("Evrak Ayrıntısı"));

    // The basket to Excel, read back: the captions and each line as the grid shows it.
    QVERIFY(e2e::clickTab(form, QStringLiteral("ssepet")));
    QTRY_COMPARE_WITH_TIMEOUT(sepetGrid->shownRecordCount(), int(inBasket.size()) + 1, 20000);
    const QString written = QDir(home.documents()).filePath(QStringLiteral("sepet.xls"));
    QVERIFY(QDir().mkpath(home.documents()));
    dialogs.interactOnNext([&](QWidget *dialog) -> QString {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return QStringLiteral("not a file dialog: %1").arg(dialog->metaObject()->className());
        auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit)
            return QStringLiteral("no file name box");
        QTest::keyClicks(edit, QDir(home.documents()).filePath(QStringLiteral("sepet")));
        QTest::keyClick(edit, Qt::Key_Return);
        return QString();
    });
    QTest::mouseClick(ssepet->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(12, 30000));
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    const FreeXlSheet sheet = FreeXlSheet::read(written);
    QCOMPARE(sheet.error, FREEXL_OK);
    const QList<GridColumn *> columns = sepetGrid->visibleColumns();
    QCOMPARE(int(sheet.columns), int(columns.size()));
    for (int c = 0; c < columns.size(); ++c)
        QCOMPARE(sheet.at(0, c).toString(), columns[c]->Caption());
    const QVector<int> shown = sepetGrid->shownRecords();
    QVERIFY(int(sheet.rows) >= 1 + shown.size());
    const int barkodColumn = int(columns.indexOf(sepetGrid->columnByField(QStringLiteral("BARKOD"))));
    const int miktarColumn = int(columns.indexOf(sepetGrid->columnByField(QStringLiteral("MIKTAR"))));
    const int adColumn = int(columns.indexOf(sepetGrid->columnByField(QStringLiteral("STOKADI"))));
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(sheet.at(i + 1, barkodColumn).toString(),
                 sepetGrid->displayText(columns[barkodColumn], shown[i]));
        QCOMPARE(sheet.at(i + 1, adColumn).toString(), sepetGrid->displayText(columns[adColumn], shown[i]));
        QCOMPARE(sheet.at(i + 1, miktarColumn).toDouble(),
                 sepetGrid->rawValue(columns[miktarColumn], shown[i]).toDouble());
    }
    QVERIFY(e2e::recordWhere(sepetGrid, QStringLiteral("STOKNO"), items[1].stokno) >= 0);
    bool exported = false;
    for (int i = 0; i < shown.size(); ++i)
        exported = exported || sheet.at(i + 1, barkodColumn).toString() == items[1].barkod;
    QVERIFY(exported);

    QVERIFY(form.grab().save(QStringLiteral("/tmp/e2e_dealer.png")));
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(m_ends, 0);
    QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(DealerPathTest)
#include "tst_dealerpath.moc"
