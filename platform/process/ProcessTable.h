#pragma once
// The processes of the emulated machine: the host's own, named after the last
// component of their first argument, and the system's ("loginwindow" on
// Mac OS X, the Finder on Mac OS 9). With PLATFORM_ROOT set, only host
// processes whose executable lies under it are listed, so that nothing ever
// reaches the host's own programs.

#include <string>
#include <vector>

#include "process/Processes.h"

namespace platform {

struct ProcessEntry {
    ProcessSerialNumber psn;
    std::string name;      // at most 31 bytes
    OSType signature;
    int pid;               // 0 for the system's own processes
};

class ProcessTable {
public:
    static std::vector<ProcessEntry> list();
    // The entry of psn; false when no such process runs.
    static bool find(const ProcessSerialNumber& psn, ProcessEntry* entry);
    static ProcessSerialNumber serialNumberOf(int pid);

    static constexpr UInt32 systemProcessHigh = 1;
    static constexpr OSType finderSignature = FOUR_CHAR('M', 'A', 'C', 'S');
};

} // namespace platform

bool operator<(const ProcessSerialNumber& a, const ProcessSerialNumber& b);
bool operator==(const ProcessSerialNumber& a, const ProcessSerialNumber& b);
