#include <unistd.h>

#include <cstring>
#include <string>

#include "process/ProcessTable.h"
#include "process/Processes.h"

namespace platform {

namespace {

// Function-local, so that it is ready for loggers constructed during static
// initialisation, which already ask where the executable lies.
std::string& executableOverride()
{
    static std::string path;
    return path;
}

bool isCurrent(const ProcessSerialNumber& psn)
{
    return psn.highLongOfPSN == 0 && (psn.lowLongOfPSN == kCurrentProcess || psn.lowLongOfPSN == UInt32(::getpid()));
}

void copyName(const std::string& name, StringPtr buffer, size_t capacity)
{
    size_t length = std::min(name.size(), std::min<size_t>(capacity - 1, 255));
    buffer[0] = UInt8(length);
    std::memcpy(buffer + 1, name.data(), length);
}

// The FSSpec of a host file: its folder made known to the File
// Manager, and its name.
OSErr specOfHostFile(const std::string& path, FSSpec* spec)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return fnfErr;
    std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    std::string name = path.substr(slash + 1);
    if (name.empty() || name.size() >= sizeof spec->name)
        return bdNamErr;
    OSErr err = locateFolder(folder, &spec->vRefNum, &spec->parID);
    if (err != noErr)
        return err;
    copyName(name, spec->name, sizeof spec->name);
    return noErr;
}

} // namespace

// The executable is read once: every logger asks for it while the program starts.
std::string currentExecutablePath()
{
    if (!executableOverride().empty())
        return executableOverride();
    static const std::string path = [] {
        char target[4096];
        ssize_t length = ::readlink("/proc/self/exe", target, sizeof target - 1);
        return length > 0 ? std::string(target, size_t(length)) : std::string();
    }();
    return path;
}

void setCurrentExecutableForTesting(const std::string& path)
{
    executableOverride() = path;
}

} // namespace platform

OSErr GetCurrentProcess(ProcessSerialNumber* psn)
{
    if (!psn)
        return paramErr;
    *psn = platform::ProcessTable::serialNumberOf(::getpid());
    return noErr;
}

OSErr GetNextProcess(ProcessSerialNumber* psn)
{
    if (!psn)
        return paramErr;
    for (const platform::ProcessEntry& entry : platform::ProcessTable::list()) {
        if (*psn < entry.psn) {
            *psn = entry.psn;
            return noErr;
        }
    }
    *psn = {0, kNoProcess};
    return procNotFound;
}

OSErr GetProcessInformation(const ProcessSerialNumber* psn, ProcessInfoRec* info)
{
    if (!psn || !info)
        return paramErr;
    platform::ProcessEntry entry{};
    if (platform::isCurrent(*psn)) {
        std::string path = platform::currentExecutablePath();
        int pid = ::getpid();
        entry = {platform::ProcessTable::serialNumberOf(pid), path.substr(path.rfind('/') + 1).substr(0, 31),
                 FOUR_CHAR('?', '?', '?', '?'), pid};
        if (info->processAppSpec) {
            OSErr err = platform::specOfHostFile(path, info->processAppSpec);
            if (err != noErr)
                return err;
        }
    } else if (!platform::ProcessTable::find(*psn, &entry)) {
        return procNotFound;
    }
    if (info->processName)
        platform::copyName(entry.name, info->processName, 32);
    info->processNumber = entry.psn;
    info->processType = FOUR_CHAR('A', 'P', 'P', 'L');
    info->processSignature = entry.signature;
    return noErr;
}

OSErr SetFrontProcess(const ProcessSerialNumber* psn)
{
    return psn ? noErr : paramErr;
}
