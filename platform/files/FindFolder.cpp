// Folder Manager: the system folders of the emulated machine, under the
// startup volume's root, by folder type and system generation. Every volume
// selector finds the same folders.
//
// The temporary items folder lies in a folder of the calling user's own
// (private/tmp/<uid>). Whatever is put there may later run with
// administrator rights, so a lookup of it succeeds only when the user folder
// and the temporary items folder are real folders (no symbolic links on the
// way), owned by the caller, the user folder writable by nobody else and the
// temporary items folder of mode 0700; anything else is refused with permErr.

#include "files/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/Environment.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

struct FolderStep {
    std::string name;
    mode_t mode; // for a folder that is created
};

bool runsMacOSX()
{
    return Environment::systemVersion() >= 0x1000;
}

std::vector<FolderStep> stepsOf(std::initializer_list<const char*> names)
{
    std::vector<FolderStep> steps;
    for (const char* name : names)
        steps.push_back({name, 0777});
    return steps;
}

std::vector<FolderStep> temporaryItemsSteps()
{
    return {{"private", 0755}, {"tmp", 01777}, {std::to_string(geteuid()), 0700}, {"Temporary Items", 0700}};
}

// The folders from the root down to the system folder; empty when the type
// has none on this system generation.
std::vector<FolderStep> systemFolderSteps(OSType folderType)
{
    bool osx = runsMacOSX();
    switch (folderType) {
    case kApplicationsFolderType:
        return stepsOf({"Applications"});
    case kKernelExtensionsFolderType:
        return osx ? stepsOf({"System", "Library", "Extensions"}) : std::vector<FolderStep>{};
    case kExtensionFolderType:
        return osx ? std::vector<FolderStep>{} : stepsOf({"System Folder", "Extensions"});
    case kModemScriptsFolderType:
        return osx ? stepsOf({"Library", "Modem Scripts"}) : stepsOf({"System Folder", "Extensions", "Modem Scripts"});
    case kPreferencesFolderType:
        return osx ? stepsOf({"Library", "Preferences"}) : stepsOf({"System Folder", "Preferences"});
    case kControlPanelFolderType:
        return osx ? std::vector<FolderStep>{} : stepsOf({"System Folder", "Control Panels"});
    case kSystemControlPanelFolderType:
        return osx ? std::vector<FolderStep>{} : stepsOf({"System Folder", "System Control Panels"});
    case kTemporaryFolderType:
        return temporaryItemsSteps();
    default:
        return {};
    }
}

// Walks down from the root, creating missing folders when asked, and gives
// the folder reached.
OSErr walk(const std::vector<FolderStep>& steps, bool create, Item* folder)
{
    OSErr err = locateItem(-1, fsRtDirID, std::string(), folder);
    for (const FolderStep& step : steps) {
        if (err != noErr)
            return err;
        long parent = folderIdOf(*folder);
        err = locateItem(-1, parent, step.name, folder);
        if (err == fnfErr && create) {
            if (mkdir(folder->path.c_str(), step.mode) != 0 && errno != EEXIST)
                return macErrorOf(errno, HostOperation::create);
            chmod(folder->path.c_str(), step.mode);
            err = locateItem(-1, parent, step.name, folder);
        }
        if (err == noErr && !folder->isFolder())
            err = folder->isLink() ? OSErr(permErr) : OSErr(dirNFErr);
    }
    return err;
}

bool isOwnedByCaller(const Item& folder)
{
    return folder.info.st_uid == geteuid();
}

OSErr checkTemporaryItems(const Item& temporaryItems)
{
    Item userFolder;
    if (locateItem(-1, temporaryItems.parID, std::string(), &userFolder) != noErr)
        return permErr;
    bool userFolderSafe = isOwnedByCaller(userFolder) && (userFolder.info.st_mode & 022) == 0;
    bool folderSafe = isOwnedByCaller(temporaryItems) && (temporaryItems.info.st_mode & 07777) == 0700;
    return userFolderSafe && folderSafe ? OSErr(noErr) : OSErr(permErr);
}

} // namespace

OSErr FindFolder(SInt16, OSType folderType, Boolean createFolder, SInt16* foundVRefNum, long* foundDirID)
{
    std::vector<FolderStep> steps = systemFolderSteps(folderType);
    if (steps.empty())
        return fnfErr;
    Item folder;
    OSErr err = walk(steps, createFolder, &folder);
    if (err == dirNFErr)
        err = fnfErr;
    if (err == noErr && folderType == kTemporaryFolderType)
        err = checkTemporaryItems(folder);
    if (err != noErr)
        return err;
    // A system folder that is the mount point of another host file system
    // is the root of that volume, so that room checks see its free space.
    return VolumeTable::shared().locate(folder.path, foundVRefNum, foundDirID);
}
