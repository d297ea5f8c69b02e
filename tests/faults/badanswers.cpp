#include "tests/faults/badanswers.h"

#include <boost/json.hpp>

namespace json = boost::json;

namespace {

// A value of another JSON type than the one given.
json::value otherType(const json::value &v)
{
    if (v.is_string())
        return json::value(7);
    return json::value("x");
}

bool isTable(const json::value &v)
{
    return v.is_object() && v.as_object().contains("table");
}

bool isMarshalledObject(const json::value &v)
{
    return v.is_object() && v.as_object().contains("type") && v.as_object().contains("fields");
}

// Gives the first non-null scalar inside v the wrong type: a table's first value, an object's first
// field (into nested objects and arrays), a stream's first byte, or the value itself.
bool breakFirstValue(json::value &v)
{
    if (isTable(v)) {
        for (auto &[key, column] : v.as_object()) {
            if (key == "table" || !column.is_array())
                continue;
            for (json::value &cell : column.as_array()) {
                if (!cell.is_null()) {
                    cell = otherType(cell);
                    return true;
                }
            }
        }
        return false;
    }
    if (isMarshalledObject(v)) {
        json::value &fields = v.as_object()["fields"];
        if (!fields.is_object())
            return false;
        for (auto &[key, field] : fields.as_object()) {
            if (field.is_null())
                continue;
            if (field.is_object() || field.is_array())
                return breakFirstValue(field);
            field = otherType(field);
            return true;
        }
        return false;
    }
    if (v.is_array()) {
        for (json::value &item : v.as_array()) {
            if (!item.is_null())
                return breakFirstValue(item);
        }
        return false;
    }
    if (v.is_null())
        return false;
    v = otherType(v);
    return true;
}

json::array *resultOf(json::value &answer)
{
    if (!answer.is_object())
        return nullptr;
    json::value *result = answer.as_object().if_contains("result");
    return result && result->is_array() ? &result->as_array() : nullptr;
}

bool renameFirstClass(json::value &v)
{
    if (isMarshalledObject(v)) {
        v.as_object()["type"] = "baglantiu.TBilinmeyenSinif";
        return true;
    }
    if (v.is_array()) {
        for (json::value &item : v.as_array()) {
            if (renameFirstClass(item))
                return true;
        }
    }
    return false;
}

} // namespace

QString faultName(Fault fault)
{
    switch (fault) {
    case Fault::Refused:
        return QStringLiteral("refused");
    case Fault::Slow:
        return QStringLiteral("slow");
    case Fault::Dropped:
        return QStringLiteral("dropped");
    case Fault::Malformed:
        return QStringLiteral("malformed");
    case Fault::WrongType:
        return QStringLiteral("wrongtype");
    case Fault::UnknownClass:
        return QStringLiteral("unknownclass");
    case Fault::MissingColumn:
        return QStringLiteral("missingcolumn");
    case Fault::ShortStream:
        return QStringLiteral("shortstream");
    case Fault::LongStream:
        return QStringLiteral("longstream");
    }
    return {};
}

bool injectFault(Fault fault, ScriptedServer::Answer &answer)
{
    if (answer.status != 200)
        return false;
    switch (fault) {
    case Fault::Refused:
        return false;
    case Fault::Slow:
        answer.hang = true;
        return true;
    case Fault::Dropped:
        if (answer.body.size() < 2)
            return false;
        answer.announcedLength = long(answer.body.size());
        answer.body.resize(answer.body.size() / 2);
        return true;
    case Fault::Malformed:
        // Without its closing brace the body is no JSON value at all.
        if (answer.body.empty() || answer.body.back() != '}')
            return false;
        answer.body.pop_back();
        return true;
    default:
        break;
    }

    json::error_code ec;
    json::value v = json::parse(answer.body, ec);
    json::array *result = ec ? nullptr : resultOf(v);
    if (!result)
        return false;
    bool changed = false;
    switch (fault) {
    case Fault::WrongType:
        for (json::value &item : *result) {
            if ((changed = breakFirstValue(item)))
                break;
        }
        break;
    case Fault::UnknownClass:
        for (json::value &item : *result) {
            if ((changed = renameFirstClass(item)))
                break;
        }
        break;
    case Fault::MissingColumn:
        for (json::value &item : *result) {
            if (!isTable(item))
                continue;
            json::object &table = item.as_object();
            const json::value &columns = table["table"];
            if (columns.is_array() && !columns.as_array().empty() && columns.as_array()[0].is_array() &&
                columns.as_array()[0].as_array()[0].is_string()) {
                const std::string name(columns.as_array()[0].as_array()[0].as_string());
                changed = table.erase(name) == 1;
            }
            break;
        }
        break;
    case Fault::ShortStream:
    case Fault::LongStream:
        // A stream is the one array of bytes among the outputs; its size travels beside it.
        for (json::value &item : *result) {
            if (!item.is_array())
                continue;
            json::array &bytes = item.as_array();
            if (fault == Fault::LongStream) {
                bytes.emplace_back(0);
                changed = true;
            } else if (!bytes.empty()) {
                bytes.pop_back();
                changed = true;
            }
            break;
        }
        break;
    default:
        break;
    }
    if (changed)
        answer.body = json::serialize(v);
    return changed;
}
