#pragma once

#include "SessionOptions.h"
#include "automation/ServerObject.h"
#include "store/Records.h"

#include <memory>
#include <optional>

namespace collab::store {
class Store;
}

namespace collab::objects {

// The object created for ProgID "ValdrinOrvastaSession".
//
// Members: Login([profile]) opens the store and logs the user in, creating
// the account on first login (the profile argument is accepted and
// ignored: the store is chosen by the server setting; logging in again is
// a no-op); RootAccount is the logged-in account. Before Login every member
// but Login fails with "Not logged in".
class Session final : public automation::ServerObject {
public:
    // A new session with one reference, owned by the caller.
    static automation::Dispatch *create(SessionOptions options = {});

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;
    const char *sourceName() const noexcept override;

private:
    explicit Session(SessionOptions options);
    ~Session() override;

    void login();

    SessionOptions options_;
    std::shared_ptr<store::Store> store_;
    std::optional<store::AccountRecord> account_;
};

} // namespace collab::objects
