#pragma once
// Process Manager: the host's processes, as the emulated machine lists them,
// plus the system's own ("loginwindow" on Mac OS X, the Finder on Mac OS 9).

#include <string>

#include "core/MacTypes.h"
#include "files/Files.h"

struct ProcessSerialNumber {
    UInt32 highLongOfPSN;
    UInt32 lowLongOfPSN;
};

enum : UInt32 { kNoProcess = 0, kSystemProcess = 1, kCurrentProcess = 2 };

struct ProcessInfoRec {
    UInt32 processInfoLength;
    StringPtr processName;
    ProcessSerialNumber processNumber;
    UInt32 processType;
    OSType processSignature;
    UInt32 processMode;
    Ptr processLocation;
    UInt32 processSize;
    UInt32 processFreeMem;
    ProcessSerialNumber processLauncher;
    UInt32 processLaunchDate;
    UInt32 processActiveTime;
    FSSpec* processAppSpec;
};

OSErr GetCurrentProcess(ProcessSerialNumber* psn);
OSErr GetNextProcess(ProcessSerialNumber* psn);
OSErr GetProcessInformation(const ProcessSerialNumber* psn, ProcessInfoRec* info);
OSErr SetFrontProcess(const ProcessSerialNumber* psn);

namespace platform {

// Host path of the running executable.
std::string currentExecutablePath();
// Tests that run the system in-process stand for a program started from a
// bundle: the current process then reports this executable path instead of
// its own. An empty path restores the real one.
void setCurrentExecutableForTesting(const std::string& path);

} // namespace platform
