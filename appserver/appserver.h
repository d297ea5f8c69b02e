#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace appserver {

struct ServerOptions
{
    QString databasePath;
    QString host = QStringLiteral("127.0.0.1");
    int port = 9090; // 0 picks a free port
    // Stock items of a new database: 3,000 for the demo, 200,000 for benchmarks.
    int stockCount = 3000;
    QDate today = QDate::currentDate();
    // A computer ID the server does not know is registered to this user at its first login.
    QString autoRegisterUser;
    // One line per call; empty writes to standard error.
    std::function<void(const QString &)> log;
};

// The reference application server: TServerMethods1 over DataSnap REST and the web pages,
// on one port, answering from an SQLite database that is created and seeded when new.
// It draws pictures and PDFs, so the process needs a QGuiApplication (the offscreen platform will do).
class AppServer
{
public:
    explicit AppServer(ServerOptions options);
    ~AppServer();
    AppServer(const AppServer &) = delete;
    AppServer &operator=(const AppServer &) = delete;

    // Opens the database and starts serving on a thread of its own; false with errorString() on failure.
    bool start();
    void stop();

    int port() const;
    // Registers a computer ID to a user (name as stored, upper case); false when there is no such user.
    bool registerComputer(const QString &computerId, const QString &userName);
    // Rows of a read-only query on the server's database, for checks and tools.
    QList<QVariantList> query(const QString &sql, const QVariantList &binds = {}) const;
    QString errorString() const;
    const ServerOptions &options() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace appserver
