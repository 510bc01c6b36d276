// FSSpec records, creating and deleting items, and the platform's own
// entry points between host folders and directory IDs.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/Files.h"
#include "files/FinderMetadata.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

constexpr size_t kSpecNameCapacity = sizeof(Str63);

// The item an FSSpec names: the name is resolved inside its parent.
OSErr locateSpec(const FSSpec* spec, Item* item)
{
    if (!spec)
        return paramErr;
    return locateItem(spec->vRefNum, spec->parID, spec->name, item);
}

} // namespace

OSErr FSMakeFSSpec(SInt16 vRefNum, long dirID, ConstStr255Param fileName, FSSpec* spec)
{
    if (!spec)
        return paramErr;
    Item item;
    OSErr err = locateItem(vRefNum, dirID, fileName, &item);
    if (err != noErr && err != fnfErr)
        return err;
    if (item.macName.size() >= kSpecNameCapacity)
        return bdNamErr;
    spec->vRefNum = item.vRefNum;
    spec->parID = item.parID;
    setPascalText(spec->name, item.macName, kSpecNameCapacity);
    return err;
}

OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, SInt16)
{
    Item item;
    OSErr err = locateSpec(spec, &item);
    if (err == noErr)
        return dupFNErr;
    if (err != fnfErr)
        return err;
    int descriptor = openat(item.atFolder(), item.atName(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return macErrorOf(errno, HostOperation::create);
    close(descriptor);
    FInfo info{};
    FXInfo extended{};
    info.fdType = fileType;
    info.fdCreator = creator;
    writeAttribute(item.atFolder(), item.atName(), kFinderInfoAttribute, encodeFileInfo(info, extended));
    return noErr;
}

OSErr FSpDelete(const FSSpec* spec)
{
    if (!spec)
        return paramErr;
    return HDelete(spec->vRefNum, spec->parID, spec->name);
}

// Deletes a file, a symbolic link (never what it points to) or an empty folder.
OSErr HDelete(SInt16 vRefNum, long dirID, ConstStr255Param fileName)
{
    Item item;
    OSErr err = locateItem(vRefNum, dirID, fileName, &item);
    if (err != noErr)
        return err;
    if (item.parID == fsRtParID)
        return fBsyErr;
    if (!item.isLink() && isLocked(item.atFolder(), item.atName()))
        return fLckdErr;
    if (unlinkat(item.atFolder(), item.atName(), item.isFolder() ? AT_REMOVEDIR : 0) != 0)
        return errno == EEXIST ? OSErr(fBsyErr) : macErrorOf(errno, HostOperation::remove);
    return noErr;
}

OSErr DirCreate(SInt16 vRefNum, long parentDirID, ConstStr255Param directoryName, long* createdDirID)
{
    Item item;
    OSErr err = locateItem(vRefNum, parentDirID, directoryName, &item);
    if (err == noErr)
        return dupFNErr;
    if (err != fnfErr)
        return err;
    if (mkdirat(item.atFolder(), item.atName(), 0777) != 0)
        return macErrorOf(errno, HostOperation::create);
    if (int hostError = readStatus(&item))
        return macErrorOf(hostError);
    if (createdDirID)
        *createdDirID = folderIdOf(item);
    return noErr;
}

OSErr FlushVol(ConstStringPtr, SInt16 vRefNum)
{
    const Volume* volume = VolumeTable::shared().volume(vRefNum);
    if (!volume || volume->root.empty())
        return nsvErr;
    int descriptor = open(volume->root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        syncfs(descriptor);
        close(descriptor);
    }
    return noErr;
}

namespace platform {

OSErr locateFolder(const std::string& hostPath, SInt16* vRefNum, long* dirID)
{
    return VolumeTable::shared().locate(hostPath, vRefNum, dirID);
}

std::string folderPath(SInt16 vRefNum, long dirID)
{
    std::string path;
    return VolumeTable::shared().folderPath(vRefNum, dirID, &path) == noErr ? path : std::string();
}

} // namespace platform

namespace {

OSErr setLockState(SInt16 vRefNum, long dirID, ConstStr255Param fileName, bool locked)
{
    Item item;
    OSErr err = locateItem(vRefNum, dirID, fileName, &item);
    if (err != noErr)
        return err;
    if (item.isLink())
        return paramErr;
    int hostError = setLocked(item.atFolder(), item.atName(), locked);
    return hostError ? macErrorOf(hostError) : OSErr(noErr);
}

} // namespace

OSErr HSetFLock(SInt16 vRefNum, long dirID, ConstStr255Param fileName)
{
    return setLockState(vRefNum, dirID, fileName, true);
}

OSErr HRstFLock(SInt16 vRefNum, long dirID, ConstStr255Param fileName)
{
    return setLockState(vRefNum, dirID, fileName, false);
}

OSErr FSpSetFLock(const FSSpec* spec)
{
    return spec ? HSetFLock(spec->vRefNum, spec->parID, spec->name) : OSErr(paramErr);
}

OSErr FSpRstFLock(const FSSpec* spec)
{
    return spec ? HRstFLock(spec->vRefNum, spec->parID, spec->name) : OSErr(paramErr);
}
