#pragma once
// The installation, run on a cooperative worker thread so that the wizard
// window stays alive: it removes an earlier installation, then copies the
// applications, builds the uninstaller, copies the drivers and, where needed,
// the modem scripts. At the end it presses Next for the user.

#include "ui/LThread.h"

class CMainWnd;

class CInstallThread : public LThread {
public:
    // Created suspended; the install panel resumes it.
    explicit CInstallThread(CMainWnd& wnd);
    ~CInstallThread() override;

    // Moves the wizard on: enables Next and broadcasts its message, as a click
    // would. The state change runs here, on this thread.
    void* endThread();

protected:
    void* Run() override;

private:
    CMainWnd& mainWnd;
};

// Enables the wizard's Next button and broadcasts its message, as a click on
// it would: how a worker thread hands the wizard on when its work is over.
void pressNext(CMainWnd& wnd);
