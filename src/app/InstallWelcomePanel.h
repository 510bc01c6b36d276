#pragma once
// The first panel of an installation: what is about to happen.

#include "app/CPanel.h"

class CInstallWelcomePanel : public CPanel {
public:
    explicit CInstallWelcomePanel(CMainWnd& wnd);
    InstallState getNextState() override;
};
