#pragma once

#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <vector>

namespace collab::objects {

// The address books of an account as read when the collection was fetched:
// the system address book first, then the account's own books in creation
// order. Changes made through this connection since are seen at once (the
// list is read again). Members: Count, Item(index), Add(name).
class BookCollection final : public StoreObject {
public:
    // Reads the list; throws StoreError. One reference, owned by the caller.
    BookCollection(std::shared_ptr<store::Store> store, std::int64_t accountId);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    const std::vector<store::BookRecord> &books();

    std::int64_t accountId_;
    store::ChangeStamp stamp_;
    std::vector<store::BookRecord> books_;
};

} // namespace collab::objects
