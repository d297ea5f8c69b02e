#pragma once

// A server-method command over a TSQLConnection: command type "DataSnap.ServerMethod", text
// "<Class>.<Method>", parameters by ordinal (inputs, outputs and the return value last).
// ExecuteUpdate() is one exchange: POST <context>rest/<Class>/%22<Method>%22 with
// {"_parameters":[inputs]}, answer {"result":[outputs..., return value]} or {"error":"..."}.
//
//   TDBXCommand c(connection);
//   c.setCommandType(TDBXCommandTypes::DSServerMethod);
//   c.setText("TServerMethods1.SepetSayisi");
//   c.setParameters({TDBXParameterDirection::In, TDBXParameterDirection::ReturnValue});
//   c.Prepare();
//   c.Parameters()[0].setJSONValue(...); c.ExecuteUpdate(); int n = c.Parameters()[1].asInt32();

#include "platform/dbx/dbxtable.h"

#include <QByteArray>
#include <QString>

#include <boost/json/monotonic_resource.hpp>
#include <boost/json/value.hpp>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TSQLConnection;

namespace TDBXCommandTypes {
inline constexpr const char *DSServerMethod = "DataSnap.ServerMethod";
}

enum class TDBXParameterDirection { In, Out, InOut, ReturnValue };

class TDBXParameter
{
public:
    explicit TDBXParameter(TDBXParameterDirection direction = TDBXParameterDirection::In)
        : m_direction(direction)
    {}

    TDBXParameterDirection direction() const { return m_direction; }
    bool isInput() const;
    bool isOutput() const;

    void setString(const QString &value);
    void setInt32(int value) { m_value.emplace(value); }
    void setInt64(qint64 value) { m_value.emplace(std::int64_t(value)); }
    void setDouble(double value) { m_value.emplace(value); }
    void setBoolean(bool value) { m_value.emplace(value); }
    void setNull() { m_value.emplace(nullptr); }
    // Keeps the value's own storage (an answer's table is not copied).
    void setJSONValue(boost::json::value value) { m_value.emplace(std::move(value)); }
    // A value living in an answer's storage, which the parameter keeps alive as long as the value.
    void setJSONValue(boost::json::value value, std::shared_ptr<boost::json::monotonic_resource> storage)
    {
        m_value.emplace(std::move(value));
        m_storage = std::move(storage);
    }

    // Reading an output; a value of another JSON type raises EConvertError.
    const boost::json::value &JSONValue() const;
    bool isNull() const { return JSONValue().is_null(); }
    QString asString() const;
    int asInt32() const;
    qint64 asInt64() const;
    double asDouble() const;
    bool asBoolean() const;
    DbxTable asTable() const;
    // A stream arrives as an array of byte values.
    QByteArray asStream() const;

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }

private:
    [[noreturn]] void wrongKind(const char *expected) const;

    TDBXParameterDirection m_direction;
    QString m_name;
    // Declared before the value: it must outlive it.
    std::shared_ptr<boost::json::monotonic_resource> m_storage;
    std::optional<boost::json::value> m_value;
};

class TDBXCommand
{
public:
    explicit TDBXCommand(TSQLConnection &connection);

    QString CommandType() const { return m_commandType; }
    void setCommandType(const QString &type) { m_commandType = type; }
    QString Text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

    void setParameters(std::initializer_list<TDBXParameterDirection> directions);
    // The same with the declared names, which error messages use.
    void setParameters(std::initializer_list<std::pair<const char *, TDBXParameterDirection>> parameters);
    std::vector<TDBXParameter> &Parameters() { return m_parameters; }
    const std::vector<TDBXParameter> &Parameters() const { return m_parameters; }

    // Checks the command and the connection; raises EDBXError.
    void Prepare();
    bool isPrepared() const { return m_prepared; }
    int prepareCount() const { return m_prepareCount; }

    // Sends the inputs, fills the outputs in ordinal order. Nothing is retried.
    void ExecuteUpdate();

    // The request body that ExecuteUpdate sends (for diagnostics and tests).
    std::string requestBody() const;

private:
    TSQLConnection &m_connection;
    QString m_commandType;
    QString m_text;
    std::string m_path;
    std::vector<TDBXParameter> m_parameters;
    bool m_prepared = false;
    int m_prepareCount = 0;
};

// The stream download rule: read in 1024-byte chunks until a short read; the data counts only when
// its length equals the announced size. Size 0 (or a mismatch) gives empty data and no error.
QByteArray downloadStream(const QByteArray &stream, qint64 announcedSize);
