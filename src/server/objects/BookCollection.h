#pragma once

#include "Stamped.h"
#include "StoreCollection.h"
#include "store/Records.h"

#include <vector>

namespace collab::objects {

// The address books of an account as read when the collection was fetched:
// the system address book first, then the account's own books in creation
// order. Changes made through this connection since are seen at once (the
// list is read again). Members: Count, Item(index), Add(name).
class BookCollection final : public StoreCollection {
public:
    // Reads the list; throws StoreError. One reference, owned by the caller.
    BookCollection(std::shared_ptr<store::Store> store, std::int64_t accountId);

protected:
    std::size_t count() override;
    automation::Variant item(std::size_t index) override;
    automation::Variant add(std::span<automation::Variant> args) override;

private:
    std::int64_t accountId_;
    Stamped<std::vector<store::BookRecord>> books_;
};

} // namespace collab::objects
