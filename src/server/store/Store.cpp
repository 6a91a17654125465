#include "Store.h"

#include "Schema.h"
#include "StoreError.h"
#include "sqlite/Database.h"
#include "sqlite/Query.h"
#include "sqlite/SqliteError.h"
#include "sqlite/Transaction.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace collab::store {

namespace {

using sqlite::Query;
using sqlite::SqliteError;
using sqlite::Transaction;

// Long enough for another program's change (one fsync or a few) to finish.
constexpr int BusyTimeoutMs = 10000;

constexpr const char *JournalModeSql = "PRAGMA journal_mode = WAL";
constexpr const char *ConnectionSql = "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;";

constexpr const char *AccountByUserSql =
    "SELECT id, user_id, name, first_name, last_name, email FROM account WHERE user_id = ?";
constexpr const char *AccountsSql = "SELECT id, user_id, name, first_name, last_name, email FROM account ORDER BY id";
constexpr const char *InsertAccountSql =
    "INSERT INTO account(user_id, name, first_name, last_name, email) VALUES(?, ?, ?, ?, ?)";
constexpr const char *InsertDirectoryEntrySql =
    "INSERT INTO entry(book_id, account_id, display_name) VALUES(?, ?, ?)";

constexpr const char *BooksSql =
    "SELECT id, kind, name FROM book WHERE account_id IS NULL OR account_id = ? ORDER BY kind <> 2, id";
constexpr const char *BookSql = "SELECT id, kind, name FROM book WHERE id = ?";
constexpr const char *BookNameTakenSql =
    "SELECT 1 FROM book WHERE (account_id = ? OR account_id IS NULL) AND name = ?";
constexpr const char *InsertBookSql = "INSERT INTO book(account_id, kind, name) VALUES(?, 1, ?)";
constexpr const char *DeleteBookSql = "DELETE FROM book WHERE id = ?";
constexpr const char *EntryIdsOfBookSql = "SELECT id FROM entry WHERE book_id = ?";

constexpr const char *EntriesSql = "SELECT id, display_name FROM entry WHERE book_id = ? ORDER BY id";
constexpr const char *FieldsOfBookSql =
    "SELECT f.entry_id, f.id, f.name, f.type, f.value FROM entry e JOIN field f ON f.entry_id = e.id "
    "WHERE e.book_id = ? ORDER BY e.id, f.id";
constexpr const char *EntrySql = "SELECT display_name FROM entry WHERE id = ?";
constexpr const char *FieldsOfEntrySql = "SELECT id, name, type, value FROM field WHERE entry_id = ? ORDER BY id";
constexpr const char *BookOfEntrySql =
    "SELECT b.id, b.kind FROM entry e JOIN book b ON b.id = e.book_id WHERE e.id = ?";
constexpr const char *InsertEntrySql = "INSERT INTO entry(book_id, display_name) VALUES(?, ?)";
constexpr const char *DeleteEntrySql = "DELETE FROM entry WHERE id = ?";

constexpr const char *FieldSql = "SELECT id, name, type, value FROM field WHERE id = ?";
constexpr const char *EntryOfFieldSql =
    "SELECT e.id, b.kind FROM field f JOIN entry e ON e.id = f.entry_id JOIN book b ON b.id = e.book_id "
    "WHERE f.id = ?";
constexpr const char *InsertFieldSql = "INSERT INTO field(entry_id, name, type, value) VALUES(?, ?, ?, ?)";
constexpr const char *UpdateFieldSql = "UPDATE field SET value = ? WHERE id = ?";
constexpr const char *DeleteFieldSql = "DELETE FROM field WHERE id = ?";

constexpr const char *DefinitionsSql = "SELECT id, name, type FROM definition WHERE book_id = ? ORDER BY id";
constexpr const char *DefinitionSql = "SELECT id, name, type FROM definition WHERE id = ?";
constexpr const char *DefinitionTakenSql =
    "SELECT 1 FROM definition WHERE book_id = ? AND name = ? COLLATE NOCASE";
constexpr const char *InsertDefinitionSql = "INSERT INTO definition(book_id, name, type) VALUES(?, ?, ?)";

constexpr const char *PersonalBookName = "Personal Address Book";
constexpr const char *GoneBook = "The address book no longer exists; it was deleted";
constexpr const char *GoneEntry = "The entry no longer exists; it was deleted";
constexpr const char *GoneField = "The field no longer exists; it was deleted";
constexpr const char *GoneDefinition = "The field definition no longer exists; its address book was deleted";

std::string explain(const SqliteError &error)
{
    const char *meaning = "the store failed";
    switch (error.primaryCode()) {
    case SQLITE_FULL: meaning = "the store is full"; break;
    case SQLITE_READONLY: meaning = "the store is read-only"; break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: meaning = "the store is damaged or not a database"; break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: meaning = "the store stayed locked by another program"; break;
    case SQLITE_CANTOPEN: meaning = "the store file cannot be opened"; break;
    case SQLITE_IOERR: meaning = "the store file could not be read or written"; break;
    case SQLITE_PERM:
    case SQLITE_AUTH: meaning = "access to the store was denied"; break;
    case SQLITE_NOMEM: meaning = "out of memory"; break;
    case SQLITE_CONSTRAINT: meaning = "the change breaks a rule of the store"; break;
    }
    return std::string(meaning) + " (" + error.what() + ")";
}

// A user's text inside a message: control bytes shown as '?', long texts cut.
std::string inQuotes(std::string_view text)
{
    constexpr std::size_t Limit = 60;
    std::string shown;
    for (char c : text.substr(0, Limit))
        shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return "'" + shown + (text.size() > Limit ? "...'" : "'");
}

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

std::int32_t int32Column(sqlite::Statement &statement, int column)
{
    return static_cast<std::int32_t>(statement.integer(column));
}

AccountRecord accountRow(sqlite::Statement &row)
{
    return AccountRecord{row.integer(0), UserIdentity{row.text(1), row.text(2), row.text(3), row.text(4), row.text(5)}};
}

FieldRecord fieldRow(sqlite::Statement &row, int first)
{
    return FieldRecord{row.integer(first), row.text(first + 1), int32Column(row, first + 2), row.text(first + 3)};
}

// Creates the folders and, for a new store, an empty file that only its
// owner may read or write; SQLite gives the -wal and -shm files the same mode.
void prepareFile(const std::filesystem::path &path)
{
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        throw StoreError("Cannot open the address book store " + inQuotes(path.string()) + ": cannot create its folder (" +
                         error.message() + ")");
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        // The umask may have taken more than group and other bits away.
        const int chmodResult = ::fchmod(fd, 0600);
        const int savedErrno = errno;
        ::close(fd);
        if (chmodResult != 0)
            throw StoreError("Cannot open the address book store " + inQuotes(path.string()) + ": " +
                             std::strerror(savedErrno));
    } else if (errno != EEXIST) {
        throw StoreError("Cannot open the address book store " + inQuotes(path.string()) + ": " + std::strerror(errno));
    }
}

} // namespace

Store::Store(const StoreOptions &options) : path_(options.path)
{
    const std::string prefix = "Cannot open the address book store " + inQuotes(path_.string()) + ": ";
    if (!options.readOnly)
        prepareFile(path_);
    try {
        db_ = std::make_unique<sqlite::Database>(
            path_, options.readOnly ? sqlite::Database::Access::ReadOnly : sqlite::Database::Access::ReadWrite);
        db_->setBusyTimeout(BusyTimeoutMs);
        db_->exec(ConnectionSql);
        // Check before switching to WAL, which would write to a foreign file.
        const bool valid = Schema::check(*db_);
        if (!valid && options.readOnly)
            throw StoreError("it is empty and was opened read-only");
        if (!options.readOnly) {
            Query mode(db_->cached(JournalModeSql));
            if (!mode->step() || mode->text(0) != "wal")
                throw StoreError("it cannot be switched to write-ahead logging");
        }
        if (options.maxPageCount) {
            // A pragma value cannot be bound; this is a number, not user text.
            const std::string sql = "PRAGMA max_page_count = " + std::to_string(*options.maxPageCount);
            db_->exec(sql.c_str());
        }
        systemBookId_ = valid ? Schema::systemBook(*db_) : Schema::create(*db_);
    } catch (const SqliteError &error) {
        throw StoreError(prefix + explain(error));
    } catch (const StoreError &error) {
        throw StoreError(prefix + error.what());
    }
}

Store::~Store() = default;

template <typename Work>
auto Store::read(const char *action, Work &&work)
{
    try {
        if (db_->inTransaction())
            return work();
        Transaction transaction(*db_, Transaction::Kind::Read);
        auto result = work();
        transaction.commit();
        return result;
    } catch (const SqliteError &error) {
        throw StoreError(std::string("Cannot ") + action + ": " + explain(error));
    }
}

template <typename Work>
auto Store::write(const char *action, Work &&work)
{
    try {
        if (batch_) {
            // SQLite itself rolls back after some failures (a full store);
            // later changes must not slip out of the batch one by one.
            if (!db_->inTransaction())
                throw StoreError(std::string("Cannot ") + action +
                                 ": an earlier failure already undid the batch of changes");
            return work(); // published when the batch ends
        }
        forgetTouched();
        Transaction transaction(*db_, Transaction::Kind::Write);
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            transaction.commit();
            publishTouched();
        } else {
            auto result = work();
            transaction.commit();
            publishTouched();
            return result;
        }
    } catch (const SqliteError &error) {
        throw StoreError(std::string("Cannot ") + action + ": " + explain(error));
    }
}

bool Store::entryChangedSince(std::int64_t entryId, std::uint64_t sequence) const
{
    const auto counter = entryCounters_.find(entryId);
    return counter != entryCounters_.end() && counter->second > sequence;
}

void Store::touchBook(std::int64_t bookId)
{
    touched_.push_back(&bookCounters_[bookId]);
}

void Store::touchEntry(std::int64_t entryId)
{
    touched_.push_back(&entryCounters_[entryId]);
}

void Store::touchBookList()
{
    touched_.push_back(&bookListCounter_);
}

void Store::publishTouched() noexcept
{
    const std::uint64_t now = ++sequence_;
    for (std::uint64_t *counter : touched_)
        *counter = now;
    forgetTouched();
}

void Store::forgetTouched() noexcept
{
    touched_.clear();
}

void Store::beginBatch()
{
    if (batch_)
        throw StoreError("Cannot start a batch of changes: one is already open");
    try {
        forgetTouched();
        batch_ = std::make_unique<Transaction>(*db_, Transaction::Kind::Write);
    } catch (const SqliteError &error) {
        throw StoreError("Cannot start a batch of changes: " + explain(error));
    }
}

void Store::endBatch(bool commit)
{
    std::unique_ptr<Transaction> batch = std::move(batch_);
    if (commit) {
        try {
            batch->commit();
        } catch (const SqliteError &error) {
            batch.reset();
            endBatch(false);
            throw StoreError("Cannot save the batch of changes: " + explain(error));
        }
        publishTouched();
        return;
    }
    batch.reset(); // rolls back
    // Whatever was read during the batch may be gone now.
    const std::uint64_t now = ++sequence_;
    for (auto &counter : bookCounters_)
        counter.second = now;
    for (auto &counter : entryCounters_)
        counter.second = now;
    bookListCounter_ = now;
    forgetTouched();
}

AccountRecord Store::login(const UserIdentity &identity)
{
    auto find = [&]() -> std::optional<AccountRecord> {
        Query query(db_->cached(AccountByUserSql));
        query->bind(1, identity.userId);
        if (!query->step())
            return std::nullopt;
        return accountRow(*query);
    };
    if (auto existing = read("look up the account", find))
        return *existing;
    return write("create the account", [&] {
        // Another program may have created it since the look-up.
        if (auto existing = find())
            return *existing;
        {
            Query insert(db_->cached(InsertAccountSql));
            insert->bind(1, identity.userId);
            insert->bind(2, identity.name);
            insert->bind(3, identity.firstName);
            insert->bind(4, identity.lastName);
            insert->bind(5, identity.email);
            insert->step();
        }
        const AccountRecord account{db_->lastInsertRowId(), identity};
        {
            Query entry(db_->cached(InsertDirectoryEntrySql));
            entry->bind(1, systemBookId_);
            entry->bind(2, account.id);
            entry->bind(3, identity.name);
            entry->step();
        }
        const std::int64_t entryId = db_->lastInsertRowId();
        const std::pair<const char *, const std::string *> fields[] = {{"Last Name", &identity.lastName},
                                                                        {"First Name", &identity.firstName},
                                                                        {"User ID", &identity.userId},
                                                                        {"E-Mail Address", &identity.email}};
        for (const auto &[name, value] : fields) {
            Query insert(db_->cached(InsertFieldSql));
            insert->bind(1, entryId);
            insert->bind(2, std::string_view(name));
            insert->bind(3, std::int64_t{1});
            insert->bind(4, *value);
            insert->step();
        }
        {
            Query book(db_->cached(InsertBookSql));
            book->bind(1, account.id);
            book->bind(2, std::string_view(PersonalBookName));
            book->step();
        }
        touchBook(systemBookId_);
        touchBookList();
        return account;
    });
}

std::vector<AccountRecord> Store::accounts()
{
    return read("list the accounts", [&] {
        std::vector<AccountRecord> result;
        Query query(db_->cached(AccountsSql));
        while (query->step())
            result.push_back(accountRow(*query));
        return result;
    });
}

BookRecord Store::bookRow(std::int64_t bookId)
{
    Query query(db_->cached(BookSql));
    query->bind(1, bookId);
    if (!query->step())
        throw StoreError(GoneBook);
    return BookRecord{query->integer(0), static_cast<BookKind>(query->integer(1)), query->text(2)};
}

std::vector<BookRecord> Store::books(std::int64_t accountId)
{
    return read("list the address books", [&] {
        std::vector<BookRecord> result;
        Query query(db_->cached(BooksSql));
        query->bind(1, accountId);
        while (query->step())
            result.push_back(BookRecord{query->integer(0), static_cast<BookKind>(query->integer(1)), query->text(2)});
        return result;
    });
}

BookRecord Store::book(std::int64_t bookId)
{
    return read("read the address book", [&] { return bookRow(bookId); });
}

BookRecord Store::addBook(std::int64_t accountId, std::string_view name)
{
    if (blank(name))
        throw StoreError("Cannot add the address book: its name is empty");
    return write("add the address book", [&] {
        {
            Query taken(db_->cached(BookNameTakenSql));
            taken->bind(1, accountId);
            taken->bind(2, name);
            if (taken->step())
                throw StoreError("Cannot add the address book: there is already an address book named " +
                                 inQuotes(name));
        }
        Query insert(db_->cached(InsertBookSql));
        insert->bind(1, accountId);
        insert->bind(2, name);
        insert->step();
        BookRecord book{db_->lastInsertRowId(), BookKind::Own, std::string(name)};
        touchBookList();
        return book;
    });
}

void Store::deleteBook(std::int64_t bookId)
{
    write("delete the address book", [&] {
        if (bookRow(bookId).kind == BookKind::System)
            throw StoreError("The system address book cannot be deleted");
        {
            // The delete cascades to the entries: their objects must learn of it.
            Query entries(db_->cached(EntryIdsOfBookSql));
            entries->bind(1, bookId);
            while (entries->step())
                touchEntry(entries->integer(0));
        }
        Query erase(db_->cached(DeleteBookSql));
        erase->bind(1, bookId);
        erase->step();
        touchBook(bookId);
        touchBookList();
    });
}

std::shared_ptr<const std::vector<EntryRecord>> Store::entries(std::int64_t bookId)
{
    return read("read the entries", [&] {
        bookRow(bookId);
        auto result = std::make_shared<std::vector<EntryRecord>>();
        {
            Query query(db_->cached(EntriesSql));
            query->bind(1, bookId);
            while (query->step())
                result->push_back(EntryRecord{query->integer(0), query->text(1), {}});
        }
        // Both lists are in entry id order: one pass pairs fields with entries.
        Query query(db_->cached(FieldsOfBookSql));
        query->bind(1, bookId);
        auto entry = result->begin();
        while (query->step()) {
            const std::int64_t entryId = query->integer(0);
            while (entry != result->end() && entry->id < entryId)
                ++entry;
            if (entry == result->end() || entry->id != entryId)
                throw StoreError("Cannot read the entries: the store is inconsistent");
            entry->fields.push_back(fieldRow(*query, 1));
        }
        return std::shared_ptr<const std::vector<EntryRecord>>(std::move(result));
    });
}

EntryRecord Store::entry(std::int64_t entryId)
{
    return read("read the entry", [&] {
        EntryRecord result;
        {
            Query query(db_->cached(EntrySql));
            query->bind(1, entryId);
            if (!query->step())
                throw StoreError(GoneEntry);
            result.id = entryId;
            result.displayName = query->text(0);
        }
        Query query(db_->cached(FieldsOfEntrySql));
        query->bind(1, entryId);
        while (query->step())
            result.fields.push_back(fieldRow(*query, 0));
        return result;
    });
}

EntryRecord Store::addEntry(std::int64_t bookId, std::string_view displayName)
{
    return write("add the entry", [&] {
        if (bookRow(bookId).kind == BookKind::System)
            throw StoreError("Entries cannot be added to the system address book");
        Query insert(db_->cached(InsertEntrySql));
        insert->bind(1, bookId);
        insert->bind(2, displayName);
        insert->step();
        touchBook(bookId);
        return EntryRecord{db_->lastInsertRowId(), std::string(displayName), {}};
    });
}

std::int64_t Store::ownBookOfEntry(std::int64_t entryId, const char *refusal)
{
    Query query(db_->cached(BookOfEntrySql));
    query->bind(1, entryId);
    if (!query->step())
        throw StoreError(GoneEntry);
    if (static_cast<BookKind>(query->integer(1)) == BookKind::System)
        throw StoreError(refusal);
    return query->integer(0);
}

std::int64_t Store::ownEntryOfField(std::int64_t fieldId, const char *refusal)
{
    Query query(db_->cached(EntryOfFieldSql));
    query->bind(1, fieldId);
    if (!query->step())
        throw StoreError(GoneField);
    if (static_cast<BookKind>(query->integer(1)) == BookKind::System)
        throw StoreError(refusal);
    return query->integer(0);
}

void Store::deleteEntry(std::int64_t entryId)
{
    write("delete the entry", [&] {
        const std::int64_t bookId =
            ownBookOfEntry(entryId, "Entries of the system address book cannot be deleted");
        Query erase(db_->cached(DeleteEntrySql));
        erase->bind(1, entryId);
        erase->step();
        touchBook(bookId);
        touchEntry(entryId);
    });
}

FieldRecord Store::field(std::int64_t fieldId)
{
    return read("read the field", [&] {
        Query query(db_->cached(FieldSql));
        query->bind(1, fieldId);
        if (!query->step())
            throw StoreError(GoneField);
        return fieldRow(*query, 0);
    });
}

FieldRecord Store::addField(std::int64_t entryId, std::string_view name, std::int32_t type, std::string_view value)
{
    return write("add the field", [&] {
        ownBookOfEntry(entryId, "Fields cannot be added to entries of the system address book");
        Query insert(db_->cached(InsertFieldSql));
        insert->bind(1, entryId);
        insert->bind(2, name);
        insert->bind(3, std::int64_t{type});
        insert->bind(4, value);
        insert->step();
        touchEntry(entryId);
        return FieldRecord{db_->lastInsertRowId(), std::string(name), type, std::string(value)};
    });
}

void Store::setFieldValue(std::int64_t fieldId, std::string_view value)
{
    write("change the field", [&] {
        const std::int64_t entryId =
            ownEntryOfField(fieldId, "Fields of the system address book cannot be changed");
        Query update(db_->cached(UpdateFieldSql));
        update->bind(1, value);
        update->bind(2, fieldId);
        update->step();
        touchEntry(entryId);
    });
}

void Store::deleteField(std::int64_t fieldId)
{
    write("delete the field", [&] {
        const std::int64_t entryId =
            ownEntryOfField(fieldId, "Fields of the system address book cannot be deleted");
        Query erase(db_->cached(DeleteFieldSql));
        erase->bind(1, fieldId);
        erase->step();
        touchEntry(entryId);
    });
}

std::vector<DefinitionRecord> Store::definitions(std::int64_t bookId)
{
    return read("read the field definitions", [&] {
        bookRow(bookId);
        std::vector<DefinitionRecord> result;
        Query query(db_->cached(DefinitionsSql));
        query->bind(1, bookId);
        while (query->step())
            result.push_back(DefinitionRecord{query->integer(0), query->text(1), int32Column(*query, 2)});
        return result;
    });
}

DefinitionRecord Store::definition(std::int64_t definitionId)
{
    return read("read the field definition", [&] {
        Query query(db_->cached(DefinitionSql));
        query->bind(1, definitionId);
        if (!query->step())
            throw StoreError(GoneDefinition);
        return DefinitionRecord{query->integer(0), query->text(1), int32Column(*query, 2)};
    });
}

DefinitionRecord Store::addDefinition(std::int64_t bookId, std::string_view name, std::int32_t type)
{
    if (blank(name))
        throw StoreError("Cannot add the field definition: its name is empty");
    return write("add the field definition", [&] {
        if (bookRow(bookId).kind == BookKind::System)
            throw StoreError("Field definitions cannot be added to the system address book");
        {
            Query taken(db_->cached(DefinitionTakenSql));
            taken->bind(1, bookId);
            taken->bind(2, name);
            if (taken->step())
                throw StoreError("Cannot add the field definition: the address book already defines " +
                                 inQuotes(name));
        }
        Query insert(db_->cached(InsertDefinitionSql));
        insert->bind(1, bookId);
        insert->bind(2, name);
        insert->bind(3, std::int64_t{type});
        insert->step();
        touchBook(bookId);
        return DefinitionRecord{db_->lastInsertRowId(), std::string(name), type};
    });
}

} // namespace collab::store
