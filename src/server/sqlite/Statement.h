#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace collab::sqlite {

// One prepared statement; owns its sqlite3_stmt and finalizes it on
// destruction. Texts are bound and read with explicit lengths, so they
// round-trip byte for byte (embedded NUL bytes included).
//
// Throws SqliteError from the constructor, bind* and step. reset() and the
// destructor never throw.
class Statement {
public:
    Statement(sqlite3 *db, std::string_view sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Parameters count from 1, as in SQL.
    void bind(int index, std::int64_t value);
    void bind(int index, std::string_view text);
    void bindNull(int index);

    // True when a row is ready, false when the statement is done.
    bool step();
    // Rewinds and clears the bindings; ready for the next use.
    void reset() noexcept;

    // Columns count from 0.
    std::int64_t integer(int column) const noexcept;
    std::string text(int column) const;
    bool isNull(int column) const noexcept;

private:
    [[noreturn]] void fail(int code) const;

    sqlite3 *db_;
    sqlite3_stmt *statement_ = nullptr;
};

} // namespace collab::sqlite
