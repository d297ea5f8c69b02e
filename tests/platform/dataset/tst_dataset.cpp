#include "platform/dataset/clientdataset.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dataset/datasource.h"
#include "platform/system/exception.h"

#include <QSignalSpy>
#include <QTest>
#include <QtConcurrent>

class TestDataSet : public QObject
{
    Q_OBJECT

private:
    static void makeStock(TClientDataSet &ds)
    {
        ds.addField(QStringLiteral("STOKNO"), TFieldType::ftInteger);
        ds.addField(QStringLiteral("STOKADI"), TFieldType::ftWideString, 100);
        ds.addField(QStringLiteral("FIYAT"), TFieldType::ftFloat);
        ds.addField(QStringLiteral("TUTAR"), TFieldType::ftCurrency);
        ds.addField(QStringLiteral("TARIH"), TFieldType::ftDate);
        ds.CreateDataSet();
        ds.appendRow({1, QStringLiteral("Yağ filtresi"), 1234.5, 10.0, QStringLiteral("2024-03-05")});
        ds.appendRow({2, QStringLiteral("Hava filtresi"), 0.5, QVariant(), QVariant()});
        ds.appendRow({3, QStringLiteral("Şanzıman"), -7.126, 2.25, 45000.0});
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void classNamesAndVariantTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QVariant>("raw");
        QTest::addColumn<int>("metaType");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("string") << int(TFieldType::ftString) << "TStringField" << QVariant(42)
                                << int(QMetaType::QString) << QVariant(QStringLiteral("42"));
        QTest::newRow("wide") << int(TFieldType::ftWideString) << "TWideStringField"
                              << QVariant(QStringLiteral("ığü")) << int(QMetaType::QString)
                              << QVariant(QStringLiteral("ığü"));
        QTest::newRow("smallint") << int(TFieldType::ftSmallint) << "TSmallintField"
                                  << QVariant(qlonglong(12)) << int(QMetaType::Int) << QVariant(12);
        QTest::newRow("integer") << int(TFieldType::ftInteger) << "TIntegerField"
                                 << QVariant(QStringLiteral(" 77 ")) << int(QMetaType::Int) << QVariant(77);
        QTest::newRow("largeint") << int(TFieldType::ftLargeint) << "TLargeintField"
                                  << QVariant(9007199254740993LL) << int(QMetaType::LongLong)
                                  << QVariant(9007199254740993LL);
        QTest::newRow("boolean") << int(TFieldType::ftBoolean) << "TBooleanField" << QVariant(1)
                                 << int(QMetaType::Bool) << QVariant(true);
        QTest::newRow("float") << int(TFieldType::ftFloat) << "TFloatField" << QVariant(3)
                               << int(QMetaType::Double) << QVariant(3.0);
        QTest::newRow("currency") << int(TFieldType::ftCurrency) << "TCurrencyField"
                                  << QVariant(QStringLiteral("2.5")) << int(QMetaType::Double)
                                  << QVariant(2.5);
        QTest::newRow("bcd") << int(TFieldType::ftBCD) << "TBCDField" << QVariant(1.25)
                             << int(QMetaType::Double) << QVariant(1.25);
        QTest::newRow("date") << int(TFieldType::ftDate) << "TDateField"
                              << QVariant(QStringLiteral("2024-02-29")) << int(QMetaType::QDate)
                              << QVariant(QDate(2024, 2, 29));
        QTest::newRow("time") << int(TFieldType::ftTime) << "TTimeField"
                              << QVariant(QStringLiteral("13:45:10")) << int(QMetaType::QTime)
                              << QVariant(QTime(13, 45, 10));
        QTest::newRow("datetime") << int(TFieldType::ftDateTime) << "TDateTimeField" << QVariant(45000.5)
                                  << int(QMetaType::QDateTime)
                                  << QVariant(QDateTime(QDate(2023, 3, 15), QTime(12, 0)));
        QTest::newRow("timestamp") << int(TFieldType::ftTimeStamp) << "TSQLTimeStampField"
                                   << QVariant(QStringLiteral("2024-01-02 03:04:05.250"))
                                   << int(QMetaType::QDateTime)
                                   << QVariant(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5, 250)));
        QTest::newRow("blob") << int(TFieldType::ftBlob) << "TBlobField" << QVariant(QVariantList{0, 255, 7})
                              << int(QMetaType::QByteArray) << QVariant(QByteArray("\x00\xff\x07", 3));
    }

    void classNamesAndVariantTypes()
    {
        QFETCH(int, type);
        QFETCH(QString, className);
        QFETCH(QVariant, raw);
        QFETCH(int, metaType);
        QFETCH(QVariant, stored);
        TClientDataSet ds;
        TField *f = ds.addField(QStringLiteral("X"), TFieldType(type), 20);
        QCOMPARE(f->ClassName(), className);
        QCOMPARE(f->Size(), 20);
        ds.CreateDataSet();
        ds.appendRow({raw});
        ds.appendRow({QVariant()});
        QCOMPARE(f->Value().metaType().id(), metaType);
        QCOMPARE(f->Value(), stored);
        QVERIFY(!f->IsNull());
        ds.Next();
        QVERIFY(f->IsNull());
        QVERIFY(!f->Value().isValid());
    }

    void badValuesRaiseConvertErrors()
    {
        TClientDataSet ds;
        ds.addField(QStringLiteral("N"), TFieldType::ftInteger);
        ds.addField(QStringLiteral("F"), TFieldType::ftFloat);
        ds.CreateDataSet();
        QVERIFY_THROWS_EXCEPTION(EConvertError, ds.appendRow({QStringLiteral("abc"), 1.0}));
        QVERIFY_THROWS_EXCEPTION(EConvertError, ds.appendRow({1, QStringLiteral("x1")}));
        QVERIFY_THROWS_EXCEPTION(EConvertError, ds.appendRow({5e12, 1.0}));
        QVERIFY_THROWS_EXCEPTION(Exception, ds.appendRow({1}));
        QCOMPARE(ds.RecordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(Exception, ds.FieldByName(QStringLiteral("YOK")));
        QCOMPARE(ds.FindField(QStringLiteral("YOK")), nullptr);
        QCOMPARE(ds.FindField(QStringLiteral("f")), ds.FieldByName(QStringLiteral("F")));
    }

    void cursorWalksAllRows()
    {
        TClientDataSet ds;
        QVERIFY(!ds.Active());
        makeStock(ds);
        QVERIFY(ds.Active());
        QCOMPARE(ds.RecordCount(), 3);
        QStringList names;
        for (ds.First(); !ds.Eof(); ds.Next())
            names << ds.FieldByName(QStringLiteral("STOKADI"))->AsString();
        QCOMPARE(names, QStringList({"Yağ filtresi", "Hava filtresi", "Şanzıman"}));
        QCOMPARE(ds.RecNo(), 3);
        ds.Last();
        QVERIFY(ds.Eof());
        ds.Prior();
        QCOMPARE(ds.RecNo(), 2);
        ds.Prior();
        ds.Prior();
        QVERIFY(ds.Bof());
        QCOMPARE(ds.RecNo(), 1);
        ds.EmptyDataSet();
        QVERIFY(ds.Active());
        QVERIFY(ds.Eof() && ds.Bof());
        QCOMPARE(ds.RecNo(), 0);
        QVERIFY(ds.FieldByName(QStringLiteral("STOKNO"))->IsNull());
        ds.Close();
        QVERIFY(!ds.Active());
        QVERIFY_THROWS_EXCEPTION(Exception, ds.First());
        ds.Open();
        QVERIFY(ds.Active());
        QCOMPARE(ds.RecordCount(), 0);
        QCOMPARE(ds.FieldCount(), 5);
    }

    void locateIsExactAndMovesCursor()
    {
        TClientDataSet ds;
        makeStock(ds);
        QVERIFY(ds.Locate(QStringLiteral("STOKNO"), QStringLiteral("3")));
        QCOMPARE(ds.RecNo(), 3);
        QVERIFY(!ds.Locate(QStringLiteral("STOKADI"), QStringLiteral("hava filtresi")));
        QCOMPARE(ds.RecNo(), 3);
        QVERIFY(!ds.Locate(QStringLiteral("STOKADI"), QStringLiteral("Hava")));
        QVERIFY(ds.Locate(QStringLiteral("STOKADI"), QStringLiteral("Hava filtresi")));
        QCOMPARE(ds.RecNo(), 2);
        QVERIFY(!ds.Locate(QStringLiteral("STOKNO"), QStringLiteral("iki")));
        QVERIFY(ds.Locate(QStringLiteral("TUTAR"), QVariant()));
        QCOMPARE(ds.RecNo(), 2);
    }

    void editPostAndCancel()
    {
        TClientDataSet ds;
        makeStock(ds);
        DataSetModel model(new TDataSource(&ds, &ds));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        TField *price = ds.FieldByName(QStringLiteral("FIYAT"));
        QVERIFY_THROWS_EXCEPTION(Exception, price->setValue(1.0));
        ds.Locate(QStringLiteral("STOKNO"), 2);
        ds.Edit();
        price->setValue(QStringLiteral("9.75"));
        QCOMPARE(price->AsFloat(), 9.75);
        QCOMPARE(ds.value(1, 2), QVariant(0.5));
        ds.Cancel();
        QCOMPARE(price->AsFloat(), 0.5);
        QCOMPARE(changed.count(), 0);
        ds.Edit();
        price->setValue(9.75);
        ds.Post();
        QCOMPARE(ds.value(1, 2), QVariant(9.75));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), model.index(1, 2));
        QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("9,75"));
    }

    void displayText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("float plain") << "FIYAT"
                                     << "" << 0 << "1234,5";
        QTest::newRow("float money") << "FIYAT"
                                     << "#,###,##0.00" << 0 << "1.234,50";
        QTest::newRow("float half") << "FIYAT"
                                    << "#,###,##.00" << 1 << ",50";
        QTest::newRow("float negative") << "FIYAT"
                                        << "#,###,##0.00" << 2 << "-7,13";
        QTest::newRow("integer plain") << "STOKNO"
                                       << "" << 2 << "3";
        QTest::newRow("integer format") << "STOKNO"
                                        << "0.00" << 2 << "3,00";
        QTest::newRow("null") << "TUTAR"
                              << "" << 1 << "";
        QTest::newRow("date") << "TARIH"
                              << "dd.mm.yyyy" << 0 << "05.03.2024";
        QTest::newRow("date from number") << "TARIH"
                                          << "yyyy-mm-dd" << 2 << "2023-03-15";
        QTest::newRow("text") << "STOKADI"
                              << "" << 2 << "Şanzıman";
    }

    void displayText()
    {
        QFETCH(QString, field);
        QFETCH(QString, format);
        QFETCH(int, row);
        QFETCH(QString, text);
        TClientDataSet ds;
        makeStock(ds);
        TField *f = ds.FieldByName(field);
        f->setDisplayFormat(format);
        ds.setRecNo(row + 1);
        QCOMPARE(f->DisplayText(), text);
    }

    void currencyKeepsItsOwnDisplay()
    {
        TClientDataSet ds;
        makeStock(ds);
        TField *amount = ds.FieldByName(QStringLiteral("TUTAR"));
        QCOMPARE(amount->DisplayText(), QLocale().toCurrencyString(10.0, QString(), 2));
        QVERIFY(amount->DisplayText() != QStringLiteral("10,00"));
        QCOMPARE(amount->AsString(), QStringLiteral("10"));
    }

    void modelFollowsLinkAndAppends()
    {
        TClientDataSet ds;
        makeStock(ds);
        TDataSource source(&ds);
        DataSetModel model(&source);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("STOKADI"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Yağ filtresi"));
        QCOMPARE(model.index(0, 2).data(DataSetModel::RawValueRole), QVariant(1234.5));
        QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        ds.appendRow({4, QStringLiteral("Yakıt"), 1.0, 1.0, QVariant()});
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.rowCount(), 4);

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        source.setEnabled(false);
        QCOMPARE(model.rowCount(), 0);
        ds.EmptyDataSet();
        ds.appendRow({9, QStringLiteral("Tek"), 1.0, 1.0, QVariant()});
        QCOMPARE(model.rowCount(), 0);
        source.setEnabled(true);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("9"));
        QCOMPARE(reset.count(), 2);

        source.setDataSet(nullptr);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
    }

    void disabledControlsEndInOneReset()
    {
        TClientDataSet ds;
        makeStock(ds);
        TDataSource source(&ds);
        DataSetModel model(&source);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        ds.DisableControls();
        ds.DisableControls();
        QVERIFY(ds.ControlsDisabled());
        ds.EmptyDataSet();
        for (int i = 0; i < 10; ++i)
            ds.appendRow({i, QStringLiteral("r"), 1.0, 1.0, QVariant()});
        ds.EnableControls();
        QCOMPARE(reset.count(), 0);
        QCOMPARE(model.rowCount(), 3);
        ds.EnableControls();
        QVERIFY(!ds.ControlsDisabled());
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(model.rowCount(), 10);
    }

    void fillsOnWorkerWhileDetached()
    {
        TClientDataSet ds;
        makeStock(ds);
        TDataSource source(&ds);
        DataSetModel model(&source);
        source.setDataSet(nullptr);
        QFuture<void> fill = QtConcurrent::run([&ds] {
            ds.DisableControls();
            ds.Close();
            ds.clearFields();
            ds.addField(QStringLiteral("KOD"), TFieldType::ftString, 20);
            ds.addField(QStringLiteral("ADET"), TFieldType::ftLargeint);
            ds.CreateDataSet();
            for (int i = 0; i < 5000; ++i)
                ds.appendRow({QStringLiteral("K%1").arg(i), i});
            ds.First();
            ds.EnableControls();
        });
        fill.waitForFinished();
        QCOMPARE(model.rowCount(), 0);
        source.setDataSet(&ds);
        QCOMPARE(model.rowCount(), 5000);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.index(4999, 0).data().toString(), QStringLiteral("K4999"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("ADET"));
    }

    void structureIsFixedWhileOpen()
    {
        TClientDataSet ds;
        QVERIFY_THROWS_EXCEPTION(Exception, ds.CreateDataSet());
        ds.addField(QStringLiteral("A"), TFieldType::ftInteger);
        QVERIFY_THROWS_EXCEPTION(Exception, ds.addField(QStringLiteral("a"), TFieldType::ftInteger));
        QVERIFY_THROWS_EXCEPTION(Exception, ds.appendRow({1}));
        ds.CreateDataSet();
        QVERIFY_THROWS_EXCEPTION(Exception, ds.addField(QStringLiteral("B"), TFieldType::ftInteger));
        QVERIFY_THROWS_EXCEPTION(Exception, ds.Edit());
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
