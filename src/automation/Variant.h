#pragma once

#include "HResult.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace automation {

class Dispatch;

enum class VarType {
    Empty,      // no value at all
    Null,       // the explicit "no data" value
    Int32,
    Bool,
    Double,
    Currency,   // fixed point, 4 decimals
    Date,       // days since 1899-12-30, fraction is the time of day
    String,     // UTF-8 text; may contain NUL bytes
    Object,     // a counted reference to an automation object
    Error,      // a status code; DISP_E_PARAMNOTFOUND marks an omitted argument
    Int32Ref,   // argument only: an integer passed by reference
    VariantRef, // argument only: a variant passed by reference
};

const char *typeName(VarType type);

struct Currency {
    std::int64_t scaled = 0; // value * 10000
    friend bool operator==(Currency, Currency) = default;
};

struct Date {
    double days = 0;
    friend bool operator==(Date, Date) = default;
};

// A value of the automation layer: the arguments and results of every call.
//
// Ownership: a Variant of type Object holds one counted reference to its
// object. Copying adds a reference, destroying, clear() or assigning over it
// releases that reference. The by-reference kinds point into the caller's
// storage and own nothing; they are only valid while that storage lives.
//
// Calls (get, call, invoke, put) treat this variant as the receiver and throw
// automation::Error with the failure's text when they fail.
class Variant {
public:
    Variant() noexcept : type_(VarType::Empty) { value_.integer = 0; }
    Variant(std::int32_t value) noexcept : type_(VarType::Int32) { value_.integer = value; }
    Variant(bool value) noexcept : type_(VarType::Bool) { value_.boolean = value; }
    Variant(double value) noexcept : type_(VarType::Double) { value_.real = value; }
    Variant(Currency value) noexcept : type_(VarType::Currency) { value_.currency = value.scaled; }
    Variant(Date value) noexcept : type_(VarType::Date) { value_.real = value.days; }
    Variant(std::string value) noexcept : type_(VarType::String), text_(std::move(value)) { value_.integer = 0; }
    Variant(std::string_view value) : Variant(std::string(value)) {}
    Variant(const char *value) : Variant(value ? std::string(value) : std::string()) {}
    // Takes a new reference to object (adds one); a null object gives Empty.
    explicit Variant(Dispatch *object) noexcept;

    static Variant null() noexcept;
    static Variant error(HResult code) noexcept;
    // The omitted optional argument.
    static Variant omitted() noexcept { return error(Disp_E_ParamNotFound); }
    static Variant byRef(std::int32_t &target) noexcept;
    static Variant byRef(Variant &target) noexcept;
    // Adopts a reference the caller already owns (adds none).
    static Variant adopt(Dispatch *object) noexcept;

    Variant(const Variant &other) noexcept;
    Variant(Variant &&other) noexcept;
    Variant &operator=(const Variant &other) noexcept;
    Variant &operator=(Variant &&other) noexcept;
    ~Variant();

    VarType type() const noexcept { return type_; }
    bool isEmpty() const noexcept { return type_ == VarType::Empty; }
    bool isNull() const noexcept { return type_ == VarType::Null; }
    bool isObject() const noexcept { return type_ == VarType::Object; }
    bool isOmitted() const noexcept { return type_ == VarType::Error && value_.code == Disp_E_ParamNotFound; }

    // Typed access; each requires the matching type().
    std::int32_t int32() const noexcept { return value_.integer; }
    bool boolean() const noexcept { return value_.boolean; }
    double real() const noexcept { return value_.real; }
    Currency currency() const noexcept { return Currency{value_.currency}; }
    Date date() const noexcept { return Date{value_.real}; }
    const std::string &string() const noexcept { return text_; }
    std::string takeString() noexcept { return std::move(text_); }
    Dispatch *object() const noexcept { return type_ == VarType::Object ? value_.object : nullptr; }
    HResult errorCode() const noexcept { return value_.code; }
    std::int32_t *int32Ref() const noexcept { return value_.intRef; }
    Variant *variantRef() const noexcept { return value_.variantRef; }

    // The value behind a by-reference kind, or this variant itself.
    const Variant &dereferenced() const noexcept;

    // Empties the variant, releasing a held object.
    void clear() noexcept;

    // Property read or parameterless method call (method-or-property-get):
    // how parameterless reads are sent.
    Variant get(std::string_view member) const;
    // Property read alone (property-get), for servers that tell the two apart.
    Variant property(std::string_view member) const;
    // Method call with positional arguments, asking for the result.
    Variant call(std::string_view member, std::initializer_list<Variant> args) const;
    // Method call with positional arguments, asking for no result.
    void invoke(std::string_view member, std::initializer_list<Variant> args = {}) const;
    // Property write.
    void put(std::string_view member, const Variant &value) const;

    // Structural equality (same type, same value; objects by identity).
    friend bool operator==(const Variant &a, const Variant &b) noexcept;

private:
    union Value {
        std::int32_t integer;
        bool boolean;
        double real;
        std::int64_t currency;
        Dispatch *object;
        HResult code;
        std::int32_t *intRef;
        Variant *variantRef;
    };

    void copyFrom(const Variant &other) noexcept;
    void moveFrom(Variant &other) noexcept;

    VarType type_;
    Value value_;
    std::string text_;
};

// Stores the result of a call into target, the way an object reference
// receives a call's result: the member name is resolved first, then target is
// emptied (releasing what it held), then the request is sent. When the
// request fails, target stays empty and the failure is thrown.
void assignGet(Variant &target, const Variant &receiver, std::string_view member);
void assignCall(Variant &target, const Variant &receiver, std::string_view member,
                std::initializer_list<Variant> args);

} // namespace automation
