#pragma once

namespace collab::sqlite {

class Database;

// A transaction that rolls back unless committed.
//
// Write transactions start with BEGIN IMMEDIATE: they take the write lock up
// front (waiting up to the busy timeout), so a read followed by a write in
// the same transaction cannot fail with SQLITE_BUSY half-way.
//
// The constructor and commit() throw SqliteError; the destructor never
// throws.
class Transaction {
public:
    enum class Kind { Read, Write };

    Transaction(Database &db, Kind kind);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &db_;
    bool open_ = false;
};

} // namespace collab::sqlite
