#pragma once

#include "Stamped.h"
#include "StoreCollection.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace collab::objects {

// The entries of a book, each with all its fields, read in one transaction
// when the collection is fetched. The snapshot is immutable and shared by
// the Entry, FieldCollection and Field objects made from it, so walking it
// costs no database access. Members: Count, Item(index), Add(display name).
//
// This connection's own changes are seen at once, at the cost of what they
// touched: adding or deleting an entry (or deleting the book) reads the
// snapshot again before the next use; a change to one entry's fields reads
// that entry alone again when Item reaches it, so a loop writing to every
// entry stays linear.
class EntryCollection final : public StoreCollection {
public:
    // Reads the snapshot; throws StoreError. One reference, owned by the caller.
    EntryCollection(std::shared_ptr<store::Store> store, std::int64_t bookId);

protected:
    std::size_t count() override;
    automation::Variant item(std::size_t index) override;
    automation::Variant add(std::span<automation::Variant> args) override;

private:
    const std::vector<store::EntryRecord> &entries();

    std::int64_t bookId_;
    store::ChangeStamp listStamp_;
    std::uint64_t snapshotSequence_; // the store's change sequence when the snapshot was read
    std::shared_ptr<const std::vector<store::EntryRecord>> snapshot_;
    // Entries this connection changed after the snapshot, as read since, by
    // position; the snapshot itself stays untouched.
    std::unordered_map<std::size_t, Stamped<std::shared_ptr<const store::EntryRecord>>> rereads_;
};

} // namespace collab::objects
