#pragma once

#include "Stamped.h"
#include "StoreCollection.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <memory>
#include <vector>

namespace collab::objects {

// The fields of one entry, in creation order, from the snapshot the entry
// came from; read again once this connection changes the entry. Fields of
// one entry may share a name. Members: Count, Item(index), Add(name, type,
// value).
class FieldCollection final : public StoreCollection {
public:
    // stamp: the entry's change stamp, taken when fields were read. One
    // reference, owned by the caller.
    FieldCollection(std::shared_ptr<store::Store> store, std::int64_t entryId,
                    std::shared_ptr<const std::vector<store::FieldRecord>> fields, store::ChangeStamp stamp);

protected:
    std::size_t count() override;
    automation::Variant item(std::size_t index) override;
    automation::Variant add(std::span<automation::Variant> args) override;

private:
    std::int64_t entryId_;
    Stamped<std::shared_ptr<const std::vector<store::FieldRecord>>> fields_;
};

} // namespace collab::objects
