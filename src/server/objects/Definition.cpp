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
    : StoreObject(std::move(store)), id_(definition.id),
      definition_(stamp, std::move(definition), [this] { return this->store().definition(id_); })
{
}

std::span<const automation::ServerObject::Member> Definition::members() const noexcept
{
    return Members;
}

void Definition::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                              automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, definition_.get().name); break;
    case TypeId: setResult(result, definition_.get().type); break;
    }
}

} // namespace collab::objects
