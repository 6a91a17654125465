#pragma once

#include "Call.h"
#include "Model.h"
#include "Reply.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace scripted {

// What a ScriptedServer shares with the objects it hands out. Objects keep it
// alive, so one released after its server is gone still finds its state.
// Every member is guarded by mutex, except liveObjects.
class ServerState {
public:
    using Script = std::function<std::optional<Reply>(const Call &call, std::size_t index)>;

    // Recursive: a script may read or change the model while a call runs.
    std::recursive_mutex mutex;
    std::vector<Book> books;
    std::vector<Call> calls;
    std::size_t received = 0; // calls ever received; clearing calls keeps counting
    bool recording = true;
    automation::HResult creationStatus = automation::S_Ok;
    std::atomic<std::size_t> liveObjects{0};

    void addRule(std::string pattern, Reply reply, int occurrence);
    void addCallNumberRule(std::size_t index, Reply reply);
    void setScript(Script script);
    void clearScript();
    bool scripted() const noexcept { return !rules_.empty() || script_; }

    // The reply scripted for a call (index is its position in calls), or
    // none when it should run. Rules are tried in the order they were added,
    // then the script.
    std::optional<Reply> replyFor(const Call &call, std::size_t index);

private:
    struct Rule {
        std::string pattern;    // empty for a call-number rule
        std::size_t callIndex;  // for a call-number rule
        int occurrence;         // 0: every match; n: only the n-th
        int matches = 0;
        Reply reply;
    };

    static bool matches(const std::string &pattern, const Call &call);

    std::vector<Rule> rules_;
    Script script_;
};

} // namespace scripted
