#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <mutex>

namespace appserver {
class AppServer;
}

// The reference application server in-process: an ephemeral loopback port and a temporary
// database seeded with the demo data; stopped and removed in the destructor.
//
//   AppServerFixture server;                       // QVERIFY2(server.isRunning(), ...)
//   connection.setPort(server.port());
//   server.registerComputer("TEST-PC", "BAYI");    // BuyukGetir("TEST-PC") now logs in as BAYI
//
// Demo users (password 1234): BAYI (type 3, account 101), BAYI2 (type 4, 102), PLASIYER (1),
// MUDUR (2), PASIF (inactive). Each is registered under the computer ID "DEMO-" + name.
class AppServerFixture
{
public:
    explicit AppServerFixture(int stockCount = 3000);
    ~AppServerFixture();
    AppServerFixture(const AppServerFixture &) = delete;
    AppServerFixture &operator=(const AppServerFixture &) = delete;

    bool isRunning() const;
    QString errorString() const;
    int port() const;
    QString host() const { return QStringLiteral("127.0.0.1"); }
    QString databasePath() const;

    bool registerComputer(const QString &computerId, const QString &userName);
    // Reads the server's database, for checking what a call stored.
    QList<QVariantList> query(const QString &sql, const QVariantList &binds = {}) const;
    // One line per call the server answered.
    QStringList logLines() const;

private:
    QTemporaryDir m_dir;
    mutable std::mutex m_logMutex;
    QStringList m_log;
    std::unique_ptr<appserver::AppServer> m_server;
    bool m_running = false;
};
