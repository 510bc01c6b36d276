#pragma once
// The licence the user accepts with Next, from InstallerFiles/license.txt.

#include "app/CPanel.h"

class CInstallLicensePanel : public CPanel {
public:
    explicit CInstallLicensePanel(CMainWnd& wnd);
    InstallState getNextState() override;

private:
    // Fills the licence view; true when the file cannot be read.
    bool loadLicenseText();
};
