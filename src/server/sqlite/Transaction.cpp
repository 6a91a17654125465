#include "Transaction.h"

#include "Database.h"
#include "Query.h"

namespace collab::sqlite {

namespace {
constexpr const char *BeginRead = "BEGIN";
constexpr const char *BeginWrite = "BEGIN IMMEDIATE";
constexpr const char *Commit = "COMMIT";
constexpr const char *Rollback = "ROLLBACK";
} // namespace

Transaction::Transaction(Database &db, Kind kind) : db_(db)
{
    Query begin(db_.cached(kind == Kind::Write ? BeginWrite : BeginRead));
    begin->step();
    open_ = true;
}

Transaction::~Transaction()
{
    // SQLite rolls back by itself after some failures (full disk, I/O
    // errors); a second ROLLBACK would only report "no transaction".
    if (!open_ || !db_.inTransaction())
        return;
    try {
        Query rollback(db_.cached(Rollback));
        rollback->step();
    } catch (...) {
        // Nothing more can be done here; the connection drops the
        // transaction when it closes.
    }
}

void Transaction::commit()
{
    Query commit(db_.cached(Commit));
    commit->step();
    open_ = false;
}

} // namespace collab::sqlite
