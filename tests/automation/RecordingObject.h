#pragma once

#include <automation/Dispatch.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace automationtest {

// A Dispatch that logs what reaches it and when, to check what the
// automation layer sends and in which order it releases references.
//
// It starts with one reference owned by its creator and deletes itself when
// the last goes, logging "destroy <label>". Every name resolves (ids in order
// of first resolution) except those in unknownNames.
class RecordingObject final : public automation::Dispatch {
public:
    struct Received {
        std::string member;
        unsigned flags;
        std::vector<automation::Variant> args; // copies; by-reference kinds still point at the caller's storage
        bool resultWanted;
    };
    // Runs a call; the default answers S_Ok and leaves the result empty.
    using Answer = std::function<automation::HResult(const std::string &member, std::span<automation::Variant> args,
                                                     automation::Variant *result, automation::ExceptionInfo &exception)>;

    RecordingObject(std::string label, std::vector<std::string> *log);

    std::uint32_t addRef() noexcept override;
    std::uint32_t release() noexcept override;
    automation::HResult idOfName(std::string_view name, automation::DispId &id) noexcept override;
    automation::HResult invoke(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                               automation::Variant *result, automation::ExceptionInfo &exception) noexcept override;

    std::uint32_t references() const noexcept { return references_; }

    std::vector<std::string> unknownNames;
    automation::HResult resolveFailure = automation::S_Ok; // returned by idOfName when set
    Answer answer;
    // Appended to "resolve" and "invoke" log lines: what the test watches.
    std::function<std::string()> state;
    std::vector<Received> received;
    // A value only this object keeps alive.
    automation::Variant payload;

private:
    ~RecordingObject();
    void note(const std::string &line);

    std::string label_;
    std::vector<std::string> *log_;
    std::vector<std::string> names_; // index + 1 is the id
    std::uint32_t references_ = 1;
};

} // namespace automationtest
