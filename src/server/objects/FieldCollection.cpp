#include "FieldCollection.h"

#include "Field.h"
#include "store/Store.h"

namespace collab::objects {

FieldCollection::FieldCollection(std::shared_ptr<store::Store> store, std::int64_t entryId,
                                 std::shared_ptr<const std::vector<store::FieldRecord>> fields,
                                 store::ChangeStamp stamp)
    : StoreCollection(std::move(store), 3, "field", "entry"), entryId_(entryId),
      fields_(stamp, std::move(fields), [this] {
          return std::make_shared<const std::vector<store::FieldRecord>>(this->store().entry(entryId_).fields);
      })
{
}

std::size_t FieldCollection::count()
{
    return fields_.get()->size();
}

automation::Variant FieldCollection::item(std::size_t index)
{
    const auto &fields = fields_.get();
    // Shares the list: the field keeps it alive.
    std::shared_ptr<const store::FieldRecord> field(fields, &(*fields)[index]);
    return automation::Variant::adopt(new Field(sharedStore(), std::move(field), fields_.stamp()));
}

automation::Variant FieldCollection::add(std::span<automation::Variant> args)
{
    const std::string name = automation::stringArgument(args[0]);
    const std::int32_t type = automation::integerArgument(args[1]);
    const std::string value = automation::stringArgument(args[2]);
    auto added = std::make_shared<const store::FieldRecord>(store().addField(entryId_, name, type, value));
    return automation::Variant::adopt(new Field(sharedStore(), std::move(added), store().entryStamp(entryId_)));
}

} // namespace collab::objects
