#pragma once

#include <boost/json.hpp>

#include <QString>

#include <functional>
#include <string>

namespace appserver {

class ConnectionPool;
class Connection;

// The server class TServerMethods1: every method the client calls, answered from the database.
class ServerMethods
{
public:
    explicit ServerMethods(ConnectionPool &pool);

    // An unknown computer ID asking BuyukGetir is registered to this user (upper-cased name).
    void setAutoRegisterUser(const QString &userName) { m_autoRegisterUser = userName.toUpper(); }

    bool has(const std::string &method) const;
    // The answer body {"result":[...]} of a call; throws CallError for bad input.
    std::string call(const std::string &method, const boost::json::array &parameters);

    struct Context;

private:
    ConnectionPool &m_pool;
    QString m_autoRegisterUser;
};

} // namespace appserver
