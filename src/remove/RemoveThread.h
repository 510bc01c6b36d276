#pragma once
// The removal, run on a cooperative worker thread so that the wizard window
// stays alive. At the end it presses Next for the user.

#include "ui/LThread.h"

class CMainWnd;

class CRemoveThread : public LThread {
public:
    // Created suspended; the remove panel resumes it.
    explicit CRemoveThread(CMainWnd& wnd);
    ~CRemoveThread() override;

    // Runs the removal and moves the wizard on, on this thread.
    void* endThread();

protected:
    void* Run() override;

private:
    CMainWnd& mainWnd;
};
