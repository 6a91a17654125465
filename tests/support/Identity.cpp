#include "Identity.h"

#include <atomic>

namespace scripted {

Identity::Value Identity::value() const noexcept
{
    static std::atomic<Value> next{1};
    if (value_ == 0)
        value_ = next.fetch_add(1, std::memory_order_relaxed);
    return value_;
}

} // namespace scripted
