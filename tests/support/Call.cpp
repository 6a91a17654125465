#include "Call.h"

#include <automation/Dispatch.h>

namespace scripted {

namespace {

std::string argumentList(const std::vector<Argument> &args)
{
    std::string out = "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i)
            out += ", ";
        out += args[i].text();
    }
    return out + ")";
}

std::string flagNames(unsigned flags)
{
    std::string out;
    auto add = [&](unsigned flag, const char *name) {
        if (!(flags & flag))
            return;
        if (!out.empty())
            out += '|';
        out += name;
    };
    add(automation::Method, "method");
    add(automation::PropertyGet, "get");
    add(automation::PropertyPut, "put");
    return out.empty() ? "none" : out;
}

std::string callText(const std::string &receiver, const Call &call)
{
    std::string out = receiver + "." + call.member;
    if (call.flags == (automation::Method | automation::PropertyGet) && call.args.empty())
        return out;
    if (call.flags == automation::Method)
        return out + argumentList(call.args);
    if (call.flags == automation::PropertyPut)
        return out + "=" + argumentList(call.args);
    return out + "{" + flagNames(call.flags) + "}" + argumentList(call.args);
}

} // namespace

std::string Call::text() const
{
    return callText(receiver, *this);
}

std::string Call::detailedText() const
{
    return callText(receiverDetail, *this);
}

} // namespace scripted
