#include "remove/RemovalSteps.h"

#include <cstring>
#include <vector>

#include "files/Files.h"
#include "files/Folders.h"
#include "files/MoreFiles.h"
#include "install/InstallDirectory.h"
#include "log/ModuleLoggers.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"
#include "text/String.h"

MODULE_LOGGERS("Install")

namespace {

constexpr size_t kMaxNameLength = 255;
constexpr unsigned short kFirstSystem9 = 0x0900;

String readSystemInfo(const char* key)
{
    return getIniString(key, "SystemInfo", "", "Installer.ini");
}

// A name of an item directly inside its folder, and nothing that could reach
// another item.
bool isPlainName(const char* entry)
{
    if (std::strchr(entry, ':') || std::strcmp(entry, ".") == 0 || std::strcmp(entry, "..") == 0 ||
        std::strlen(entry) > kMaxNameLength) {
        ErrorLogger.log("Skipping %s: not a name inside its folder", entry);
        return false;
    }
    return true;
}

using FolderTypeChooser = OSType (*)();
using Deletion = OSErr (*)(SInt16 vRefNum, long dirID, ConstStr255Param name);

// Deletes each entry of the list under key inside the folder of the type the
// chooser names, looked up anew for every entry.
void removeListed(const char* key, FolderTypeChooser folderType, Deletion deletion)
{
    std::vector<String> entries;
    getStrTokens(entries, readSystemInfo(key));
    for (String& entry : entries) {
        if (entry.isEmpty() || !isPlainName(entry))
            continue;
        short vRefNum;
        long dirID;
        if (getSystemFolder(&vRefNum, &dirID, folderType()))
            continue;
        deletion(vRefNum, dirID, entry.getPascalStr());
    }
}

OSErr deleteDriver(SInt16 vRefNum, long dirID, ConstStr255Param name)
{
    return isOsx() ? DeleteDirectory(vRefNum, dirID, name) : HDelete(vRefNum, dirID, name);
}

} // namespace

void removeAppsDir()
{
    TraceLogger.log("Removing apps dir");
    short vRefNum;
    long dirID;
    if (getSystemFolder(&vRefNum, &dirID, kApplicationsFolderType))
        return;
    String programFolder = readSystemInfo("ProgramFilesDir");
    if (programFolder.isEmpty() || !isPlainName(programFolder))
        return;
    DeleteDirectory(vRefNum, dirID, programFolder.getPascalStr());
}

void removeDrivers()
{
    TraceLogger.log("Removing drivers");
    removeListed(
        isOsx() ? "RemoveDriversOsx" : "RemoveDriversOs9",
        [] { return isOsx() ? OSType(kKernelExtensionsFolderType) : OSType(kExtensionFolderType); }, &deleteDriver);
}

void removeModemScripts()
{
    TraceLogger.log("Removing modem scripts");
    removeListed(
        isOsx() ? "RemoveModemScriptsOsx" : "RemoveModemScriptsOs9", [] { return OSType(kModemScriptsFolderType); },
        &HDelete);
}

void removePreferences()
{
    TraceLogger.log("Removing preferences");
    removeListed("RemovePreferencesOs9", [] { return OSType(kPreferencesFolderType); }, &HDelete);
}

void removeCpls()
{
    TraceLogger.log("Removing cpls");
    removeListed(
        "RemoveCplOs9",
        [] {
            return getOsVersion() < kFirstSystem9 ? OSType(kControlPanelFolderType)
                                                  : OSType(kSystemControlPanelFolderType);
        },
        &HDelete);
}
