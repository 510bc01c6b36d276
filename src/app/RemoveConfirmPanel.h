#pragma once
// The uninstaller's first panel: remove, or leave everything as it is.

#include "app/CPanel.h"

class CRemoveConfirmPanel : public CPanel {
public:
    explicit CRemoveConfirmPanel(CMainWnd& wnd);
    InstallState getNextState() override;
};
