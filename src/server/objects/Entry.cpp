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
    : StoreObject(std::move(store)), entry_(std::move(entry)), stamp_(stamp)
{
}

std::span<const automation::ServerObject::Member> Entry::members() const noexcept
{
    return Members;
}

const std::shared_ptr<const store::EntryRecord> &Entry::entry()
{
    if (!stamp_.current()) {
        entry_ = std::make_shared<const store::EntryRecord>(store().entry(entry_->id));
        stamp_.renew();
    }
    return entry_;
}

void Entry::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant>,
                         automation::Variant *result)
{
    switch (id) {
    case DisplayNameId: setResult(result, entry()->displayName); break;
    case FieldsId: {
        const auto &current = entry();
        std::shared_ptr<const std::vector<store::FieldRecord>> fields(current, &current->fields);
        setResult(result, automation::Variant::adopt(
                              new FieldCollection(sharedStore(), current->id, std::move(fields), stamp_)));
        break;
    }
    case DeleteId: store().deleteEntry(entry_->id); break;
    }
}

} // namespace collab::objects
