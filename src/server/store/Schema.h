#pragma once

#include <cstdint>

namespace collab::sqlite {
class Database;
}

namespace collab::store {

// The layout of a store file: creates it in an empty file, or checks that a
// file holds it (our application id, the version we read, every table, and
// SQLite's quick integrity check).
//
// ensure() throws StoreError for a file that is not a valid store and
// sqlite::SqliteError when SQLite fails.
class Schema {
public:
    static constexpr std::int32_t ApplicationId = 0x41504C47; // "APLG"
    static constexpr std::int32_t Version = 1;

    // Returns the id of the system address book. A read-only connection
    // never creates anything.
    static std::int64_t ensure(sqlite::Database &db, bool readOnly);
};

} // namespace collab::store
