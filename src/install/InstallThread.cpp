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
    if (!isOsx() && isDriverInstalled())
        messageBox("%s", static_cast<const char*>(getResString("REMOVE_UNPLUG")));
    Options.failed = false;
    uninstall();

    String driverType = readSystemInfo("DriverType");
    if (driverType != "LAN" && driverType != "WAN") {
        fail("Invalid driver type");
        return endThread();
    }
    String systemPrefix = isOsx() ? ":OSX:" : ":OS9:";
    TraceLogger.log("osVersion = 0x%x", getOsVersion());
    String drivers = driverSource(systemPrefix, driverType);
    short appVolume = getAppVolume();
    long appDir = getAppDir();
    getFilenamesInDir(Options.driverFiles, appVolume, appDir, drivers);
    getFilenamesInDir(Options.modemScriptFiles, appVolume, appDir, systemPrefix + "ModemScripts");

    String programFolder = readSystemInfo("ProgramFilesDir");
    if (programFolder.isEmpty()) {
        fail("ProgramFilesDir not found in ini file");
        return endThread();
    }

    TraceLogger.log("Installing apps");
    short appsVRefNum;
    long appsDirID;
    if (getSystemFolder(&appsVRefNum, &appsDirID, kApplicationsFolderType) ||
        installDirectory(appVolume, appDir, systemPrefix + "Apps", appsVRefNum, appsDirID, programFolder))
        return endThread();
    Yield();

    TraceLogger.log("Installing uninstaller");
    long programDirID = 0;
    Boolean isFolder = false;
    OSErr error = GetDirectoryID(appsVRefNum, appsDirID, programFolder.getPascalStr(), &programDirID, &isFolder);
    if (error != noErr || !isFolder) {
        Options.failed = true;
        Options.errorText.format("Can't obtain destination apps directory (%d)", error);
        return endThread();
    }
    installUninstaller(appVolume, appDir, appsVRefNum, programDirID);
    // The uninstaller is later started with administrator rights: nobody but
    // the owner may change what lies in the program folder.
    TraceLogger.log("Setting uninstall permissions");
    setPermissions(appsVRefNum, programDirID, nullptr, "755", nullptr);
    Yield();

    TraceLogger.log("Installing drivers");
    short driversVRefNum;
    long driversDirID;
    if (getSystemFolder(&driversVRefNum, &driversDirID,
                        isOsx() ? kKernelExtensionsFolderType : kExtensionFolderType))
        return endThread();
    installDirectory(appVolume, appDir, drivers, driversVRefNum, driversDirID, nullptr);
    Yield();
    for (const String& driver : Options.driverFiles)
        setPermissions(driversVRefNum, driversDirID, driver, "755", "root:wheel");
    Yield();
    unixCommand(driversVRefNum, driversDirID, nullptr, "/usr/bin/touch", nullptr, 0);
    Yield();

    if (!isOsx() || driverType == "WAN") {
        TraceLogger.log("Installing modem script");
        short scriptsVRefNum;
        long scriptsDirID;
        if (getSystemFolder(&scriptsVRefNum, &scriptsDirID, kModemScriptsFolderType))
            return endThread();
        installDirectory(appVolume, appDir, systemPrefix + "ModemScripts", scriptsVRefNum, scriptsDirID, nullptr);
    }
    Yield();

    TraceLogger.log("Installation complete");
    return endThread();
}
