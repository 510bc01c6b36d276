#pragma once
// After a successful installation on Mac OS 9.

#include "app/CPanel.h"

class CInstallFinishPanel : public CPanel {
public:
    explicit CInstallFinishPanel(CMainWnd& wnd);
    InstallState getNextState() override;
};
