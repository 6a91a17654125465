#pragma once

#include "StoreObject.h"

#include <array>
#include <cstddef>

namespace collab::objects {

// Base of the collections a session hands out. Members: Count, Item(index)
// with a one-based index checked against Count, and Add with a fixed number
// of arguments. Subclasses say what the items are and how they are read.
class StoreCollection : public StoreObject {
protected:
    // itemNoun and collectionNoun name both in the message for an index
    // outside the collection, as in "There is no entry 7; the address book
    // holds 6"; both must outlive the object (string literals).
    StoreCollection(std::shared_ptr<store::Store> store, unsigned addArguments, const char *itemNoun,
                    const char *collectionNoun) noexcept;

    // The number of items, reading again first what this connection changed.
    virtual std::size_t count() = 0;
    // A new object for the item at a zero-based index below count(), which
    // was just called.
    virtual automation::Variant item(std::size_t index) = 0;
    // Adds an item from Add's arguments and returns a new object for it.
    virtual automation::Variant add(std::span<automation::Variant> args) = 0;

private:
    std::span<const Member> members() const noexcept final;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) final;

    std::array<Member, 3> members_;
    const char *itemNoun_;
    const char *collectionNoun_;
};

} // namespace collab::objects
