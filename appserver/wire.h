#pragma once

#include "platform/dbx/dbxtable.h"
#include "server/baglantiu.h"

#include <boost/json.hpp>

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace appserver {

class Statement;

// A call that cannot be answered; its text goes back as {"error": ...}.
class CallError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// DBX value type codes of the table format.
enum DbxType : int {
    DbxDate = TDBXDataTypes::DateType,
    DbxBlob = TDBXDataTypes::BlobType,
    DbxBoolean = TDBXDataTypes::BooleanType,
    DbxInt32 = TDBXDataTypes::Int32Type,
    DbxDouble = TDBXDataTypes::DoubleType,
    DbxInt64 = TDBXDataTypes::Int64Type,
    DbxWideString = TDBXDataTypes::WideStringType,
};

struct ColumnSpec
{
    const char *name;
    DbxType type;
};

// Writes every row of a query as JSON text in the table form of the wire (what DbxTable::toJson
// writes); the query's columns map to specs by position. Dates are stored as YYYY-MM-DD text.
std::string tableText(Statement &query, const std::vector<ColumnSpec> &columns);

// What a method answers: its outputs and result as JSON values, or one table already in text form.
class Answer
{
public:
    Answer(boost::json::array values) : m_values(std::move(values)) {}
    static Answer table(std::string text)
    {
        Answer a({});
        a.m_table = std::move(text);
        a.m_isTable = true;
        return a;
    }
    // {"result":[...]}
    std::string body() const;

private:
    boost::json::array m_values;
    std::string m_table;
    bool m_isTable = false;
};

boost::json::string jsonString(const QString &text);
boost::json::array streamJson(const QByteArray &bytes);
QString hexText(const QByteArray &bytes);

// The input parameters of one call, checked against the method's declaration.
// Kinds: 'I' Integer, 'D' Double, 'S' string, 'O' TSonucBilgisi (object or null).
class CallArgs
{
public:
    CallArgs(const std::string &method, const boost::json::array &values, const char *kinds);

    int integer(std::size_t i) const;
    double number(std::size_t i) const;
    QString text(std::size_t i) const;
    // A null session record reads as a fresh one (no customer, no user).
    TSonucBilgisi session(std::size_t i) const;

private:
    const std::string &m_method;
    const boost::json::array &m_values;
};

TSonucBilgisi unmarshalSession(const boost::json::value &value);

} // namespace appserver
