#include "StoreLocation.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace collab::store {

std::filesystem::path StoreLocation::configured()
{
    if (const char *setting = std::getenv(Variable); setting && *setting)
        return setting;
    return defaultPath();
}

std::filesystem::path StoreLocation::defaultPath()
{
    std::filesystem::path dataHome;
    // The XDG rules ignore relative values.
    if (const char *xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        dataHome = xdg;
    } else {
        std::filesystem::path home;
        if (const char *env = std::getenv("HOME"); env && *env)
            home = env;
        else if (const passwd *user = getpwuid(geteuid()); user && user->pw_dir)
            home = user->pw_dir;
        dataHome = home / ".local" / "share";
    }
    return dataHome / "addresspelgar" / "store.sqlite";
}

} // namespace collab::store
