#include "platform/dbx/dbxtable.h"

#include "platform/dbx/jsontext.h"
#include "platform/system/exception.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTime>

#include <boost/json.hpp>

#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace json = boost::json;

bool TDBXDataTypes::isKnown(int type)
{
    switch (type) {
    case AnsiStringType:
    case DateType:
    case BlobType:
    case BooleanType:
    case Int16Type:
    case Int32Type:
    case DoubleType:
    case BcdType:
    case TimeType:
    case DateTimeType:
    case Int64Type:
    case TimeStampType:
    case CurrencyType:
    case WideStringType:
        return true;
    default:
        return false;
    }
}

namespace {

const int kColumnInfoLength = 13;

[[noreturn]] void badValue(const DbxColumn &column, qsizetype row, const QString &what)
{
    throw EConvertError(QStringLiteral("Column %1, row %2: %3").arg(column.name).arg(row).arg(what));
}

[[noreturn]] void wrongKind(const DbxColumn &column, qsizetype row, const char *expected,
                            const json::value &v)
{
    badValue(
        column, row,
        QStringLiteral("%1 expected, got %2").arg(QLatin1String(expected), QLatin1String(jsonKindName(v))));
}

// Fixed-width digits; -1 when a character is not a digit.
int digits(const char *p, int count)
{
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        n = n * 10 + (p[i] - '0');
    }
    return n;
}

bool parseDate(const char *p, size_t size, QDate &date)
{
    if (size != 10 || p[4] != '-' || p[7] != '-')
        return false;
    const int y = digits(p, 4), m = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return false;
    date = QDate(y, m, d);
    return date.isValid();
}

// hh:nn:ss with an optional fraction (milliseconds are kept).
bool parseTime(const char *p, size_t size, QTime &time)
{
    if (size < 8 || p[2] != ':' || p[5] != ':')
        return false;
    const int h = digits(p, 2), n = digits(p + 3, 2), s = digits(p + 6, 2);
    if (h < 0 || n < 0 || s < 0)
        return false;
    int ms = 0;
    if (size > 8) {
        if (p[8] != '.' || size == 9)
            return false;
        int scale = 100;
        for (size_t i = 9; i < size; ++i) {
            if (p[i] < '0' || p[i] > '9')
                return false;
            ms += (p[i] - '0') * scale;
            scale /= 10;
        }
    }
    time = QTime(h, n, s, ms);
    return time.isValid();
}

bool parseDateTime(const char *p, size_t size, QDateTime &dateTime)
{
    QDate date;
    QTime time;
    if (size < 19 || (p[10] != ' ' && p[10] != 'T') || !parseDate(p, 10, date) ||
        !parseTime(p + 11, size - 11, time))
        return false;
    dateTime = QDateTime(date, time);
    return dateTime.isValid();
}

QVariant decodeValue(const DbxColumn &column, qsizetype row, const json::value &v)
{
    if (v.is_null())
        return QVariant();
    switch (column.type) {
    case TDBXDataTypes::AnsiStringType:
    case TDBXDataTypes::WideStringType:
        if (!v.is_string())
            wrongKind(column, row, "string", v);
        return jsonString(v.get_string());
    case TDBXDataTypes::Int16Type:
    case TDBXDataTypes::Int32Type: {
        if (!v.is_int64())
            wrongKind(column, row, "integer", v);
        const auto n = v.get_int64();
        const bool small = column.type == TDBXDataTypes::Int16Type;
        if (n < (small ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min()) ||
            n > (small ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max()))
            badValue(column, row, QStringLiteral("integer %1 out of range").arg(n));
        return int(n);
    }
    case TDBXDataTypes::Int64Type:
        if (!v.is_int64())
            wrongKind(column, row, "64-bit integer", v);
        return qlonglong(v.get_int64());
    case TDBXDataTypes::DoubleType:
    case TDBXDataTypes::BcdType:
    case TDBXDataTypes::CurrencyType:
        if (v.is_double()) {
            // The parser reads a number beyond the double range as an infinity.
            if (!std::isfinite(v.get_double()))
                badValue(column, row, QStringLiteral("number out of range"));
            return v.get_double();
        }
        if (v.is_int64())
            return double(v.get_int64());
        if (v.is_uint64())
            return double(v.get_uint64());
        wrongKind(column, row, "number", v);
    case TDBXDataTypes::BooleanType:
        if (!v.is_bool())
            wrongKind(column, row, "boolean", v);
        return v.get_bool();
    case TDBXDataTypes::DateType: {
        if (!v.is_string())
            wrongKind(column, row, "date text", v);
        QDate date;
        if (!parseDate(v.get_string().data(), v.get_string().size(), date))
            badValue(column, row, QStringLiteral("'%1' is not a date").arg(jsonString(v.get_string())));
        return date;
    }
    case TDBXDataTypes::TimeType: {
        if (!v.is_string())
            wrongKind(column, row, "time text", v);
        QTime time;
        if (!parseTime(v.get_string().data(), v.get_string().size(), time))
            badValue(column, row, QStringLiteral("'%1' is not a time").arg(jsonString(v.get_string())));
        return time;
    }
    case TDBXDataTypes::DateTimeType:
    case TDBXDataTypes::TimeStampType: {
        if (!v.is_string())
            wrongKind(column, row, "date-time text", v);
        QDateTime dateTime;
        if (!parseDateTime(v.get_string().data(), v.get_string().size(), dateTime))
            badValue(column, row, QStringLiteral("'%1' is not a date-time").arg(jsonString(v.get_string())));
        return dateTime;
    }
    case TDBXDataTypes::BlobType: {
        if (!v.is_array())
            wrongKind(column, row, "byte array", v);
        const auto &bytes = v.get_array();
        QByteArray blob(qsizetype(bytes.size()), Qt::Uninitialized);
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (!bytes[i].is_int64() || bytes[i].get_int64() < 0 || bytes[i].get_int64() > 255)
                badValue(column, row,
                         QStringLiteral("byte %1 is not a value from 0 to 255").arg(qsizetype(i)));
            blob[qsizetype(i)] = char(bytes[i].get_int64());
        }
        return blob;
    }
    }
    badValue(column, row, QStringLiteral("unknown type %1").arg(column.type));
}

json::value encodeValue(const DbxColumn &column, qsizetype row, const QVariant &v)
{
    if (v.isNull())
        return nullptr;
    bool ok = true;
    auto fail = [&](const char *expected) {
        badValue(column, row,
                 QStringLiteral("%1 cannot be written as %2")
                     .arg(QLatin1String(v.typeName()), QLatin1String(expected)));
    };
    switch (column.type) {
    case TDBXDataTypes::AnsiStringType:
    case TDBXDataTypes::WideStringType: {
        const QByteArray utf8 = v.toString().toUtf8();
        return json::string(json::string_view(utf8.constData(), size_t(utf8.size())));
    }
    case TDBXDataTypes::Int16Type:
    case TDBXDataTypes::Int32Type: {
        const int n = v.toInt(&ok);
        if (!ok)
            fail("an integer");
        return n;
    }
    case TDBXDataTypes::Int64Type: {
        const qlonglong n = v.toLongLong(&ok);
        if (!ok)
            fail("a 64-bit integer");
        return std::int64_t(n);
    }
    case TDBXDataTypes::DoubleType:
    case TDBXDataTypes::BcdType:
    case TDBXDataTypes::CurrencyType: {
        const double d = v.toDouble(&ok);
        if (!ok)
            fail("a number");
        return d;
    }
    case TDBXDataTypes::BooleanType:
        if (v.typeId() != QMetaType::Bool && !v.canConvert<bool>())
            fail("a boolean");
        return v.toBool();
    case TDBXDataTypes::DateType: {
        const QDate date = v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
        if (!date.isValid())
            fail("a date");
        return json::string(date.toString(QStringLiteral("yyyy-MM-dd")).toStdString());
    }
    case TDBXDataTypes::TimeType: {
        const QTime time = v.typeId() == QMetaType::QDateTime ? v.toDateTime().time() : v.toTime();
        if (!time.isValid())
            fail("a time");
        const QString format = time.msec() ? QStringLiteral("hh:mm:ss.zzz") : QStringLiteral("hh:mm:ss");
        return json::string(time.toString(format).toStdString());
    }
    case TDBXDataTypes::DateTimeType:
    case TDBXDataTypes::TimeStampType: {
        const QDateTime dateTime = v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
        if (!dateTime.isValid())
            fail("a date-time");
        const QString format = dateTime.time().msec() ? QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")
                                                      : QStringLiteral("yyyy-MM-dd hh:mm:ss");
        return json::string(dateTime.toString(format).toStdString());
    }
    case TDBXDataTypes::BlobType: {
        if (v.typeId() != QMetaType::QByteArray)
            fail("bytes");
        const QByteArray bytes = v.toByteArray();
        json::array array;
        array.reserve(size_t(bytes.size()));
        for (const char c : bytes)
            array.push_back(std::int64_t(static_cast<unsigned char>(c)));
        return array;
    }
    }
    fail("a known type");
    return nullptr;
}

// Text columns repeat themselves (units, brands, groups): one shared QString per distinct value saves
// a conversion and an allocation each. Columns of mostly distinct values stop asking early.
class StringCache
{
public:
    QVariant get(const json::string &text)
    {
        const std::string_view key(text.data(), text.size());
        if (!m_enabled || key.empty())
            return jsonString(text);
        ++m_lookups;
        if (auto it = m_strings.find(key); it != m_strings.end())
            return it->second;
        QVariant value = jsonString(text);
        m_strings.emplace(key, value);
        if (m_strings.size() > 64 && m_strings.size() * 2 > m_lookups) {
            m_enabled = false;
            m_strings.clear();
        }
        return value;
    }

private:
    std::unordered_map<std::string_view, QVariant> m_strings;
    size_t m_lookups = 0;
    bool m_enabled = true;
};

int intInfo(const json::array &info, size_t i, const char *what, size_t column)
{
    if (!info[i].is_int64() || info[i].get_int64() < std::numeric_limits<int>::min() ||
        info[i].get_int64() > std::numeric_limits<int>::max())
        throw EDBXError(QStringLiteral("Table column %1: %2 must be an integer, got %3")
                            .arg(column)
                            .arg(QLatin1String(what), QLatin1String(jsonKindName(info[i]))));
    return int(info[i].get_int64());
}

bool boolInfo(const json::array &info, size_t i, const char *what, size_t column)
{
    if (!info[i].is_bool())
        throw EDBXError(QStringLiteral("Table column %1: %2 must be true or false, got %3")
                            .arg(column)
                            .arg(QLatin1String(what), QLatin1String(jsonKindName(info[i]))));
    return info[i].get_bool();
}

DbxColumn decodeColumn(const json::value &entry, size_t index)
{
    if (!entry.is_array() || entry.get_array().size() != kColumnInfoLength)
        throw EDBXError(QStringLiteral("Table column %1: an array of %2 column properties expected")
                            .arg(index)
                            .arg(kColumnInfoLength));
    const json::array &info = entry.get_array();
    if (!info[0].is_string() || info[0].get_string().empty())
        throw EDBXError(QStringLiteral("Table column %1: the name must be a non-empty string").arg(index));
    DbxColumn column;
    column.name = jsonString(info[0].get_string());
    if (column.name == QLatin1String("table"))
        throw EDBXError(QStringLiteral("Table column %1: \"table\" cannot name a column").arg(index));
    column.type = intInfo(info, 1, "the type", index);
    if (!TDBXDataTypes::isKnown(column.type))
        throw EDBXError(
            QStringLiteral("Table column %1: unknown DBX type code %2").arg(column.name).arg(column.type));
    column.ordinal = intInfo(info, 2, "the ordinal", index);
    column.subType = intInfo(info, 3, "the sub-type", index);
    column.scale = intInfo(info, 4, "the scale", index);
    column.size = intInfo(info, 5, "the size", index);
    column.precision = intInfo(info, 6, "the precision", index);
    column.childPosition = intInfo(info, 7, "the child position", index);
    column.nullable = boolInfo(info, 8, "nullable", index);
    column.hidden = boolInfo(info, 9, "hidden", index);
    column.parameterDirection = intInfo(info, 10, "the parameter direction", index);
    column.valueParameter = boolInfo(info, 11, "value parameter", index);
    column.literal = boolInfo(info, 12, "literal", index);
    return column;
}

} // namespace

DbxColumn &DbxTable::addColumn(const QString &name, int type, int size, int precision, int scale)
{
    if (!TDBXDataTypes::isKnown(type))
        throw EDBXError(QStringLiteral("Column %1: unknown DBX type code %2").arg(name).arg(type));
    if (columnIndex(name) >= 0)
        throw EDBXError(QStringLiteral("Column %1 is already in the table").arg(name));
    // The wire form keeps the column list under "table".
    if (name.isEmpty() || name == QLatin1String("table"))
        throw EDBXError(QStringLiteral("\"%1\" cannot name a column").arg(name));
    if (!m_rows.isEmpty())
        throw EDBXError(QStringLiteral("Columns must be added before the rows"));
    DbxColumn column;
    column.name = name;
    column.type = type;
    column.ordinal = int(m_columns.size());
    column.size = size;
    column.precision = precision;
    column.scale = scale;
    m_columns.append(column);
    return m_columns.last();
}

void DbxTable::addRow(QVariantList row)
{
    if (row.size() != m_columns.size())
        throw EDBXError(
            QStringLiteral("A row of %1 values for %2 columns").arg(row.size()).arg(m_columns.size()));
    m_rows.append(std::move(row));
    m_valuesTyped = false;
}

int DbxTable::columnIndex(const QString &name) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name == name)
            return int(i);
    }
    return -1;
}

bool DbxTable::Next()
{
    if (m_cursor + 1 >= m_rows.size()) {
        m_cursor = int(m_rows.size());
        return false;
    }
    ++m_cursor;
    return true;
}

QVariant DbxTable::Value(int column) const
{
    if (m_cursor < 0 || m_cursor >= m_rows.size())
        throw EDBXError(QStringLiteral("The reader is not on a row"));
    if (column < 0 || column >= m_columns.size())
        throw EDBXError(
            QStringLiteral("Column index %1 out of range (%2 columns)").arg(column).arg(m_columns.size()));
    return m_rows[m_cursor][column];
}

json::value DbxTable::toJson() const
{
    json::object object;
    json::array info;
    info.reserve(size_t(m_columns.size()));
    for (const DbxColumn &c : m_columns) {
        info.push_back(json::array{c.name.toStdString(), c.type, c.ordinal, c.subType, c.scale, c.size,
                                   c.precision, c.childPosition, c.nullable, c.hidden, c.parameterDirection,
                                   c.valueParameter, c.literal});
    }
    object["table"] = std::move(info);
    for (qsizetype c = 0; c < m_columns.size(); ++c) {
        json::array values;
        values.reserve(size_t(m_rows.size()));
        for (qsizetype r = 0; r < m_rows.size(); ++r)
            values.push_back(encodeValue(m_columns[c], r, m_rows[r][c]));
        object[m_columns[c].name.toStdString()] = std::move(values);
    }
    return object;
}

std::string DbxTable::toJsonText() const
{
    return jsonText(toJson());
}

DbxTable DbxTable::fromJson(const json::value &value)
{
    const json::object *object = value.if_object();
    if (!object)
        throw EDBXError(
            QStringLiteral("A table object expected, got %1").arg(QLatin1String(jsonKindName(value))));
    const json::value *tableInfo = object->if_contains("table");
    if (!tableInfo || !tableInfo->is_array())
        throw EDBXError(QStringLiteral("The table has no \"table\" array of columns"));

    DbxTable table;
    const json::array &infos = tableInfo->get_array();
    table.m_columns.reserve(qsizetype(infos.size()));
    QSet<QString> names;
    for (size_t i = 0; i < infos.size(); ++i) {
        DbxColumn column = decodeColumn(infos[i], i);
        if (names.contains(column.name))
            throw EDBXError(QStringLiteral("Table column %1 appears twice").arg(column.name));
        names.insert(column.name);
        table.m_columns.append(std::move(column));
    }

    std::vector<const json::array *> data;
    data.reserve(infos.size());
    for (const DbxColumn &column : table.m_columns) {
        const QByteArray key = column.name.toUtf8();
        const json::value *values =
            object->if_contains(json::string_view(key.constData(), size_t(key.size())));
        if (!values)
            throw EDBXError(QStringLiteral("Table column %1 has no values").arg(column.name));
        if (!values->is_array())
            throw EDBXError(QStringLiteral("Table column %1: an array of values expected, got %2")
                                .arg(column.name, QLatin1String(jsonKindName(*values))));
        data.push_back(&values->get_array());
    }
    if (object->size() != data.size() + 1) {
        for (const auto &member : *object) {
            const QString key = QString::fromUtf8(member.key().data(), qsizetype(member.key().size()));
            if (key != QLatin1String("table") && !names.contains(key))
                throw EDBXError(QStringLiteral("Values for %1, which is not a column of the table").arg(key));
        }
    }

    const size_t rowCount = data.empty() ? 0 : data.front()->size();
    for (size_t c = 0; c < data.size(); ++c) {
        if (data[c]->size() != rowCount)
            throw EDBXError(QStringLiteral("Table column %1 has %2 values, column %3 has %4")
                                .arg(table.m_columns[qsizetype(c)].name)
                                .arg(data[c]->size())
                                .arg(table.m_columns[0].name)
                                .arg(rowCount));
    }

    const qsizetype columnCount = table.m_columns.size();
    table.m_rows.resize(qsizetype(rowCount));
    std::vector<QVariant *> cells(rowCount);
    for (size_t r = 0; r < rowCount; ++r) {
        table.m_rows[qsizetype(r)].resize(columnCount);
        cells[r] = table.m_rows[qsizetype(r)].data();
    }
    // Column by column: the type is decided once per column, not once per value.
    for (qsizetype c = 0; c < columnCount; ++c) {
        const DbxColumn &column = table.m_columns[c];
        const json::array &values = *data[size_t(c)];
        const bool text =
            column.type == TDBXDataTypes::WideStringType || column.type == TDBXDataTypes::AnsiStringType;
        if (text) {
            StringCache cache;
            for (size_t r = 0; r < rowCount; ++r) {
                const json::value &v = values[r];
                if (v.is_string())
                    cells[r][c] = cache.get(v.get_string());
                else if (!v.is_null())
                    wrongKind(column, qsizetype(r), "string", v);
            }
        } else {
            for (size_t r = 0; r < rowCount; ++r)
                cells[r][c] = decodeValue(column, qsizetype(r), values[r]);
        }
    }
    table.m_valuesTyped = true;
    return table;
}

DbxTable DbxTable::fromJsonText(std::string_view text)
{
    return fromJson(parseJsonText(text, "The table"));
}
