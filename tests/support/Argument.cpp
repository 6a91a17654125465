#include "Argument.h"

#include <cstdio>

namespace scripted {

using automation::VarType;

namespace {

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            // NULs and line breaks must stay visible in one-line texts.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string real(double value)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string valueText(const automation::Variant &value, const std::string &objectKind)
{
    switch (value.type()) {
    case VarType::Empty: return objectKind.empty() ? "Empty" : "<" + objectKind + ">";
    case VarType::Null: return "Null";
    case VarType::Int32: return std::to_string(value.int32());
    case VarType::Bool: return value.boolean() ? "True" : "False";
    case VarType::Double: return real(value.real()) + "#";
    case VarType::Currency: return real(static_cast<double>(value.currency().scaled) / 10000.0) + "@";
    case VarType::Date: return "Date(" + real(value.date().days) + ")";
    case VarType::String: return quoted(value.string());
    case VarType::Object: return "<Object>";
    case VarType::Error: {
        if (value.isOmitted())
            return "?";
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "Error(%.8x)", static_cast<unsigned>(value.errorCode()));
        return buffer;
    }
    case VarType::Int32Ref: return "&" + std::to_string(*value.int32Ref());
    case VarType::VariantRef: return "*?";
    }
    return "?";
}

} // namespace

std::string Argument::text() const
{
    const std::string shown = valueText(value, objectKind);
    switch (sentAs) {
    case VarType::Int32Ref: return "&" + shown;
    case VarType::VariantRef: return "*" + shown;
    default: return shown;
    }
}

} // namespace scripted
