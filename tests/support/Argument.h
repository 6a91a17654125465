#pragma once

#include <automation/Variant.h>

#include <string>

namespace scripted {

// One argument of a recorded call, kept as it arrived.
struct Argument {
    // The kind as passed: Int32Ref and VariantRef show passing by reference.
    automation::VarType sentAs = automation::VarType::Empty;
    // The value behind it when the call arrived (by-reference kinds looked
    // through). An object becomes Empty so that records hold no references.
    automation::Variant value;
    // For an object: the receiver name of a scripted object, or "Object".
    std::string objectKind;

    // 12  &12 (int by reference)  *12 (variant by reference holding 12)
    // "text"  ?  (omitted)  Empty  Null  True  1.5# (double)  1.5@ (currency)
    // Date(45000.5)  Error(80020005)  <Book> (object)
    std::string text() const;
};

} // namespace scripted
