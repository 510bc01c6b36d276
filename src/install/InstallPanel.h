#pragma once
// The panel of the installing state: a progress text, both buttons disabled,
// and the install thread, which moves the wizard on when it is done.

#include "app/CPanel.h"

class CInstallThread;

class CInstallPanel : public CPanel {
public:
    explicit CInstallPanel(CMainWnd& wnd);
    ~CInstallPanel() override;

    // Starts the installation.
    void start() override;
    // The error panel after a failure, else the reboot panel on Mac OS X and
    // the finish panel on Mac OS 9.
    InstallState getNextState() override;

private:
    // Deletes itself when its work is over; the panel never deletes it.
    CInstallThread* installThread;
};
