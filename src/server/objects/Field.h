#pragma once

#include "Stamped.h"
#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

#include <memory>

namespace collab::objects {

// One field of an entry. Members: Name, Type, Value (get and put), Delete.
// Reads answer from the snapshot the field came from until this connection
// changes its entry; then the field is read again and fails if it is gone.
class Field final : public StoreObject {
public:
    // stamp: its entry's change stamp, taken when field was read. One
    // reference, owned by the caller.
    Field(std::shared_ptr<store::Store> store, std::shared_ptr<const store::FieldRecord> field,
          store::ChangeStamp stamp);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    std::int64_t id_;
    Stamped<std::shared_ptr<const store::FieldRecord>> field_;
};

} // namespace collab::objects
