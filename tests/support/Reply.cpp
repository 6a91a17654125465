#include "Reply.h"

namespace scripted {

Reply Reply::fail(std::string description, automation::HResult code)
{
    Reply reply(Kind::Fail);
    reply.description_ = std::move(description);
    reply.code_ = code;
    return reply;
}

Reply Reply::status(automation::HResult code)
{
    Reply reply(Kind::Status);
    reply.code_ = code;
    return reply;
}

Reply Reply::value(automation::Variant value)
{
    Reply reply(Kind::Value);
    reply.value_ = std::move(value);
    return reply;
}

Reply Reply::object()
{
    return Reply(Kind::Object);
}

} // namespace scripted
