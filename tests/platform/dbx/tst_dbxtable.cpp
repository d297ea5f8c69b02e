#include "platform/dbx/dbxtable.h"
#include "platform/system/exception.h"

#include <QtTest>

class TestDbxTable : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeRoundTrips();
    void exactWireForm();
    void emptyTableWithoutColumns();
    void int64IsNeverADouble();
    void readerWalksRowsForward();
    void badShapesRaise_data();
    void badShapesRaise();
    void builderRefusesBadRows();
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
    t.addColumn("BCD", TDBXDataTypes::BcdType, 0, 18, 4);
    t.addColumn("SAAT", TDBXDataTypes::TimeType);
    t.addColumn("ZAMAN", TDBXDataTypes::DateTimeType);
    t.addColumn("BUYUK", TDBXDataTypes::Int64Type);
    t.addColumn("DAMGA", TDBXDataTypes::TimeStampType);
    t.addColumn("TUTAR", TDBXDataTypes::CurrencyType);
    t.addRow({QString("OC 90"), QString("Yağ filtresi İğne"), QDate(2024, 2, 29),
              QByteArray("\x00\xff\x10", 3), true, -32768, 2147483647, 12.5, 1234.5678, QTime(23, 59, 58),
              QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)), qlonglong(-9007199254740993LL),
              QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5, 120)), 0.1});
    t.addRow({QVariant(), QString(""), QVariant(), QByteArray(), false, 0, 0, -0.25, 0.0, QTime(0, 0),
              QVariant(), qlonglong(0), QVariant(), 1e9});
    return t;
}

} // namespace

void TestDbxTable::everyTypeRoundTrips()
{
    const DbxTable table = everyType();
    const DbxTable back = DbxTable::fromJsonText(table.toJsonText());
    QCOMPARE(back.columnCount(), 14);
    QCOMPARE(back.rowCount(), 2);
    QVERIFY(back.columns() == table.columns());
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            QVERIFY2(back.value(r, c) == table.value(r, c), qPrintable(table.columns()[c].name));
    }
    QCOMPARE(back.value(0, 0).typeId(), QMetaType::QString);
    QCOMPARE(back.value(0, 2).typeId(), QMetaType::QDate);
    QCOMPARE(back.value(0, 3).typeId(), QMetaType::QByteArray);
    QCOMPARE(back.value(0, 4).typeId(), QMetaType::Bool);
    QCOMPARE(back.value(0, 6).typeId(), QMetaType::Int);
    QCOMPARE(back.value(0, 7).typeId(), QMetaType::Double);
    QCOMPARE(back.value(0, 9).typeId(), QMetaType::QTime);
    QCOMPARE(back.value(0, 10).typeId(), QMetaType::QDateTime);
    QCOMPARE(back.value(0, 11).typeId(), QMetaType::LongLong);
    QVERIFY(!back.value(1, 0).isValid());
    QCOMPARE(back.value(1, 1).toString(), QString());
    QCOMPARE(back.value(0, 12).toDateTime().time().msec(), 120);
}

void TestDbxTable::exactWireForm()
{
    DbxTable t;
    t.addColumn("STOKNO", TDBXDataTypes::Int32Type);
    t.addColumn("FIYAT", TDBXDataTypes::DoubleType);
    t.addColumn("TARIH", TDBXDataTypes::DateType);
    t.addRow({7, 18.0, QDate(2025, 3, 1)});
    t.addRow({8, 1.25, QVariant()});
    QCOMPARE(QByteArray::fromStdString(t.toJsonText()),
             QByteArray(R"({"table":[["STOKNO",6,0,0,0,0,0,0,true,false,0,false,false],)"
                        R"(["FIYAT",7,1,0,0,0,0,0,true,false,0,false,false],)"
                        R"(["TARIH",2,2,0,0,0,0,0,true,false,0,false,false]],)"
                        R"("STOKNO":[7,8],"FIYAT":[18,1.25],"TARIH":["2025-03-01",null]})"));
}

void TestDbxTable::emptyTableWithoutColumns()
{
    const DbxTable t = DbxTable::fromJsonText(R"({"table":[]})");
    QCOMPARE(t.columnCount(), 0);
    QCOMPARE(t.rowCount(), 0);
    const DbxTable columnsOnly =
        DbxTable::fromJsonText(R"({"table":[["A",26,0,0,0,10,0,0,true,false,0,false,false]],"A":[]})");
    QCOMPARE(columnsOnly.columnCount(), 1);
    QCOMPARE(columnsOnly.rowCount(), 0);
}

void TestDbxTable::int64IsNeverADouble()
{
    const DbxTable t = DbxTable::fromJsonText(
        R"({"table":[["BOY",18,0,0,0,0,0,0,true,false,0,false,false]],"BOY":[9007199254740993,9223372036854775807]})");
    QCOMPARE(t.value(0, 0).toLongLong(), 9007199254740993LL);
    QCOMPARE(t.value(1, 0).toLongLong(), std::numeric_limits<qint64>::max());
}

void TestDbxTable::readerWalksRowsForward()
{
    TDBXReader reader = everyType();
    QVERIFY_THROWS_EXCEPTION(EDBXError, reader.Value(0));
    QVERIFY(reader.Next());
    QCOMPARE(reader.Value(6).toInt(), 2147483647);
    QVERIFY(reader.Next());
    QCOMPARE(reader.Value(4).toBool(), false);
    QVERIFY(!reader.Next());
    QVERIFY(!reader.Next());
    QVERIFY_THROWS_EXCEPTION(EDBXError, reader.Value(0));
}

void TestDbxTable::badShapesRaise_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("messagePart");
    const QByteArray a = R"(["A",6,0,0,0,0,0,0,true,false,0,false,false])";
    const QByteArray b = R"(["B",26,1,0,0,0,0,0,true,false,0,false,false])";
    QTest::newRow("not json") << QByteArray("{\"table\":[") << "not valid JSON";
    QTest::newRow("array") << QByteArray("[1,2]") << "table object expected";
    QTest::newRow("no table") << QByteArray(R"({"A":[1]})") << "no \"table\"";
    QTest::newRow("short column info")
        << QByteArray(R"({"table":[["A",6,0]],"A":[1]})") << "13 column properties";
    QTest::newRow("unknown type code")
        << QByteArray(R"({"table":[["A",99,0,0,0,0,0,0,true,false,0,false,false]],"A":[1]})")
        << "unknown DBX type code 99";
    QTest::newRow("type code as text")
        << QByteArray(R"({"table":[["A","6",0,0,0,0,0,0,true,false,0,false,false]],"A":[1]})")
        << "the type must be an integer";
    QTest::newRow("nullable as number")
        << QByteArray(R"({"table":[["A",6,0,0,0,0,0,0,1,false,0,false,false]],"A":[1]})")
        << "nullable must be true or false";
    QTest::newRow("column named table")
        << QByteArray(R"({"table":[["table",6,0,0,0,0,0,0,true,false,0,false,false]]})")
        << "cannot name a column";
    QTest::newRow("duplicate column") << "{\"table\":[" + a + "," + a + "],\"A\":[1]}"
                                      << "appears twice";
    QTest::newRow("missing values") << "{\"table\":[" + a + "," + b + "],\"A\":[1]}"
                                    << "B has no values";
    QTest::newRow("values not array") << "{\"table\":[" + a + "],\"A\":1}"
                                      << "an array of values expected";
    QTest::newRow("extra member") << "{\"table\":[" + a + "],\"A\":[1],\"C\":[2]}"
                                  << "C, which is not a column";
    QTest::newRow("values without columns")
        << QByteArray(R"({"table":[],"A":[1]})") << "A, which is not a column";
    QTest::newRow("shorter column") << "{\"table\":[" + a + "," + b + "],\"A\":[1,2],\"B\":[\"x\"]}"
                                    << "B has 1 values, column A has 2";
    QTest::newRow("longer column") << "{\"table\":[" + a + "," + b + "],\"A\":[1],\"B\":[\"x\",\"y\"]}"
                                   << "B has 2 values, column A has 1";
    QTest::newRow("string for number") << "{\"table\":[" + a + "],\"A\":[\"12\"]}"
                                       << "integer expected, got string";
    QTest::newRow("double for integer") << "{\"table\":[" + a + "],\"A\":[1.5]}"
                                        << "integer expected, got number";
    QTest::newRow("int32 overflow") << "{\"table\":[" + a + "],\"A\":[2147483648]}"
                                    << "out of range";
    QTest::newRow("number for string") << "{\"table\":[" + b + "],\"B\":[5]}"
                                       << "string expected, got integer";
    QTest::newRow("bad date")
        << QByteArray(R"({"table":[["D",2,0,0,0,0,0,0,true,false,0,false,false]],"D":["2025-02-30"]})")
        << "is not a date";
    QTest::newRow("bad time")
        << QByteArray(R"({"table":[["T",10,0,0,0,0,0,0,true,false,0,false,false]],"T":["25:00:00"]})")
        << "is not a time";
    QTest::newRow("byte 256")
        << QByteArray(R"({"table":[["R",3,0,0,0,0,0,0,true,false,0,false,false]],"R":[[1,256]]})")
        << "byte 1 is not a value from 0 to 255";
    QTest::newRow("byte -1") << QByteArray(
                                    R"({"table":[["R",3,0,0,0,0,0,0,true,false,0,false,false]],"R":[[-1]]})")
                             << "byte 0 is not a value from 0 to 255";
    QTest::newRow("number beyond double")
        << QByteArray(R"({"table":[["F",7,0,0,0,0,0,0,true,false,0,false,false]],"F":[1.5,-1e400]})")
        << "row 1: number out of range";
    QTest::newRow("boolean as 1")
        << QByteArray(R"({"table":[["S",4,0,0,0,0,0,0,true,false,0,false,false]],"S":[1]})")
        << "boolean expected";
}

void TestDbxTable::badShapesRaise()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, messagePart);
    try {
        DbxTable::fromJsonText(json.toStdString());
        QFAIL("a bad table was accepted");
    } catch (const Exception &error) {
        QVERIFY2(error.Message().contains(messagePart), qPrintable(error.Message()));
        QVERIFY(dynamic_cast<const EDBXError *>(&error) || dynamic_cast<const EConvertError *>(&error));
    }
}

void TestDbxTable::builderRefusesBadRows()
{
    DbxTable t;
    t.addColumn("A", TDBXDataTypes::Int32Type);
    QVERIFY_THROWS_EXCEPTION(EDBXError, t.addColumn("A", TDBXDataTypes::Int32Type));
    QVERIFY_THROWS_EXCEPTION(EDBXError, t.addColumn("Z", 42));
    QVERIFY_THROWS_EXCEPTION(EDBXError, t.addColumn("table", TDBXDataTypes::Int32Type));
    QVERIFY_THROWS_EXCEPTION(EDBXError, t.addColumn("", TDBXDataTypes::Int32Type));
    QVERIFY_THROWS_EXCEPTION(EDBXError, t.addRow({1, 2}));
    t.addRow({QString("yedi")});
    QVERIFY_THROWS_EXCEPTION(EConvertError, t.toJson());
}

QTEST_GUILESS_MAIN(TestDbxTable)
#include "tst_dbxtable.moc"
