#include "app/PostRunAction.h"

#include "install/UninstallerStaging.h"
#include "log/MessageBox.h"
#include "log/ModuleLoggers.h"
#include "system/Relaunch.h"

MODULE_ERROR_LOGGER("InstApp")

namespace {

bool reportFailure(const char* text)
{
    messageBox("%s", text);
    ErrorLogger.log("%s", text);
    return true;
}

} // namespace

bool performPostRunAction(InstallState finalState)
{
    switch (finalState) {
    case STATE_AUTHORIZE_INSTALL:
        // Refused rights end the program silently: the user chose not to go on.
        authorizeAndRestart(true);
        return false;
    case STATE_AUTHORIZE_REMOVE:
        if (copyUninstToTmpDir())
            return reportFailure("Could not copy uninstaller to tmp folder");
        if (authorizeAndRestart(false))
            return reportFailure("Authorization failed");
        return false;
    default:
        return false;
    }
}
