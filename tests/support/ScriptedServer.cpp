#include "ScriptedServer.h"

#include "ScriptedObject.h"
#include "ServerState.h"

#include <automation/ServerRegistry.h>

#include <stdexcept>

namespace scripted {

ScriptedServer::ScriptedServer() : state_(std::make_shared<ServerState>()) {}

ScriptedServer::~ScriptedServer()
{
    uninstall();
}

std::vector<Book> &ScriptedServer::books() noexcept
{
    return state_->books;
}

const std::vector<Book> &ScriptedServer::books() const noexcept
{
    return state_->books;
}

void ScriptedServer::install(std::string progId)
{
    if (!installedAs_.empty())
        throw std::logic_error("ScriptedServer is already installed as " + installedAs_);
    std::weak_ptr<ServerState> weak = state_;
    automation::ServerRegistry::instance().registerFactory(progId, [weak](automation::Dispatch **object) {
        std::shared_ptr<ServerState> state = weak.lock();
        if (!state)
            return automation::Co_E_ClassString;
        std::lock_guard lock(state->mutex);
        if (automation::failed(state->creationStatus))
            return state->creationStatus;
        *object = new ScriptedObject(state, ScriptedObject::Kind::Session, {});
        return automation::S_Ok;
    });
    installedAs_ = std::move(progId);
}

void ScriptedServer::uninstall() noexcept
{
    if (installedAs_.empty())
        return;
    automation::ServerRegistry::instance().unregisterFactory(installedAs_);
    installedAs_.clear();
}

void ScriptedServer::refuseCreation(automation::HResult status)
{
    std::lock_guard lock(state_->mutex);
    state_->creationStatus = status;
}

automation::Variant ScriptedServer::createSession()
{
    return automation::Variant::adopt(new ScriptedObject(state_, ScriptedObject::Kind::Session, {}));
}

const std::vector<Call> &ScriptedServer::calls() const noexcept
{
    return state_->calls;
}

std::vector<std::string> ScriptedServer::callTexts() const
{
    std::lock_guard lock(state_->mutex);
    std::vector<std::string> texts;
    texts.reserve(state_->calls.size());
    for (const Call &call : state_->calls)
        texts.push_back(call.text());
    return texts;
}

std::vector<std::string> ScriptedServer::detailedCallTexts() const
{
    std::lock_guard lock(state_->mutex);
    std::vector<std::string> texts;
    texts.reserve(state_->calls.size());
    for (const Call &call : state_->calls)
        texts.push_back(call.detailedText());
    return texts;
}

void ScriptedServer::clearCalls()
{
    std::lock_guard lock(state_->mutex);
    state_->calls.clear();
}

void ScriptedServer::setRecording(bool on)
{
    std::lock_guard lock(state_->mutex);
    state_->recording = on;
}

void ScriptedServer::replyTo(std::string call, Reply reply, int occurrence)
{
    std::lock_guard lock(state_->mutex);
    state_->addRule(std::move(call), std::move(reply), occurrence);
}

void ScriptedServer::replyToCallNumber(std::size_t index, Reply reply)
{
    std::lock_guard lock(state_->mutex);
    state_->addCallNumberRule(index, std::move(reply));
}

void ScriptedServer::onCall(Script script)
{
    std::lock_guard lock(state_->mutex);
    state_->setScript(std::move(script));
}

void ScriptedServer::clearScript()
{
    std::lock_guard lock(state_->mutex);
    state_->clearScript();
}

std::size_t ScriptedServer::liveObjects() const noexcept
{
    return state_->liveObjects.load();
}

} // namespace scripted
