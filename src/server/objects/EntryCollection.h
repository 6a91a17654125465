#pragma once

#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <memory>
#include <vector>

namespace collab::objects {

// The entries of a book, each with all its fields, read in one transaction
// when the collection is fetched. The snapshot is immutable and shared by
// the Entry, FieldCollection and Field objects made from it, so walking it
// costs no database access. Once this connection changes the book, the
// snapshot is read again before the next use. Members: Count, Item(index),
// Add(display name).
class EntryCollection final : public StoreObject {
public:
    // Reads the snapshot; throws StoreError. One reference, owned by the caller.
    EntryCollection(std::shared_ptr<store::Store> store, std::int64_t bookId);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    const std::vector<store::EntryRecord> &entries();

    std::int64_t bookId_;
    store::ChangeStamp stamp_;
    std::shared_ptr<const std::vector<store::EntryRecord>> entries_;
};

} // namespace collab::objects
