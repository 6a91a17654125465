#include "Database.h"

#include "SqliteError.h"

#include <sqlite3.h>

namespace collab::sqlite {

Database::Database(const std::filesystem::path &path, Access access)
{
    // EXRESCODE: errors carry extended codes (SQLITE_IOERR_FSYNC, ...).
    int flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    switch (access) {
    case Access::ReadWriteCreate: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case Access::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Access::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    }
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        // A handle is returned even on failure (unless out of memory) and
        // carries the message.
        SqliteError error(rc, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw error;
    }
}

Database::~Database()
{
    statements_.clear();
    // close_v2 cannot fail for a valid handle once its statements are gone.
    sqlite3_close_v2(db_);
}

void Database::exec(const char *sql)
{
    char *message = nullptr;
    int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw SqliteError(sqlite3_extended_errcode(db_), std::move(text));
    }
}

Statement &Database::cached(const char *sql)
{
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return *found->second;
    auto statement = std::make_unique<Statement>(db_, sql);
    Statement &result = *statement;
    statements_.emplace(sql, std::move(statement));
    return result;
}

void Database::setBusyTimeout(int milliseconds)
{
    if (int rc = sqlite3_busy_timeout(db_, milliseconds); rc != SQLITE_OK)
        throw SqliteError(rc, sqlite3_errmsg(db_));
}

std::int64_t Database::lastInsertRowId() const noexcept
{
    return sqlite3_last_insert_rowid(db_);
}

int Database::changes() const noexcept
{
    return sqlite3_changes(db_);
}

bool Database::inTransaction() const noexcept
{
    return sqlite3_get_autocommit(db_) == 0;
}

} // namespace collab::sqlite
