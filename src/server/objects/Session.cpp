#include "Session.h"

#include "Account.h"
#include "ServerName.h"
#include "store/OsUser.h"
#include "store/Store.h"
#include "store/StoreLocation.h"

namespace collab::objects {

namespace {

enum : automation::DispId { LoginId = 1, RootAccountId };

constexpr automation::ServerObject::Member Members[] = {
    {"Login", LoginId, automation::Method, 0, 1},
    {"RootAccount", RootAccountId, automation::PropertyGet, 0, 0},
};

} // namespace

automation::Dispatch *Session::create(SessionOptions options)
{
    return new Session(std::move(options));
}

Session::Session(SessionOptions options) : options_(std::move(options)) {}

Session::~Session() = default;

std::span<const automation::ServerObject::Member> Session::members() const noexcept
{
    return Members;
}

const char *Session::sourceName() const noexcept
{
    return ServerName;
}

void Session::login()
{
    if (account_)
        return;
    store::StoreOptions storeOptions =
        options_.store ? *options_.store : store::StoreOptions{store::StoreLocation::configured(), false, {}};
    const store::UserIdentity user = options_.user ? *options_.user : store::OsUser::current();
    auto opened = std::make_shared<store::Store>(storeOptions);
    account_ = opened->login(user);
    store_ = std::move(opened);
}

void Session::invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                           automation::Variant *result)
{
    if (id == LoginId) {
        login();
        return;
    }
    if (!account_)
        throw automation::ServerException("Not logged in: call Login first");
    setResult(result, automation::Variant::adopt(new Account(store_, *account_)));
}

} // namespace collab::objects
