#pragma once

#include "automation/ServerObject.h"

#include <memory>

namespace collab::store {
class Store;
}

namespace collab::objects {

// Base of the objects a logged-in session hands out: each keeps the store
// connection alive for as long as it lives, and reports failures under the
// server's name. Objects of one session are used by one thread at a time.
class StoreObject : public automation::ServerObject {
protected:
    explicit StoreObject(std::shared_ptr<store::Store> store) noexcept : store_(std::move(store)) {}

    const char *sourceName() const noexcept override;
    store::Store &store() const noexcept { return *store_; }
    const std::shared_ptr<store::Store> &sharedStore() const noexcept { return store_; }

    // Rejects a property get that carries arguments (the shared checks only
    // know the count over every way a member may be invoked).
    static void requireNoArguments(std::span<automation::Variant> args);

private:
    std::shared_ptr<store::Store> store_;
};

} // namespace collab::objects
