#pragma once

#include "HResult.h"

#include <stdexcept>
#include <string>

namespace automation {

// A failed automation call or conversion. what() is the text shown to the
// user (without the period that a failure report adds).
class Error : public std::runtime_error {
public:
    Error(std::string text, HResult code) : std::runtime_error(std::move(text)), code_(code) {}

    HResult code() const noexcept { return code_; }

    // The failure of a call whose server raised an exception: its description
    // with trailing blanks and periods cut.
    static Error fromServerException(std::string description, HResult code);
    // The failure of a status code: the system's text or "OLE error %.8x".
    static Error fromStatus(HResult code);
    static Error memberNotSupported(std::string_view member);
    static Error notAnObject();
    static Error invalidConversion();
    static Error invalidOperation();

private:
    HResult code_;
};

} // namespace automation
