#include "platform/dbx/jsontext.h"

#include "platform/system/exception.h"

#include <boost/json.hpp>

#include <charconv>
#include <cmath>

void appendJsonString(std::string &out, std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    std::size_t run = 0; // start of the characters not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
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
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    out.append(text.data() + run, text.size() - run);
    out += '"';
}

void appendJsonNumber(std::string &out, double number)
{
    if (!std::isfinite(number)) {
        out += "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, result.ptr);
}

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
        appendJsonNumber(out, value.get_int64());
        break;
    case boost::json::kind::uint64:
        appendJsonNumber(out, value.get_uint64());
        break;
    case boost::json::kind::double_:
        appendJsonNumber(out, value.get_double());
        break;
    case boost::json::kind::string:
        appendJsonString(out, std::string_view(value.get_string().data(), value.get_string().size()));
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
            appendJsonString(out, std::string_view(member.key().data(), member.key().size()));
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
