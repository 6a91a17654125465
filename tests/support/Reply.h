#pragma once

#include <automation/HResult.h>
#include <automation/Variant.h>

#include <string>

namespace scripted {

// What a scripted call answers instead of running.
class Reply {
public:
    enum class Kind {
        Fail,   // Disp_E_Exception with a description
        Status, // a bare status code
        Value,  // success with a chosen result
        Object, // success with a fresh member-less object as result
    };

    static Reply fail(std::string description, automation::HResult code = automation::E_Fail);
    static Reply status(automation::HResult code);
    // A chosen result: a number or null where text is expected, 0 for a
    // count, an object of the test's own.
    static Reply value(automation::Variant value);
    // An object where the program expects a value; the server makes a new
    // one per reply, so liveObjects() still tells whether it was released.
    static Reply object();

    Kind kind() const noexcept { return kind_; }
    const std::string &description() const noexcept { return description_; }
    automation::HResult code() const noexcept { return code_; }
    const automation::Variant &value() const noexcept { return value_; }

private:
    explicit Reply(Kind kind) : kind_(kind) {}

    Kind kind_;
    std::string description_;
    automation::HResult code_ = automation::S_Ok;
    automation::Variant value_;
};

} // namespace scripted
