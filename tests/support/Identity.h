#pragma once

#include <cstdint>
#include <utility>

namespace scripted {

// Which model item an object reference stands for, so that references stay
// on their item while tests insert or erase items around it.
//
// Issued on first use. Moving keeps it (a vector shifting its elements moves
// them); copying gives none, because a copy is a new item: references to the
// original must not find the copy.
class Identity {
public:
    using Value = std::uint64_t;

    Identity() noexcept = default;
    Identity(const Identity &) noexcept {}
    Identity(Identity &&other) noexcept : value_(std::exchange(other.value_, 0)) {}
    Identity &operator=(const Identity &other) noexcept
    {
        if (this != &other)
            value_ = 0;
        return *this;
    }
    Identity &operator=(Identity &&other) noexcept
    {
        if (this != &other)
            value_ = std::exchange(other.value_, 0);
        return *this;
    }

    // The identity, issued now if the item has none yet.
    Value value() const noexcept;
    // The identity or 0, issuing none.
    Value peek() const noexcept { return value_; }

private:
    mutable Value value_ = 0;
};

} // namespace scripted
