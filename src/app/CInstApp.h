#pragma once
// The application: opens the wizard window on start-up and the About box on
// command 1. It keeps the main thread's object and yields to the worker
// threads on every pass of the event loop.

#include <memory>

#include "ui/LApplication.h"
#include "ui/UMainThread.h"

class CInstApp : public LApplication {
public:
    CInstApp();
    ~CInstApp() override;

    bool ObeyCommand(CommandT command, void* param) override;
    void FindCommandStatus(CommandT command, bool& outEnabled, bool& outUsesMark, UInt16& outMark,
                           Str255 outName) override;
    void StartUp() override;

    void RegisterClasses();

private:
    std::unique_ptr<UMainThread> mainThread;
};
