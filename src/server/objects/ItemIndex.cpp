#include "ItemIndex.h"

#include "automation/ServerObject.h"

#include <string>

namespace collab::objects {

std::size_t itemIndex(const automation::Variant &argument, std::size_t count, const char *itemNoun,
                      const char *collectionNoun)
{
    const std::int32_t index = automation::integerArgument(argument);
    if (index < 1 || static_cast<std::size_t>(index) > count)
        throw automation::ServerException("There is no " + std::string(itemNoun) + " " + std::to_string(index) +
                                          "; the " + collectionNoun + " holds " + std::to_string(count));
    return static_cast<std::size_t>(index - 1);
}

} // namespace collab::objects
