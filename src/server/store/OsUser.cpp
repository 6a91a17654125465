#include "OsUser.h"

#include "StoreError.h"

#include <climits>
#include <pwd.h>
#include <unistd.h>

namespace collab::store {

namespace {

std::string trimmed(const std::string &text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

} // namespace

UserIdentity OsUser::fromPasswd(const std::string &login, const std::string &gecos, const std::string &host)
{
    UserIdentity identity;
    identity.userId = login;
    identity.name = trimmed(gecos.substr(0, gecos.find(',')));
    if (identity.name.empty())
        identity.name = login;
    const auto lastSpace = identity.name.rfind(' ');
    if (lastSpace == std::string::npos) {
        identity.lastName = identity.name;
    } else {
        identity.firstName = trimmed(identity.name.substr(0, lastSpace));
        identity.lastName = identity.name.substr(lastSpace + 1);
    }
    if (!host.empty())
        identity.email = login + "@" + host;
    return identity;
}

UserIdentity OsUser::current()
{
    const passwd *user = getpwuid(geteuid());
    if (!user || !user->pw_name)
        throw StoreError("Cannot log in: the current user (uid " + std::to_string(geteuid()) +
                         ") has no entry in the user database");
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) != 0)
        host[0] = '\0';
    return fromPasswd(user->pw_name, user->pw_gecos ? user->pw_gecos : "", host);
}

} // namespace collab::store
