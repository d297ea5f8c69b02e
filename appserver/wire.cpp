#include "appserver/wire.h"

#include "appserver/database.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/dbx/jsontext.h"

#include <QDate>

#include <charconv>
#include <cmath>
#include <limits>

namespace json = boost::json;

namespace appserver {

json::string jsonString(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return json::string(utf8.constData(), std::size_t(utf8.size()));
}

json::array streamJson(const QByteArray &bytes)
{
    json::array a;
    a.reserve(std::size_t(bytes.size()));
    for (char c : bytes)
        a.emplace_back(std::int64_t(static_cast<unsigned char>(c)));
    return a;
}

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

namespace {
int columnSize(int type)
{
    switch (type) {
    case DbxInt32:
    case DbxDate:
        return 4;
    case DbxDouble:
    case DbxInt64:
        return 8;
    case DbxBoolean:
        return 2;
    default:
        return 255;
    }
}
} // namespace

// Rows go straight from SQLite into JSON text, column by column: building a DbxTable or a JSON
// tree first costs several times the budget of a 10,000-row search. The tests read every answer
// back with the client's own strict decoder.
std::string tableText(Statement &query, const std::vector<ColumnSpec> &columns)
{
    const std::size_t n = columns.size();
    if (int(n) != query.columnCount())
        throw std::logic_error("column specs do not match the query");
    std::vector<std::string> values(n);
    bool first = true;
    while (query.step()) {
        for (std::size_t c = 0; c < n; ++c) {
            std::string &out = values[c];
            if (!first)
                out += ',';
            const int col = int(c);
            if (query.isNull(col)) {
                out += "null";
                continue;
            }
            switch (columns[c].type) {
            case DbxInt32:
                appendJsonNumber(out, query.columnInt(col));
                break;
            case DbxInt64:
                appendJsonNumber(out, query.columnInt64(col));
                break;
            case DbxDouble:
                appendJsonNumber(out, query.columnDouble(col));
                break;
            case DbxBoolean:
                out += query.columnInt(col) != 0 ? "true" : "false";
                break;
            case DbxBlob:
                out += json::serialize(streamJson(query.columnBlob(col)));
                break;
            default:
                appendJsonString(out, query.columnText(col));
                break;
            }
        }
        first = false;
    }
    std::size_t total = 64;
    for (std::size_t c = 0; c < n; ++c)
        total += values[c].size() + 80;
    std::string text;
    text.reserve(total);
    text += "{\"table\":[";
    for (std::size_t c = 0; c < n; ++c) {
        if (c)
            text += ',';
        const int size = columnSize(columns[c].type);
        text += '[';
        appendJsonString(text, columns[c].name);
        text += ',';
        appendJsonNumber(text, int(columns[c].type));
        text += ',';
        appendJsonNumber(text, c);
        text += ",0,0,";
        appendJsonNumber(text, size);
        text += ',';
        appendJsonNumber(text, size);
        text += ",0,true,false,0,false,false]";
    }
    text += ']';
    for (std::size_t c = 0; c < n; ++c) {
        text += ',';
        appendJsonString(text, columns[c].name);
        text += ":[";
        text += values[c];
        text += ']';
    }
    text += '}';
    return text;
}

std::string Answer::body() const
{
    if (m_isTable)
        return "{\"result\":[" + m_table + "]}";
    json::object answer;
    answer["result"] = m_values;
    return json::serialize(answer);
}

namespace {
const char *kindName(char kind)
{
    switch (kind) {
    case 'I':
        return "Integer";
    case 'D':
        return "Double";
    case 'S':
        return "string";
    default:
        return "TSonucBilgisi";
    }
}

bool isIntegral(const json::value &v)
{
    if (v.is_int64())
        return v.as_int64() >= std::numeric_limits<int>::min() &&
               v.as_int64() <= std::numeric_limits<int>::max();
    if (v.is_uint64())
        return v.as_uint64() <= std::uint64_t(std::numeric_limits<int>::max());
    if (v.is_double()) {
        const double d = v.as_double();
        return std::isfinite(d) && d == std::trunc(d) && d >= std::numeric_limits<int>::min() &&
               d <= std::numeric_limits<int>::max();
    }
    return false;
}

bool fits(const json::value &v, char kind)
{
    switch (kind) {
    case 'I':
        return isIntegral(v);
    case 'D':
        return v.is_number() && std::isfinite(v.to_number<double>());
    case 'S':
        return v.is_string();
    default:
        return v.is_null() || v.is_object();
    }
}
} // namespace

CallArgs::CallArgs(const std::string &method, const json::array &values, const char *kinds)
    : m_method(method), m_values(values)
{
    const std::size_t expected = std::char_traits<char>::length(kinds);
    if (values.size() != expected)
        throw CallError(method + ": " + std::to_string(expected) + " parametre bekleniyordu, " +
                        std::to_string(values.size()) + " geldi");
    for (std::size_t i = 0; i < expected; ++i) {
        if (!fits(values[i], kinds[i]))
            throw CallError(method + ": " + std::to_string(i + 1) + ". parametre " + kindName(kinds[i]) +
                            " olmalı");
        if (kinds[i] == 'O' && values[i].is_object())
            unmarshalSession(values[i]); // checks the shape before anything runs
    }
}

int CallArgs::integer(std::size_t i) const
{
    const json::value &v = m_values[i];
    if (v.is_double())
        return int(v.as_double());
    return int(v.to_number<std::int64_t>());
}

double CallArgs::number(std::size_t i) const
{
    return m_values[i].to_number<double>();
}

QString CallArgs::text(std::size_t i) const
{
    const json::string &s = m_values[i].as_string();
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

TSonucBilgisi CallArgs::session(std::size_t i) const
{
    if (m_values[i].is_null())
        return TSonucBilgisi();
    return unmarshalSession(m_values[i]);
}

TSonucBilgisi unmarshalSession(const json::value &value)
{
    try {
        return TJSONUnMarshal::unmarshal<TSonucBilgisi>(value);
    } catch (const Exception &e) {
        throw CallError("TSonucBilgisi: " + e.Message().toStdString());
    }
}

} // namespace appserver
