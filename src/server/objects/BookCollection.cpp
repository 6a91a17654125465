#include "BookCollection.h"

#include "Book.h"
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

BookCollection::BookCollection(std::shared_ptr<store::Store> store, std::int64_t accountId)
    : StoreObject(std::move(store)), accountId_(accountId), stamp_(this->store().bookListStamp()),
      books_(this->store().books(accountId))
{
}

std::span<const automation::ServerObject::Member> BookCollection::members() const noexcept
{
    return Members;
}

const std::vector<store::BookRecord> &BookCollection::books()
{
    if (!stamp_.current()) {
        books_ = store().books(accountId_);
        stamp_.renew();
    }
    return books_;
}

void BookCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                  automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(books().size())); break;
    case ItemId: {
        const auto &list = books();
        const std::size_t index = itemIndex(args[0], list.size(), "address book", "collection");
        setResult(result, automation::Variant::adopt(new Book(sharedStore(), list[index])));
        break;
    }
    case AddId: {
        store::BookRecord added = store().addBook(accountId_, automation::stringArgument(args[0]));
        setResult(result, automation::Variant::adopt(new Book(sharedStore(), std::move(added))));
        break;
    }
    }
}

} // namespace collab::objects
