#pragma once

#include "ChangeStamp.h"
#include "Records.h"
#include "StoreOptions.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace collab::sqlite {
class Database;
class Transaction;
} // namespace collab::sqlite

namespace collab::store {

// One connection to an address book store: a single SQLite file shared by
// every account (and every program) using it.
//
// Durability and sharing: the file is in WAL mode with synchronous=FULL, so
// a change is on disk when its call returns. Every change runs in its own
// BEGIN IMMEDIATE transaction (or in the open Batch), waiting up to a busy
// timeout for other writers; a change of several rows is all or nothing.
// Every read that needs several queries runs in one read transaction, so it
// sees one committed state.
//
// Rules kept here (so that every client gets them): the system address book
// and its entries and fields cannot be changed by users; book names are not
// blank and unique per account (exact comparison, the system book's name
// included); a book defines a field name once (ASCII case ignored, as field
// names are matched).
//
// Change counters: each write through this connection bumps a counter for
// the book it touched (and one for the book list). Objects remember the
// counter when they read and re-read once it moved, which is how this
// connection's own changes are seen at once while unchanged data is served
// from memory. Changes by other connections are seen by new fetches.
//
// Every member throws StoreError with a description fit for the user: for
// a refused change, a row that is gone, or a failure of SQLite (full,
// read-only, damaged, locked store). One thread at a time.
class Store {
public:
    explicit Store(const StoreOptions &options);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const std::filesystem::path &path() const noexcept { return path_; }
    std::int64_t systemBookId() const noexcept { return systemBookId_; }

    // The account of identity.userId, created on first use together with its
    // system address book entry and one empty personal book.
    AccountRecord login(const UserIdentity &identity);
    std::vector<AccountRecord> accounts();

    // The system address book first, then the account's own books in
    // creation order.
    std::vector<BookRecord> books(std::int64_t accountId);
    BookRecord book(std::int64_t bookId);
    BookRecord addBook(std::int64_t accountId, std::string_view name);
    void deleteBook(std::int64_t bookId);

    // Every entry of a book with all its fields, read in one transaction.
    std::shared_ptr<const std::vector<EntryRecord>> entries(std::int64_t bookId);
    EntryRecord entry(std::int64_t entryId);
    EntryRecord addEntry(std::int64_t bookId, std::string_view displayName);
    void deleteEntry(std::int64_t entryId);

    FieldRecord field(std::int64_t fieldId);
    FieldRecord addField(std::int64_t entryId, std::string_view name, std::int32_t type, std::string_view value);
    void setFieldValue(std::int64_t fieldId, std::string_view value);
    void deleteField(std::int64_t fieldId);

    std::vector<DefinitionRecord> definitions(std::int64_t bookId);
    DefinitionRecord definition(std::int64_t definitionId);
    DefinitionRecord addDefinition(std::int64_t bookId, std::string_view name, std::int32_t type);

    ChangeStamp bookStamp(std::int64_t bookId) { return ChangeStamp(bookCounters_[bookId]); }
    ChangeStamp bookListStamp() noexcept { return ChangeStamp(bookListCounter_); }

private:
    friend class Batch;

    template <typename Work>
    auto read(const char *action, Work &&work);
    template <typename Work>
    auto write(const char *action, Work &&work);
    void touch(std::int64_t bookId);
    void publishTouched() noexcept;
    void beginBatch();
    void endBatch(bool commit);

    BookRecord bookRow(std::int64_t bookId);
    std::int64_t ownBookOfEntry(std::int64_t entryId, const char *refusal);
    std::int64_t ownBookOfField(std::int64_t fieldId, const char *refusal);

    std::filesystem::path path_;
    std::unique_ptr<sqlite::Database> db_;
    std::int64_t systemBookId_ = 0;

    std::unordered_map<std::int64_t, std::uint64_t> bookCounters_; // references stay valid
    std::uint64_t bookListCounter_ = 0;
    std::vector<std::int64_t> touched_; // books written in the open transaction
    bool bookListTouched_ = false;
    std::unique_ptr<sqlite::Transaction> batch_;
};

} // namespace collab::store
