#include "install/InstallThread.h"

#include "app/CMainWnd.h"
#include "app/Options.h"
#include "files/Folders.h"
#include "files/MoreFiles.h"
#include "install/InstallDirectory.h"
#include "install/UninstallerBundle.h"
#include "log/MessageBox.h"
#include "log/ModuleLoggers.h"
#include "remove/Uninstall.h"
#include "system/SystemInfo.h"
#include "system/UtilsOsx.h"
#include "text/IniLookup.h"
#include "text/String.h"
#include "ui/LPushButton.h"

MODULE_TRACE_LOGGER("InstallPanel")

namespace {

enum : MessageT { msg_Next = 1051 };
constexpr UInt32 kStartDelay = 1000;

String readSystemInfo(const char* key)
{
    return getIniString(key, "SystemInfo", "", "Installer.ini");
}

void fail(const char* text)
{
    Options.failed = true;
    Options.errorText = text;
}

// The driver folder of this system inside the bundle: per system version, and
// on Mac OS X the variant of the driver type inside it.
String driverSource(const String& systemPrefix, const String& driverType)
{
    String folder;
    if ((getOsVersion() & 0xFFF0) == 0x1010)
        folder = systemPrefix + readSystemInfo("Osx1DriverDir");
    else if ((getOsVersion() & 0xFFF0) == 0x1020)
        folder = systemPrefix + readSystemInfo("Osx2DriverDir");
    else
        folder = systemPrefix + "Drivers";
    if (isOsx())
        folder += String(":") + driverType;
    return folder;
}

// A folder of a volume.
struct Location {
    short vRefNum = 0;
    long dirID = 0;
};

// Where the installation copies from, as the configuration and the system
// decide it.
struct Sources {
    Location bundle; // the installer's Contents folder
    String driverType;
    String systemPrefix;
    String drivers;
    String programFolder;
};

void removeEarlierInstallation()
{
    if (!isOsx() && isDriverInstalled())
        messageBox("%s", static_cast<const char*>(getResString("REMOVE_UNPLUG")));
    Options.failed = false;
    uninstall();
}

// Reads the configuration and lists the drivers and modem scripts to copy.
// True when the configuration does not allow an installation.
bool readSources(Sources& sources)
{
    sources.driverType = readSystemInfo("DriverType");
    if (sources.driverType != "LAN" && sources.driverType != "WAN") {
        fail("Invalid driver type");
        return true;
    }
    sources.systemPrefix = isOsx() ? ":OSX:" : ":OS9:";
    TraceLogger.log("osVersion = 0x%x", getOsVersion());
    sources.drivers = driverSource(sources.systemPrefix, sources.driverType);
    sources.bundle = {getAppVolume(), getAppDir()};
    getFilenamesInDir(Options.driverFiles, sources.bundle.vRefNum, sources.bundle.dirID, sources.drivers);
    getFilenamesInDir(Options.modemScriptFiles, sources.bundle.vRefNum, sources.bundle.dirID,
                      sources.systemPrefix + "ModemScripts");

    sources.programFolder = readSystemInfo("ProgramFilesDir");
    if (sources.programFolder.isEmpty()) {
        fail("ProgramFilesDir not found in ini file");
        return true;
    }
    return false;
}

// Copies the applications into a new program folder in the applications
// folder, which it finds. True when the installation must stop.
bool installApps(const Sources& sources, Location& apps)
{
    TraceLogger.log("Installing apps");
    return getSystemFolder(&apps.vRefNum, &apps.dirID, kApplicationsFolderType) ||
           installDirectory(sources.bundle.vRefNum, sources.bundle.dirID, sources.systemPrefix + "Apps", apps.vRefNum,
                            apps.dirID, sources.programFolder);
}

// The program folder that installApps made in apps. True when it is not there.
bool findProgramFolder(const Sources& sources, const Location& apps, Location& programFolder)
{
    String name = sources.programFolder;
    Boolean isFolder = false;
    OSErr error = GetDirectoryID(apps.vRefNum, apps.dirID, name.getPascalStr(), &programFolder.dirID, &isFolder);
    if (error != noErr || !isFolder) {
        Options.failed = true;
        Options.errorText.format("Can't obtain destination apps directory (%d)", error);
        return true;
    }
    programFolder.vRefNum = apps.vRefNum;
    return false;
}

void installUninstallerInto(const Sources& sources, const Location& programFolder)
{
    installUninstaller(sources.bundle.vRefNum, sources.bundle.dirID, programFolder.vRefNum, programFolder.dirID);
    // The uninstaller is later started with administrator rights: nobody but
    // the owner may change what lies in the program folder.
    TraceLogger.log("Setting uninstall permissions");
    setPermissions(programFolder.vRefNum, programFolder.dirID, nullptr, "755", nullptr);
}

// Merges the drivers into the extensions folder, gives them to root and
// touches the folder. True when the folder cannot be found; a failed copy
// goes on.
bool installDrivers(const Sources& sources)
{
    TraceLogger.log("Installing drivers");
    Location drivers;
    if (getSystemFolder(&drivers.vRefNum, &drivers.dirID,
                        isOsx() ? kKernelExtensionsFolderType : kExtensionFolderType))
        return true;
    installDirectory(sources.bundle.vRefNum, sources.bundle.dirID, sources.drivers, drivers.vRefNum, drivers.dirID,
                     nullptr);
    LThread::Yield();
    for (const String& driver : Options.driverFiles)
        setPermissions(drivers.vRefNum, drivers.dirID, driver, "755", "root:wheel");
    LThread::Yield();
    unixCommand(drivers.vRefNum, drivers.dirID, nullptr, "/usr/bin/touch", nullptr, 0);
    LThread::Yield();
    return false;
}

// The modem scripts, on Mac OS 9 and for a WAN modem. True when their folder
// cannot be found; a failed copy goes on.
bool installModemScripts(const Sources& sources)
{
    if (isOsx() && sources.driverType != "WAN")
        return false;
    TraceLogger.log("Installing modem script");
    Location scripts;
    if (getSystemFolder(&scripts.vRefNum, &scripts.dirID, kModemScriptsFolderType))
        return true;
    installDirectory(sources.bundle.vRefNum, sources.bundle.dirID, sources.systemPrefix + "ModemScripts",
                     scripts.vRefNum, scripts.dirID, nullptr);
    return false;
}

} // namespace

void pressNext(CMainWnd& wnd)
{
    auto* next = dynamic_cast<LPushButton*>(wnd.FindPaneByID(msg_Next));
    if (!next)
        return;
    next->Enable();
    next->BroadcastMessage(msg_Next, nullptr);
}

CInstallThread::CInstallThread(CMainWnd& wnd)
    : LThread(false, 0, threadOption_Default, nullptr), mainWnd(wnd)
{
}

CInstallThread::~CInstallThread() = default;

void* CInstallThread::endThread()
{
    pressNext(mainWnd);
    return nullptr;
}

void* CInstallThread::Run()
{
    Sleep(kStartDelay);
    removeEarlierInstallation();
    Sources sources;
    if (readSources(sources))
        return endThread();
    Location apps;
    if (installApps(sources, apps))
        return endThread();
    Yield();
    TraceLogger.log("Installing uninstaller");
    Location programFolder;
    if (findProgramFolder(sources, apps, programFolder))
        return endThread();
    installUninstallerInto(sources, programFolder);
    Yield();
    if (installDrivers(sources) || installModemScripts(sources))
        return endThread();
    Yield();
    TraceLogger.log("Installation complete");
    return endThread();
}
