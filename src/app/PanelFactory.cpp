#include "app/PanelFactory.h"

#include "app/InstallErrorPanel.h"
#include "app/InstallFinishPanel.h"
#include "app/InstallLicensePanel.h"
#include "app/InstallRebootPanel.h"
#include "app/InstallWelcomePanel.h"
#include "app/RemoveConfirmPanel.h"
#include "app/RemoveErrorPanel.h"
#include "app/RemoveRebootPanel.h"
#include "install/InstallPanel.h"
#include "log/XPel.h"
#include "remove/RemovePanel.h"

namespace {

PanelMaker installPanelMaker = &makeInstallPanel;
PanelMaker removePanelMaker = &makeRemovePanel;

} // namespace

void setProgressPanelMakers(PanelMaker install, PanelMaker remove)
{
    installPanelMaker = install ? install : &makeInstallPanel;
    removePanelMaker = remove ? remove : &makeRemovePanel;
}

CPanel* makePanel(InstallState s, CMainWnd& wnd)
{
    switch (s) {
    case STATE_WELCOME: return new CInstallWelcomePanel(wnd);
    case STATE_LICENSE: return new CInstallLicensePanel(wnd);
    case STATE_INSTALL: return installPanelMaker(wnd);
    case STATE_INSTALL_REBOOT: return new CInstallRebootPanel(wnd);
    case STATE_INSTALL_FINISH: return new CInstallFinishPanel(wnd);
    case STATE_INSTALL_ERROR: return new CInstallErrorPanel(wnd);
    case STATE_REMOVE_CONFIRM: return new CRemoveConfirmPanel(wnd);
    case STATE_REMOVE: return removePanelMaker(wnd);
    case STATE_REMOVE_REBOOT: return new CRemoveRebootPanel(wnd);
    case STATE_REMOVE_ERROR: return new CRemoveErrorPanel(wnd);
    default: throw XPel("Unknown install state");
    }
}

CPanel* makeInstallPanel(CMainWnd& wnd)
{
    return new CInstallPanel(wnd);
}

CPanel* makeRemovePanel(CMainWnd& wnd)
{
    return new CRemovePanel(wnd);
}
