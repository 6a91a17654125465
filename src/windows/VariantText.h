#pragma once

#include "automation/Conversions.h"
#include "automation/Variant.h"

#include <QString>

namespace addressbook {

// A call's result converted to text for the windows; throws as
// automation::toText does.
inline QString asText(const automation::Variant &value)
{
    return QString::fromStdString(automation::toText(value));
}

// A window's text as the automation layer carries it.
inline automation::Variant asVariant(const QString &text)
{
    return automation::Variant(text.toStdString());
}

inline std::int32_t asInteger(const automation::Variant &value)
{
    return automation::toInt32(value);
}

} // namespace addressbook
