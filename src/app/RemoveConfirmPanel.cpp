#include "app/RemoveConfirmPanel.h"

#include "app/CMainWnd.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"

CRemoveConfirmPanel::CRemoveConfirmPanel(CMainWnd& wnd)
    : CPanel(wnd, 6, "REMOVE_CONFIRM_TITLE")
{
    bool osx = isOsx();
    setLabel(1018, getResString(osx ? "REMOVE_CONFIRM_STR1_OSX" : "REMOVE_CONFIRM_STR1_OS9"));
    setLabel(1019, getResString(osx ? "REMOVE_CONFIRM_STR2_OSX" : "REMOVE_CONFIRM_STR2_OS9"));
    setLabel(1008, getResString("REMOVE_CONFIRM_YES"));
    setLabel(1009, getResString("REMOVE_CONFIRM_NO"));
}

InstallState CRemoveConfirmPanel::getNextState()
{
    return isRadioButtonOn(1008) ? STATE_AUTHORIZE_REMOVE : STATE_QUIT;
}
