// Entry point of the loadable server module (libaddresspelgar-server.so),
// found through its registration file ValdrinOrvastaSession.server.

#include "automation/Dispatch.h"
#include "automation/Text.h"
#include "objects/ServerName.h"
#include "objects/Session.h"

#include <new>

extern "C" __attribute__((visibility("default"))) automation::HResult
automation_create_object(const char *progId, automation::Dispatch **object)
{
    if (!object)
        return automation::E_InvalidArg;
    *object = nullptr;
    if (!progId || !automation::equalsIgnoreAsciiCase(progId, collab::objects::ServerName))
        return automation::Co_E_ClassString;
    try {
        *object = collab::objects::Session::create();
        return automation::S_Ok;
    } catch (const std::bad_alloc &) {
        return automation::E_OutOfMemory;
    }
}
