#pragma once
// After a failed removal: the reason.

#include "app/CPanel.h"

class CRemoveErrorPanel : public CPanel {
public:
    explicit CRemoveErrorPanel(CMainWnd& wnd);
    InstallState getNextState() override;
};
