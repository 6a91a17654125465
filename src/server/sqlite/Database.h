#pragma once

#include "Statement.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <unordered_map>

struct sqlite3;

namespace collab::sqlite {

// One SQLite connection. Owns the sqlite3 handle and the statements cached
// on it; the destructor finalizes them and closes the connection without
// throwing. Not for use by several threads at once.
//
// The constructor, exec and cached throw SqliteError.
class Database {
public:
    enum class Access { ReadWriteCreate, ReadWrite, ReadOnly };

    Database(const std::filesystem::path &path, Access access);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Runs SQL text without parameters (pragmas, schema); may hold several
    // statements.
    void exec(const char *sql);

    // The statement for sql, prepared on first use and kept for the life of
    // the connection. sql must be a string that outlives the connection (a
    // literal): the cache is keyed by its address.
    Statement &cached(const char *sql);

    void setBusyTimeout(int milliseconds);
    std::int64_t lastInsertRowId() const noexcept;
    int changes() const noexcept;
    bool inTransaction() const noexcept;

    sqlite3 *handle() const noexcept { return db_; }

private:
    sqlite3 *db_ = nullptr;
    std::unordered_map<const char *, std::unique_ptr<Statement>> statements_;
};

} // namespace collab::sqlite
