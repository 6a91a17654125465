#include "DefinitionCollection.h"

#include "Definition.h"
#include "store/Store.h"

namespace collab::objects {

DefinitionCollection::DefinitionCollection(std::shared_ptr<store::Store> store, std::int64_t bookId)
    : StoreCollection(std::move(store), 2, "field definition", "address book"), bookId_(bookId),
      definitions_(this->store().bookStamp(bookId), [this] { return this->store().definitions(bookId_); })
{
}

std::size_t DefinitionCollection::count()
{
    return definitions_.get().size();
}

automation::Variant DefinitionCollection::item(std::size_t index)
{
    return automation::Variant::adopt(
        new Definition(sharedStore(), definitions_.get()[index], definitions_.stamp()));
}

automation::Variant DefinitionCollection::add(std::span<automation::Variant> args)
{
    const std::string name = automation::stringArgument(args[0]);
    const std::int32_t type = automation::integerArgument(args[1]);
    store::DefinitionRecord added = store().addDefinition(bookId_, name, type);
    return automation::Variant::adopt(new Definition(sharedStore(), std::move(added), store().bookStamp(bookId_)));
}

} // namespace collab::objects
