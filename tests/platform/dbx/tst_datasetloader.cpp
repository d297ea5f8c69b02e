#include "platform/dataset/clientdataset.h"
#include "platform/dbx/datasetloader.h"
#include "platform/system/exception.h"

#include <QSignalSpy>
#include <QtTest>

class TestDataSetLoader : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeGetsItsFieldClass_data();
    void everyTypeGetsItsFieldClass();
    void rowsArriveInOrder();
    void failedDecodeLeavesDataSetAsItWas_data();
    void failedDecodeLeavesDataSetAsItWas();
    void tableWithoutColumnsEmptiesAndKeepsFields();
    void packetReplacesStructure();
    void fillNotifiesOnce();
};

namespace {

DbxTable everyType()
{
    DbxTable t;
    t.addColumn("ANSI", TDBXDataTypes::AnsiStringType, 20);
    t.addColumn("WIDE", TDBXDataTypes::WideStringType, 40);
    t.addColumn("TARIH", TDBXDataTypes::DateType);
    t.addColumn("RESIM", TDBXDataTypes::BlobType);
    t.addColumn("SEC", TDBXDataTypes::BooleanType);
    t.addColumn("KUCUK", TDBXDataTypes::Int16Type);
    t.addColumn("SIRANO", TDBXDataTypes::Int32Type);
    t.addColumn("FIYAT", TDBXDataTypes::DoubleType);
    t.addColumn("BCD", TDBXDataTypes::BcdType);
    t.addColumn("SAAT", TDBXDataTypes::TimeType);
    t.addColumn("ZAMAN", TDBXDataTypes::DateTimeType);
    t.addColumn("BUYUK", TDBXDataTypes::Int64Type);
    t.addColumn("DAMGA", TDBXDataTypes::TimeStampType);
    t.addColumn("TUTAR", TDBXDataTypes::CurrencyType);
    t.addRow({QString("OC 90"), QString("Yağ filtresi"), QDate(2024, 2, 29), QByteArray("\x01\x02", 2), true,
              5, 70000, 12.5, 3.25, QTime(10, 11, 12), QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)),
              qlonglong(1) << 40, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)), 99.99});
    t.addRow({QVariant(), QString("ikinci"), QVariant(), QVariant(), false, -1, -70000, -0.5, 0.0, QVariant(),
              QVariant(), qlonglong(-3), QVariant(), 0.0});
    return t;
}

void fillOld(TClientDataSet &ds)
{
    ds.addField("ESKI", TFieldType::ftInteger);
    ds.addField("AD", TFieldType::ftString, 10);
    ds.CreateDataSet();
    ds.appendRow({1, QString("bir")});
    ds.appendRow({2, QString("iki")});
}

} // namespace

void TestDataSetLoader::everyTypeGetsItsFieldClass_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fieldClass");
    QTest::addColumn<int>("size");
    QTest::newRow("1") << "ANSI"
                       << "TStringField" << 20;
    QTest::newRow("26") << "WIDE"
                        << "TWideStringField" << 40;
    QTest::newRow("2") << "TARIH"
                       << "TDateField" << 0;
    QTest::newRow("3") << "RESIM"
                       << "TBlobField" << 0;
    QTest::newRow("4") << "SEC"
                       << "TBooleanField" << 0;
    QTest::newRow("5") << "KUCUK"
                       << "TSmallintField" << 0;
    QTest::newRow("6") << "SIRANO"
                       << "TIntegerField" << 0;
    QTest::newRow("7") << "FIYAT"
                       << "TFloatField" << 0;
    QTest::newRow("8") << "BCD"
                       << "TBCDField" << 0;
    QTest::newRow("10") << "SAAT"
                        << "TTimeField" << 0;
    QTest::newRow("11") << "ZAMAN"
                        << "TDateTimeField" << 0;
    QTest::newRow("18") << "BUYUK"
                        << "TLargeintField" << 0;
    QTest::newRow("24") << "DAMGA"
                        << "TSQLTimeStampField" << 0;
    QTest::newRow("25") << "TUTAR"
                        << "TCurrencyField" << 0;
}

void TestDataSetLoader::everyTypeGetsItsFieldClass()
{
    QFETCH(QString, name);
    QFETCH(QString, fieldClass);
    QFETCH(int, size);
    TClientDataSet ds;
    fillOld(ds);
    // Through the wire form, as a server answer arrives.
    loadTableText(everyType().toJsonText(), ds);
    QCOMPARE(ds.FieldCount(), 14);
    TField *field = ds.FindField(name);
    QVERIFY(field);
    QCOMPARE(field->ClassName(), fieldClass);
    QCOMPARE(field->Size(), size);
    QCOMPARE(field->Index(), everyType().columnIndex(name));
    QVERIFY(!ds.FindField("ESKI"));
}

void TestDataSetLoader::rowsArriveInOrder()
{
    TClientDataSet ds;
    const DbxTable table = everyType();
    CopyReaderToClientDataSet(table, ds);
    QVERIFY(ds.Active());
    QCOMPARE(ds.RecordCount(), 2);
    ds.First();
    QCOMPARE(ds.FieldByName("ANSI")->AsString(), QStringLiteral("OC 90"));
    QCOMPARE(ds.FieldByName("SIRANO")->AsInteger(), 70000);
    QCOMPARE(ds.FieldByName("BUYUK")->AsLargeInt(), qlonglong(1) << 40);
    QCOMPARE(ds.FieldByName("TUTAR")->AsFloat(), 99.99);
    QCOMPARE(ds.FieldByName("RESIM")->Value().toByteArray(), QByteArray("\x01\x02", 2));
    ds.Next();
    QCOMPARE(ds.FieldByName("WIDE")->AsString(), QStringLiteral("ikinci"));
    QVERIFY(ds.FieldByName("ANSI")->IsNull());
    QVERIFY(ds.FieldByName("TARIH")->IsNull());
    QCOMPARE(ds.FieldByName("SIRANO")->AsInteger(), -70000);
}

void TestDataSetLoader::failedDecodeLeavesDataSetAsItWas_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not json") << QByteArray("<html>");
    QTest::newRow("short column") << QByteArray(
        R"({"table":[["A",6,0,0,0,0,0,0,true,false,0,false,false],)"
        R"(["B",6,1,0,0,0,0,0,true,false,0,false,false]],"A":[1,2],"B":[1]})");
    QTest::newRow("unknown type") << QByteArray(
        R"({"table":[["A",77,0,0,0,0,0,0,true,false,0,false,false]],"A":[1]})");
    QTest::newRow("string for number in last row")
        << QByteArray(R"({"table":[["A",6,0,0,0,0,0,0,true,false,0,false,false]],"A":[1,2,3,"4"]})");
}

void TestDataSetLoader::failedDecodeLeavesDataSetAsItWas()
{
    QFETCH(QByteArray, json);
    TClientDataSet ds;
    fillOld(ds);
    QVERIFY_THROWS_EXCEPTION(Exception, loadTableText(json.toStdString(), ds));
    QVERIFY(ds.Active());
    QCOMPARE(ds.FieldCount(), 2);
    QCOMPARE(ds.field(0)->FieldName(), QStringLiteral("ESKI"));
    QCOMPARE(ds.RecordCount(), 2);
    QCOMPARE(ds.value(1, 1).toString(), QStringLiteral("iki"));
    QVERIFY(!ds.ControlsDisabled());
}

void TestDataSetLoader::tableWithoutColumnsEmptiesAndKeepsFields()
{
    TClientDataSet ds;
    fillOld(ds);
    loadTableText(R"({"table":[]})", ds);
    QVERIFY(ds.Active());
    QCOMPARE(ds.FieldCount(), 2);
    QCOMPARE(ds.RecordCount(), 0);

    TClientDataSet fresh;
    loadTableText(R"({"table":[]})", fresh);
    QVERIFY(!fresh.Active());
    QCOMPARE(fresh.FieldCount(), 0);
}

void TestDataSetLoader::packetReplacesStructure()
{
    TClientDataSet ds;
    AssignPacket(everyType(), ds);
    DbxTable second;
    second.addColumn("STOK_KODU", TDBXDataTypes::WideStringType, 30);
    second.addRow({QString("X1")});
    AssignPacket(second, ds);
    QCOMPARE(ds.FieldCount(), 1);
    QCOMPARE(ds.RecordCount(), 1);
    QCOMPARE(ds.value(0, 0).toString(), QStringLiteral("X1"));
}

void TestDataSetLoader::fillNotifiesOnce()
{
    TClientDataSet ds;
    fillOld(ds);
    QSignalSpy changed(&ds, &TClientDataSet::dataSetChanged);
    QSignalSpy appended(&ds, &TClientDataSet::rowsAppended);
    CopyReaderToClientDataSet(everyType(), ds);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(appended.count(), 0);
}

QTEST_GUILESS_MAIN(TestDataSetLoader)
#include "tst_datasetloader.moc"
