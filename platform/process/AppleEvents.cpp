#include "process/AppleEvents.h"

#include <signal.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/DetachedProcess.h"
#include "core/Environment.h"
#include "core/Transcript.h"
#include "process/ProcessTable.h"

namespace {

// What a descriptor's data handle points to.
struct DescPayload {
    virtual ~DescPayload() = default;
};

struct DescData : DescPayload {
    std::vector<char> bytes;
};

struct EventData : DescPayload {
    AEEventClass eventClass = 0;
    AEEventID eventID = 0;
    DescType targetType = typeNull;
    DescData target;
};

std::string fourChars(OSType code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += char((code >> shift) & 0xFF);
    return text;
}

// The process an address descriptor names, if it runs.
bool resolveTarget(DescType type, const DescData& data, platform::ProcessEntry* entry)
{
    if (type == typeProcessSerialNumber && data.bytes.size() == sizeof(ProcessSerialNumber)) {
        ProcessSerialNumber psn;
        std::memcpy(&psn, data.bytes.data(), sizeof psn);
        return platform::ProcessTable::find(psn, entry);
    }
    if (type == typeApplSignature && data.bytes.size() == sizeof(OSType)) {
        OSType signature;
        std::memcpy(&signature, data.bytes.data(), sizeof signature);
        for (const platform::ProcessEntry& candidate : platform::ProcessTable::list()) {
            if (candidate.signature == signature) {
                *entry = candidate;
                return true;
            }
        }
    }
    return false;
}

bool isRestart(const EventData& event)
{
    return (event.eventClass == kCoreEventClass || event.eventClass == kAEFinderEvents) && event.eventID == kAERestart;
}

void restartComputer()
{
    std::string command = platform::Environment::restartCommand();
    if (!command.empty())
        platform::DetachedProcess::start({"/bin/sh", "-c", command}, platform::DetachedProcess::currentEnvironment());
}

} // namespace

OSErr AECreateDesc(DescType typeCode, const void* dataPtr, Size dataSize, AEDesc* result)
{
    if (!result || dataSize < 0 || (dataSize > 0 && !dataPtr))
        return paramErr;
    auto* data = new DescData;
    data->bytes.assign(static_cast<const char*>(dataPtr), static_cast<const char*>(dataPtr) + dataSize);
    *result = {typeCode, static_cast<DescPayload*>(data)};
    return noErr;
}

OSErr AECreateAppleEvent(AEEventClass theAEEventClass, AEEventID theAEEventID, const AEAddressDesc* target,
                         SInt16 /*returnID*/, SInt32 /*transactionID*/, AppleEvent* result)
{
    if (!target || !result)
        return paramErr;
    auto* targetData = dynamic_cast<DescData*>(static_cast<DescPayload*>(target->dataHandle));
    if (!targetData)
        return paramErr;
    auto* event = new EventData;
    event->eventClass = theAEEventClass;
    event->eventID = theAEEventID;
    event->targetType = target->descriptorType;
    event->target = *targetData;
    *result = {typeAppleEvent, static_cast<DescPayload*>(event)};
    return noErr;
}

OSErr AESend(const AppleEvent* theAppleEvent, AppleEvent* reply, AESendMode /*sendMode*/,
             AESendPriority /*sendPriority*/, SInt32 /*timeOutInTicks*/, void* /*idleProc*/, void* /*filterProc*/)
{
    if (reply)
        *reply = {typeNull, nullptr};
    auto* payload = theAppleEvent ? static_cast<DescPayload*>(theAppleEvent->dataHandle) : nullptr;
    auto* eventData = dynamic_cast<EventData*>(payload);
    if (!eventData)
        return paramErr;
    const EventData& event = *eventData;
    platform::ProcessEntry entry;
    if (!resolveTarget(event.targetType, event.target, &entry))
        return procNotFound;
    platform::Transcript::write("appleevent " + fourChars(event.eventClass) + " " + fourChars(event.eventID) + " " +
                                platform::Transcript::quote(entry.name));
    if (entry.pid == 0) {
        if (isRestart(event))
            restartComputer();
        return noErr;
    }
    if (entry.pid > 0 && event.eventClass == kCoreEventClass && event.eventID == kAEQuitApplication)
        ::kill(entry.pid, SIGTERM);
    return noErr;
}

OSErr AEDisposeDesc(AEDesc* theAEDesc)
{
    if (!theAEDesc)
        return paramErr;
    delete static_cast<DescPayload*>(theAEDesc->dataHandle);
    *theAEDesc = {typeNull, nullptr};
    return noErr;
}
