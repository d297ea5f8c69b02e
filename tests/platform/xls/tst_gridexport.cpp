#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasource.h"
#include "platform/grid/gridexport.h"
#include "platform/grid/gridhelpers.h"
#include "platform/grid/gridview.h"
#include "tests/platform/xls/freexlreader.h"
#include "tests/support/dialoghelper.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestGridExport : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TClientDataSet ds;
        TDataSource source{&ds};
        GridView view;
        GridColumn *satici, *tarih, *cari, *tutar, *kur, *gizli;

        Fixture()
        {
            ds.addField(QStringLiteral("SATICIADI"), TFieldType::ftString, 50);
            ds.addField(QStringLiteral("TARIH"), TFieldType::ftDate);
            ds.addField(QStringLiteral("CARIADI"), TFieldType::ftWideString, 100);
            ds.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
            ds.addField(QStringLiteral("KUR"), TFieldType::ftCurrency);
            ds.addField(QStringLiteral("IDNO"), TFieldType::ftInteger);
            ds.CreateDataSet();
            ds.appendRow({QStringLiteral("Ömer Çelik"), QStringLiteral("2024-05-02"),
                          QStringLiteral("Kaya Otomotiv"), 12250.0, 1.5, 1});
            ds.appendRow({QStringLiteral("Ayşe Yılmaz"), QStringLiteral("2024-05-03"),
                          QStringLiteral("Güneş Yedek Parça"), 320.75, QVariant(), 2});
            ds.appendRow({QStringLiteral("Ayşe Yılmaz"), QStringLiteral("2024-05-01"),
                          QStringLiteral("Özkan Oto İş"), 1500.0, 2.0, 3});
            FormatAyarla(&ds);
            satici = view.createColumn(QStringLiteral("satici"), QStringLiteral("SATICIADI"));
            tarih = view.createColumn(QStringLiteral("tarih"), QStringLiteral("TARIH"));
            tarih->setCaption(QStringLiteral("Tarih"));
            cari = view.createColumn(QStringLiteral("cari"), QStringLiteral("CARIADI"));
            cari->setCaption(QStringLiteral("Cari Adı"));
            cari->setWidth(200);
            tutar = view.createColumn(QStringLiteral("tutar"), QStringLiteral("TUTAR"));
            kur = view.createColumn(QStringLiteral("kur"), QStringLiteral("KUR"));
            gizli = view.createColumn(QStringLiteral("gizli"), QStringLiteral("IDNO"));
            gizli->setVisible(false);
            view.setDataSource(&source);
        }
    };

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void exportsVisibleColumnsAndShownRows()
    {
        Fixture f;
        f.view.sortBy(f.tarih, Qt::AscendingOrder);
        const QString file = m_dir.filePath(QStringLiteral("plain.xls"));
        ExportGridToExcel(&f.view, file);
        const FreeXlSheet sheet = FreeXlSheet::read(file);
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.rows, 4u);
        QCOMPARE(sheet.columns, 5);
        QStringList captions;
        for (int c = 0; c < 5; ++c)
            captions << sheet.at(0, c).toString();
        QCOMPARE(captions, QStringList({"SATICIADI", "Tarih", "Cari Adı", "TUTAR", "KUR"}));
        QCOMPARE(sheet.at(1, 2).toString(), QStringLiteral("Özkan Oto İş"));
        QCOMPARE(sheet.typeAt(1, 1), FREEXL_CELL_DATE);
        QCOMPARE(sheet.at(1, 1).toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(sheet.typeAt(2, 3), FREEXL_CELL_DOUBLE);
        QCOMPARE(sheet.at(2, 3).toDouble(), 12250.0);
        QCOMPARE(sheet.at(3, 3).toDouble(), 320.75);
        QCOMPARE(sheet.typeAt(3, 4), FREEXL_CELL_NULL);
        QCOMPARE(sheet.at(2, 4).toDouble(), 1.5);
    }

    void filteredRowsOnly()
    {
        Fixture f;
        f.view.setFilter(f.satici, QStringLiteral("Ayşe Yılmaz"));
        const QString file = m_dir.filePath(QStringLiteral("filtered.xls"));
        ExportGridToExcel(&f.view, file);
        const FreeXlSheet sheet = FreeXlSheet::read(file);
        QCOMPARE(sheet.rows, 3u);
        QCOMPARE(sheet.at(1, 0).toString(), QStringLiteral("Ayşe Yılmaz"));
        QCOMPARE(sheet.at(2, 0).toString(), QStringLiteral("Ayşe Yılmaz"));
    }

    void groupsExpandedWithFooters()
    {
        Fixture f;
        f.satici->setVisible(false);
        f.tarih->setGroupSummary(GridSummaryKind::Count);
        f.tutar->setGroupSummary(GridSummaryKind::Sum);
        f.tutar->setFooterSummary(GridSummaryKind::Sum);
        f.view.setFooterVisible(true);
        f.view.setGroupColumn(f.satici);
        f.view.collapseAllGroups();
        const QString file = m_dir.filePath(QStringLiteral("groups.xls"));
        ExportGridToExcel(&f.view, file);
        const FreeXlSheet sheet = FreeXlSheet::read(file);
        QCOMPARE(sheet.error, FREEXL_OK);
        // Captions, then per group: caption row, its rows, its footer; then the grid footer.
        QCOMPARE(sheet.rows, 1u + (1 + 2 + 1) + (1 + 1 + 1) + 1);
        QCOMPARE(sheet.at(1, 0).toString(), QStringLiteral("SATICIADI : Ayşe Yılmaz"));
        QCOMPARE(sheet.at(2, 1).toString(), QStringLiteral("Güneş Yedek Parça"));
        QCOMPARE(sheet.at(3, 1).toString(), QStringLiteral("Özkan Oto İş"));
        QCOMPARE(sheet.at(4, 0).toDouble(), 2.0);
        QCOMPARE(sheet.at(4, 2).toDouble(), 1820.75);
        QCOMPARE(sheet.at(5, 0).toString(), QStringLiteral("SATICIADI : Ömer Çelik"));
        QCOMPARE(sheet.at(7, 2).toDouble(), 12250.0);
        QCOMPARE(sheet.at(8, 2).toDouble(), 14070.75);
    }

    void libreOfficeConvertsIt()
    {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty())
            QSKIP("LibreOffice is not installed");
        Fixture f;
        const QString file = m_dir.filePath(QStringLiteral("office.xls"));
        ExportGridToExcel(&f.view, file);
        QProcess convert;
        convert.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                               QStringLiteral("csv"), QStringLiteral("--outdir"), m_dir.path(), file});
        QVERIFY(convert.waitForFinished(120000));
        QCOMPARE(convert.exitCode(), 0);
        QFile csv(m_dir.filePath(QStringLiteral("office.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("Kaya Otomotiv"));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("xlsx") << "/tmp/a/rapor.xlsx"
                              << "/tmp/a/rapor.xls";
        QTest::newRow("none") << "/tmp/a/rapor"
                              << "/tmp/a/rapor.xls";
        QTest::newRow("dots") << "/tmp/a/2024.05.rapor.txt"
                              << "/tmp/a/2024.05.rapor.xls";
        QTest::newRow("dotted folder") << "/tmp/a.b/rapor"
                                       << "/tmp/a.b/rapor.xls";
        QTest::newRow("xls") << "/tmp/a/sepet.xls"
                             << "/tmp/a/sepet.xls";
    }

    void fileNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(excelFileName(typed), written);
    }

    void saveDialogReplacesExtensionAndOverwrites()
    {
        Fixture f;
        f.view.show();
        const QString wanted = m_dir.filePath(QStringLiteral("sepet.xls"));
        {
            QFile old(wanted);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("eski içerik");
        }
        DialogHelper helper;
        QString filter;
        helper.interactOnNext([&](QWidget *w) -> QString {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return QStringLiteral("not a file dialog");
            filter = dialog->nameFilters().join(QLatin1Char('|'));
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!edit || !edit->isVisible())
                return QStringLiteral("no file name box");
            dialog->setDirectory(m_dir.path());
            QTest::keyClicks(edit, QStringLiteral("sepet.xlsx"));
            QTest::keyClick(edit, Qt::Key_Return);
            return {};
        });
        const QString path = ExcelKaydet(&f.view);
        QVERIFY2(helper.problems().isEmpty(), qPrintable(helper.problems()));
        QCOMPARE(helper.dialogCount(), 1);
        QCOMPARE(filter, QStringLiteral("Excel (*.xls*)"));
        QCOMPARE(path, wanted);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("sepet.xlsx"))));
        const FreeXlSheet sheet = FreeXlSheet::read(wanted);
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.rows, 4u);

        helper.escapeOnNext();
        QCOMPARE(ExcelKaydet(&f.view), QString());
        QCOMPARE(helper.dialogCount(), 2);
    }
};

QTEST_MAIN(TestGridExport)
#include "tst_gridexport.moc"
