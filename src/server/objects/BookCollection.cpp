#include "BookCollection.h"

#include "Book.h"
#include "store/Store.h"

namespace collab::objects {

BookCollection::BookCollection(std::shared_ptr<store::Store> store, std::int64_t accountId)
    : StoreCollection(std::move(store), 1, "address book", "collection"), accountId_(accountId),
      books_(this->store().bookListStamp(), [this] { return this->store().books(accountId_); })
{
}

std::size_t BookCollection::count()
{
    return books_.get().size();
}

automation::Variant BookCollection::item(std::size_t index)
{
    return automation::Variant::adopt(new Book(sharedStore(), books_.get()[index]));
}

automation::Variant BookCollection::add(std::span<automation::Variant> args)
{
    store::BookRecord added = store().addBook(accountId_, automation::stringArgument(args[0]));
    return automation::Variant::adopt(new Book(sharedStore(), std::move(added)));
}

} // namespace collab::objects
