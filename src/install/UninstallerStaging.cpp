#include "install/UninstallerStaging.h"

#include "files/Files.h"
#include "files/Folders.h"
#include "files/MoreFiles.h"
#include "install/InstallDirectory.h"
#include "log/ModuleLoggers.h"
#include "system/SystemInfo.h"
#include "text/IniFile.h"
#include "text/IniLookup.h"
#include "text/String.h"

MODULE_LOGGERS("Install")

namespace {

constexpr int STATE_REMOVE_AT_START = 9;
constexpr UInt16 executeForEveryone = 0111;

String uninstallerName()
{
    return getResString("UNINSTALL");
}

String bundleName()
{
    return uninstallerName() + ".app";
}

// The staged executable, inside the bundle folder: the uninstaller bundle of
// each system generation keeps it in its own executable folder.
String stagedExecutable()
{
    String uninstaller = uninstallerName();
    return String(":") + uninstaller + ".app:Contents:" + (isOsx() ? "MacOS:" : "MacOSClassic:") + uninstaller;
}

// Adds execute permission for owner, group and others to the item.
void addExecutePermission(short vRefNum, long dirID, String path)
{
    FSSpec spec;
    FSRef ref;
    FSCatalogInfo info;
    if (FSMakeFSSpec(vRefNum, dirID, path.getPascalStr(), &spec) != noErr || FSpMakeFSRef(&spec, &ref) != noErr ||
        FSGetCatalogInfo(&ref, kFSCatInfoPermissions, &info, nullptr, nullptr, nullptr) != noErr)
        return;
    info.permissions.mode |= executeForEveryone;
    FSSetCatalogInfo(&ref, kFSCatInfoPermissions, &info);
}

} // namespace

bool copyUninstToTmpDir()
{
    TraceLogger.log("Copying uninstaller to tmp dir");

    short appsVRefNum;
    long appsDirID;
    if (getSystemFolder(&appsVRefNum, &appsDirID, kApplicationsFolderType))
        return true;

    short tmpVRefNum;
    long tmpDirID;
    OSErr err = FindFolder(kOnSystemDisk, kTemporaryFolderType, kCreateFolder, &tmpVRefNum, &tmpDirID);
    if (err != noErr) {
        ErrorLogger.log("Can't find tmp folder (%d)", err);
        return true;
    }

    String bundle = bundleName();
    String source = String(":") + getIniString("ProgramFilesDir", "SystemInfo", "", "Installer.ini") + ":" + bundle;

    DeleteDirectory(tmpVRefNum, tmpDirID, String(bundle).getPascalStr());
    installDirectory(appsVRefNum, appsDirID, source, tmpVRefNum, tmpDirID, bundle);

    CIniFile ini;
    if (ini.load(tmpVRefNum, tmpDirID, String(":") + bundle + ":Contents:InstallerFiles:Installer.ini")) {
        ErrorLogger.log("Can't load ini file in tmp dir");
        return true;
    }
    if (ini.writeIniInt("NextState", "SystemInfo", STATE_REMOVE_AT_START)) {
        ErrorLogger.log("Can't write to ini file in tmp dir");
        return true;
    }
    addExecutePermission(tmpVRefNum, tmpDirID, stagedExecutable());
    ini.unload();
    return false;
}

bool getUninstTmpPath(String* path)
{
    short tmpVRefNum;
    long tmpDirID;
    if (getSystemFolder(&tmpVRefNum, &tmpDirID, kTemporaryFolderType))
        return true;

    String executable = stagedExecutable();
    FSSpec spec;
    if (FSMakeFSSpec(tmpVRefNum, tmpDirID, executable.getPascalStr(), &spec) != noErr)
        return true;
    FSRef ref;
    UInt8 posixPath[512];
    if (FSpMakeFSRef(&spec, &ref) != noErr || FSRefMakePath(&ref, posixPath, sizeof posixPath) != noErr)
        return true;
    *path = reinterpret_cast<const char*>(posixPath);
    return false;
}
