#pragma once

#include "Statement.h"

namespace collab::sqlite {

// One use of a cached statement: resets it (and clears its bindings) when the
// use ends, even by an exception, so the statement holds no read lock and
// no stale parameters afterwards. Throws what Statement throws.
class Query {
public:
    explicit Query(Statement &statement) noexcept : statement_(statement) {}
    ~Query() { statement_.reset(); }
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    Statement *operator->() noexcept { return &statement_; }
    Statement &operator*() noexcept { return statement_; }

private:
    Statement &statement_;
};

} // namespace collab::sqlite
