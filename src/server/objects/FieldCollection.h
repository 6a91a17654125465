#pragma once

#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <memory>
#include <vector>

namespace collab::objects {

// The fields of one entry, in creation order, from the snapshot the entry
// came from; read again once this connection changes the entry. Fields of
// one entry may share a name. Members: Count, Item(index), Add(name, type,
// value).
class FieldCollection final : public StoreObject {
public:
    // stamp: the entry's change stamp, taken when fields were read. One
    // reference, owned by the caller.
    FieldCollection(std::shared_ptr<store::Store> store, std::int64_t entryId,
                    std::shared_ptr<const std::vector<store::FieldRecord>> fields, store::ChangeStamp stamp);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    const std::vector<store::FieldRecord> &fields();

    std::int64_t entryId_;
    std::shared_ptr<const std::vector<store::FieldRecord>> fields_;
    store::ChangeStamp stamp_;
};

} // namespace collab::objects
