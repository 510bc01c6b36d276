#pragma once
// Apple Event Manager: descriptors and events sent to the emulated processes.
// A quit event to a host process sends it SIGTERM; a restart event to
// "loginwindow" or the Finder runs PLATFORM_RESTART_COMMAND when it is set.
// Every event sent is written to the transcript.

#include "core/MacTypes.h"

using DescType = OSType;
using AEEventClass = OSType;
using AEEventID = OSType;
using AESendMode = SInt32;
using AESendPriority = SInt16;

struct AEDesc {
    DescType descriptorType;
    void* dataHandle;
};
using AEAddressDesc = AEDesc;
using AppleEvent = AEDesc;

enum : DescType {
    typeNull = FOUR_CHAR('n', 'u', 'l', 'l'),
    typeProcessSerialNumber = FOUR_CHAR('p', 's', 'n', ' '),
    typeApplSignature = FOUR_CHAR('s', 'i', 'g', 'n'),
    typeAppleEvent = FOUR_CHAR('a', 'e', 'v', 't'),
};

enum : AEEventClass {
    kCoreEventClass = FOUR_CHAR('a', 'e', 'v', 't'),
    kAEFinderEvents = FOUR_CHAR('F', 'N', 'D', 'R'),
};

enum : AEEventID {
    kAEQuitApplication = FOUR_CHAR('q', 'u', 'i', 't'),
    kAERestart = FOUR_CHAR('r', 'e', 's', 't'),
};

enum : AESendMode { kAENoReply = 0x01, kAEAlwaysInteract = 0x30, kAECanSwitchLayer = 0x40 };
enum : SInt16 { kAutoGenerateReturnID = -1 };
enum : SInt32 { kAnyTransactionID = 0, kAEDefaultTimeout = -1 };
enum : AESendPriority { kAENormalPriority = 0 };

OSErr AECreateDesc(DescType typeCode, const void* dataPtr, Size dataSize, AEDesc* result);
OSErr AECreateAppleEvent(AEEventClass theAEEventClass, AEEventID theAEEventID, const AEAddressDesc* target,
                         SInt16 returnID, SInt32 transactionID, AppleEvent* result);
OSErr AESend(const AppleEvent* theAppleEvent, AppleEvent* reply, AESendMode sendMode, AESendPriority sendPriority,
             SInt32 timeOutInTicks, void* idleProc, void* filterProc);
OSErr AEDisposeDesc(AEDesc* theAEDesc);
