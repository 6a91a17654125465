#include "Account.h"

#include "BookCollection.h"

namespace collab::objects {

namespace {

enum : automation::DispId { NameId = 1, UserIdId, EMailId, AddressBooksId };

constexpr automation::ServerObject::Member Members[] = {
    {"Name", NameId, automation::PropertyGet, 0, 0},
    {"UserID", UserIdId, automation::PropertyGet, 0, 0},
    {"EMail", EMailId, automation::PropertyGet, 0, 0},
    {"AddressBooks", AddressBooksId, automation::PropertyGet, 0, 0},
};

} // namespace

Account::Account(std::shared_ptr<store::Store> store, store::AccountRecord account)
    : StoreObject(std::move(store)), account_(std::move(account))
{
}

std::span<const automation::ServerObject::Member> Account::members() const noexcept
{
    return Members;
}

void Account::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                           automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, account_.identity.name); break;
    case UserIdId: setResult(result, account_.identity.userId); break;
    case EMailId: setResult(result, account_.identity.email); break;
    case AddressBooksId:
        setResult(result, automation::Variant::adopt(new BookCollection(sharedStore(), account_.id)));
        break;
    }
}

} // namespace collab::objects
