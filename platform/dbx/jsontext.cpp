#include "platform/dbx/jsontext.h"

#include "platform/system/exception.h"

#include <boost/json.hpp>

#include <charconv>
#include <cmath>

namespace {

void appendString(std::string &out, boost::json::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out.push_back(hex[c >> 4]);
                out.push_back(hex[c & 15]);
            } else {
                out.push_back(ch);
            }
        }
    }
    out.push_back('"');
}

template<class N>
void appendNumber(std::string &out, N number)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, result.ptr);
}

} // namespace

void appendJsonText(std::string &out, const boost::json::value &value)
{
    switch (value.kind()) {
    case boost::json::kind::null:
        out += "null";
        break;
    case boost::json::kind::bool_:
        out += value.get_bool() ? "true" : "false";
        break;
    case boost::json::kind::int64:
        appendNumber(out, value.get_int64());
        break;
    case boost::json::kind::uint64:
        appendNumber(out, value.get_uint64());
        break;
    case boost::json::kind::double_:
        if (std::isfinite(value.get_double()))
            appendNumber(out, value.get_double());
        else
            out += "null";
        break;
    case boost::json::kind::string:
        appendString(out, value.get_string());
        break;
    case boost::json::kind::array: {
        out.push_back('[');
        bool first = true;
        for (const auto &item : value.get_array()) {
            if (!first)
                out.push_back(',');
            first = false;
            appendJsonText(out, item);
        }
        out.push_back(']');
        break;
    }
    case boost::json::kind::object: {
        out.push_back('{');
        bool first = true;
        for (const auto &member : value.get_object()) {
            if (!first)
                out.push_back(',');
            first = false;
            appendString(out, member.key());
            out.push_back(':');
            appendJsonText(out, member.value());
        }
        out.push_back('}');
        break;
    }
    }
}

std::string jsonText(const boost::json::value &value)
{
    std::string out;
    appendJsonText(out, value);
    return out;
}

namespace {

boost::json::value parseInto(std::string_view text, const char *what, boost::json::storage_ptr storage)
{
    boost::json::error_code ec;
    boost::json::parse_options options;
    options.max_depth = 64;
    boost::json::value value = boost::json::parse(text, ec, std::move(storage), options);
    if (ec) {
        throw EDBXError(QStringLiteral("%1 is not valid JSON (%2, %3 bytes)")
                            .arg(QString::fromLatin1(what), QString::fromStdString(ec.message()))
                            .arg(text.size()));
    }
    return value;
}

} // namespace

boost::json::value parseJsonText(std::string_view text, const char *what)
{
    return parseInto(text, what, boost::json::make_shared_resource<boost::json::monotonic_resource>());
}

boost::json::value parseJsonText(std::string_view text, const char *what,
                                 boost::json::monotonic_resource &storage)
{
    return parseInto(text, what, boost::json::storage_ptr(&storage));
}

const char *jsonKindName(const boost::json::value &value)
{
    switch (value.kind()) {
    case boost::json::kind::null:
        return "null";
    case boost::json::kind::bool_:
        return "boolean";
    case boost::json::kind::int64:
    case boost::json::kind::uint64:
        return "integer";
    case boost::json::kind::double_:
        return "number";
    case boost::json::kind::string:
        return "string";
    case boost::json::kind::array:
        return "array";
    case boost::json::kind::object:
        return "object";
    }
    return "value";
}
