#include "StoreCollection.h"

#include "ItemIndex.h"

namespace collab::objects {

namespace {

enum : automation::DispId { CountId = 1, ItemId, AddId };

} // namespace

StoreCollection::StoreCollection(std::shared_ptr<store::Store> store, unsigned addArguments, const char *itemNoun,
                                 const char *collectionNoun) noexcept
    : StoreObject(std::move(store)),
      members_{{{"Count", CountId, automation::PropertyGet, 0, 0},
                {"Item", ItemId, automation::Method | automation::PropertyGet, 1, 1},
                {"Add", AddId, automation::Method, addArguments, addArguments}}},
      itemNoun_(itemNoun), collectionNoun_(collectionNoun)
{
}

std::span<const automation::ServerObject::Member> StoreCollection::members() const noexcept
{
    return members_;
}

void StoreCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                   automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(count())); break;
    case ItemId: setResult(result, item(itemIndex(args[0], count(), itemNoun_, collectionNoun_))); break;
    case AddId: setResult(result, add(args)); break;
    }
}

} // namespace collab::objects
