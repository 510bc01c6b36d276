#include "process/Gestalt.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/Environment.h"

namespace {

constexpr SInt32 gestaltIntel = 10;
constexpr SInt32 carbonVersion = 0x0160;

SInt32 clampToResponse(long long value)
{
    return value > INT_MAX ? INT_MAX : SInt32(value);
}

SInt32 hostArchitecture()
{
#if defined(__powerpc__) || defined(__powerpc64__)
    return gestaltPowerPC;
#elif defined(__m68k__)
    return gestalt68k;
#elif defined(__x86_64__) || defined(__i386__)
    return gestaltIntel;
#else
    return 0;
#endif
}

// The processor clock in hertz, from the kernel's frequency table or cpuinfo.
long long processorClock()
{
    std::ifstream maxFreq("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
    long long kilohertz = 0;
    if (maxFreq >> kilohertz && kilohertz > 0)
        return kilohertz * 1000;
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("cpu MHz", 0) == 0) {
            size_t colon = line.find(':');
            if (colon != std::string::npos)
                return (long long)(std::strtod(line.c_str() + colon + 1, nullptr) * 1e6);
        }
    }
    return 0;
}

long long physicalMemory()
{
    return (long long)sysconf(_SC_PHYS_PAGES) * sysconf(_SC_PAGESIZE);
}

} // namespace

OSErr Gestalt(OSType selector, SInt32* response)
{
    if (!response)
        return paramErr;
    switch (selector) {
    case gestaltSystemVersion:
        *response = platform::Environment::systemVersion();
        return noErr;
    case gestaltSysArchitecture:
        *response = hostArchitecture();
        return noErr;
    case gestaltProcClkSpeed: {
        long long clock = processorClock();
        if (clock <= 0)
            return gestaltUndefSelectorErr;
        *response = clampToResponse(clock);
        return noErr;
    }
    case gestaltCarbonVersion:
        *response = carbonVersion;
        return noErr;
    case gestaltPhysicalRAMSize:
    case gestaltLogicalRAMSize:
        *response = clampToResponse(physicalMemory());
        return noErr;
    case gestaltAppearanceAttr:
        *response = 1;
        return noErr;
    default:
        // The bus clock, among others, is something this host does not tell.
        return gestaltUndefSelectorErr;
    }
}
