// File references: items that exist, named by volume, parent folder and a
// name of up to 255 bytes, and their host paths and permissions.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "files/Files.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

OSErr locateRef(const FSRef* ref, Item* item)
{
    if (!ref)
        return paramErr;
    return locateItem(ref->vRefNum, ref->parID, ref->name, item);
}

void fillRef(const Item& item, FSRef* ref)
{
    ref->vRefNum = item.vRefNum;
    ref->parID = item.parID;
    setPascalText(ref->name, item.macName);
}

} // namespace

OSErr FSpMakeFSRef(const FSSpec* spec, FSRef* ref)
{
    if (!spec || !ref)
        return paramErr;
    Item item;
    OSErr err = locateItem(spec->vRefNum, spec->parID, spec->name, &item);
    if (err != noErr)
        return err;
    fillRef(item, ref);
    return noErr;
}

// A host path (UTF-8). Its folders are made canonical; the last component
// is taken as it stands, so a symbolic link names the link itself.
OSErr FSPathMakeRef(const UInt8* path, FSRef* ref, Boolean* isDirectory)
{
    if (!path || !ref)
        return paramErr;
    std::string hostPath(reinterpret_cast<const char*>(path));
    while (hostPath.size() > 1 && hostPath.back() == '/')
        hostPath.pop_back();
    if (hostPath.empty())
        return fnfErr;
    std::string name = lastComponentOf(hostPath);
    std::string folder = hostPath.find('/') == std::string::npos ? "." : parentPathOf(hostPath);
    if (name.empty() || name == "." || name == "..") {
        char resolved[PATH_MAX];
        if (!realpath(hostPath.c_str(), resolved))
            return macErrorOf(errno);
        hostPath = resolved;
        name = lastComponentOf(hostPath);
        folder = parentPathOf(hostPath);
    }

    Item item;
    OSErr err = noErr;
    if (hostPath == "/" || name.empty()) {
        SInt16 vRefNum = 0;
        long dirID = 0;
        err = VolumeTable::shared().locate("/", &vRefNum, &dirID);
        if (err == noErr)
            err = locateItem(vRefNum, dirID, std::string(), &item);
    } else {
        SInt16 vRefNum = 0;
        long dirID = 0;
        err = VolumeTable::shared().locate(folder, &vRefNum, &dirID);
        if (err == noErr)
            err = locateItem(vRefNum, dirID, macNameOf(name), &item);
        if (err == dirNFErr)
            err = fnfErr;
    }
    if (err != noErr)
        return err;
    fillRef(item, ref);
    if (isDirectory)
        *isDirectory = item.isFolder();
    return noErr;
}

// Fails with paramErr when the path and its terminating NUL do not fit.
OSErr FSRefMakePath(const FSRef* ref, UInt8* path, UInt32 maxPathSize)
{
    if (!path)
        return paramErr;
    Item item;
    OSErr err = locateRef(ref, &item);
    if (err != noErr)
        return err;
    if (item.path.size() + 1 > maxPathSize)
        return paramErr;
    std::memcpy(path, item.path.c_str(), item.path.size() + 1);
    return noErr;
}

// outName is not filled in: no caller asks for the item's Unicode name.
OSErr FSGetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, FSCatalogInfo* info, void*,
                       FSSpec* fsSpec, FSRef* parentRef)
{
    Item item;
    OSErr err = locateRef(ref, &item);
    if (err != noErr)
        return err;
    if (info) {
        if (whichInfo & kFSCatInfoNodeID)
            info->nodeID = item.isFolder() ? folderIdOf(item) : long(item.info.st_ino & 0x7FFFFFFF);
        info->parentDirID = item.parID;
        if (whichInfo & kFSCatInfoPermissions) {
            info->permissions = FSPermissionInfo{};
            info->permissions.userID = item.info.st_uid;
            info->permissions.groupID = item.info.st_gid;
            info->permissions.mode = UInt16(item.info.st_mode);
            info->permissions.userAccess = UInt8((item.info.st_mode & S_IRWXU) >> 6);
        }
    }
    if (fsSpec) {
        if (item.macName.size() >= sizeof(Str63))
            return bdNamErr;
        fsSpec->vRefNum = item.vRefNum;
        fsSpec->parID = item.parID;
        setPascalText(fsSpec->name, item.macName, sizeof(Str63));
    }
    if (parentRef) {
        Item parent;
        if (item.parID == fsRtParID || locateItem(item.vRefNum, item.parID, std::string(), &parent) != noErr)
            return dirNFErr;
        fillRef(parent, parentRef);
    }
    return noErr;
}

// Permissions: the owner and group change only when they differ from the
// item's; the mode's permission bits are set on anything but a symbolic
// link, which has none of its own.
OSErr FSSetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, const FSCatalogInfo* info)
{
    if (!info)
        return paramErr;
    Item item;
    OSErr err = locateRef(ref, &item);
    if (err != noErr || !(whichInfo & kFSCatInfoPermissions))
        return err;
    const FSPermissionInfo& wanted = info->permissions;
    if ((wanted.userID != item.info.st_uid || wanted.groupID != item.info.st_gid) &&
        lchown(item.path.c_str(), wanted.userID, wanted.groupID) != 0)
        return macErrorOf(errno, HostOperation::other);
    if (!item.isLink() && chmod(item.path.c_str(), mode_t(wanted.mode & 07777)) != 0)
        return macErrorOf(errno, HostOperation::other);
    return noErr;
}
