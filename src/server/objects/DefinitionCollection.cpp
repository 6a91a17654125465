#include "DefinitionCollection.h"

#include "Definition.h"
#include "ItemIndex.h"
#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { CountId = 1, ItemId, AddId };

constexpr automation::ServerObject::Member Members[] = {
    {"Count", CountId, automation::PropertyGet, 0, 0},
    {"Item", ItemId, automation::Method | automation::PropertyGet, 1, 1},
    {"Add", AddId, automation::Method, 2, 2},
};

} // namespace

DefinitionCollection::DefinitionCollection(std::shared_ptr<store::Store> store, std::int64_t bookId)
    : StoreObject(std::move(store)), bookId_(bookId), stamp_(this->store().bookStamp(bookId)),
      definitions_(this->store().definitions(bookId))
{
}

std::span<const automation::ServerObject::Member> DefinitionCollection::members() const noexcept
{
    return Members;
}

const std::vector<store::DefinitionRecord> &DefinitionCollection::definitions()
{
    if (!stamp_.current()) {
        definitions_ = store().definitions(bookId_);
        stamp_.renew();
    }
    return definitions_;
}

void DefinitionCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                        automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(definitions().size())); break;
    case ItemId: {
        const auto &list = definitions();
        const std::size_t index = itemIndex(args[0], list.size(), "field definition", "address book");
        setResult(result, automation::Variant::adopt(new Definition(sharedStore(), list[index], stamp_)));
        break;
    }
    case AddId: {
        const std::string name = automation::stringArgument(args[0]);
        const std::int32_t type = automation::integerArgument(args[1]);
        store::DefinitionRecord added = store().addDefinition(bookId_, name, type);
        setResult(result, automation::Variant::adopt(
                              new Definition(sharedStore(), std::move(added), store().bookStamp(bookId_))));
        break;
    }
    }
}

} // namespace collab::objects
