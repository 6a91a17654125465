#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Plain rows of the store, as handed out by Store. Texts are byte strings
// (UTF-8 by convention; any bytes, NUL included, round-trip).
namespace collab::store {

// ObjType values of books.
enum class BookKind : std::int32_t { Own = 1, System = 2 };

struct UserIdentity {
    std::string userId; // login name; identifies the account
    std::string name;   // full name, shown in the system address book
    std::string firstName;
    std::string lastName;
    std::string email;
};

struct AccountRecord {
    std::int64_t id = 0;
    UserIdentity identity;
};

struct BookRecord {
    std::int64_t id = 0;
    BookKind kind = BookKind::Own;
    std::string name;
};

struct FieldRecord {
    std::int64_t id = 0;
    std::string name;
    std::int32_t type = 1;
    std::string value;
};

struct EntryRecord {
    std::int64_t id = 0;
    std::string displayName;
    std::vector<FieldRecord> fields; // in collection order
};

struct DefinitionRecord {
    std::int64_t id = 0;
    std::string name;
    std::int32_t type = 1;
};

} // namespace collab::store
