#include "app/RemoveErrorPanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "text/IniLookup.h"

CRemoveErrorPanel::CRemoveErrorPanel(CMainWnd& wnd)
    : CPanel(wnd, 9, "REMOVE_ERR_TITLE")
{
    setLabel(1022, getResString("REMOVE_ERR_STR1"));
    setLabel(1023, getResString("REMOVE_ERR_STR2"));
    setLabel(1007, Options.errorText);
    mainWnd.setButton(1050, getResString("CANCEL"), true);
    mainWnd.setButton(1051, getResString("FINISH"), true);
}

InstallState CRemoveErrorPanel::getNextState()
{
    return STATE_QUIT;
}
