#include "app/RemoveRebootPanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "text/IniLookup.h"

CRemoveRebootPanel::CRemoveRebootPanel(CMainWnd& wnd)
    : CPanel(wnd, 8, "REMOVE_REBOOT_TITLE")
{
    setLabel(1021, getResString("REMOVE_REBOOT_STR"));
    setLabel(1005, getResString("REBOOT_NOW"));
    setLabel(1006, getResString("REBOOT_LATER"));
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("FINISH"), true);
}

void CRemoveRebootPanel::doNext()
{
    Options.reboot = isRadioButtonOn(1005);
}

InstallState CRemoveRebootPanel::getNextState()
{
    return STATE_QUIT;
}
