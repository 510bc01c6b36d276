#include "app/InstallErrorPanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "log/ModuleLoggers.h"
#include "text/IniLookup.h"

MODULE_ERROR_LOGGER("Panel")

CInstallErrorPanel::CInstallErrorPanel(CMainWnd& wnd)
    : CPanel(wnd, 5, "INSTALL_ERR_TITLE")
{
    setLabel(1016, getResString("INSTALL_ERR_STR1"));
    setLabel(1017, getResString("INSTALL_ERR_STR2"));
    setLabel(1007, Options.errorText);
    ErrorLogger.log("Install error: %s", static_cast<const char*>(Options.errorText));
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("FINISH"), true);
}

InstallState CInstallErrorPanel::getNextState()
{
    return STATE_QUIT;
}
