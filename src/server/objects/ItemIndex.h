#pragma once

#include "automation/Variant.h"

#include <cstddef>

namespace collab::objects {

// The zero-based position for the one-based index argument of Item, for a
// collection of count items named like "address book" in messages. Throws
// StatusException(Disp_E_TypeMismatch) for an argument that is no integer
// and ServerException for an index outside 1..count.
std::size_t itemIndex(const automation::Variant &argument, std::size_t count, const char *itemNoun,
                      const char *collectionNoun);

} // namespace collab::objects
