#pragma once

#include "StoreObject.h"
#include "store/Records.h"

namespace collab::objects {

// The logged-in account. Members: Name, UserID, EMail (strings) and
// AddressBooks (a BookCollection, fetched anew on every read).
class Account final : public StoreObject {
public:
    // One reference, owned by the caller.
    Account(std::shared_ptr<store::Store> store, store::AccountRecord account);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    store::AccountRecord account_;
};

} // namespace collab::objects
