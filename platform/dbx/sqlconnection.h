#pragma once

#include <QMap>
#include <QString>

#include <memory>
#include <string>

namespace httplib {
class Client;
}

// A DataSnap client connection over HTTP/1.1 (REST transport).
//
// Open() connects and asks the server for its platform name; Close() drops the socket.
// post() is the transport the server-method command uses; it raises EDBXError for
// every transport failure and every answer other than 200.
// One thread at a time: background work uses its own CloneConnection().
class TSQLConnection
{
public:
    TSQLConnection();
    ~TSQLConnection();
    TSQLConnection(const TSQLConnection &) = delete;
    TSQLConnection &operator=(const TSQLConnection &) = delete;

    QString ConnectionName() const { return m_connectionName; }
    void setConnectionName(const QString &name) { m_connectionName = name; }
    QString DriverName() const { return m_driverName; }
    void setDriverName(const QString &name) { m_driverName = name; }
    bool LoginPrompt() const { return m_loginPrompt; }
    void setLoginPrompt(bool prompt) { m_loginPrompt = prompt; }

    const QMap<QString, QString> &Params() const { return m_params; }
    QString param(const QString &name) const { return m_params.value(name); }
    void setParam(const QString &name, const QString &value);

    QString HostName() const { return param(QStringLiteral("HostName")); }
    void setHostName(const QString &host) { setParam(QStringLiteral("HostName"), host); }
    int Port() const { return param(QStringLiteral("Port")).toInt(); }
    void setPort(int port) { setParam(QStringLiteral("Port"), QString::number(port)); }

    void Open();
    void Close();
    bool Connected() const { return m_connected; }
    std::unique_ptr<TSQLConnection> CloneConnection() const;

    // Time-outs in milliseconds; tests shorten the read time-out to reach it quickly.
    int connectTimeout() const { return m_connectTimeoutMs; }
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    int readTimeout() const { return m_readTimeoutMs; }
    void setReadTimeout(int ms) { m_readTimeoutMs = ms; }

    // "/datasnap/rest/" from the DatasnapContext param.
    std::string restPath() const;
    // One request/answer exchange on the open connection; returns the body of a 200 answer.
    std::string post(const std::string &path, const std::string &body);
    std::string get(const std::string &path);

private:
    std::string exchange(bool isPost, const std::string &path, const std::string &body);
    void requireOpen() const;

    QString m_connectionName;
    QString m_driverName;
    bool m_loginPrompt = false;
    QMap<QString, QString> m_params;
    int m_connectTimeoutMs = 5000;
    int m_readTimeoutMs = 60000;
    bool m_connected = false;
    std::unique_ptr<httplib::Client> m_client;
};
