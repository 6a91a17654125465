#include "ServerRegistry.h"

#include "Text.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <unistd.h>

namespace automation {

namespace {

using CreateFunction = HResult (*)(const char *, Dispatch **);
constexpr const char *EntryPoint = "automation_create_object";
constexpr const char *RegistrationSuffix = ".server";

std::filesystem::path programFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

// An environment folder; relative values are ignored, as the XDG rules ask.
std::filesystem::path envPath(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

std::string moduleOf(const std::filesystem::path &registration)
{
    std::ifstream in(registration);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("module=", 0) == 0) {
            std::string module = line.substr(7);
            while (!module.empty() && (module.back() == '\r' || module.back() == ' '))
                module.pop_back();
            return module;
        }
    }
    return {};
}

} // namespace

ServerRegistry &ServerRegistry::instance()
{
    static ServerRegistry registry;
    return registry;
}

void ServerRegistry::registerFactory(std::string progId, Factory factory)
{
    std::lock_guard lock(mutex_);
    factories_[asciiLower(progId)] = std::move(factory);
}

void ServerRegistry::unregisterFactory(std::string_view progId)
{
    std::lock_guard lock(mutex_);
    factories_.erase(asciiLower(progId));
}

std::vector<std::filesystem::path> ServerRegistry::searchPath()
{
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path sub = std::filesystem::path("automation") / "servers";
    if (auto program = programFolder(); !program.empty())
        folders.push_back(program.parent_path() / "share" / sub);
    std::filesystem::path dataHome = envPath("XDG_DATA_HOME");
    if (dataHome.empty())
        if (auto home = envPath("HOME"); !home.empty())
            dataHome = home / ".local" / "share";
    if (!dataHome.empty())
        folders.push_back(dataHome / sub);
    const char *dirsValue = std::getenv("XDG_DATA_DIRS");
    std::string dataDirs = dirsValue ? dirsValue : "";
    if (dataDirs.empty())
        dataDirs = "/usr/local/share:/usr/share";
    std::size_t start = 0;
    while (start <= dataDirs.size()) {
        std::size_t end = dataDirs.find(':', start);
        if (end == std::string::npos)
            end = dataDirs.size();
        const std::filesystem::path folder(dataDirs.substr(start, end - start));
        if (folder.is_absolute())
            folders.push_back(folder / sub);
        start = end + 1;
    }
    return folders;
}

std::filesystem::path ServerRegistry::findRegistration(std::string_view progId)
{
    const std::string wanted = asciiLower(progId) + RegistrationSuffix;
    for (const auto &folder : searchPath()) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
            if (asciiLower(entry.path().filename().string()) == wanted && entry.is_regular_file(error))
                return entry.path();
        }
    }
    return {};
}

HResult ServerRegistry::create(std::string_view progId, Dispatch **object)
{
    *object = nullptr;
    if (progId.empty())
        return Co_E_ClassString;
    Factory factory;
    {
        std::lock_guard lock(mutex_);
        if (auto it = factories_.find(asciiLower(progId)); it != factories_.end())
            factory = it->second;
    }
    if (factory)
        return factory(object);

    const std::filesystem::path registration = findRegistration(progId);
    if (registration.empty())
        return Co_E_ClassString;
    std::filesystem::path module = moduleOf(registration);
    if (module.empty())
        return Regdb_E_ClassNotReg;
    if (module.is_relative())
        module = registration.parent_path() / module;

    // Modules stay loaded for the life of the process: objects they handed
    // out may be released late, and unloading buys nothing here.
    void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // The status alone cannot say why; the loader's reason goes to the log.
        if (const char *reason = dlerror())
            std::fprintf(stderr, "automation: cannot load %s: %s\n", module.c_str(), reason);
        return Co_E_DllNotFound;
    }
    auto createFunction = reinterpret_cast<CreateFunction>(dlsym(handle, EntryPoint));
    if (!createFunction)
        return Co_E_ErrorInDll;
    const std::string name(progId);
    return createFunction(name.c_str(), object);
}

} // namespace automation
