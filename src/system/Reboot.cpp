#include "system/Reboot.h"

#include <cstring>

#include "log/ModuleLoggers.h"
#include "process/AppleEvents.h"
#include "process/Processes.h"
#include "system/SystemInfo.h"

MODULE_TRACE_LOGGER("InstApp")

namespace {

constexpr AESendMode restartSendMode = kAENoReply | kAEAlwaysInteract | kAECanSwitchLayer;

// Sends the restart event to target; false when the event could not be made.
bool sendRestart(AEEventClass eventClass, const AEAddressDesc& target)
{
    AppleEvent event, reply;
    if (AECreateAppleEvent(eventClass, kAERestart, &target, kAutoGenerateReturnID, kAnyTransactionID, &event) != noErr)
        return false;
    AESend(&event, &reply, restartSendMode, kAENormalPriority, kAEDefaultTimeout, nullptr, nullptr);
    AEDisposeDesc(&event);
    AEDisposeDesc(&reply);
    return true;
}

void restartThroughLoginWindow()
{
    ProcessSerialNumber psn{0, kNoProcess};
    OSErr stepError = noErr;
    while (stepError == noErr) {
        stepError = GetNextProcess(&psn);
        unsigned char name[33] = {0};
        ProcessInfoRec info{};
        info.processInfoLength = 60;
        info.processName = name;
        GetProcessInformation(&psn, &info);
        if (name[0] != std::strlen("loginwindow") || std::memcmp(name + 1, "loginwindow", name[0]) != 0)
            continue;
        AEAddressDesc target{typeNull, nullptr};
        AECreateDesc(typeProcessSerialNumber, &psn, sizeof psn, &target);
        bool sent = sendRestart(kCoreEventClass, target);
        AEDisposeDesc(&target);
        if (!sent)
            return;
    }
}

void restartThroughFinder()
{
    const OSType finderSignature = FOUR_CHAR('M', 'A', 'C', 'S');
    AEAddressDesc target;
    if (AECreateDesc(typeApplSignature, &finderSignature, sizeof finderSignature, &target) != noErr)
        return;
    sendRestart(kAEFinderEvents, target);
    AEDisposeDesc(&target);
}

} // namespace

void reboot()
{
    TraceLogger.log("Rebooting");
    if (isOsx())
        restartThroughLoginWindow();
    else
        restartThroughFinder();
}
