#pragma once

#include <cstdint>

namespace collab::store {

// Remembers the value of one of a Store's change counters when some data was
// read. While the counter is unchanged, the connection has written nothing
// that data depends on, so it may be served from memory.
//
// The counter must outlive the stamp (objects keep their Store alive).
class ChangeStamp {
public:
    explicit ChangeStamp(const std::uint64_t &counter) noexcept : counter_(&counter), seen_(counter) {}

    bool current() const noexcept { return *counter_ == seen_; }
    void renew() noexcept { seen_ = *counter_; }

private:
    const std::uint64_t *counter_;
    std::uint64_t seen_;
};

} // namespace collab::store
