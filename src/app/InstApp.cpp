#include "app/InstApp.h"

#include <memory>

#include "app/CInstApp.h"
#include "app/Options.h"
#include "app/PostRunAction.h"
#include "app/StartState.h"
#include "core/MacMemory.h"
#include "log/MessageBox.h"
#include "log/ModuleLoggers.h"
#include "log/XPel.h"
#include "process/Processes.h"
#include "system/Reboot.h"
#include "system/SystemInfo.h"
#include "ui/LGrowZone.h"

MODULE_TRACE_LOGGER("InstApp")

namespace {

const char* argumentOrNone(int argc, const char* const* argv, int index)
{
    return index < argc && argv[index] ? argv[index] : "(none)";
}

void prepareProcess()
{
    MoreMasterPointers(192);
    // The memory reserve lives as long as the process.
    static LGrowZone* memoryReserve = new LGrowZone(20000);
    (void)memoryReserve;
    ProcessSerialNumber self;
    GetCurrentProcess(&self);
    SetFrontProcess(&self);
}

} // namespace

int runInstaller(int argc, const char* const* argv)
{
    prepareProcess();
    std::unique_ptr<CInstApp> application;
    try {
        logSysInfo();
        TraceLogger.log("argc=%d \nargv[0]=%s \nargv[1]=%s \nargv[2]=%s \nargv[3]=%s", argc,
                        argumentOrNone(argc, argv, 0), argumentOrNone(argc, argv, 1), argumentOrNone(argc, argv, 2),
                        argumentOrNone(argc, argv, 3));
        Options.appPath = argc > 0 ? argv[0] : nullptr;
        Options.state = chooseStartState(argc, argv);
        application = std::make_unique<CInstApp>();
        application->Run();
        if (performPostRunAction(Options.state))
            return 0;
        if (Options.reboot)
            reboot();
    } catch (const XPel& error) {
        application.reset();
        // The message is shown as it is, never read as a format.
        messageBox("%s", error.getMessage());
    }
    return 0;
}
