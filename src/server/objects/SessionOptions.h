#pragma once

#include "store/Records.h"
#include "store/StoreOptions.h"

#include <optional>

namespace collab::objects {

// How a session finds its store and its user; unset parts take the server
// setting (see store::StoreLocation) and the operating-system user (see
// store::OsUser) when Login runs.
struct SessionOptions {
    std::optional<store::StoreOptions> store;
    std::optional<store::UserIdentity> user;
};

} // namespace collab::objects
