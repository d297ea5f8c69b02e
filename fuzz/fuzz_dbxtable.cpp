// The table decoder and the loading into a client data set. A table that decodes re-encodes to a
// text that decodes to the same table, and loads into a data set with its columns and rows. A table
// that does not decode raises one of our exceptions and leaves the data set as it was.

#include "fuzz/fuzzcheck.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dbx/datasetloader.h"
#include "platform/dbx/dbxtable.h"
#include "platform/dbx/jsontext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A data set in a state the failed loads must not touch.
void fillBefore(TClientDataSet &dataSet)
{
    dataSet.addField(QStringLiteral("ONCEKI"), TFieldType::ftInteger);
    dataSet.addField(QStringLiteral("METIN"), TFieldType::ftWideString, 20);
    dataSet.CreateDataSet();
    dataSet.appendRow({1, QStringLiteral("bir")});
    dataSet.appendRow({2, QStringLiteral("iki")});
}

bool unchanged(const TClientDataSet &dataSet)
{
    return dataSet.FieldCount() == 2 && dataSet.RecordCount() == 2 &&
           dataSet.field(0)->FieldName() == QLatin1String("ONCEKI") && dataSet.value(1, 0) == QVariant(2) &&
           dataSet.value(1, 1) == QVariant(QStringLiteral("iki"));
}

} // namespace

// Dates and times are read in local time; Turkey's zone has the summer-time gaps of its past years.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("TZ", "Europe/Istanbul", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    TClientDataSet dataSet;
    fillBefore(dataSet);
    try {
        loadTableText(text, dataSet);
    } catch (const Exception &) {
        FUZZ_CHECK(unchanged(dataSet), QString());
    }

    DbxTable table;
    try {
        table = DbxTable::fromJsonText(text);
    } catch (const EDBXError &) {
        return 0;
    } catch (const EConvertError &) {
        return 0;
    }

    // Round trip through the wire form.
    const std::string again = table.toJsonText();
    DbxTable decoded;
    try {
        decoded = DbxTable::fromJsonText(again);
    } catch (const Exception &e) {
        fuzzFail("the re-encoded table does not decode", e.Message() + u'\n' + QString::fromStdString(again));
    }
    FUZZ_CHECK(decoded.columns() == table.columns(), QString::fromStdString(again));
    FUZZ_CHECK(decoded.rowCount() == table.rowCount(), QString::fromStdString(again));
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const QVariant &a = table.value(r, c);
            const QVariant &b = decoded.value(r, c);
            if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
                FUZZ_CHECK(closeDoubles(a.toDouble(), b.toDouble()), QString::fromStdString(again));
            else
                FUZZ_CHECK(a.typeId() == b.typeId() && a == b, QString::fromStdString(again));
        }
    }

    // The reader walks every row once.
    int rows = 0;
    while (table.Next()) {
        for (int c = 0; c < table.columnCount(); ++c)
            FUZZ_CHECK(table.Value(c) == table.value(rows, c), QString());
        ++rows;
    }
    FUZZ_CHECK(rows == table.rowCount(), QString());

    // The load that succeeded above gave the table's shape and values.
    if (table.columnCount() == 0) {
        FUZZ_CHECK(dataSet.RecordCount() == 0 && dataSet.FieldCount() == 2, QString());
        return 0;
    }
    FUZZ_CHECK(dataSet.FieldCount() == table.columnCount(), QString());
    FUZZ_CHECK(dataSet.RecordCount() == table.rowCount(), QString());
    for (int c = 0; c < table.columnCount(); ++c) {
        const TField *field = dataSet.field(c);
        FUZZ_CHECK(field->FieldName() == table.columns()[c].name, field->FieldName());
        FUZZ_CHECK(field->DataType() == fieldTypeForDbxType(table.columns()[c].type), field->FieldName());
        for (int r = 0; r < table.rowCount(); ++r) {
            const QVariant &raw = table.value(r, c);
            const QVariant stored = dataSet.value(r, c);
            FUZZ_CHECK(stored.isNull() == raw.isNull(), field->FieldName());
            FUZZ_CHECK(stored == raw, field->FieldName() + u' ' + raw.toString() + u' ' + stored.toString());
            // What a grid shows of it; formatting may refuse only with our exceptions.
            try {
                (void)field->displayText(stored);
                (void)field->asString(stored);
            } catch (const Exception &) {
            }
        }
    }
    // The cursor reaches every row.
    int walked = 0;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        ++walked;
    FUZZ_CHECK(walked == table.rowCount(), QString());
    return 0;
}
