#include "Statement.h"

#include "SqliteError.h"

#include <new>
#include <sqlite3.h>

namespace collab::sqlite {

Statement::Statement(sqlite3 *db, std::string_view sql) : db_(db)
{
    int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                &statement_, nullptr);
    if (rc != SQLITE_OK) {
        SqliteError error(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_));
        sqlite3_finalize(statement_);
        throw error;
    }
}

Statement::~Statement()
{
    // finalize only repeats the last step's error, which was reported then.
    sqlite3_finalize(statement_);
}

void Statement::fail(int code) const
{
    throw SqliteError(code, sqlite3_errmsg(db_));
}

void Statement::bind(int index, std::int64_t value)
{
    if (int rc = sqlite3_bind_int64(statement_, index, value); rc != SQLITE_OK)
        fail(rc);
}

void Statement::bind(int index, std::string_view text)
{
    // A null pointer would bind SQL NULL, not the empty text.
    const char *data = text.data() ? text.data() : "";
    if (int rc = sqlite3_bind_text64(statement_, index, data, text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        rc != SQLITE_OK)
        fail(rc);
}

void Statement::bindNull(int index)
{
    if (int rc = sqlite3_bind_null(statement_, index); rc != SQLITE_OK)
        fail(rc);
}

bool Statement::step()
{
    int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The extended code adds details such as SQLITE_IOERR_FSYNC.
    const int extended = sqlite3_extended_errcode(db_);
    fail((extended & 0xff) == rc ? extended : rc);
}

void Statement::reset() noexcept
{
    // reset repeats the last step's error, which was already reported.
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::integer(int column) const noexcept
{
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    if (!data) {
        if (sqlite3_column_type(statement_, column) != SQLITE_NULL && sqlite3_errcode(db_) == SQLITE_NOMEM)
            throw std::bad_alloc();
        return {};
    }
    return std::string(data, static_cast<std::size_t>(size));
}

bool Statement::isNull(int column) const noexcept
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

} // namespace collab::sqlite
