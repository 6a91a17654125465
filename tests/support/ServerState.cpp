#include "ServerState.h"

#include <automation/Text.h>

namespace scripted {

void ServerState::addRule(std::string pattern, Reply reply, int occurrence)
{
    rules_.push_back(Rule{std::move(pattern), 0, occurrence, 0, std::move(reply)});
}

void ServerState::addCallNumberRule(std::size_t index, Reply reply)
{
    rules_.push_back(Rule{std::string(), index, 0, 0, std::move(reply)});
}

void ServerState::setScript(Script script)
{
    script_ = std::move(script);
}

void ServerState::clearScript()
{
    rules_.clear();
    script_ = nullptr;
}

// "Receiver.Member" matches any arguments and kind; with the rest of the
// text ("Books.Item(&1)", "Field.Value=(\"x\")") it must match exactly. The
// receiver may be plain or detailed; the member matches without regard to
// case, since the program spells some members two ways.
bool ServerState::matches(const std::string &pattern, const Call &call)
{
    // A detailed receiver may hold dots of its own: "Book[v1.2]".
    std::size_t from = 0;
    const std::size_t bracket = pattern.find('[');
    if (bracket != std::string::npos && bracket < pattern.find('.'))
        from = pattern.find(']', bracket);
    const std::size_t dot = from == std::string::npos ? from : pattern.find('.', from);
    if (dot == std::string::npos)
        return false;
    const std::string receiver = pattern.substr(0, dot);
    if (receiver != call.receiver && receiver != call.receiverDetail)
        return false;
    const std::size_t memberEnd = pattern.find_first_of("({=", dot + 1);
    const std::string member = pattern.substr(dot + 1, memberEnd == std::string::npos ? std::string::npos : memberEnd - dot - 1);
    if (!automation::equalsIgnoreAsciiCase(member, call.member))
        return false;
    if (memberEnd == std::string::npos)
        return true;
    const std::string text = call.text();
    return pattern.compare(memberEnd, std::string::npos, text, call.receiver.size() + 1 + call.member.size()) == 0;
}

std::optional<Reply> ServerState::replyFor(const Call &call, std::size_t index)
{
    std::optional<Reply> chosen;
    for (Rule &rule : rules_) {
        const bool hit = rule.pattern.empty() ? rule.callIndex == index : matches(rule.pattern, call);
        if (!hit)
            continue;
        ++rule.matches;
        if (!chosen && (rule.occurrence == 0 || rule.occurrence == rule.matches))
            chosen = rule.reply;
    }
    if (chosen)
        return chosen;
    if (script_)
        return script_(call, index);
    return std::nullopt;
}

} // namespace scripted
