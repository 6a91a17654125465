#pragma once

#include "Stamped.h"
#include "StoreObject.h"
#include "store/Records.h"

namespace collab::objects {

// One address book. Members: Name, ObjType (2 for the system address book,
// 1 for own books), AddressBookEntries and FieldDefinitions (collections
// fetched anew on every read), Delete. After the book is deleted, every
// member fails.
class Book final : public StoreObject {
public:
    // One reference, owned by the caller.
    Book(std::shared_ptr<store::Store> store, store::BookRecord book);

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;

private:
    std::int64_t id_;
    Stamped<store::BookRecord> book_;
};

} // namespace collab::objects
