#pragma once

#include "Stamped.h"
#include "StoreObject.h"
#include "store/ChangeStamp.h"
#include "store/Records.h"

namespace collab::objects {

// One field definition of a book. Members: Name, Type.
class Definition final : public StoreObject {
public:
    // One reference, owned by the caller.
    Definition(std::shared_ptr<store::Store> store, store::DefinitionRecord definition, store::ChangeStamp stamp);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    std::int64_t id_;
    Stamped<store::DefinitionRecord> definition_;
};

} // namespace collab::objects
