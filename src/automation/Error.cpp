#include "Error.h"

namespace automation {

namespace {
// Variant conversion failures carry these codes, as the variant run time does.
constexpr HResult InvalidConversionCode = Disp_E_TypeMismatch;
constexpr HResult InvalidOperationCode = hr(0x80020008); // a bad variable type
} // namespace

Error Error::fromServerException(std::string description, HResult code)
{
    std::size_t end = description.size();
    while (end > 0 && (static_cast<unsigned char>(description[end - 1]) <= ' ' || description[end - 1] == '.'))
        --end;
    description.resize(end);
    return Error(std::move(description), code);
}

Error Error::fromStatus(HResult code)
{
    return Error(errorText(code), code);
}

Error Error::memberNotSupported(std::string_view member)
{
    return Error("Method '" + std::string(member) + "' not supported by OLE object", Disp_E_UnknownName);
}

Error Error::notAnObject()
{
    return Error("Variant does not reference an OLE object", Disp_E_TypeMismatch);
}

Error Error::invalidConversion()
{
    return Error("Invalid variant type conversion", InvalidConversionCode);
}

Error Error::invalidOperation()
{
    return Error("Invalid variant operation", InvalidOperationCode);
}

} // namespace automation
