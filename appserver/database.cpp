#include "appserver/database.h"

#include <sqlite3.h>

namespace appserver {

namespace {
std::string errorText(sqlite3 *db, int rc)
{
    if (db)
        return sqlite3_errmsg(db);
    return sqlite3_errstr(rc);
}
} // namespace

Statement::Statement(sqlite3 *db, std::string_view sql) : m_db(db)
{
    const int rc = sqlite3_prepare_v2(db, sql.data(), int(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throw DatabaseError(errorText(db, rc) + " in: " + std::string(sql));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        throw DatabaseError(errorText(m_db, rc));
}

Statement &Statement::bind(int index, int value)
{
    check(sqlite3_bind_int(m_stmt, index, value));
    return *this;
}

Statement &Statement::bind(int index, std::int64_t value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement &Statement::bind(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value));
    return *this;
}

Statement &Statement::bind(int index, std::string_view value)
{
    check(sqlite3_bind_text(m_stmt, index, value.data(), int(value.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bind(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bindBlob(int index, const QByteArray &value)
{
    check(sqlite3_bind_blob(m_stmt, index, value.constData(), int(value.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DatabaseError(errorText(m_db, rc));
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void Statement::exec()
{
    while (step()) {
    }
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

std::string_view Statement::columnName(int column) const
{
    return sqlite3_column_name(m_stmt, column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

int Statement::columnInt(int column) const
{
    return sqlite3_column_int(m_stmt, column);
}

std::int64_t Statement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::columnDouble(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

std::string_view Statement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    if (!text)
        return {};
    return std::string_view(text, size_t(sqlite3_column_bytes(m_stmt, column)));
}

QString Statement::columnString(int column) const
{
    const std::string_view text = columnText(column);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QByteArray Statement::columnBlob(int column) const
{
    const void *data = sqlite3_column_blob(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    return QByteArray(static_cast<const char *>(data), size);
}

Connection::Connection(const QString &path, bool create)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const QByteArray file = path.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = errorText(m_db, rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DatabaseError(message + ": " + file.toStdString());
    }
    sqlite3_busy_timeout(m_db, 10000);
    sqlite3_extended_result_codes(m_db, 1);
    // Reads go through a memory map instead of a read call per page; the large catalogue is ~90 MB.
    execScript("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; "
               "PRAGMA mmap_size=268435456; PRAGMA cache_size=-16384;");
}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

void Connection::execScript(std::string_view sql)
{
    char *error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "sqlite error";
        sqlite3_free(error);
        throw DatabaseError(message);
    }
}

std::int64_t Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Connection::changes() const
{
    return sqlite3_changes(m_db);
}

void Connection::beginWrite()
{
    execScript("BEGIN IMMEDIATE");
}

void Connection::commit()
{
    execScript("COMMIT");
}

void Connection::rollback()
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

WriteTransaction::WriteTransaction(Connection &c) : m_connection(c)
{
    m_connection.beginWrite();
}

WriteTransaction::~WriteTransaction()
{
    if (!m_done)
        m_connection.rollback();
}

void WriteTransaction::commit()
{
    m_connection.commit();
    m_done = true;
}

ConnectionPool::ConnectionPool(QString path) : m_path(std::move(path)) {}

ConnectionPool::~ConnectionPool() = default;

ConnectionPool::Lease ConnectionPool::acquire()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_free.empty()) {
            auto c = std::move(m_free.back());
            m_free.pop_back();
            return Lease(*this, std::move(c));
        }
    }
    return Lease(*this, std::make_unique<Connection>(m_path, false));
}

void ConnectionPool::giveBack(std::unique_ptr<Connection> c)
{
    if (!c)
        return;
    std::lock_guard lock(m_mutex);
    m_free.push_back(std::move(c));
}

} // namespace appserver
