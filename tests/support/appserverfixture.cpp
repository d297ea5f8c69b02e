#include "tests/support/appserverfixture.h"

#include "appserver/appserver.h"

AppServerFixture::AppServerFixture(int stockCount)
{
    appserver::ServerOptions options;
    options.databasePath = m_dir.filePath(QStringLiteral("appserver.sqlite"));
    options.port = 0;
    options.stockCount = stockCount;
    options.log = [this](const QString &line) {
        std::lock_guard lock(m_logMutex);
        m_log << line;
    };
    m_server = std::make_unique<appserver::AppServer>(options);
    m_running = m_dir.isValid() && m_server->start();
}

AppServerFixture::~AppServerFixture()
{
    m_server->stop();
}

bool AppServerFixture::isRunning() const
{
    return m_running;
}

QString AppServerFixture::errorString() const
{
    return m_server->errorString();
}

int AppServerFixture::port() const
{
    return m_server->port();
}

QString AppServerFixture::databasePath() const
{
    return m_server->options().databasePath;
}

bool AppServerFixture::registerComputer(const QString &computerId, const QString &userName)
{
    return m_server->registerComputer(computerId, userName);
}

QList<QVariantList> AppServerFixture::query(const QString &sql, const QVariantList &binds) const
{
    return m_server->query(sql, binds);
}

QStringList AppServerFixture::logLines() const
{
    std::lock_guard lock(m_logMutex);
    return m_log;
}
