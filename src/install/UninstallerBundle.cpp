#include "install/UninstallerBundle.h"

#include <cstdio>

#include "app/InstallState.h"
#include "app/Options.h"
#include "files/Files.h"
#include "files/MoreFiles.h"
#include "install/InstallDirectory.h"
#include "install/MakeAlias.h"
#include "install/ReplaceXmlValue.h"
#include "log/ModuleLoggers.h"
#include "system/SystemInfo.h"
#include "text/IniFile.h"
#include "text/IniLookup.h"
#include "text/String.h"

MODULE_LOGGERS("Install")

namespace {

// Creates the folder name in parentDirID; logs format with the error on failure.
bool createFolder(short vRefNum, long parentDirID, const char* name, long* createdDirID, const char* format)
{
    String folderName(name);
    OSErr error = DirCreate(vRefNum, parentDirID, folderName.getPascalStr(), createdDirID);
    if (error == noErr)
        return false;
    ErrorLogger.log(format, error);
    return true;
}

// Copies the file source (a name or partial path of the installer's Contents
// folder) into dstDirID under copyName, or its own name when copyName is null.
bool copyFile(short srcVRefNum, long srcDirID, const char* source, short dstVRefNum, long dstDirID,
              const char* copyName, const char* format)
{
    String sourceName(source);
    String copy(copyName);
    OSErr error = FileCopy(srcVRefNum, srcDirID, sourceName.getPascalStr(), dstVRefNum, dstDirID, nullptr,
                           copyName ? copy.getPascalStr() : nullptr, nullptr, 0, true);
    if (error == noErr)
        return false;
    ErrorLogger.log(format, error);
    return true;
}

// The error of the directory copy that installDirectory has just reported in
// errorText.
int lastCopyError()
{
    int error = 0;
    std::sscanf(Options.errorText, "Can't copy directory (%d)", &error);
    return error;
}

// The copied configuration starts the uninstaller at the removal confirmation.
bool setStartState(short vRefNum, long contentsDirID)
{
    CIniFile ini;
    if (ini.load(vRefNum, contentsDirID, ":InstallerFiles:Installer.ini")) {
        ErrorLogger.log("Can't load ini file in app dir");
        return true;
    }
    if (ini.writeIniInt("NextState", "SystemInfo", STATE_REMOVE_CONFIRM) || ini.unload()) {
        ErrorLogger.log("Can't write to ini file in app dir");
        return true;
    }
    return false;
}

} // namespace

bool installUninstaller(short srcVRefNum, long srcDirID, short dstVRefNum, long dstDirID)
{
    TraceLogger.log("Installing uninstaller");
    String uninstaller = getResString("UNINSTALL");
    bool osx = isOsx();
    const char* executableFolder = osx ? "MacOS" : "MacOSClassic";

    long bundleDirID = 0;
    long contentsDirID = 0;
    long executableDirID = 0;
    long resourcesDirID = 0;
    if (createFolder(dstVRefNum, dstDirID, uninstaller + ".app", &bundleDirID, "Can't create bundle folder (%d)") ||
        createFolder(dstVRefNum, bundleDirID, "Contents", &contentsDirID, "Can't create contents folder (%d)") ||
        createFolder(dstVRefNum, contentsDirID, executableFolder, &executableDirID,
                     "Can't create macos folder (%d)") ||
        createFolder(dstVRefNum, contentsDirID, "Resources", &resourcesDirID, "Can't create resources folder (%d)"))
        return true;

    if (copyFile(srcVRefNum, srcDirID, "PkgInfo", dstVRefNum, contentsDirID, nullptr, "Can't copy pkginfo (%d)") ||
        copyFile(srcVRefNum, srcDirID, "Info.plist", dstVRefNum, contentsDirID, nullptr,
                 "Can't copy info.plist (%d)"))
        return true;
    if (osx && (copyFile(srcVRefNum, srcDirID, ":Resources:Installer.rsrc", dstVRefNum, resourcesDirID,
                         uninstaller + ".rsrc", "Can't copy resources (%d)") ||
                copyFile(srcVRefNum, srcDirID, ":Resources:Uninstall.icns", dstVRefNum, resourcesDirID,
                         "Uninstall.icns", "Can't copy uninstaller (%d)")))
        return true;

    if (installDirectory(srcVRefNum, srcDirID, "InstallerFiles", dstVRefNum, contentsDirID, "InstallerFiles")) {
        ErrorLogger.log("Can't copy installerFiles (%d)", lastCopyError());
        return true;
    }
    if (copyFile(srcVRefNum, srcDirID, String(":") + executableFolder + ":Installer", dstVRefNum, executableDirID,
                 uninstaller, "Can't copy installer (%d)"))
        return true;

    if (!osx && makeAliasToFile(dstVRefNum, executableDirID, uninstaller, dstVRefNum, bundleDirID, uninstaller))
        ErrorLogger.log("Can't make alias for uninstaller");

    replaceXmlValue(dstVRefNum, contentsDirID, "Info.plist", "CFBundleName", uninstaller);
    replaceXmlValue(dstVRefNum, contentsDirID, "Info.plist", "CFBundleExecutable", uninstaller);
    replaceXmlValue(dstVRefNum, contentsDirID, "Info.plist", "CFBundleIconFile", "Uninstall.icns");

    return setStartState(dstVRefNum, contentsDirID);
}
