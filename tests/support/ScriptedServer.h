#pragma once

#include "Call.h"
#include "Model.h"
#include "Reply.h"

#include <automation/Variant.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scripted {

class ServerState;

// An in-memory stand-in for the collaboration server, for tests and
// benchmarks: the same objects and members (session, account, books,
// entries, fields, field definitions), every call recorded, any call
// scriptable to fail or to answer a chosen value.
//
// Unlike the real server its collections are live views of books(): a
// change to the model shows in the next call. Item outside 1..Count, use of a
// deleted item (Delete included) and RootAccount before Login fail with a
// description; a definition name that exists fails FieldDefinitions.Add.
//
// Ownership: objects handed out keep the server's shared state alive, so
// releasing them after the server is gone is safe.
// Nothing here throws except on allocation failure and install(), which
// throws std::logic_error when already installed.
class ScriptedServer {
public:
    static constexpr const char *DefaultProgId = "ValdrinOrvastaSession";

    using Script = std::function<std::optional<Reply>(const Call &call, std::size_t index)>;

    ScriptedServer();
    // Uninstalls; objects still held keep working on the last model.
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    // The account's books, in collection order. Change it only while no
    // call is running (or from a script).
    std::vector<Book> &books() noexcept;
    const std::vector<Book> &books() const noexcept;

    // Makes automation::createObject(progId) hand out a new session of this
    // server, until uninstall() or destruction.
    void install(std::string progId = DefaultProgId);
    void uninstall() noexcept;
    // Makes creation fail with status (S_Ok lets it succeed again).
    void refuseCreation(automation::HResult status);
    // A new session without the registry, one reference owned by the caller.
    automation::Variant createSession();

    // The calls received, oldest first. Read them while no call is running.
    const std::vector<Call> &calls() const noexcept;
    std::vector<std::string> callTexts() const;
    std::vector<std::string> detailedCallTexts() const;
    void clearCalls();
    // Recording is on at first; benchmarks turn it off so calls() stays small.
    void setRecording(bool on);

    // Scripting. Before a call runs, the rules are tried in the order added,
    // then the onCall function; the first reply found is answered instead
    // of running the call. Scripted calls are recorded like the others.
    //
    // replyTo: call is a Call::text() ("Books.Item(&2)"), or just
    // "Receiver.Member" for any arguments; the receiver may be the detailed
    // one ("Book[Personal].Name"), the member matches without regard to
    // case. occurrence 0 replies to every match, n only to the n-th.
    void replyTo(std::string call, Reply reply, int occurrence = 0);
    // Replies to the call at index (0-based, counting every call received
    // since the server started, clearCalls() notwithstanding).
    void replyToCallNumber(std::size_t index, Reply reply);
    // Sees each call the rules left alone; index as for replyToCallNumber.
    void onCall(Script script);
    // Drops the rules and the onCall function.
    void clearScript();

    // Objects handed out and not yet fully released.
    std::size_t liveObjects() const noexcept;

private:
    std::shared_ptr<ServerState> state_;
    std::string installedAs_;
};

} // namespace scripted
