#include "app/InstallRebootPanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "text/IniLookup.h"

CInstallRebootPanel::CInstallRebootPanel(CMainWnd& wnd)
    : CPanel(wnd, 4, "INSTALL_REBOOT_TITLE")
{
    setLabel(1015, getResString("INSTALL_REBOOT_STR"));
    setLabel(1005, getResString("REBOOT_NOW"));
    setLabel(1006, getResString("REBOOT_LATER"));
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("FINISH"), true);
}

void CInstallRebootPanel::doNext()
{
    Options.reboot = isRadioButtonOn(1005);
}

InstallState CInstallRebootPanel::getNextState()
{
    return STATE_QUIT;
}
