#include "Handler.h"

#include "MessageBoxes.h"

#include <QString>

namespace addressbook {

void reportEscapedFailure(const std::exception &failure) noexcept
{
    try {
        MessageBoxes::reportFailure(QString::fromUtf8(failure.what()));
    } catch (...) {
        // Nothing sensible is left to do when the report itself fails.
    }
}

void reportUnknownFailure() noexcept
{
    try {
        MessageBoxes::reportFailure(QStringLiteral("Unknown failure"));
    } catch (...) {
    }
}

} // namespace addressbook
