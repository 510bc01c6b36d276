#pragma once
// After a failed installation: the reason, which is also logged.

#include "app/CPanel.h"

class CInstallErrorPanel : public CPanel {
public:
    explicit CInstallErrorPanel(CMainWnd& wnd);
    InstallState getNextState() override;
};
