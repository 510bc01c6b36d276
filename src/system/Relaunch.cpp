#include "system/Relaunch.h"

#include "app/InstallState.h"
#include "app/Options.h"
#include "install/UninstallerStaging.h"
#include "log/ModuleLoggers.h"
#include "log/XPel.h"
#include "system/UtilsOsx.h"
#include "text/String.h"

MODULE_TRACE_LOGGER("InstApp")

bool authorizeAndRestart(bool isInstalling)
{
    return authorizeAndRestartOsx(isInstalling);
}

bool authorizeAndRestartOsx(bool isInstalling)
{
    TraceLogger.log("Authorizing and restarting, isInstalling=%d", isInstalling ? 1 : 0);

    String executable;
    if (isInstalling)
        executable = Options.appPath;
    else if (getUninstTmpPath(&executable))
        throw XPel("Can't get uninstall tmp path");

    String nextState;
    nextState.format("%d", isInstalling ? STATE_LICENSE : STATE_REMOVE);
    const char* arguments[] = {nextState, isInstalling ? "INSTALL" : "REMOVE", nullptr};
    return authorizeAndExecute(executable, arguments, true);
}
