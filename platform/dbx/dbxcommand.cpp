#include "platform/dbx/dbxcommand.h"

#include "platform/dbx/jsontext.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/exception.h"

#include <QBuffer>
#include <QRegularExpression>

#include <boost/json.hpp>

#include <limits>

namespace json = boost::json;

bool TDBXParameter::isInput() const
{
    return m_direction == TDBXParameterDirection::In || m_direction == TDBXParameterDirection::InOut;
}

bool TDBXParameter::isOutput() const
{
    return m_direction != TDBXParameterDirection::In;
}

void TDBXParameter::setString(const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    m_value.emplace(json::string(json::string_view(utf8.constData(), size_t(utf8.size()))));
}

const json::value &TDBXParameter::JSONValue() const
{
    static const json::value null;
    return m_value ? *m_value : null;
}

void TDBXParameter::wrongKind(const char *expected) const
{
    throw EConvertError(QStringLiteral("Parameter %1: %2 expected, got %3")
                            .arg(m_name, QLatin1String(expected), QLatin1String(jsonKindName(JSONValue()))));
}

QString TDBXParameter::asString() const
{
    if (!JSONValue().is_string())
        wrongKind("string");
    return jsonString(JSONValue().get_string());
}

int TDBXParameter::asInt32() const
{
    if (!JSONValue().is_int64() || JSONValue().get_int64() < std::numeric_limits<int>::min() ||
        JSONValue().get_int64() > std::numeric_limits<int>::max())
        wrongKind("32-bit integer");
    return int(JSONValue().get_int64());
}

qint64 TDBXParameter::asInt64() const
{
    if (!JSONValue().is_int64())
        wrongKind("64-bit integer");
    return JSONValue().get_int64();
}

double TDBXParameter::asDouble() const
{
    if (JSONValue().is_double())
        return JSONValue().get_double();
    if (JSONValue().is_int64())
        return double(JSONValue().get_int64());
    if (JSONValue().is_uint64())
        return double(JSONValue().get_uint64());
    wrongKind("number");
}

bool TDBXParameter::asBoolean() const
{
    if (!JSONValue().is_bool())
        wrongKind("boolean");
    return JSONValue().get_bool();
}

DbxTable TDBXParameter::asTable() const
{
    return DbxTable::fromJson(JSONValue());
}

QByteArray TDBXParameter::asStream() const
{
    if (!JSONValue().is_array())
        wrongKind("byte array");
    const json::array &bytes = JSONValue().get_array();
    QByteArray result(qsizetype(bytes.size()), Qt::Uninitialized);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (!bytes[i].is_int64() || bytes[i].get_int64() < 0 || bytes[i].get_int64() > 255)
            throw EConvertError(QStringLiteral("Parameter %1: stream byte %2 is not a value from 0 to 255")
                                    .arg(m_name)
                                    .arg(qsizetype(i)));
        result[qsizetype(i)] = char(bytes[i].get_int64());
    }
    return result;
}

TDBXCommand::TDBXCommand(TSQLConnection &connection) : m_connection(connection) {}

void TDBXCommand::setParameters(std::initializer_list<TDBXParameterDirection> directions)
{
    m_parameters.clear();
    for (const auto direction : directions) {
        m_parameters.emplace_back(direction);
        m_parameters.back().setName(QStringLiteral("%1[%2]").arg(m_text).arg(m_parameters.size() - 1));
    }
}

void TDBXCommand::setParameters(
    std::initializer_list<std::pair<const char *, TDBXParameterDirection>> parameters)
{
    m_parameters.clear();
    for (const auto &[name, direction] : parameters) {
        m_parameters.emplace_back(direction);
        m_parameters.back().setName(QStringLiteral("%1.%2").arg(m_text, QLatin1String(name)));
    }
}

void TDBXCommand::Prepare()
{
    if (!m_connection.Connected())
        throw EDBXError(
            QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    if (m_commandType != QLatin1String(TDBXCommandTypes::DSServerMethod))
        throw EDBXError(QStringLiteral("Unsupported command type: %1").arg(m_commandType));
    static const QRegularExpression serverMethod(
        QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)\\.([A-Za-z_][A-Za-z0-9_]*)$"));
    const QRegularExpressionMatch match = serverMethod.match(m_text);
    if (!match.hasMatch())
        throw EDBXError(QStringLiteral("Not a server method: %1").arg(m_text));
    // The quoted method name keeps a DataSnap server from mapping POST to an "update" method.
    m_path = m_connection.restPath() + match.captured(1).toStdString() + "/%22" +
             match.captured(2).toStdString() + "%22";
    m_prepared = true;
    ++m_prepareCount;
}

std::string TDBXCommand::requestBody() const
{
    json::array inputs;
    for (const TDBXParameter &parameter : m_parameters) {
        if (parameter.isInput())
            inputs.push_back(parameter.JSONValue());
    }
    json::object body;
    body["_parameters"] = std::move(inputs);
    return jsonText(body);
}

void TDBXCommand::ExecuteUpdate()
{
    if (!m_prepared)
        Prepare();
    const std::string answerText = m_connection.post(m_path, requestBody());
    auto storage = std::make_shared<json::monotonic_resource>();
    json::value answer =
        parseJsonText(answerText, qPrintable(QStringLiteral("The answer to %1").arg(m_text)), *storage);
    json::object *object = answer.if_object();
    if (!object)
        throw EDBXError(QStringLiteral("The answer to %1 is not a JSON object").arg(m_text));
    if (const json::value *error = object->if_contains("error")) {
        throw EDBXError(error->is_string() ? jsonString(error->get_string())
                                           : QStringLiteral("%1 failed on the server").arg(m_text));
    }
    json::value *result = object->if_contains("result");
    if (!result || !result->is_array())
        throw EDBXError(QStringLiteral("The answer to %1 has no \"result\" array").arg(m_text));
    json::array &values = result->get_array();
    size_t outputs = 0;
    for (const TDBXParameter &parameter : m_parameters)
        outputs += parameter.isOutput() ? 1 : 0;
    if (values.size() != outputs)
        throw EDBXError(QStringLiteral("%1 answered %2 results where %3 were expected")
                            .arg(m_text)
                            .arg(values.size())
                            .arg(outputs));
    size_t next = 0;
    for (TDBXParameter &parameter : m_parameters) {
        if (parameter.isOutput())
            parameter.setJSONValue(std::move(values[next++]), storage);
    }
}

QByteArray downloadStream(const QByteArray &stream, qint64 announcedSize)
{
    if (announcedSize == 0)
        return {};
    QByteArray source = stream;
    QBuffer reader(&source);
    reader.open(QIODevice::ReadOnly);
    QByteArray collected;
    char buffer[1024];
    for (;;) {
        const qint64 n = reader.read(buffer, sizeof buffer);
        if (n > 0)
            collected.append(buffer, n);
        if (n < qint64(sizeof buffer))
            break;
    }
    if (collected.size() != announcedSize)
        return {};
    return collected;
}
