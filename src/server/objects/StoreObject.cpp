#include "StoreObject.h"

#include "ServerName.h"

namespace collab::objects {

const char *StoreObject::sourceName() const noexcept
{
    return ServerName;
}

void StoreObject::requireNoArguments(std::span<automation::Variant> args)
{
    if (!args.empty())
        throw automation::StatusException(automation::Disp_E_BadParamCount);
}

} // namespace collab::objects
