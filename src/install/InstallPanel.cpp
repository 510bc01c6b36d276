#include "install/InstallPanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "install/InstallThread.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"

CInstallPanel::CInstallPanel(CMainWnd& wnd)
    : CPanel(wnd, 3, "INSTALL_TITLE"), installThread(nullptr)
{
    mainWnd.setButton(1050, getResString("CANCEL"), false);
    mainWnd.setButton(1051, getResString("NEXT"), false);
    setLabel(1014, getResString("INSTALL_STR"));
    installThread = new CInstallThread(mainWnd);
}

CInstallPanel::~CInstallPanel() = default;

void CInstallPanel::start()
{
    installThread->Resume();
}

InstallState CInstallPanel::getNextState()
{
    if (Options.failed)
        return STATE_INSTALL_ERROR;
    return isOsx() ? STATE_INSTALL_REBOOT : STATE_INSTALL_FINISH;
}
