#include "Definition.h"

#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { NameId = 1, TypeId };

constexpr automation::ServerObject::Member Members[] = {
    {"Name", NameId, automation::PropertyGet, 0, 0},
    {"Type", TypeId, automation::PropertyGet, 0, 0},
};

} // namespace

Definition::Definition(std::shared_ptr<store::Store> store, store::DefinitionRecord definition,
                       store::ChangeStamp stamp)
    : StoreObject(std::move(store)), definition_(std::move(definition)), stamp_(stamp)
{
}

std::span<const automation::ServerObject::Member> Definition::members() const noexcept
{
    return Members;
}

const store::DefinitionRecord &Definition::definition()
{
    if (!stamp_.current()) {
        definition_ = store().definition(definition_.id);
        stamp_.renew();
    }
    return definition_;
}

void Definition::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                              automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, definition().name); break;
    case TypeId: setResult(result, definition().type); break;
    }
}

} // namespace collab::objects
