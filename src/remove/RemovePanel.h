#pragma once
// The panel of the removing state: a progress text, both buttons disabled,
// and the remove thread, which moves the wizard on when it is done.

#include "app/CPanel.h"

class CRemoveThread;

class CRemovePanel : public CPanel {
public:
    explicit CRemovePanel(CMainWnd& wnd);
    ~CRemovePanel() override;

    // Starts the removal.
    void start() override;
    // The error panel after a failure, else the reboot panel.
    InstallState getNextState() override;

private:
    // Deletes itself when its work is over; the panel never deletes it.
    CRemoveThread* removeThread;
};
