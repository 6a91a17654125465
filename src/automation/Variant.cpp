#include "Variant.h"

#include "Dispatch.h"
#include "Error.h"
#include "Runtime.h"

#include <array>
#include <vector>

namespace automation {

const char *typeName(VarType type)
{
    switch (type) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Int32: return "Integer";
    case VarType::Bool: return "Boolean";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Object: return "Dispatch";
    case VarType::Error: return "Error";
    case VarType::Int32Ref: return "Integer ByRef";
    case VarType::VariantRef: return "Variant ByRef";
    }
    return "Unknown";
}

Variant::Variant(Dispatch *object) noexcept
{
    value_.object = object;
    type_ = object ? VarType::Object : VarType::Empty;
    if (object)
        object->addRef();
}

Variant Variant::null() noexcept
{
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::error(HResult code) noexcept
{
    Variant v;
    v.type_ = VarType::Error;
    v.value_.code = code;
    return v;
}

Variant Variant::byRef(std::int32_t &target) noexcept
{
    Variant v;
    v.type_ = VarType::Int32Ref;
    v.value_.intRef = &target;
    return v;
}

Variant Variant::byRef(Variant &target) noexcept
{
    Variant v;
    v.type_ = VarType::VariantRef;
    v.value_.variantRef = &target;
    return v;
}

Variant Variant::adopt(Dispatch *object) noexcept
{
    Variant v;
    if (object) {
        v.type_ = VarType::Object;
        v.value_.object = object;
    }
    return v;
}

Variant::Variant(const Variant &other) noexcept : type_(VarType::Empty)
{
    copyFrom(other);
}

Variant::Variant(Variant &&other) noexcept : type_(VarType::Empty)
{
    moveFrom(other);
}

Variant &Variant::operator=(const Variant &other) noexcept
{
    if (this != &other) {
        // Add the new reference before dropping the old one: other may be
        // reachable only through the object this variant releases.
        Variant copy(other);
        clear();
        moveFrom(copy);
    }
    return *this;
}

Variant &Variant::operator=(Variant &&other) noexcept
{
    if (this != &other) {
        Variant taken(std::move(other));
        clear();
        moveFrom(taken);
    }
    return *this;
}

Variant::~Variant()
{
    clear();
}

void Variant::copyFrom(const Variant &other) noexcept
{
    type_ = other.type_;
    value_ = other.value_;
    if (type_ == VarType::String)
        text_ = other.text_;
    else if (type_ == VarType::Object)
        value_.object->addRef();
}

void Variant::moveFrom(Variant &other) noexcept
{
    type_ = other.type_;
    value_ = other.value_;
    if (type_ == VarType::String)
        text_ = std::move(other.text_);
    other.type_ = VarType::Empty;
    other.value_.integer = 0;
}

void Variant::clear() noexcept
{
    if (type_ == VarType::Object) {
        Dispatch *object = value_.object;
        type_ = VarType::Empty;
        value_.object = nullptr;
        detail::releaseReference(object);
    } else {
        type_ = VarType::Empty;
        value_.integer = 0;
        if (!text_.empty())
            text_ = std::string();
    }
}

const Variant &Variant::dereferenced() const noexcept
{
    const Variant *v = this;
    while (v->type_ == VarType::VariantRef && v->value_.variantRef)
        v = v->value_.variantRef;
    return *v;
}

bool operator==(const Variant &a, const Variant &b) noexcept
{
    if (a.type_ != b.type_)
        return false;
    switch (a.type_) {
    case VarType::Empty:
    case VarType::Null: return true;
    case VarType::Int32: return a.value_.integer == b.value_.integer;
    case VarType::Bool: return a.value_.boolean == b.value_.boolean;
    case VarType::Double:
    case VarType::Date: return a.value_.real == b.value_.real;
    case VarType::Currency: return a.value_.currency == b.value_.currency;
    case VarType::String: return a.text_ == b.text_;
    case VarType::Object: return a.value_.object == b.value_.object;
    case VarType::Error: return a.value_.code == b.value_.code;
    case VarType::Int32Ref: return a.value_.intRef == b.value_.intRef;
    case VarType::VariantRef: return a.value_.variantRef == b.value_.variantRef;
    }
    return false;
}

namespace {

// Arguments are copied into mutable storage: the server may write through
// by-reference arguments, which point into the caller's own variables.
class ArgumentList {
public:
    explicit ArgumentList(std::initializer_list<Variant> args)
    {
        if (args.size() <= inline_.size()) {
            std::size_t i = 0;
            for (const Variant &a : args)
                inline_[i++] = a;
            span_ = std::span<Variant>(inline_.data(), args.size());
        } else {
            heap_.assign(args.begin(), args.end());
            span_ = std::span<Variant>(heap_);
        }
    }
    std::span<Variant> span() { return span_; }

private:
    std::array<Variant, 4> inline_;
    std::vector<Variant> heap_;
    std::span<Variant> span_;
};

Dispatch *receiverObject(const Variant &receiver)
{
    const Variant &r = receiver.dereferenced();
    if (!r.isObject())
        throw Error::notAnObject();
    return r.object();
}

DispId resolve(Dispatch *object, std::string_view member)
{
    DispId id = 0;
    HResult status = object->idOfName(member, id);
    if (status == Disp_E_UnknownName || status == Disp_E_MemberNotFound)
        throw Error::memberNotSupported(member);
    if (failed(status))
        throw Error::fromStatus(status);
    return id;
}

void send(Dispatch *object, DispId id, unsigned flags, std::span<Variant> args, Variant *result)
{
    ExceptionInfo exception;
    HResult status = object->invoke(id, flags, args, result, exception);
    if (!failed(status))
        return;
    if (result)
        result->clear();
    if (status == Disp_E_Exception)
        throw Error::fromServerException(std::move(exception.description),
                                         exception.code ? exception.code : status);
    throw Error::fromStatus(status);
}

unsigned flagsFor(std::size_t argumentCount)
{
    return argumentCount == 0 ? (Method | PropertyGet) : Method;
}

// Keeps the receiver alive for the length of one call: the target of an
// assignment may hold the only reference to it.
class Hold {
public:
    explicit Hold(Dispatch *object) : object_(object) { object_->addRef(); }
    ~Hold() { detail::releaseReference(object_); }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

private:
    Dispatch *object_;
};

void assignResult(Variant &target, const Variant &receiver, std::string_view member,
                  std::initializer_list<Variant> args)
{
    Dispatch *object = receiverObject(receiver);
    Hold hold(object);
    DispId id = resolve(object, member);
    ArgumentList argv(args);
    target.clear();
    Variant result;
    send(object, id, flagsFor(args.size()), argv.span(), &result);
    target = std::move(result);
}

} // namespace

Variant Variant::get(std::string_view member) const
{
    Dispatch *object = receiverObject(*this);
    DispId id = resolve(object, member);
    Variant result;
    send(object, id, Method | PropertyGet, {}, &result);
    return result;
}

Variant Variant::property(std::string_view member) const
{
    Dispatch *object = receiverObject(*this);
    DispId id = resolve(object, member);
    Variant result;
    send(object, id, PropertyGet, {}, &result);
    return result;
}

Variant Variant::call(std::string_view member, std::initializer_list<Variant> args) const
{
    Dispatch *object = receiverObject(*this);
    DispId id = resolve(object, member);
    ArgumentList argv(args);
    Variant result;
    send(object, id, flagsFor(args.size()), argv.span(), &result);
    return result;
}

void Variant::invoke(std::string_view member, std::initializer_list<Variant> args) const
{
    Dispatch *object = receiverObject(*this);
    DispId id = resolve(object, member);
    ArgumentList argv(args);
    send(object, id, Method, argv.span(), nullptr);
}

void Variant::put(std::string_view member, const Variant &value) const
{
    Dispatch *object = receiverObject(*this);
    DispId id = resolve(object, member);
    Variant argument = value;
    send(object, id, PropertyPut, std::span<Variant>(&argument, 1), nullptr);
}

void assignGet(Variant &target, const Variant &receiver, std::string_view member)
{
    assignResult(target, receiver, member, {});
}

void assignCall(Variant &target, const Variant &receiver, std::string_view member,
                std::initializer_list<Variant> args)
{
    assignResult(target, receiver, member, args);
}

} // namespace automation
