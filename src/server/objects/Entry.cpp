#include "Entry.h"

#include "FieldCollection.h"
#include "store/Store.h"

namespace collab::objects {

namespace {

enum : automation::DispId { DisplayNameId = 1, FieldsId, DeleteId };

constexpr automation::ServerObject::Member Members[] = {
    {"DisplayName", DisplayNameId, automation::PropertyGet, 0, 0},
    {"Fields", FieldsId, automation::PropertyGet, 0, 0},
    {"Delete", DeleteId, automation::Method, 0, 0},
};

} // namespace

Entry::Entry(std::shared_ptr<store::Store> store, std::shared_ptr<const store::EntryRecord> entry,
             store::ChangeStamp stamp)
    : StoreObject(std::move(store)), id_(entry->id), entry_(stamp, std::move(entry), [this] {
          return std::make_shared<const store::EntryRecord>(this->store().entry(id_));
      })
{
}

std::span<const automation::ServerObject::Member> Entry::members() const noexcept
{
    return Members;
}

void Entry::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                         automation::Variant *result)
{
    switch (id) {
    case DisplayNameId: setResult(result, entry_.get()->displayName); break;
    case FieldsId: {
        const auto &current = entry_.get();
        std::shared_ptr<const std::vector<store::FieldRecord>> fields(current, &current->fields);
        setResult(result, automation::Variant::adopt(
                              new FieldCollection(sharedStore(), id_, std::move(fields), entry_.stamp())));
        break;
    }
    case DeleteId: store().deleteEntry(id_); break;
    }
}

} // namespace collab::objects
