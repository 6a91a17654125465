#pragma once

#include <stdexcept>
#include <string>

namespace collab::sqlite {

// A failed SQLite call: the result code (extended when SQLite gave one) and
// the connection's message, captured right when the call failed.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, std::string message);

    int code() const noexcept { return code_; }
    // The primary result code (SQLITE_FULL, SQLITE_BUSY, ...).
    int primaryCode() const noexcept { return code_ & 0xff; }

private:
    int code_;
};

} // namespace collab::sqlite
