#include "system/SystemInfo.h"

#include "files/Files.h"
#include "log/ModuleLoggers.h"
#include "log/XPel.h"
#include "process/Gestalt.h"
#include "process/Processes.h"
#include "system/Version.h"

MODULE_ERROR_LOGGER("InstApp")

namespace {

FSSpec executableSpec()
{
    ProcessSerialNumber process{};
    if (GetCurrentProcess(&process) != noErr)
        throw XPel("Can't get current process");
    FSSpec spec{};
    ProcessInfoRec info{};
    info.processInfoLength = sizeof info;
    info.processName = nullptr;
    info.processAppSpec = &spec;
    if (GetProcessInformation(&process, &info) != noErr)
        throw XPel("Can't get process information");
    return spec;
}

const char* processorName(SInt32 architecture)
{
    switch (architecture) {
    case gestaltPowerPC:
        return "PowerPC";
    case gestalt68k:
        return "68K";
    default:
        return "Unknown";
    }
}

} // namespace

bool isOsx()
{
    SInt32 version = 0;
    return Gestalt(gestaltSystemVersion, &version) == noErr && version >= 0x1000;
}

unsigned short getOsVersion()
{
    SInt32 version = 0;
    Gestalt(gestaltSystemVersion, &version);
    return static_cast<unsigned short>(version & 0xFFFF);
}

long getAppDir()
{
    FSSpec executable = executableSpec();
    // "::PkgInfo" climbs out of the executable's folder; only the folder of
    // the result counts, whether PkgInfo exists or not.
    static const unsigned char pkgInfo[] = "\x09::PkgInfo";
    FSSpec contents{};
    FSMakeFSSpec(executable.vRefNum, executable.parID, pkgInfo, &contents);
    return contents.parID;
}

short getAppVolume()
{
    return executableSpec().vRefNum;
}

void logSysInfo()
{
    logSysInfo(ErrorLogger);
}

void logSysInfo(CInstallerLogFile& logger)
{
    // A query the machine cannot answer shows 0 rather than the previous
    // line's figure.
    auto ask = [](OSType selector) {
        SInt32 response = 0;
        return Gestalt(selector, &response) == noErr ? response : 0;
    };
    logger.log("*****************************************************");
    logger.log("Installer Version: %s", INSTALLER_VERSION);
    unsigned version = unsigned(ask(gestaltSystemVersion));
    logger.log("OS Version: %x.%x.%x", (version >> 8) & 0xFF, (version >> 4) & 0xF, version & 0xF);
    logger.log("Processor Type: %s", processorName(ask(gestaltSysArchitecture)));
    logger.log("Processor clock speed: %ld", long(ask(gestaltProcClkSpeed)));
    logger.log("Bus clock speed: %ld", long(ask(gestaltBusClkSpeed)));
    logger.log("Carbon Version: %x", unsigned(ask(gestaltCarbonVersion)));
    logger.log("Physical RAM: %ld", long(ask(gestaltPhysicalRAMSize)));
    logger.log("Logical RAM: %ld", long(ask(gestaltLogicalRAMSize)));
}
