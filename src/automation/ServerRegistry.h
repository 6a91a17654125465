#pragma once

#include "HResult.h"

#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace automation {

class Dispatch;

// Maps a ProgID to the server that creates its objects, as a system registry
// maps a class name to an in-process server.
//
// Two kinds of registration:
//  - in-process factories, registered at run time (tests stand their own
//    servers here);
//  - registration files named "<ProgID>.server" in the registry folders, each
//    with a line "module=<path>" naming a loadable module (a relative path is
//    taken from the file's folder). The module exports
//        extern "C" automation::HResult automation_create_object(
//            const char *progId, automation::Dispatch **object);
//    which hands out a new object with one reference owned by the caller.
//
// ProgIDs match without regard to case. Factories win over files.
class ServerRegistry {
public:
    using Factory = std::function<HResult(Dispatch **object)>;

    static ServerRegistry &instance();

    void registerFactory(std::string progId, Factory factory);
    void unregisterFactory(std::string_view progId);

    // The registry folders, in search order: beside the running program
    // (<program folder>/../share/automation/servers), then
    // $XDG_DATA_HOME/automation/servers, then each of $XDG_DATA_DIRS.
    static std::vector<std::filesystem::path> searchPath();

    // The registration file for progId, or an empty path.
    static std::filesystem::path findRegistration(std::string_view progId);

    // Creates an object: S_Ok and *object with one reference, or
    // Co_E_ClassString for an unknown ProgID, Co_E_DllNotFound when the module
    // cannot be loaded, Co_E_ErrorInDll when it lacks the entry point, or the
    // server's own status.
    HResult create(std::string_view progId, Dispatch **object);

private:
    std::mutex mutex_;
    std::map<std::string, Factory> factories_; // keyed by lower-case ProgID
};

} // namespace automation
