#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/gridfooter.h"
#include "platform/grid/gridheader.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridrowsmodel.h"
#include "platform/grid/gridview.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWindow>

struct PaintCounter : QObject
{
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class TestGrid : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TClientDataSet ds;
        TDataSource source{&ds};
        GridView view;
        GridColumn *durum = nullptr;
        GridColumn *barkod = nullptr;
        GridColumn *adi = nullptr;
        GridColumn *fiyat = nullptr;
        GridColumn *stokno = nullptr;
        GridColumn *marka = nullptr;

        Fixture()
        {
            ds.addField(QStringLiteral("STOK_STOKNO"), TFieldType::ftInteger);
            ds.addField(QStringLiteral("DURUM"), TFieldType::ftInteger);
            ds.addField(QStringLiteral("BARKOD"), TFieldType::ftString, 30);
            ds.addField(QStringLiteral("ADI"), TFieldType::ftWideString, 100);
            ds.addField(QStringLiteral("MARKA"), TFieldType::ftString, 30);
            ds.addField(QStringLiteral("FIYAT"), TFieldType::ftFloat);
            ds.CreateDataSet();
            const QList<QVariantList> rows{
                {10, 1, QStringLiteral("YF-100"), QStringLiteral("Yağ filtresi"), QStringLiteral("Mann"),
                 1234.5},
                {11, 0, QStringLiteral("HF-200"), QStringLiteral("Hava filtresi"), QStringLiteral("Bosch"),
                 99.9},
                {12, 1, QStringLiteral("ÇF-300"), QStringLiteral("Çay süzgeci"), QStringLiteral("Mann"),
                 10.0},
                {13, 3, QStringLiteral("ŞF-400"), QStringLiteral("Şanzıman filtresi"),
                 QStringLiteral("Ölmez"), 0.5},
                {14, QVariant(), QStringLiteral("IF-500"), QStringLiteral("İnce filtre"),
                 QStringLiteral("Bosch"), 2000.0},
            };
            for (const QVariantList &r : rows)
                ds.appendRow(r);
            FormatAyarla(&ds);
            stokno = view.createColumn(QStringLiteral("stokno"), QStringLiteral("STOK_STOKNO"));
            stokno->setVisible(false);
            stokno->setVisibleForCustomization(false);
            durum = view.createColumn(QStringLiteral("durum"), QStringLiteral("DURUM"));
            durum->setCaption(QStringLiteral("Durum"));
            durum->setKind(GridCellKind::IconByValue);
            QPixmap red(16, 16), green(16, 16), grey(16, 16);
            red.fill(Qt::red);
            green.fill(Qt::green);
            grey.fill(Qt::gray);
            durum->addIconValue(0, red, QStringLiteral("Yok"));
            durum->addIconValue(1, green, QStringLiteral("Var"));
            durum->setNullIcon(grey);
            barkod = view.createColumn(QStringLiteral("barkod"), QStringLiteral("BARKOD"));
            barkod->setCaption(QStringLiteral("Barkod"));
            barkod->setFooterSummary(GridSummaryKind::Count);
            adi = view.createColumn(QStringLiteral("adi"), QStringLiteral("ADI"));
            adi->setCaption(QStringLiteral("Açıklama"));
            marka = view.createColumn(QStringLiteral("marka"), QStringLiteral("MARKA"));
            fiyat = view.createColumn(QStringLiteral("fiyat"), QStringLiteral("FIYAT"));
            fiyat->setCaption(QStringLiteral("Liste Fiyatı"));
            fiyat->setFooterSummary(GridSummaryKind::Sum);
            for (GridColumn *c : {durum, barkod, adi, marka, fiyat})
                c->setWidth(110);
            view.setFooterVisible(true);
            view.setDataSource(&source);
            view.resize(700, 300);
        }

        QStringList shownBarcodes() const
        {
            QStringList out;
            for (int r : view.shownRecords())
                out << view.displayText(barkod, r);
            return out;
        }
    };

    // Through the window, as the platform delivers it, so a right click also makes a context menu event.
    static void rightClick(QWidget *widget, const QPoint &at)
    {
        QWindow *window = widget->window()->windowHandle();
        const QPoint pos = widget->mapTo(widget->window(), at);
        QTest::mouseClick(window, Qt::RightButton, {}, pos);
    }

    static void typeText(QWidget *widget, const QString &text)
    {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &release);
        }
    }

    static QWidget *waitForPopup()
    {
        QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000);
        return QApplication::activePopupWidget();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void showsBoundRowsWithCaptions()
    {
        Fixture f;
        QCOMPARE(f.view.shownRecordCount(), 5);
        QCOMPARE(f.view.header()->model()->headerData(f.view.indexOf(f.marka), Qt::Horizontal).toString(),
                 QStringLiteral("MARKA"));
        QCOMPARE(f.view.header()->model()->headerData(f.view.indexOf(f.adi), Qt::Horizontal).toString(),
                 QStringLiteral("Açıklama"));
        QVERIFY(f.view.header()->isSectionHidden(f.view.indexOf(f.stokno)));
        QCOMPARE(f.view.visibleColumns(), QList<GridColumn *>({f.durum, f.barkod, f.adi, f.marka, f.fiyat}));
        QCOMPARE(f.view.displayText(f.fiyat, 0), QStringLiteral("1.234,50"));
        QCOMPARE(f.view.footerText(f.barkod), QStringLiteral("5"));
        QCOMPARE(f.view.footerText(f.fiyat), QStringLiteral("3.344,90"));
        QCOMPARE(f.view.footerText(f.adi), QString());
    }

    void focusFollowsDataSetCursorBothWays()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QSignalSpy focused(&f.view, &GridView::focusedRecordChanged);
        QVERIFY(f.ds.Locate(QStringLiteral("STOK_STOKNO"), 13));
        QCOMPARE(f.view.focusedRecord(), 3);
        QCOMPARE(focused.last().at(0).toInt(), 3);

        QTableView *table = f.view.tableView();
        const QRect cell = table->visualRect(table->model()->index(1, f.view.indexOf(f.adi)));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.view.focusedRecord(), 1);
        QCOMPARE(f.ds.RecNo(), 2);
        QCOMPARE(f.ds.FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger(), 11);

        // A column that cannot take the focus leaves it where it was.
        f.marka->setFocusable(false);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(2, f.view.indexOf(f.marka))).center());
        QCOMPARE(table->currentIndex().column(), f.view.indexOf(f.adi));
        QCOMPARE(f.view.focusedRecord(), 2);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());

        QSignalSpy doubles(&f.view, &GridView::recordDoubleClicked);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(doubles.at(0).at(0).toInt(), 1);
        QCOMPARE(doubles.at(0).at(1).value<GridColumn *>(), f.adi);
    }

    void headerFilterByMouse()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        GridHeader *header = f.view.header();
        const QRect button = header->filterButtonRect(f.view.indexOf(f.marka));
        QVERIFY(!button.isNull());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, button.center());
        QWidget *popup = waitForPopup();
        QVERIFY(popup);
        auto *list = popup->findChild<QListWidget *>(QStringLiteral("headerfilterlist"));
        QVERIFY(list);
        QStringList offered;
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        QCOMPARE(offered, QStringList({"(Tümü)", "Bosch", "Mann", "Ölmez"}));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());

        QCOMPARE(f.shownBarcodes(), QStringList({"YF-100", "ÇF-300"}));
        QCOMPARE(f.view.footerText(f.barkod), QStringLiteral("2"));
        QCOMPARE(f.view.footerText(f.fiyat), QStringLiteral("1.244,50"));
        QVERIFY(f.view.filterBar()->isVisible());
        QCOMPARE(f.view.filterBar()->findChild<QLabel *>(QStringLiteral("gridfiltertext"))->text(),
                 QStringLiteral("MARKA = Mann"));
        // The data set follows the focus into what is shown.
        QCOMPARE(f.ds.FieldByName(QStringLiteral("MARKA"))->AsString(), QStringLiteral("Mann"));

        // A second filter offers only the values left by the first; icon columns filter by description.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          header->filterButtonRect(f.view.indexOf(f.durum)).center());
        popup = waitForPopup();
        list = popup->findChild<QListWidget *>(QStringLiteral("headerfilterlist"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Var"));
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());

        auto *clear = f.view.filterBar()->findChild<QPushButton *>(QStringLiteral("gridfilterclear"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(f.view.shownRecordCount(), 5);
        QVERIFY(!f.view.filterBar()->isVisible());
    }

    void postedValueUpdatesFooter()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTest::qWait(50);
        PaintCounter paints;
        f.view.footer()->installEventFilter(&paints);
        QVERIFY(f.ds.Locate(QStringLiteral("STOK_STOKNO"), 12));
        QTest::qWait(50);
        paints.count = 0;
        f.ds.Edit();
        f.ds.FieldByName(QStringLiteral("FIYAT"))->setValue(1010.0);
        f.ds.Post();
        QCOMPARE(f.view.footerText(f.fiyat), QStringLiteral("4.344,90"));
        QCOMPARE(f.view.displayText(f.fiyat, 2), QStringLiteral("1.010,00"));
        QTRY_VERIFY(paints.count > 0);
    }

    void filterPicksAllAgainAndBlanks()
    {
        Fixture f;
        f.view.setFilter(f.durum, QStringLiteral("Var"));
        QCOMPARE(f.shownBarcodes(), QStringList({"YF-100", "ÇF-300"}));
        f.view.clearFilter(f.durum);
        f.view.setFilter(f.durum, QString());
        QCOMPARE(f.shownBarcodes(), QStringList({"IF-500"}));
        f.view.clearFilters();
        QCOMPARE(f.view.shownRecordCount(), 5);
    }

    void columnChooserByMouse()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QSignalSpy changed(&f.view, &GridView::columnVisibilityChanged);
        GridHeader *header = f.view.header();
        const QPoint at(header->sectionViewportPosition(f.view.indexOf(f.adi)) + 10, header->height() / 2);
        rightClick(header->viewport(), at);
        auto *menu = qobject_cast<QMenu *>(waitForPopup());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("gridcolumnchooser"));
        QStringList captions;
        for (QAction *a : menu->actions())
            captions << a->text();
        // The technical stock number is not offered.
        QCOMPARE(captions, QStringList({"Durum", "Barkod", "Açıklama", "MARKA", "Liste Fiyatı"}));
        QAction *markaAction = menu->actions().at(3);
        QVERIFY(markaAction->isChecked());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(markaAction).center());
        QTRY_VERIFY(!f.marka->Visible());
        QVERIFY(header->isSectionHidden(f.view.indexOf(f.marka)));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.view.visibleColumns(), QList<GridColumn *>({f.durum, f.barkod, f.adi, f.fiyat}));
        QTRY_VERIFY(!QApplication::activePopupWidget());

        rightClick(header->viewport(), at);
        menu = qobject_cast<QMenu *>(waitForPopup());
        QVERIFY(!menu->actions().at(3)->isChecked());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(3)).center());
        QTRY_VERIFY(f.marka->Visible());
        QCOMPARE(f.marka->Width(), 110);
    }

    void headerClickSorts()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        GridHeader *header = f.view.header();
        auto clickHeader = [&](GridColumn *c) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(f.view.indexOf(c)) + 10, header->height() / 2));
        };
        clickHeader(f.fiyat);
        QCOMPARE(f.shownBarcodes(), QStringList({"ŞF-400", "ÇF-300", "HF-200", "YF-100", "IF-500"}));
        clickHeader(f.fiyat);
        QCOMPARE(f.shownBarcodes(), QStringList({"IF-500", "YF-100", "HF-200", "ÇF-300", "ŞF-400"}));
        // Turkish order: Ç after C, İ after I, Ş after S.
        clickHeader(f.adi);
        QCOMPARE(f.shownBarcodes(), QStringList({"ÇF-300", "HF-200", "IF-500", "ŞF-400", "YF-100"}));
        // Empty values first.
        clickHeader(f.durum);
        QCOMPARE(f.shownBarcodes().first(), QStringLiteral("IF-500"));

        f.view.setSortingEnabled(false);
        clickHeader(f.barkod);
        QCOMPARE(f.view.rowsModel()->sortColumn(), f.durum);
    }

    void incrementalSearchByKeys()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTableView *table = f.view.tableView();
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, f.view.indexOf(f.adi)));
        typeText(table, QStringLiteral("şan"));
        QCOMPARE(f.view.focusedRecord(), 3);
        QCOMPARE(f.ds.FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger(), 13);

        f.view.setIncrementalSearch(false);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        typeText(table, QStringLiteral("hava"));
        QCOMPARE(f.view.focusedRecord(), 3);
    }

    void focusFollowsMouse()
    {
        Fixture f;
        f.view.setFocusFollowsMouse(true);
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTableView *table = f.view.tableView();
        const QRect cell = table->visualRect(table->model()->index(2, f.view.indexOf(f.adi)));
        QTest::mouseMove(table->viewport(), cell.center());
        QTRY_COMPARE(f.view.focusedRecord(), 2);
        QCOMPARE(f.ds.RecNo(), 3);
        f.view.setFocusFollowsMouse(false);
        QTest::mouseMove(table->viewport(), table->visualRect(table->model()->index(4, 1)).center());
        QTest::qWait(20);
        QCOMPARE(f.view.focusedRecord(), 2);
    }

    void autoWidthSharesTheGrid()
    {
        Fixture f;
        f.durum->setWidth(100);
        f.barkod->setWidth(100);
        f.adi->setWidth(200);
        f.marka->setWidth(100);
        f.fiyat->setWidth(100);
        f.view.setColumnAutoWidth(true);
        f.view.resize(602 + 2 * f.view.tableView()->frameWidth(), 300);
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        const int scroll = f.view.tableView()->verticalScrollBar()->isVisible()
                               ? f.view.tableView()->verticalScrollBar()->width()
                               : 0;
        int total = 0;
        for (GridColumn *c : f.view.visibleColumns())
            total += c->Width();
        QCOMPARE(total, 602 - scroll);
        QVERIFY(qAbs(f.adi->Width() - 2 * f.barkod->Width()) <= 2);
        f.marka->setVisible(false);
        total = 0;
        for (GridColumn *c : f.view.visibleColumns())
            total += c->Width();
        QCOMPARE(total, 602 - scroll);
    }

    void contextMenuFocusesRow()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QSignalSpy menu(&f.view, &GridView::contextMenuRequested);
        QTableView *table = f.view.tableView();
        const QRect cell = table->visualRect(table->model()->index(4, f.view.indexOf(f.barkod)));
        rightClick(table->viewport(), cell.center());
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.at(0).at(1).toInt(), 4);
        QCOMPARE(f.ds.RecNo(), 5);
    }

    void groupsWithFooters()
    {
        Fixture f;
        f.adi->setGroupSummary(GridSummaryKind::Count);
        f.fiyat->setGroupSummary(GridSummaryKind::Sum);
        f.marka->setVisible(false);
        f.view.setGroupColumn(f.marka);
        QCOMPARE(f.view.groupCount(), 3);
        QCOMPARE(f.view.groupCaption(0), QStringLiteral("MARKA : Bosch"));
        QCOMPARE(f.view.groupCaption(2), QStringLiteral("MARKA : Ölmez"));
        QCOMPARE(f.view.groupFooterText(1, f.fiyat), QStringLiteral("1.244,50"));
        QCOMPARE(f.view.groupFooterText(1, f.adi), QStringLiteral("2"));
        QCOMPARE(f.view.footerText(f.fiyat), QStringLiteral("3.344,90"));

        f.view.collapseAllGroups();
        GridRowsModel *rows = f.view.rowsModel();
        // Collapsed: a caption row and a footer row per group.
        QCOMPARE(rows->rowCount(), 6);
        QCOMPARE(rows->rowKind(0), GridRowsModel::GroupRow);
        QCOMPARE(rows->rowKind(1), GridRowsModel::GroupFooterRow);
        QCOMPARE(rows->index(3, f.view.indexOf(f.fiyat)).data().toString(), QStringLiteral("1.244,50"));
        QCOMPARE(f.view.shownRecordCount(), 5);

        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTableView *table = f.view.tableView();
        const QRect groupRow = table->visualRect(rows->index(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          QPoint(groupRow.left() + 10, groupRow.center().y()));
        QVERIFY(f.view.groupExpanded(1));
        QCOMPARE(rows->rowCount(), 8);
        QCOMPARE(rows->sourceRow(3), 0);
        QCOMPARE(rows->sourceRow(4), 2);
        // Export order: every group expanded.
        QCOMPARE(f.view.shownRecords(), QVector<int>({1, 4, 0, 2, 3}));
    }

    void updatesWaitForTheLastEnd()
    {
        Fixture f;
        f.view.BeginUpdate();
        f.view.BeginUpdate();
        f.view.setFilter(f.marka, QStringLiteral("Bosch"));
        QCOMPARE(f.view.shownRecordCount(), 5);
        f.view.EndUpdate();
        QCOMPARE(f.view.shownRecordCount(), 5);
        f.view.EndUpdate();
        QCOMPARE(f.view.shownRecordCount(), 2);
        QVERIFY(!f.view.isUpdating());
    }

    void bestFitMeasuresContent()
    {
        Fixture f;
        f.adi->setWidth(20);
        f.barkod->setMinWidth(300);
        f.view.BeginBestFitUpdate();
        f.view.EndBestFitUpdate();
        const QFontMetrics fm(f.view.gridStyle().cellFont);
        QVERIFY(f.adi->Width() >= fm.horizontalAdvance(QStringLiteral("Şanzıman filtresi")));
        QVERIFY(f.adi->Width() < 300);
        QCOMPARE(f.barkod->Width(), 300);
        QCOMPARE(f.view.header()->sectionSize(f.view.indexOf(f.adi)), f.adi->Width());
    }

    void reattachAfterWorkerFill()
    {
        Fixture f;
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.source.setEnabled(false);
        QCOMPARE(f.view.shownRecordCount(), 0);
        f.ds.DisableControls();
        f.ds.EmptyDataSet();
        f.ds.appendRow({20, 1, QStringLiteral("N-1"), QStringLiteral("Yeni"), QStringLiteral("Mann"), 5.0});
        f.ds.EnableControls();
        f.source.setEnabled(true);
        QCOMPARE(f.shownBarcodes(), QStringList({"N-1"}));
        QCOMPARE(f.view.footerText(f.fiyat), QStringLiteral("5,00"));
        // The user's widths and hidden columns survive the reload.
        QCOMPARE(f.adi->Width(), 110);
        QCOMPARE(f.view.header()->sectionSize(f.view.indexOf(f.adi)), 110);
        QVERIFY(f.view.header()->isSectionHidden(f.view.indexOf(f.stokno)));
    }

    void unboundPictureRowsAndCustomDraw()
    {
        GridView view;
        GridColumn *picture = view.createColumn(QStringLiteral("duyuru"));
        picture->setKind(GridCellKind::Picture);
        picture->setWidth(120);
        GridColumn *target = view.createColumn(QStringLiteral("arama"));
        target->setVisible(false);
        target->setVisibleForCustomization(false);
        GridColumn *drawn = view.createColumn(QStringLiteral("ozel"));
        drawn->setWidth(80);
        QList<GridCustomDrawArgs> calls;
        drawn->setCustomDraw([&calls](QPainter *painter, const GridCustomDrawArgs &args) {
            calls << args;
            painter->fillRect(args.rect, args.selected ? Qt::blue : Qt::yellow);
        });
        view.setHeaderVisible(false);
        view.setRowHeight(50);
        view.setGridLines(false);

        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(QColor(200, 0, 0));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        view.setRecordCount(2);
        view.setValue(0, picture, png);
        view.setValue(0, target, QStringLiteral("#KAMPANYA#"));
        view.setValue(1, target, QStringLiteral("#YENİ#"));
        QCOMPARE(view.shownRecordCount(), 2);
        QCOMPARE(view.value(1, target).toString(), QStringLiteral("#YENİ#"));

        view.resize(260, 140);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocusedRecord(1);
        calls.clear();
        const QImage shot = view.grab().toImage();
        QTableView *table = view.tableView();
        const QRect pictureCell = table->visualRect(table->model()->index(0, 0));
        const QPoint inPicture = table->viewport()->mapTo(&view, pictureCell.center());
        QCOMPARE(QColor(shot.pixel(inPicture)), QColor(200, 0, 0));
        QVERIFY(!calls.isEmpty());
        bool sawSelected = false, sawPlain = false;
        for (const GridCustomDrawArgs &args : calls) {
            QCOMPARE(args.values.value(QStringLiteral("arama")).toString(),
                     args.sourceRow == 0 ? QStringLiteral("#KAMPANYA#") : QStringLiteral("#YENİ#"));
            (args.selected ? sawSelected : sawPlain) = true;
            QCOMPARE(args.selected, args.sourceRow == 1);
        }
        QVERIFY(sawSelected && sawPlain);
        const QRect drawnCell = table->visualRect(table->model()->index(1, 2));
        QCOMPARE(QColor(shot.pixel(table->viewport()->mapTo(&view, drawnCell.center()))), QColor(Qt::blue));
    }

    void checkAndIconCellsPaint()
    {
        TClientDataSet ds;
        ds.addField(QStringLiteral("SEC"), TFieldType::ftInteger);
        ds.addField(QStringLiteral("DURUM"), TFieldType::ftInteger);
        ds.CreateDataSet();
        ds.appendRow({1, 7});
        ds.appendRow({0, QVariant()});
        TDataSource source(&ds);
        GridView view;
        GridColumn *sec = view.createColumn(QStringLiteral("sec"), QStringLiteral("SEC"));
        sec->setKind(GridCellKind::CheckBox);
        sec->setWidth(40);
        GridColumn *durum = view.createColumn(QStringLiteral("durum"), QStringLiteral("DURUM"));
        durum->setKind(GridCellKind::IconByValue);
        durum->setAlignment(Qt::AlignCenter);
        durum->setWidth(40);
        QPixmap other(10, 10), none(10, 10);
        other.fill(QColor(0, 0, 255));
        none.fill(QColor(0, 255, 0));
        durum->setOtherIcon(other);
        durum->setNullIcon(none);
        view.setGridLines(false);
        view.setDataSource(&source);
        view.resize(200, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Focus off the rows so the selection colour does not hide the cells.
        view.tableView()->clearSelection();
        view.tableView()->setCurrentIndex(QModelIndex());
        const QImage shot = view.grab().toImage();
        QTableView *table = view.tableView();
        auto centre = [&](int row, int col) {
            return table->viewport()->mapTo(&view,
                                            table->visualRect(table->model()->index(row, col)).center());
        };
        QCOMPARE(QColor(shot.pixel(centre(0, 1))), QColor(0, 0, 255));
        QCOMPARE(QColor(shot.pixel(centre(1, 1))), QColor(0, 255, 0));
        // Ticked and unticked check boxes do not look alike.
        const QRect box0(
            table->viewport()->mapTo(&view, table->visualRect(table->model()->index(0, 0)).topLeft()),
            QSize(40, view.rowHeight()));
        const QRect box1 = box0.translated(0, view.rowHeight());
        QVERIFY(shot.copy(box0) != shot.copy(box1));
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
