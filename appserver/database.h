#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace appserver {

class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One prepared statement. Every value reaches SQLite through a bound parameter.
class Statement
{
public:
    Statement(sqlite3 *db, std::string_view sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int index, int value);
    Statement &bind(int index, std::int64_t value);
    Statement &bind(int index, double value);
    Statement &bind(int index, std::string_view value);
    Statement &bind(int index, const QString &value);
    Statement &bind(int index, const char *value) { return bind(index, std::string_view(value)); }
    Statement &bindBlob(int index, const QByteArray &value);
    Statement &bindNull(int index);

    // True while a row is available.
    bool step();
    void reset();
    // Runs a statement that returns no rows.
    void exec();

    int columnCount() const;
    std::string_view columnName(int column) const;
    bool isNull(int column) const;
    int columnInt(int column) const;
    std::int64_t columnInt64(int column) const;
    double columnDouble(int column) const;
    std::string_view columnText(int column) const;
    QString columnString(int column) const;
    QByteArray columnBlob(int column) const;

    sqlite3_stmt *handle() const { return m_stmt; }

private:
    void check(int rc) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

// One SQLite connection. Each server thread borrows its own from the pool.
class Connection
{
public:
    explicit Connection(const QString &path, bool create);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void execScript(std::string_view sql);
    std::int64_t lastInsertId() const;
    int changes() const;
    sqlite3 *handle() const { return m_db; }

    // Writers take the lock at the start, so two writers never deadlock on an upgrade.
    void beginWrite();
    void commit();
    void rollback();

private:
    sqlite3 *m_db = nullptr;
};

// Runs a write transaction; rolls back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(Connection &c);
    ~WriteTransaction();
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

class ConnectionPool
{
public:
    explicit ConnectionPool(QString path);
    ~ConnectionPool();

    class Lease
    {
    public:
        Lease(ConnectionPool &pool, std::unique_ptr<Connection> c) : m_pool(pool), m_connection(std::move(c))
        {}
        ~Lease() { m_pool.giveBack(std::move(m_connection)); }
        Lease(const Lease &) = delete;
        Connection &operator*() const { return *m_connection; }
        Connection *operator->() const { return m_connection.get(); }

    private:
        ConnectionPool &m_pool;
        std::unique_ptr<Connection> m_connection;
    };

    Lease acquire();
    const QString &path() const { return m_path; }

private:
    void giveBack(std::unique_ptr<Connection> c);

    QString m_path;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Connection>> m_free;
};

} // namespace appserver
