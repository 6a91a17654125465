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
    : StoreObject(std::move(store)), id_(field->id), field_(stamp, std::move(field), [this] {
          return std::make_shared<const store::FieldRecord>(this->store().field(id_));
      })
{
}

std::span<const automation::ServerObject::Member> Field::members() const noexcept
{
    return Members;
}

void Field::invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                         automation::Variant *result)
{
    switch (id) {
    case NameId: setResult(result, field_.get()->name); break;
    case TypeId: setResult(result, field_.get()->type); break;
    case ValueId:
        if (flags & automation::PropertyPut) {
            if (args.size() != 1)
                throw automation::StatusException(automation::Disp_E_BadParamCount);
            store().setFieldValue(id_, automation::stringArgument(args[0]));
        } else {
            requireNoArguments(args);
            setResult(result, field_.get()->value);
        }
        break;
    case DeleteId: store().deleteField(id_); break;
    }
}

} // namespace collab::objects
