#pragma once

#include "StoreObject.h"
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
class EntryCollection final : public StoreObject {
public:
    // Reads the snapshot; throws StoreError. One reference, owned by the caller.
    EntryCollection(std::shared_ptr<store::Store> store, std::int64_t bookId);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    // An entry this connection changed after the snapshot, as read since.
    struct Reread {
        std::shared_ptr<const store::EntryRecord> entry;
        store::ChangeStamp stamp;
    };

    const std::vector<store::EntryRecord> &entries();
    // A new Entry for position index of entries(); throws StoreError.
    automation::Variant item(std::size_t index);

    std::int64_t bookId_;
    store::ChangeStamp listStamp_;
    std::uint64_t snapshotSequence_; // the store's change sequence when the snapshot was read
    std::shared_ptr<const std::vector<store::EntryRecord>> snapshot_;
    std::unordered_map<std::size_t, Reread> rereads_; // by position; the snapshot stays untouched
};

} // namespace collab::objects
