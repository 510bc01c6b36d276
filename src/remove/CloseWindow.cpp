#include "remove/CloseWindow.h"

#include "log/ModuleLoggers.h"
#include "process/AppleEvents.h"
#include "process/Processes.h"
#include "text/String.h"

MODULE_LOGGERS("Install")

namespace {

String processName(const ProcessSerialNumber& psn)
{
    unsigned char name[32] = {0};
    ProcessInfoRec info{};
    info.processInfoLength = 60;
    info.processName = name;
    GetProcessInformation(&psn, &info);
    return String(static_cast<const unsigned char*>(name));
}

} // namespace

void closeWindow(const char* name)
{
    if (name == nullptr || *name == '\0')
        return;
    TraceLogger.log("Looking for window %s", name);

    ProcessSerialNumber psn{0, kNoProcess};
    while (GetNextProcess(&psn) == noErr) {
        if (String(name) != processName(psn))
            continue;
        TraceLogger.log("Found window %s", name);

        AEAddressDesc target;
        OSErr err = AECreateDesc(typeProcessSerialNumber, &psn, sizeof psn, &target);
        if (err != noErr) {
            ErrorLogger.log("AECreateDesc failed (%d)", err);
            return;
        }
        AppleEvent event;
        err = AECreateAppleEvent(kCoreEventClass, kAEQuitApplication, &target, kAutoGenerateReturnID,
                                 kAnyTransactionID, &event);
        AEDisposeDesc(&target);
        if (err != noErr) {
            ErrorLogger.log("AECreateAppleEvent failed (%d)", err);
            return;
        }
        AESend(&event, nullptr, kAENoReply | kAEAlwaysInteract | kAECanSwitchLayer, kAENormalPriority,
               kAEDefaultTimeout, nullptr, nullptr);
        AEDisposeDesc(&event);
        TraceLogger.log("Closed window %s", name);
    }
}
