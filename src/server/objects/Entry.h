#pragma once

#include "Stamped.h"
#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <memory>

namespace collab::objects {

// One entry. Members: DisplayName, Fields (a FieldCollection), Delete.
//
// The entry answers from the snapshot it was made from, fields included:
// Fields of an entry from a collection shows the same committed state as
// the rest of that collection, so one walk over a book sees one state. Once
// this connection changes the entry (its fields) or deletes it or its book,
// the entry is read again (and fails if it was deleted).
class Entry final : public StoreObject {
public:
    // stamp: the entry's change stamp, taken when entry was read. One
    // reference, owned by the caller.
    Entry(std::shared_ptr<store::Store> store, std::shared_ptr<const store::EntryRecord> entry,
          store::ChangeStamp stamp);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    std::int64_t id_;
    Stamped<std::shared_ptr<const store::EntryRecord>> entry_;
};

} // namespace collab::objects
