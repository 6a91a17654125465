#include "Schema.h"

#include "StoreError.h"
#include "sqlite/Database.h"
#include "sqlite/Query.h"
#include "sqlite/Transaction.h"

#include <array>
#include <string>

namespace collab::store {

namespace {

using sqlite::Query;

// AUTOINCREMENT: ids are never reused, so a reference to a deleted row can
// never land on a newer one, and id order is creation order.
constexpr const char *CreateSql = R"sql(
CREATE TABLE account(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  user_id TEXT NOT NULL UNIQUE,
  name TEXT NOT NULL,
  first_name TEXT NOT NULL,
  last_name TEXT NOT NULL,
  email TEXT NOT NULL);
CREATE TABLE book(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  account_id INTEGER REFERENCES account(id) ON DELETE CASCADE, -- NULL: shared by all accounts
  kind INTEGER NOT NULL,
  name TEXT NOT NULL,
  UNIQUE(account_id, name));
CREATE TABLE entry(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  book_id INTEGER NOT NULL REFERENCES book(id) ON DELETE CASCADE,
  account_id INTEGER REFERENCES account(id) ON DELETE CASCADE, -- the account a directory entry shows
  display_name TEXT NOT NULL);
CREATE INDEX entry_by_book ON entry(book_id, id);
CREATE INDEX entry_by_account ON entry(account_id);
CREATE TABLE field(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  entry_id INTEGER NOT NULL REFERENCES entry(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  type INTEGER NOT NULL,
  value TEXT NOT NULL);
CREATE INDEX field_by_entry ON field(entry_id, id);
CREATE TABLE definition(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  book_id INTEGER NOT NULL REFERENCES book(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  type INTEGER NOT NULL);
CREATE INDEX definition_by_book ON definition(book_id, id);
INSERT INTO book(account_id, kind, name) VALUES(NULL, 2, 'System Address Book');
INSERT INTO definition(book_id, name, type)
  SELECT id, column1, 1 FROM book,
    (VALUES('Last Name'), ('First Name'), ('User ID'), ('E-Mail Address'))
  WHERE kind = 2;
PRAGMA application_id = 1095781447;
PRAGMA user_version = 1;
)sql";

constexpr std::array<const char *, 5> Tables = {"account", "book", "entry", "field", "definition"};

constexpr const char *ApplicationIdSql = "PRAGMA application_id";
constexpr const char *UserVersionSql = "PRAGMA user_version";
constexpr const char *ObjectCountSql = "SELECT count(*) FROM sqlite_schema";
constexpr const char *TableExistsSql = "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?";
constexpr const char *QuickCheckSql = "PRAGMA quick_check";
constexpr const char *SystemBookSql = "SELECT id FROM book WHERE kind = 2 AND account_id IS NULL";

std::int64_t single(sqlite::Database &db, const char *sql)
{
    Query query(db.cached(sql));
    return query->step() ? query->integer(0) : 0;
}

// True for a valid store, false for an empty database; throws otherwise.
bool inspect(sqlite::Database &db)
{
    const std::int64_t applicationId = single(db, ApplicationIdSql);
    const std::int64_t version = single(db, UserVersionSql);
    const std::int64_t objects = single(db, ObjectCountSql);
    if (applicationId == 0 && version == 0 && objects == 0)
        return false;
    if (applicationId != Schema::ApplicationId)
        throw StoreError("it is not an address book store (a database of another program)");
    if (version != Schema::Version)
        throw StoreError("it has store version " + std::to_string(version) + "; this server reads version " +
                         std::to_string(Schema::Version));
    for (const char *table : Tables) {
        Query query(db.cached(TableExistsSql));
        query->bind(1, std::string_view(table));
        if (!query->step())
            throw StoreError(std::string("it is damaged (the table '") + table + "' is missing)");
    }
    Query quick(db.cached(QuickCheckSql));
    if (quick->step() && quick->text(0) != "ok")
        throw StoreError("it is damaged (" + quick->text(0) + ")");
    return true;
}

} // namespace

bool Schema::check(sqlite::Database &db)
{
    sqlite::Transaction transaction(db, sqlite::Transaction::Kind::Read);
    const bool valid = inspect(db);
    transaction.commit();
    return valid;
}

std::int64_t Schema::create(sqlite::Database &db)
{
    sqlite::Transaction transaction(db, sqlite::Transaction::Kind::Write);
    if (!inspect(db))
        db.exec(CreateSql);
    const std::int64_t id = systemBook(db);
    transaction.commit();
    return id;
}

std::int64_t Schema::systemBook(sqlite::Database &db)
{
    const std::int64_t id = single(db, SystemBookSql);
    if (id == 0)
        throw StoreError("it is damaged (the system address book is missing)");
    return id;
}

} // namespace collab::store
