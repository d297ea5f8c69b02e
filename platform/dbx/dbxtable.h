#pragma once

// A decoded table: what a server method returns as a table reader or a data packet.
//
// Server side:   DbxTable t;
//                t.addColumn("STOK_KODU", TDBXDataTypes::WideStringType, 30);
//                t.addColumn("FIYAT", TDBXDataTypes::DoubleType);
//                t.addRow({QString("OC 90"), 12.5});
//                boost::json::value v = t.toJson();   // {"table":[...], "STOK_KODU":[...], ...}
// Client side:   DbxTable t = DbxTable::fromJson(v);  // strict: EDBXError / EConvertError on bad shape
//                while (t.Next()) t.Value(0) ...       // or load it into a client data set
//
// Values by type: Int16/Int32 → int, Int64 → qlonglong, Double/BCD/Currency → double,
// strings → QString, Date → QDate, Time → QTime, DateTime/TimeStamp → QDateTime,
// Boolean → bool, Blob → QByteArray, null → invalid QVariant.

#include <QList>
#include <QString>
#include <QVariant>

#include <boost/json/value.hpp>

namespace TDBXDataTypes {
enum : int {
    AnsiStringType = 1,
    DateType = 2,
    BlobType = 3,
    BooleanType = 4,
    Int16Type = 5,
    Int32Type = 6,
    DoubleType = 7,
    BcdType = 8,
    TimeType = 10,
    DateTimeType = 11,
    Int64Type = 18,
    TimeStampType = 24,
    CurrencyType = 25,
    WideStringType = 26,
};
bool isKnown(int type);
} // namespace TDBXDataTypes

struct DbxColumn
{
    QString name;
    int type = TDBXDataTypes::WideStringType;
    int ordinal = 0;
    int subType = 0;
    int scale = 0;
    int size = 0;
    int precision = 0;
    int childPosition = 0;
    bool nullable = true;
    bool hidden = false;
    int parameterDirection = 0;
    bool valueParameter = false;
    bool literal = false;

    bool operator==(const DbxColumn &) const = default;
};

class DbxTable
{
public:
    DbxTable() = default;

    // Builder
    DbxColumn &addColumn(const QString &name, int type, int size = 0, int precision = 0, int scale = 0);
    // Raises EDBXError when the row has another number of values than there are columns.
    void addRow(QVariantList row);

    const QList<DbxColumn> &columns() const { return m_columns; }
    const QList<QVariantList> &rows() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }
    int columnIndex(const QString &name) const;
    const QVariant &value(int row, int column) const { return m_rows[row][column]; }

    // Forward-only reading as the reader of a server method: Next() before the first row.
    bool Next();
    QVariant Value(int column) const;
    void rewind() { m_cursor = -1; }

    // Wire form; values that do not fit their column's type raise EConvertError.
    boost::json::value toJson() const;
    std::string toJsonText() const;
    static DbxTable fromJson(const boost::json::value &json);
    static DbxTable fromJsonText(std::string_view text);

    // True for a table decoded from the wire: every value is null or of its column's C++ type above.
    bool valuesTyped() const { return m_valuesTyped; }

    bool operator==(const DbxTable &other) const
    {
        return m_columns == other.m_columns && m_rows == other.m_rows;
    }

private:
    QList<DbxColumn> m_columns;
    QList<QVariantList> m_rows;
    int m_cursor = -1;
    bool m_valuesTyped = false;
};

// The forward-only table reader of a server method and the data packet are both carried this way.
using TDBXReader = DbxTable;
