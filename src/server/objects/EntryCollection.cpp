#include "EntryCollection.h"

#include "Entry.h"
#include "ItemIndex.h"
#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { CountId = 1, ItemId, AddId };

constexpr automation::ServerObject::Member Members[] = {
    {"Count", CountId, automation::PropertyGet, 0, 0},
    {"Item", ItemId, automation::Method | automation::PropertyGet, 1, 1},
    {"Add", AddId, automation::Method, 1, 1},
};

} // namespace

EntryCollection::EntryCollection(std::shared_ptr<store::Store> store, std::int64_t bookId)
    : StoreObject(std::move(store)), bookId_(bookId), stamp_(this->store().bookStamp(bookId)),
      entries_(this->store().entries(bookId))
{
}

std::span<const automation::ServerObject::Member> EntryCollection::members() const noexcept
{
    return Members;
}

const std::vector<store::EntryRecord> &EntryCollection::entries()
{
    if (!stamp_.current()) {
        entries_ = store().entries(bookId_);
        stamp_.renew();
    }
    return *entries_;
}

void EntryCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                   automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(entries().size())); break;
    case ItemId: {
        const auto &list = entries();
        const std::size_t index = itemIndex(args[0], list.size(), "entry", "address book");
        // Shares the snapshot: the entry keeps it alive.
        std::shared_ptr<const store::EntryRecord> entry(entries_, &list[index]);
        setResult(result, automation::Variant::adopt(new Entry(sharedStore(), bookId_, std::move(entry), stamp_)));
        break;
    }
    case AddId: {
        auto added = std::make_shared<const store::EntryRecord>(
            store().addEntry(bookId_, automation::stringArgument(args[0])));
        setResult(result, automation::Variant::adopt(
                              new Entry(sharedStore(), bookId_, std::move(added), store().bookStamp(bookId_))));
        break;
    }
    }
}

} // namespace collab::objects
