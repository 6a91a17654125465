#pragma once

#include "Variant.h"

#include <cstdint>
#include <string>

namespace automation {

// Conversions of call results, as the variant run time makes them. All throw
// automation::Error on failure.

// Empty gives 0; integers, truth values (-1/0), reals, currency and dates
// (rounded half to even) and decimal text convert; Null, objects, errors,
// unparsable text and out-of-range values fail with
// "Invalid variant type conversion".
std::int32_t toInt32(const Variant &value);

// Empty gives ""; text is returned as is; integers and reals as decimal
// text; truth values as "True"/"False". Null, objects and errors fail with
// "Invalid variant type conversion".
std::string toText(const Variant &value);

// The variant '+' of two values as used to join texts: two texts give their
// concatenation; Null with text or Null gives Null. Empty, an object or an
// error on either side fails with "Invalid variant operation"; a number,
// currency, date or truth value beside text fails with
// "Invalid variant type conversion".
Variant concat(const Variant &left, const Variant &right);

} // namespace automation
