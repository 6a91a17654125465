#pragma once

#include "Dispatch.h"

#include <atomic>
#include <span>
#include <stdexcept>
#include <string>

namespace automation {

// A failure a server reports with a description: the caller sees
// Disp_E_Exception and the text.
class ServerException : public std::runtime_error {
public:
    explicit ServerException(std::string description, HResult code = E_Fail)
        : std::runtime_error(std::move(description)), code_(code) {}
    HResult code() const noexcept { return code_; }

private:
    HResult code_;
};

// A failure a server reports as a bare status code.
class StatusException : public std::exception {
public:
    explicit StatusException(HResult code) : code_(code) {}
    HResult code() const noexcept { return code_; }
    const char *what() const noexcept override { return "automation status"; }

private:
    HResult code_;
};

// Base of the objects a server hands out: reference counting, member lookup
// by name without regard to case, and the checks every member shares (how it
// may be invoked, how many arguments it takes). Exceptions thrown by
// invokeMember become status codes; nothing escapes invoke().
class ServerObject : public Dispatch {
public:
    struct Member {
        const char *name;
        DispId id;
        unsigned allowed;     // InvokeFlags the member answers
        unsigned minArguments;
        unsigned maxArguments;
    };

    std::uint32_t addRef() noexcept override;
    std::uint32_t release() noexcept override;
    HResult idOfName(std::string_view name, DispId &id) noexcept override;
    HResult invoke(DispId id, unsigned flags, std::span<Variant> args, Variant *result,
                   ExceptionInfo &exception) noexcept override;

    std::uint32_t referenceCount() const noexcept { return references_.load(); }

protected:
    ServerObject() = default;
    virtual ~ServerObject() = default;

    virtual std::span<const Member> members() const noexcept = 0;
    // Runs a member after the shared checks. result may be null.
    virtual void invokeMember(DispId id, unsigned flags, std::span<Variant> args, Variant *result) = 0;
    // The source named in exception reports.
    virtual const char *sourceName() const noexcept { return "automation server"; }

    static void setResult(Variant *result, Variant value)
    {
        if (result)
            *result = std::move(value);
    }

private:
    std::atomic<std::uint32_t> references_{1};
};

// Argument readers for servers. They look through by-reference arguments and
// throw StatusException(Disp_E_TypeMismatch) for a kind they cannot take.
std::int32_t integerArgument(const Variant &argument);
std::string stringArgument(const Variant &argument);

} // namespace automation
