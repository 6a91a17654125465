#pragma once

namespace collab::store {

class Store;

// Groups the changes made through a Store into one write transaction: all
// of them are committed by commit(), none if the batch ends without it.
// Bulk loads use it to be all or nothing (and to pay one sync, not one per
// change). Batches do not nest.
//
// The constructor and commit() throw StoreError; the destructor never throws.
class Batch {
public:
    explicit Batch(Store &store);
    ~Batch();
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    void commit();

private:
    Store &store_;
    bool open_ = true;
};

} // namespace collab::store
