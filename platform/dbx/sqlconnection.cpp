#include "platform/dbx/sqlconnection.h"

#include "platform/system/exception.h"

#include <boost/json.hpp>
#include <httplib.h>

#include <algorithm>

namespace {

const char kNotOpen[] = "Connection cannot be nil.  Make sure the connection has been opened.";

} // namespace

TSQLConnection::TSQLConnection()
    : m_connectionName(QStringLiteral("DataSnapCONNECTION")), m_driverName(QStringLiteral("DataSnap"))
{
    m_params = {
        {QStringLiteral("DriverUnit"), QStringLiteral("Data.DBXDataSnap")},
        {QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/")},
        {QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip")},
        {QStringLiteral("HostName"), QStringLiteral("localhost")},
        {QStringLiteral("Port"), QStringLiteral("9090")},
        {QStringLiteral("Filters"), QStringLiteral("{}")},
        {QStringLiteral("DSProxyPort"), QStringLiteral("8090")},
    };
}

TSQLConnection::~TSQLConnection() = default;

void TSQLConnection::setParam(const QString &name, const QString &value)
{
    m_params.insert(name, value);
}

std::string TSQLConnection::restPath() const
{
    QString context = param(QStringLiteral("DatasnapContext"));
    if (!context.startsWith(u'/'))
        context.prepend(u'/');
    if (!context.endsWith(u'/'))
        context.append(u'/');
    return (context + QStringLiteral("rest/")).toStdString();
}

void TSQLConnection::Open()
{
    if (m_connected)
        return;
    const int port = Port();
    if (port <= 0 || port > 65535)
        throw EDBXError(QStringLiteral("Invalid port: %1").arg(param(QStringLiteral("Port"))));

    auto client = std::make_unique<httplib::Client>(HostName().toStdString(), port);
    client->set_keep_alive(true);
    // Requests are small and answered at once: without this each call waits for a delayed ACK.
    client->set_tcp_nodelay(true);
    client->set_connection_timeout(std::chrono::milliseconds(m_connectTimeoutMs));
    // The handshake belongs to connecting: a server that accepts but never answers must not hold
    // BaglantiAc's eleven attempts for a minute each.
    client->set_read_timeout(std::chrono::milliseconds(std::min(m_connectTimeoutMs, m_readTimeoutMs)));
    client->set_write_timeout(std::chrono::milliseconds(m_readTimeoutMs));
    m_client = std::move(client);
    m_connected = true;

    try {
        const std::string body = get(restPath() + "DSAdmin/GetPlatformName");
        boost::json::error_code ec;
        const boost::json::value answer = boost::json::parse(body, ec);
        const boost::json::object *object = ec ? nullptr : answer.if_object();
        const boost::json::value *result = object ? object->if_contains("result") : nullptr;
        if (!result || !result->is_array())
            throw EDBXError(QStringLiteral("The server at %1:%2 is not a DataSnap REST server")
                                .arg(HostName())
                                .arg(port));
        m_client->set_read_timeout(std::chrono::milliseconds(m_readTimeoutMs));
    } catch (...) {
        Close();
        throw;
    }
}

void TSQLConnection::Close()
{
    if (m_client)
        m_client->stop();
    m_client.reset();
    m_connected = false;
}

std::unique_ptr<TSQLConnection> TSQLConnection::CloneConnection() const
{
    auto clone = std::make_unique<TSQLConnection>();
    clone->m_connectionName = m_connectionName;
    clone->m_driverName = m_driverName;
    clone->m_loginPrompt = m_loginPrompt;
    clone->m_params = m_params;
    clone->m_connectTimeoutMs = m_connectTimeoutMs;
    clone->m_readTimeoutMs = m_readTimeoutMs;
    return clone;
}

void TSQLConnection::requireOpen() const
{
    if (!m_connected || !m_client)
        throw EDBXError(QString::fromLatin1(kNotOpen));
}

std::string TSQLConnection::post(const std::string &path, const std::string &body)
{
    return exchange(true, path, body);
}

std::string TSQLConnection::get(const std::string &path)
{
    return exchange(false, path, {});
}

namespace {

// What the user reads when the exchange itself failed; the library's names ("Read") say too little.
QString transportErrorText(httplib::Error error)
{
    switch (error) {
    case httplib::Error::Connection:
        return QStringLiteral("Sunucuya bağlanılamadı");
    case httplib::Error::ConnectionTimeout:
        return QStringLiteral("Sunucuya bağlanırken zaman aşımı");
    case httplib::Error::Read:
        return QStringLiteral("Sunucunun yanıtı alınamadı (bağlantı kesildi ya da zaman aşımı)");
    case httplib::Error::Write:
        return QStringLiteral("İstek sunucuya gönderilemedi");
    default:
        return QStringLiteral("Sunucuyla iletişim hatası (%1)")
            .arg(QString::fromStdString(httplib::to_string(error)));
    }
}

} // namespace

std::string TSQLConnection::exchange(bool isPost, const std::string &path, const std::string &body)
{
    requireOpen();
    const httplib::Headers headers = {{"Accept", "application/json"}};
    httplib::Result result = isPost ? m_client->Post(path.c_str(), headers, body, "application/json")
                                    : m_client->Get(path.c_str(), headers);
    if (!result) {
        throw EDBXError(
            QStringLiteral("%1:%2: %3").arg(HostName()).arg(Port()).arg(transportErrorText(result.error())));
    }
    if (result->status != 200) {
        // The server's own message, when it sent one, says more than the status.
        boost::json::error_code ec;
        const boost::json::value answer = boost::json::parse(result->body, ec);
        if (!ec && answer.is_object()) {
            if (const auto *error = answer.as_object().if_contains("error"); error && error->is_string())
                throw EDBXError(QString::fromUtf8(error->as_string().data(), error->as_string().size()));
        }
        throw EDBXError(
            QStringLiteral("HTTP %1 %2").arg(result->status).arg(QString::fromStdString(result->reason)));
    }
    return std::move(result->body);
}
