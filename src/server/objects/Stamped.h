#pragma once

#include "store/ChangeStamp.h"

#include <functional>
#include <utility>

namespace collab::objects {

// A value read from the store together with the change stamp taken when it
// was read; get() reads it again first once this connection has written
// something it depends on. The reader may capture the owning object: it is
// only called while the Stamped lives.
template <typename Value>
class Stamped {
public:
    using Reader = std::function<Value()>;

    // Reads the value now (stamp must be taken before); throws what read throws.
    Stamped(store::ChangeStamp stamp, Reader read) : read_(std::move(read)), stamp_(stamp), value_(read_()) {}
    // A value already read when stamp was taken.
    Stamped(store::ChangeStamp stamp, Value value, Reader read)
        : read_(std::move(read)), stamp_(stamp), value_(std::move(value))
    {
    }

    // Throws what the reader throws; the old value stays, still stale.
    const Value &get()
    {
        if (!stamp_.current()) {
            value_ = read_();
            stamp_.renew();
        }
        return value_;
    }

    // The stamp of the value get() last returned.
    const store::ChangeStamp &stamp() const noexcept { return stamp_; }

private:
    Reader read_;
    store::ChangeStamp stamp_;
    Value value_;
};

} // namespace collab::objects
