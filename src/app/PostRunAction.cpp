#include "app/PostRunAction.h"

#include "log/MessageBox.h"
#include "log/ModuleLoggers.h"

MODULE_ERROR_LOGGER("InstApp")

namespace {

// The relaunch with administrator rights (and the staging of the
// uninstaller before it) is not part of this build yet. Say so rather than
// end as if the installation or removal had gone on.
bool notAvailable(const char* what)
{
    messageBox("%s", what);
    ErrorLogger.log("%s", what);
    return true;
}

} // namespace

bool performPostRunAction(InstallState finalState)
{
    switch (finalState) {
    case STATE_AUTHORIZE_INSTALL:
        return notAvailable("Installing with administrator rights is not available yet");
    case STATE_AUTHORIZE_REMOVE:
        return notAvailable("Removing with administrator rights is not available yet");
    default:
        return false;
    }
}
