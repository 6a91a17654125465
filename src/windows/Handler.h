#pragma once

#include <exception>
#include <utility>

namespace addressbook {

// Shows a failure that escaped a handler in the failure report.
void reportEscapedFailure(const std::exception &failure) noexcept;
void reportUnknownFailure() noexcept;

// Runs an event, creation or show handler the way the program's event loop
// treats them: a failure that escapes the handler ends it at the failing
// step, is shown in the failure report, and the program goes on. Exceptions
// never cross the toolkit's event dispatch.
template <typename Body>
void runHandler(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (const std::exception &failure) {
        reportEscapedFailure(failure);
    } catch (...) {
        reportUnknownFailure();
    }
}

} // namespace addressbook
