#pragma once
// The panel of each wizard state that has one.

#include "app/InstallState.h"

class CMainWnd;
class CPanel;

// A new panel for a panel state (0, 2 to 7, 9 to 11); its constructor may
// raise XPel.
CPanel* makePanel(InstallState s, CMainWnd& wnd);

// The progress panels of states 3 and 9, which start the install and remove
// worker threads.
CPanel* makeInstallPanel(CMainWnd& wnd);
CPanel* makeRemovePanel(CMainWnd& wnd);

// Replaces the makers of the progress panels (null restores the above).
using PanelMaker = CPanel* (*)(CMainWnd& wnd);
void setProgressPanelMakers(PanelMaker install, PanelMaker remove);
