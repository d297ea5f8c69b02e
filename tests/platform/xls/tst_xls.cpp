#include "platform/system/exception.h"
#include "platform/xls/xlswriter.h"
#include "tests/platform/xls/freexlreader.h"

#include <QTemporaryDir>
#include <QTest>

class TestXls : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void readsBackCellsOfEveryKind()
    {
        XlsWriter xls(QStringLiteral("Sepet"));
        xls.writeText(0, 0, QStringLiteral("Açıklama"), true);
        xls.writeText(0, 1, QStringLiteral("Tutar"), true);
        xls.writeText(0, 2, QStringLiteral("Tarih"), true);
        xls.writeText(1, 0, QStringLiteral("Şanzıman yağı İĞÜŞÖÇ ığüşöç"));
        xls.writeNumber(1, 1, 1234.5, XlsWriter::excelNumberFormat(QStringLiteral("#,###,##0.00")));
        xls.writeDate(1, 2, QDate(2024, 2, 29));
        xls.writeText(2, 0, QStringLiteral("Şanzıman yağı İĞÜŞÖÇ ığüşöç"));
        xls.writeNumber(2, 1, -7.25);
        xls.writeDateTime(2, 2, QDateTime(QDate(2023, 12, 31), QTime(13, 45, 10)));
        xls.writeNumber(3, 1, 42);
        xls.setColumnWidth(0, 300);
        xls.save(path(QStringLiteral("a.xls")));

        const FreeXlSheet sheet = FreeXlSheet::read(path(QStringLiteral("a.xls")));
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.sheetName, QStringLiteral("Sepet"));
        QCOMPARE(sheet.rows, 4u);
        QCOMPARE(sheet.columns, 3);
        QCOMPARE(sheet.at(0, 0).toString(), QStringLiteral("Açıklama"));
        QCOMPARE(sheet.typeAt(1, 0), FREEXL_CELL_SST_TEXT);
        QCOMPARE(sheet.at(1, 0).toString(), QStringLiteral("Şanzıman yağı İĞÜŞÖÇ ığüşöç"));
        QCOMPARE(sheet.at(2, 0).toString(), QStringLiteral("Şanzıman yağı İĞÜŞÖÇ ığüşöç"));
        QCOMPARE(sheet.typeAt(1, 1), FREEXL_CELL_DOUBLE);
        QCOMPARE(sheet.at(1, 1).toDouble(), 1234.5);
        QCOMPARE(sheet.at(2, 1).toDouble(), -7.25);
        QCOMPARE(sheet.at(3, 1).toDouble(), 42.0);
        QCOMPARE(sheet.typeAt(1, 2), FREEXL_CELL_DATE);
        QCOMPARE(sheet.at(1, 2).toString(), QStringLiteral("2024-02-29"));
        QCOMPARE(sheet.typeAt(2, 2), FREEXL_CELL_DATETIME);
        QCOMPARE(sheet.at(2, 2).toString(), QStringLiteral("2023-12-31 13:45:10"));
        QCOMPARE(sheet.typeAt(3, 0), FREEXL_CELL_NULL);
    }

    void sharedStringsAcrossContinueRecords()
    {
        // Enough text for several CONTINUE records, with strings split across them.
        XlsWriter xls;
        QStringList written;
        for (int i = 0; i < 3000; ++i) {
            const QString text = QStringLiteral("Satır %1 ").arg(i) + QString(i % 97, QChar(0x011F));
            written << text;
            xls.writeText(i, 0, text);
            xls.writeText(i, 1, QStringLiteral("aynı"));
        }
        // Longer than one record, so it is split (FreeXL reads a string split at most once).
        const QString long1(4000, QChar(0x015F));
        xls.writeText(3000, 0, long1);
        xls.save(path(QStringLiteral("sst.xls")));
        const FreeXlSheet sheet = FreeXlSheet::read(path(QStringLiteral("sst.xls")));
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.rows, 3001u);
        for (int i = 0; i < 3000; ++i) {
            QCOMPARE(sheet.at(i, 0).toString(), written[i]);
            QCOMPARE(sheet.at(i, 1).toString(), QStringLiteral("aynı"));
        }
        QCOMPARE(sheet.at(3000, 0).toString().size(), long1.size());
        QCOMPARE(sheet.at(3000, 0).toString(), long1);
    }

    void largeSheetNeedsMoreFatSectors()
    {
        // Over 7 MB of cells: the FAT no longer fits the header's 109 entries.
        XlsWriter xls;
        const int rows = 65536, cols = 7;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c)
                xls.writeNumber(r, c, r * 10 + c);
        }
        const QByteArray bytes = xls.toBytes();
        QVERIFY(bytes.size() > 109 * 128 * 512);
        QFile file(path(QStringLiteral("big.xls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const FreeXlSheet sheet = FreeXlSheet::read(path(QStringLiteral("big.xls")));
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.rows, unsigned(rows));
        QCOMPARE(sheet.at(0, 0).toDouble(), 0.0);
        QCOMPARE(sheet.at(rows - 1, cols - 1).toDouble(), double((rows - 1) * 10 + cols - 1));
        QCOMPARE(sheet.at(40000, 3).toDouble(), 400003.0);
    }

    void emptyWorkbookStillOpens()
    {
        XlsWriter xls;
        xls.save(path(QStringLiteral("empty.xls")));
        const FreeXlSheet sheet = FreeXlSheet::read(path(QStringLiteral("empty.xls")));
        QCOMPARE(sheet.error, FREEXL_OK);
        QCOMPARE(sheet.rows, 0u);
    }

    void outsideTheSheetRaises()
    {
        XlsWriter xls;
        QVERIFY_THROWS_EXCEPTION(Exception, xls.writeNumber(65536, 0, 1));
        QVERIFY_THROWS_EXCEPTION(Exception, xls.writeText(0, 256, QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(Exception, xls.save(m_dir.filePath(QStringLiteral("yok/olmayan/a.xls"))));
    }

    void numberFormats_data()
    {
        QTest::addColumn<QString>("delphi");
        QTest::addColumn<QString>("excel");
        QTest::newRow("money") << "#,###,##0.00"
                               << "#,##0.00";
        QTest::newRow("rounding") << "#,###,##.00"
                                  << "#,###.00";
        QTest::newRow("two zeros") << "#,###,##00.00"
                                   << "#,#00.00";
        QTest::newRow("lira") << ",0.00 TL;-,0.00 TL"
                              << "#,##0.00\" TL\";\"-\"#,##0.00\" TL\"";
        QTest::newRow("plain") << "0.000"
                               << "0.000";
        QTest::newRow("none") << ""
                              << "";
    }

    void numberFormats()
    {
        QFETCH(QString, delphi);
        QFETCH(QString, excel);
        QCOMPARE(XlsWriter::excelNumberFormat(delphi), excel);
    }
};

QTEST_GUILESS_MAIN(TestXls)
#include "tst_xls.moc"
