#include "security/Authorization.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/Environment.h"
#include "core/Transcript.h"
#include "security/PrivilegedLauncher.h"

struct AuthorizationOpaqueRef {
    bool rightGranted = false;
};

namespace {

// Mac OS 9 has no users and no administrator right: every program may do
// everything, so the right is held at once and a start is a plain start.
bool systemHasUsers()
{
    return platform::Environment::systemVersion() >= 0x1000;
}

std::string launchMode()
{
    return systemHasUsers() ? platform::Environment::auth() : "grant";
}

} // namespace

OSStatus AuthorizationCreate(const AuthorizationRights*, const AuthorizationEnvironment*, AuthorizationFlags,
                             AuthorizationRef* authorization)
{
    if (!authorization)
        return errAuthorizationInvalidRef;
    *authorization = new AuthorizationOpaqueRef;
    return errAuthorizationSuccess;
}

OSStatus AuthorizationCopyRights(AuthorizationRef authorization, const AuthorizationRights* rights,
                                 const AuthorizationEnvironment*, AuthorizationFlags flags,
                                 AuthorizationRights** authorizedRights)
{
    if (!authorization || !rights)
        return errAuthorizationInvalidRef;
    if (authorizedRights)
        *authorizedRights = nullptr;
    for (UInt32 i = 0; i < rights->count; ++i) {
        if (std::strcmp(rights->items[i].name, kAuthorizationRightExecute) != 0)
            return errAuthorizationDenied;
    }
    if (!(flags & kAuthorizationFlagExtendRights))
        return authorization->rightGranted ? errAuthorizationSuccess : errAuthorizationDenied;
    if (!authorization->rightGranted)
        authorization->rightGranted = platform::PrivilegedLauncher(launchMode()).obtainRight();
    if (!authorization->rightGranted) {
        platform::Transcript::write("auth-denied");
        return (flags & kAuthorizationFlagInteractionAllowed) ? errAuthorizationCanceled : errAuthorizationDenied;
    }
    return errAuthorizationSuccess;
}

OSStatus AuthorizationExecuteWithPrivileges(AuthorizationRef authorization, const char* pathToTool,
                                            AuthorizationFlags, char* const* arguments, FILE** communicationsPipe)
{
    if (communicationsPipe)
        *communicationsPipe = nullptr; // the tool's output goes where ours goes; nobody reads it
    if (!authorization || !pathToTool)
        return errAuthorizationInvalidRef;
    if (!authorization->rightGranted)
        return errAuthorizationDenied;
    std::vector<std::string> args;
    std::string event = "exec " + platform::Transcript::quote(pathToTool);
    for (char* const* argument = arguments; argument && *argument; ++argument) {
        args.emplace_back(*argument);
        event += " " + platform::Transcript::quote(*argument);
    }
    platform::Transcript::write(event);
    bool started = platform::PrivilegedLauncher(launchMode()).start(pathToTool, args);
    return started ? errAuthorizationSuccess : errAuthorizationToolExecuteFailure;
}

OSStatus AuthorizationFree(AuthorizationRef authorization, AuthorizationFlags)
{
    delete authorization;
    return errAuthorizationSuccess;
}
