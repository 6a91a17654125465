#pragma once

#include "store/Records.h"

#include <cstddef>
#include <istream>
#include <string>

namespace collab::store {
class Store;
}

namespace collab::demo {

// Loads a demo sample (data/demo-store.txt; the format is described at the
// top of that file) into a store through the Store API, all in one batch:
// on any error nothing is written.
//
// Throws std::runtime_error "<source>:<line>: <problem>" for a malformed
// file and store::StoreError when the store refuses or fails.
class DemoLoader {
public:
    struct Summary {
        std::size_t accounts = 0;
        std::size_t books = 0;
        std::size_t entries = 0;
        std::size_t fields = 0;
    };

    // currentUser is the user the "[logging-in user]" part applies to.
    static Summary load(store::Store &store, const store::UserIdentity &currentUser, std::istream &input,
                        const std::string &sourceName);
};

} // namespace collab::demo
