#pragma once

#include "HResult.h"
#include "Variant.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace automation {

using DispId = std::int32_t;

// How a member is invoked; a parameterless read is sent as Method|PropertyGet.
enum InvokeFlags : unsigned {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
};

// What a server reports about a failure when it answers Disp_E_Exception.
struct ExceptionInfo {
    std::string source;
    std::string description;
    HResult code = S_Ok;
};

// The late-bound call interface every automation object offers. A call is
// made in two steps: idOfName resolves a member name without regard to case,
// invoke runs it. Everything crosses as Variants, so a proxy that forwards to
// another process can implement this interface without callers changing.
//
// Reference counting: an object starts with one reference owned by whoever
// created it; addRef adds one, release drops one and destroys the object at
// zero. Methods never throw; failures are status codes.
class Dispatch {
public:
    virtual std::uint32_t addRef() noexcept = 0;
    virtual std::uint32_t release() noexcept = 0;

    // S_Ok and the member's id, or Disp_E_UnknownName.
    virtual HResult idOfName(std::string_view name, DispId &id) noexcept = 0;

    // args are in call order (first argument first). result is null when the
    // caller asks for none; otherwise it is empty on entry and is only
    // written on success. On Disp_E_Exception, exception describes the failure.
    virtual HResult invoke(DispId id, unsigned flags, std::span<Variant> args, Variant *result,
                           ExceptionInfo &exception) noexcept = 0;

protected:
    ~Dispatch() = default;
};

} // namespace automation
