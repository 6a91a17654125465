#include "Field.h"

#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { NameId = 1, TypeId, ValueId, DeleteId };

constexpr automation::ServerObject::Member Members[] = {
    {"Name", NameId, automation::PropertyGet, 0, 0},
    {"Type", TypeId, automation::PropertyGet, 0, 0},
    {"Value", ValueId, automation::PropertyGet | automation::PropertyPut, 0, 1},
    {"Delete", DeleteId, automation::Method, 0, 0},
};

} // namespace

Field::Field(std::shared_ptr<store::Store> store, std::shared_ptr<const store::FieldRecord> field,
             store::ChangeStamp stamp)
    : StoreObject(std::move(store)), field_(std::move(field)), stamp_(stamp)
{
}

std::span<const automation::ServerObject::Member> Field::members() const noexcept
{
    return Members;
}

const store::FieldRecord &Field::field()
{
    if (!stamp_.current()) {
        field_ = std::make_shared<const store::FieldRecord>(store().field(field_->id));
        stamp_.renew();
    }
    return *field_;
}

void Field::invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                         automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, field().name); break;
    case TypeId: setResult(result, field().type); break;
    case ValueId:
        if (flags & automation::PropertyPut) {
            if (args.size() != 1)
                throw automation::StatusException(automation::Disp_E_BadParamCount);
            store().setFieldValue(field_->id, automation::stringArgument(args[0]));
        } else {
            requireNoArguments(args);
            setResult(result, field().value);
        }
        break;
    case DeleteId: store().deleteField(field_->id); break;
    }
}

} // namespace collab::objects
