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
// Change counters: each write through this connection moves the counters
// of what it touched: the book list; a book (its row, entry list and field
// definitions: moved by adding or deleting an entry or a definition and by
// deleting the book); an entry (its fields: moved by adding, changing or
// deleting one of them and by deleting the entry or its book). Objects
// remember a counter when they read and re-read once it moved, which is how
// this connection's own changes are seen at once while unchanged data is
// served from memory; a write to one entry leaves the rest of its book's
// data current. Changes by other connections are seen by new fetches.
//
// A counter holds the sequence number of the last write that moved it, so
// counters only grow and changeSequence() lets a reader of many entries ask
// later which of them were written since (entryChangedSince). Counters live
// in unordered_maps and are never erased, so the references ChangeStamps
// keep stay valid for the Store's lifetime.
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
    ChangeStamp entryStamp(std::int64_t entryId) { return ChangeStamp(entryCounters_[entryId]); }
    ChangeStamp bookListStamp() noexcept { return ChangeStamp(bookListCounter_); }
    // The sequence number of the last write published so far.
    std::uint64_t changeSequence() const noexcept { return sequence_; }
    // Whether this connection wrote to the entry after changeSequence() was
    // `sequence`.
    bool entryChangedSince(std::int64_t entryId, std::uint64_t sequence) const;

private:
    friend class Batch;

    template <typename Work>
    auto read(const char *action, Work &&work);
    template <typename Work>
    auto write(const char *action, Work &&work);
    // Mark a counter to move when the open transaction commits; may throw
    // (it creates the counter), so it is called inside the transaction.
    void touchBook(std::int64_t bookId);
    void touchEntry(std::int64_t entryId);
    void touchBookList();
    void publishTouched() noexcept;
    void forgetTouched() noexcept;
    void beginBatch();
    void endBatch(bool commit);

    BookRecord bookRow(std::int64_t bookId);
    std::int64_t ownBookOfEntry(std::int64_t entryId, const char *refusal);
    std::int64_t ownEntryOfField(std::int64_t fieldId, const char *refusal);

    std::filesystem::path path_;
    std::unique_ptr<sqlite::Database> db_;
    std::int64_t systemBookId_ = 0;

    // Node-based maps: references to counters stay valid while others are added.
    std::unordered_map<std::int64_t, std::uint64_t> bookCounters_;
    std::unordered_map<std::int64_t, std::uint64_t> entryCounters_;
    std::uint64_t bookListCounter_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<std::uint64_t *> touched_; // counters written in the open transaction
    std::unique_ptr<sqlite::Transaction> batch_;
};

} // namespace collab::store
