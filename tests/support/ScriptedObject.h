#pragma once

#include "Identity.h"
#include "ServerState.h"

#include <automation/ServerObject.h>

#include <memory>
#include <string>

namespace scripted {

// Every object the scripted server hands out: one class, its kind choosing
// the members. It records each call before running it, and lets the
// server's script answer instead.
//
// Objects are live views: they name their model item by identity and look
// it up on each call, so a deleted item fails on use however the deletion
// happened (Delete, or a test erasing it from the model).
class ScriptedObject final : public automation::ServerObject {
public:
    enum class Kind { Session, Account, Books, Book, Entries, Entry, Fields, Field, Definitions, Definition, Object };

    // The model item an object stands for: a book, and within it an entry,
    // and within that a field; or a book and one of its definitions (item).
    struct Path {
        Identity::Value book = 0;
        Identity::Value entry = 0;
        Identity::Value item = 0;
    };

    ScriptedObject(std::shared_ptr<ServerState> state, Kind kind, Path path);

    static const char *kindName(Kind kind) noexcept;
    Kind kind() const noexcept { return kind_; }

    automation::HResult idOfName(std::string_view name, automation::DispId &id) noexcept override;
    automation::HResult invoke(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                               automation::Variant *result, automation::ExceptionInfo &exception) noexcept override;

protected:
    std::span<const Member> members() const noexcept override;
    void invokeMember(automation::DispId id, unsigned flags, std::span<automation::Variant> args,
                      automation::Variant *result) override;
    const char *sourceName() const noexcept override { return "ScriptedServer"; }

private:
    ~ScriptedObject() override;

    Call describe(automation::DispId id, unsigned flags, std::span<automation::Variant> args);
    std::string detail();
    automation::HResult answer(const Reply &reply, automation::Variant *result,
                               automation::ExceptionInfo &exception);

    // The items this object stands for; each throws ServerException when
    // the item is gone.
    Book &book();
    Entry &entry();
    Field &field();
    Definition &definition();

    automation::Variant make(Kind kind, Path path) const;
    void runCollection(automation::DispId id, std::span<automation::Variant> args, automation::Variant *result);
    void run(automation::DispId id, unsigned flags, std::span<automation::Variant> args, automation::Variant *result);

    std::shared_ptr<ServerState> state_;
    Kind kind_;
    Path path_;
    // Where the items were last found: lookups start there.
    std::size_t bookHint_ = 0, entryHint_ = 0, itemHint_ = 0;
    // The last member name resolved, to record calls as the caller spelled them.
    automation::DispId resolvedId_ = -1;
    std::string resolvedName_;
    // The last identity text, still shown once the item is gone.
    std::string lastDetail_;
    bool loggedIn_ = false;
};

} // namespace scripted
