#include "Conversions.h"

#include "Error.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace automation {

namespace {

std::int32_t roundToInt32(double value)
{
    if (!std::isfinite(value))
        throw Error::invalidConversion();
    double rounded = std::nearbyint(value); // default rounding: half to even
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        throw Error::invalidConversion();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t parseInt32(const std::string &text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    if (begin < end && text[begin] == '+')
        ++begin;
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + end, value);
    if (ec == std::errc() && ptr == text.data() + end && begin < end) {
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
            throw Error::invalidConversion();
        return static_cast<std::int32_t>(value);
    }
    double real = 0;
    auto [ptr2, ec2] = std::from_chars(text.data() + begin, text.data() + end, real);
    if (ec2 == std::errc() && ptr2 == text.data() + end && begin < end)
        return roundToInt32(real);
    throw Error::invalidConversion();
}

std::string realText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string currencyText(std::int64_t scaled)
{
    const bool negative = scaled < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string text = std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction));
        std::string f(digits);
        while (!f.empty() && f.back() == '0')
            f.pop_back();
        text += "." + f;
    }
    return negative ? "-" + text : text;
}

} // namespace

std::int32_t toInt32(const Variant &input)
{
    const Variant &value = input.type() == VarType::Int32Ref ? input : input.dereferenced();
    switch (value.type()) {
    case VarType::Empty: return 0;
    case VarType::Int32: return value.int32();
    case VarType::Int32Ref: return *value.int32Ref();
    case VarType::Bool: return value.boolean() ? -1 : 0;
    case VarType::Double: return roundToInt32(value.real());
    case VarType::Date: return roundToInt32(value.date().days);
    case VarType::Currency: return roundToInt32(static_cast<double>(value.currency().scaled) / 10000.0);
    case VarType::String: return parseInt32(value.string());
    default: throw Error::invalidConversion();
    }
}

std::string toText(const Variant &input)
{
    const Variant &value = input.type() == VarType::Int32Ref ? input : input.dereferenced();
    switch (value.type()) {
    case VarType::Empty: return {};
    case VarType::String: return value.string();
    case VarType::Int32: return std::to_string(value.int32());
    case VarType::Int32Ref: return std::to_string(*value.int32Ref());
    case VarType::Bool: return value.boolean() ? "True" : "False";
    case VarType::Double: return realText(value.real());
    case VarType::Date: return realText(value.date().days);
    case VarType::Currency: return currencyText(value.currency().scaled);
    default: throw Error::invalidConversion();
    }
}

Variant concat(const Variant &leftInput, const Variant &rightInput)
{
    const Variant &left = leftInput.dereferenced();
    const Variant &right = rightInput.dereferenced();
    auto operationFails = [](const Variant &v) {
        return v.type() == VarType::Empty || v.type() == VarType::Object || v.type() == VarType::Error;
    };
    if (operationFails(left) || operationFails(right))
        throw Error::invalidOperation();
    auto textLike = [](const Variant &v) { return v.type() == VarType::String || v.type() == VarType::Null; };
    if (!textLike(left) || !textLike(right))
        throw Error::invalidConversion();
    if (left.isNull() || right.isNull())
        return Variant::null();
    std::string joined;
    joined.reserve(left.string().size() + right.string().size());
    joined += left.string();
    joined += right.string();
    return Variant(std::move(joined));
}

} // namespace automation
