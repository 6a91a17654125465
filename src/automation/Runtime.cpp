#include "Runtime.h"

#include "Dispatch.h"
#include "Error.h"
#include "ServerRegistry.h"

#include <atomic>
#include <cstdio>

namespace automation {

namespace {

struct ThreadState {
    int depth = 0;      // initialize() calls not yet balanced
    bool ended = false; // use started and has ended since
};

thread_local ThreadState threadState;
std::atomic<std::uint64_t> lateReleases{0};

} // namespace

void initialize() noexcept
{
    ++threadState.depth;
    threadState.ended = false;
}

void uninitialize() noexcept
{
    if (threadState.depth == 0)
        return;
    if (--threadState.depth == 0)
        threadState.ended = true;
}

bool isInitialized() noexcept
{
    return threadState.depth > 0;
}

std::uint64_t releasesAfterUse() noexcept
{
    return lateReleases.load();
}

Variant createObject(std::string_view progId)
{
    if (!isInitialized())
        throw Error::fromStatus(Co_E_NotInitialized);
    Dispatch *object = nullptr;
    HResult status = ServerRegistry::instance().create(progId, &object);
    if (failed(status) || !object)
        throw Error::fromStatus(failed(status) ? status : E_Unexpected);
    return Variant::adopt(object);
}

namespace detail {

void releaseReference(Dispatch *object) noexcept
{
    if (!object)
        return;
    if (threadState.ended) {
        ++lateReleases;
        std::fputs("automation: a reference was released after automation use ended on its thread; "
                   "it is left unreleased\n",
                   stderr);
        return;
    }
    object->release();
}

} // namespace detail

} // namespace automation
