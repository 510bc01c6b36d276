#include "app/InstallWelcomePanel.h"

#include "app/CMainWnd.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"

CInstallWelcomePanel::CInstallWelcomePanel(CMainWnd& wnd)
    : CPanel(wnd, 1, "INSTALL_WELCOME_TITLE")
{
    bool osx = isOsx();
    setLabel(1011, getResString(osx ? "INSTALL_WELCOME_STR1_OSX" : "INSTALL_WELCOME_STR1_OS9"));
    setLabel(1012, getResString(osx ? "INSTALL_WELCOME_STR2_OSX" : "INSTALL_WELCOME_STR2_OS9"));
}

InstallState CInstallWelcomePanel::getNextState()
{
    // Mac OS X needs administrator rights for the rest: relaunch first.
    return isOsx() ? STATE_AUTHORIZE_INSTALL : STATE_LICENSE;
}
