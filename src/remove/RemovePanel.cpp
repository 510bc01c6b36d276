#include "remove/RemovePanel.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "remove/RemoveThread.h"
#include "text/IniLookup.h"

CRemovePanel::CRemovePanel(CMainWnd& wnd)
    : CPanel(wnd, 7, "REMOVE_TITLE"), removeThread(nullptr)
{
    setLabel(1020, getResString("REMOVE_STR"));
    mainWnd.setButton(1050, getResString("CANCEL"), false);
    mainWnd.setButton(1051, getResString("NEXT"), false);
    removeThread = new CRemoveThread(mainWnd);
}

CRemovePanel::~CRemovePanel() = default;

void CRemovePanel::start()
{
    removeThread->Resume();
}

InstallState CRemovePanel::getNextState()
{
    return Options.failed ? STATE_REMOVE_ERROR : STATE_REMOVE_REBOOT;
}
