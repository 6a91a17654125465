#pragma once

#include <cstdint>

namespace collab::sqlite {
class Database;
}

namespace collab::store {

// The layout of a store file: checks that a file holds it (our application
// id, the version we read, every table, SQLite's quick integrity check) and
// creates it in an empty file.
//
// Both throw StoreError for a file that is not a valid store and
// sqlite::SqliteError when SQLite fails.
class Schema {
public:
    static constexpr std::int32_t ApplicationId = 0x41504C47; // "APLG"
    static constexpr std::int32_t Version = 1;

    // Reads only. True for a valid store, false for an empty database.
    static bool check(sqlite::Database &db);
    // Creates the layout unless another connection did meanwhile. Returns the
    // id of the system address book.
    static std::int64_t create(sqlite::Database &db);
    // The id of the system address book of a valid store.
    static std::int64_t systemBook(sqlite::Database &db);
};

} // namespace collab::store
