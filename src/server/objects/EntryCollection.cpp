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
    : StoreObject(std::move(store)), bookId_(bookId), listStamp_(this->store().bookStamp(bookId)),
      snapshotSequence_(this->store().changeSequence()), snapshot_(this->store().entries(bookId))
{
}

std::span<const automation::ServerObject::Member> EntryCollection::members() const noexcept
{
    return Members;
}

const std::vector<store::EntryRecord> &EntryCollection::entries()
{
    if (!listStamp_.current()) {
        const std::uint64_t sequence = store().changeSequence();
        snapshot_ = store().entries(bookId_);
        snapshotSequence_ = sequence;
        rereads_.clear();
        listStamp_.renew();
    }
    return *snapshot_;
}

automation::Variant EntryCollection::item(std::size_t index)
{
    const store::EntryRecord &snapshotted = (*snapshot_)[index];
    auto reread = rereads_.find(index);
    if (reread == rereads_.end()) {
        if (!store().entryChangedSince(snapshotted.id, snapshotSequence_)) {
            // Shares the snapshot: the entry keeps it alive.
            std::shared_ptr<const store::EntryRecord> entry(snapshot_, &snapshotted);
            return automation::Variant::adopt(
                new Entry(sharedStore(), std::move(entry), store().entryStamp(snapshotted.id)));
        }
        const store::ChangeStamp stamp = store().entryStamp(snapshotted.id);
        auto entry = std::make_shared<const store::EntryRecord>(store().entry(snapshotted.id));
        reread = rereads_.emplace(index, Reread{std::move(entry), stamp}).first;
    } else if (!reread->second.stamp.current()) {
        reread->second.entry = std::make_shared<const store::EntryRecord>(store().entry(snapshotted.id));
        reread->second.stamp.renew();
    }
    return automation::Variant::adopt(new Entry(sharedStore(), reread->second.entry, reread->second.stamp));
}

void EntryCollection::invokeMember(automation::DispId id, unsigned, std::span<automation::Variant> args,
                                   automation::Variant *result)
{
    switch (id) {
    case CountId: setResult(result, static_cast<std::int32_t>(entries().size())); break;
    case ItemId: {
        const std::size_t index = itemIndex(args[0], entries().size(), "entry", "address book");
        setResult(result, item(index));
        break;
    }
    case AddId: {
        auto added = std::make_shared<const store::EntryRecord>(
            store().addEntry(bookId_, automation::stringArgument(args[0])));
        const store::ChangeStamp stamp = store().entryStamp(added->id);
        setResult(result, automation::Variant::adopt(new Entry(sharedStore(), std::move(added), stamp)));
        break;
    }
    }
}

} // namespace collab::objects
