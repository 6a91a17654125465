#pragma once

#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <vector>

namespace collab::objects {

// The field definitions of a book as read when fetched; read again once this
// connection changes the book. Members: Count, Item(index), Add(name, type).
class DefinitionCollection final : public StoreObject {
public:
    // Reads the list; throws StoreError. One reference, owned by the caller.
    DefinitionCollection(std::shared_ptr<store::Store> store, std::int64_t bookId);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    const std::vector<store::DefinitionRecord> &definitions();

    std::int64_t bookId_;
    store::ChangeStamp stamp_;
    std::vector<store::DefinitionRecord> definitions_;
};

} // namespace collab::objects
