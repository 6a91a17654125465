#include "EntryCollection.h"

#include "Entry.h"
#include "store/Store.h"

namespace collab::objects {

EntryCollection::EntryCollection(std::shared_ptr<store::Store> store, std::int64_t bookId)
    : StoreCollection(std::move(store), 1, "entry", "address book"), bookId_(bookId),
      listStamp_(this->store().bookStamp(bookId)), snapshotSequence_(this->store().changeSequence()),
      snapshot_(this->store().entries(bookId))
{
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

std::size_t EntryCollection::count()
{
    return entries().size();
}

automation::Variant EntryCollection::item(std::size_t index)
{
    const std::int64_t entryId = (*snapshot_)[index].id;
    auto reread = rereads_.find(index);
    if (reread == rereads_.end()) {
        if (!store().entryChangedSince(entryId, snapshotSequence_)) {
            // Shares the snapshot: the entry keeps it alive.
            std::shared_ptr<const store::EntryRecord> entry(snapshot_, &(*snapshot_)[index]);
            return automation::Variant::adopt(new Entry(sharedStore(), std::move(entry), store().entryStamp(entryId)));
        }
        Stamped<std::shared_ptr<const store::EntryRecord>> read(store().entryStamp(entryId), [this, entryId] {
            return std::make_shared<const store::EntryRecord>(store().entry(entryId));
        });
        reread = rereads_.emplace(index, std::move(read)).first;
    }
    const auto &entry = reread->second.get();
    return automation::Variant::adopt(new Entry(sharedStore(), entry, reread->second.stamp()));
}

automation::Variant EntryCollection::add(std::span<automation::Variant> args)
{
    auto added = std::make_shared<const store::EntryRecord>(
        store().addEntry(bookId_, automation::stringArgument(args[0])));
    const store::ChangeStamp stamp = store().entryStamp(added->id);
    return automation::Variant::adopt(new Entry(sharedStore(), std::move(added), stamp));
}

} // namespace collab::objects
