#pragma once

#include "Stamped.h"
#include "StoreCollection.h"
#include "store/Records.h"

#include <vector>

namespace collab::objects {

// The field definitions of a book as read when fetched; read again once this
// connection changes the book. Members: Count, Item(index), Add(name, type).
class DefinitionCollection final : public StoreCollection {
public:
    // Reads the list; throws StoreError. One reference, owned by the caller.
    DefinitionCollection(std::shared_ptr<store::Store> store, std::int64_t bookId);

protected:
    std::size_t count() override;
    automation::Variant item(std::size_t index) override;
    automation::Variant add(std::span<automation::Variant> args) override;

private:
    std::int64_t bookId_;
    Stamped<std::vector<store::DefinitionRecord>> definitions_;
};

} // namespace collab::objects
