#include "ServerObject.h"

#include "Conversions.h"
#include "Error.h"
#include "Text.h"

#include <new>

namespace automation {

std::uint32_t ServerObject::addRef() noexcept
{
    return references_.fetch_add(1, std::memory_order_relaxed) + 1;
}

std::uint32_t ServerObject::release() noexcept
{
    std::uint32_t left = references_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0)
        delete this;
    return left;
}

HResult ServerObject::idOfName(std::string_view name, DispId &id) noexcept
{
    for (const Member &member : members()) {
        if (equalsIgnoreAsciiCase(name, member.name)) {
            id = member.id;
            return S_Ok;
        }
    }
    return Disp_E_UnknownName;
}

HResult ServerObject::invoke(DispId id, unsigned flags, std::span<Variant> args, Variant *result,
                             ExceptionInfo &exception) noexcept
{
    const Member *found = nullptr;
    for (const Member &member : members()) {
        if (member.id == id) {
            found = &member;
            break;
        }
    }
    if (!found || (found->allowed & flags) == 0)
        return Disp_E_MemberNotFound;
    if (args.size() < found->minArguments || args.size() > found->maxArguments)
        return Disp_E_BadParamCount;
    try {
        invokeMember(id, flags, args, result);
        return S_Ok;
    } catch (const ServerException &e) {
        exception.source = sourceName();
        exception.description = e.what();
        exception.code = e.code();
    } catch (const StatusException &e) {
        if (result)
            result->clear();
        return e.code();
    } catch (const std::bad_alloc &) {
        if (result)
            result->clear();
        return E_OutOfMemory;
    } catch (const std::exception &e) {
        exception.source = sourceName();
        exception.description = e.what();
        exception.code = E_Fail;
    }
    if (result)
        result->clear();
    return Disp_E_Exception;
}

std::int32_t integerArgument(const Variant &argument)
{
    try {
        return toInt32(argument);
    } catch (const Error &) {
        throw StatusException(Disp_E_TypeMismatch);
    }
}

std::string stringArgument(const Variant &argument)
{
    const Variant &value = argument.dereferenced();
    if (value.type() == VarType::String)
        return value.string();
    try {
        return toText(value);
    } catch (const Error &) {
        throw StatusException(Disp_E_TypeMismatch);
    }
}

} // namespace automation
