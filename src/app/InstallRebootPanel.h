#pragma once
// After a successful installation on Mac OS X: restart now or later.

#include "app/CPanel.h"

class CInstallRebootPanel : public CPanel {
public:
    explicit CInstallRebootPanel(CMainWnd& wnd);
    void doNext() override;
    InstallState getNextState() override;
};
