#pragma once

#include "HResult.h"
#include "Variant.h"

#include <cstdint>
#include <string_view>

namespace automation {

// Automation use is started and ended per thread. Calls nest: use ends when
// uninitialize() has balanced every initialize().
//
// The release guard: once use has ended on a thread, releasing a reference
// there would call into a server that may be gone. Such a release is not
// passed on; it is counted and reported on standard error instead, so tests
// can assert that the program never does it.
void initialize() noexcept;
void uninitialize() noexcept;
bool isInitialized() noexcept;
std::uint64_t releasesAfterUse() noexcept;

// Creates an object from its ProgID through the ServerRegistry. Throws Error:
// "CoInitialize has not been called" when use has not started on this thread,
// "Invalid class string" for an unknown ProgID, or the server's own failure.
Variant createObject(std::string_view progId);

namespace detail {
// Releases one reference, subject to the release guard.
void releaseReference(Dispatch *object) noexcept;
} // namespace detail

} // namespace automation
