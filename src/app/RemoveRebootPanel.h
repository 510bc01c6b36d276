#pragma once
// After a removal: restart now or later.

#include "app/CPanel.h"

class CRemoveRebootPanel : public CPanel {
public:
    explicit CRemoveRebootPanel(CMainWnd& wnd);
    void doNext() override;
    InstallState getNextState() override;
};
