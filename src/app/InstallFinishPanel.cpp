#include "app/InstallFinishPanel.h"

#include "app/CMainWnd.h"
#include "text/IniLookup.h"

CInstallFinishPanel::CInstallFinishPanel(CMainWnd& wnd)
    : CPanel(wnd, 10, "INSTALL_FINISH_TITLE")
{
    setLabel(1028, getResString("INSTALL_FINISH_STR"));
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("FINISH"), true);
}

InstallState CInstallFinishPanel::getNextState()
{
    return STATE_QUIT;
}
