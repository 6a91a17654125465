#include "RecordingObject.h"

#include <automation/Text.h>

namespace automationtest {

RecordingObject::RecordingObject(std::string label, std::vector<std::string> *log)
    : label_(std::move(label)), log_(log)
{
}

RecordingObject::~RecordingObject()
{
    note("destroy " + label_);
}

void RecordingObject::note(const std::string &line)
{
    if (log_)
        log_->push_back(state ? line + ": " + state() : line);
}

std::uint32_t RecordingObject::addRef() noexcept
{
    return ++references_;
}

std::uint32_t RecordingObject::release() noexcept
{
    const std::uint32_t left = --references_;
    if (left == 0)
        delete this;
    return left;
}

automation::HResult RecordingObject::idOfName(std::string_view name, automation::DispId &id) noexcept
{
    note("resolve " + std::string(name));
    if (automation::failed(resolveFailure))
        return resolveFailure;
    for (const std::string &unknown : unknownNames)
        if (automation::equalsIgnoreAsciiCase(unknown, name))
            return automation::Disp_E_UnknownName;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (automation::equalsIgnoreAsciiCase(names_[i], name)) {
            id = static_cast<automation::DispId>(i + 1);
            return automation::S_Ok;
        }
    }
    names_.emplace_back(name);
    id = static_cast<automation::DispId>(names_.size());
    return automation::S_Ok;
}

automation::HResult RecordingObject::invoke(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                                            automation::Variant *result,
                                            automation::ExceptionInfo &exception) noexcept
{
    const std::string member = id >= 1 && static_cast<std::size_t>(id) <= names_.size() ? names_[id - 1] : "?";
    note("invoke " + member);
    received.push_back(Received{member, flags, {args.begin(), args.end()}, result != nullptr});
    return answer ? answer(member, args, result, exception) : automation::S_Ok;
}

} // namespace automationtest
