#include "FieldCollection.h"

#include "Field.h"
#include "ItemIndex.h"
#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { CountId = 1, ItemId, AddId };

constexpr automation::ServerObject::Member Members[] = {
    {"Count", CountId, automation::PropertyGet, 0, 0},
    {"Item", ItemId, automation::Method | automation::PropertyGet, 1, 1},
    {"Add", AddId, automation::Method, 3, 3},
};

} // namespace

FieldCollection::FieldCollection(std::shared_ptr<store::Store> store, std::int64_t entryId,
                                 std::shared_ptr<const std::vector<store::FieldRecord>> fields,
                                 store::ChangeStamp stamp)
    : StoreObject(std::move(store)), entryId_(entryId), fields_(std::move(fields)), stamp_(stamp)
{
}

std::span<const automation::ServerObject::Member> FieldCollection::members() const noexcept
{
    return Members;
}

const std::vector<store::FieldRecord> &FieldCollection::fields()
{
    if (!stamp_.current()) {
        fields_ = std::make_shared<const std::vector<store::FieldRecord>>(store().entry(entryId_).fields);
        stamp_.renew();
    }
    return *fields_;
}

void FieldCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                   automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(fields().size())); break;
    case ItemId: {
        const auto &list = fields();
        const std::size_t index = itemIndex(args[0], list.size(), "field", "entry");
        std::shared_ptr<const store::FieldRecord> field(fields_, &list[index]);
        setResult(result, automation::Variant::adopt(new Field(sharedStore(), std::move(field), stamp_)));
        break;
    }
    case AddId: {
        const std::string name = automation::stringArgument(args[0]);
        const std::int32_t type = automation::integerArgument(args[1]);
        const std::string value = automation::stringArgument(args[2]);
        auto added = std::make_shared<const store::FieldRecord>(store().addField(entryId_, name, type, value));
        setResult(result, automation::Variant::adopt(new Field(sharedStore(), std::move(added),
                                                               store().entryStamp(entryId_))));
        break;
    }
    }
}

} // namespace collab::objects
