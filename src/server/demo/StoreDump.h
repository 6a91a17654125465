#pragma once

#include <ostream>

namespace collab::store {
class Store;
}

namespace collab::demo {

// Writes what a store holds as text for people: the accounts, the system
// address book, then each account's own books with their ObjType, field
// definitions, entries and fields. Control characters in texts are shown as
// escapes (\n, \t, \0, \xNN). Throws store::StoreError.
class StoreDump {
public:
    static void write(store::Store &store, std::ostream &out);
};

} // namespace collab::demo
