// The smaller file-system utilities: item and volume lookups and the copying
// of Finder comments and attributes from one item to another.

#include "files/MoreFiles.h"

#include <sys/statvfs.h>

#include <cerrno>

#include "files/FinderMetadata.h"
#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/MacDates.h"
#include "files/MacNames.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

// Two existing items, the source of something and where it goes.
OSErr locateBoth(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                 ConstStr255Param dstName, Item* source, Item* destination)
{
    OSErr err = locateItem(srcVRefNum, srcDirID, srcName, source);
    return err != noErr ? err : locateItem(dstVRefNum, dstDirID, dstName, destination);
}

} // namespace

OSErr GetDirectoryID(SInt16 vRefNum, long dirID, ConstStr255Param name, long* theDirID, Boolean* isDirectory)
{
    Item item;
    OSErr err = locateItem(vRefNum, dirID, name, &item);
    if (err != noErr)
        return err;
    if (theDirID)
        *theDirID = item.isFolder() ? folderIdOf(item) : item.parID;
    if (isDirectory)
        *isDirectory = item.isFolder();
    return noErr;
}

// Full path names are not used to select a volume: vRefNum alone decides.
OSErr DetermineVRefNum(ConstStr255Param, SInt16 vRefNum, SInt16* realVRefNum)
{
    const Volume* volume = VolumeTable::shared().volume(vRefNum);
    if (!volume || volume->root.empty())
        return nsvErr;
    if (realVRefNum)
        *realVRefNum = volume->vRefNum;
    return noErr;
}

// A name longer than 31 bytes is cut to fit the Str31.
OSErr GetDirName(SInt16 vRefNum, long dirID, Str31 name)
{
    if (!name)
        return paramErr;
    Item item;
    OSErr err = locateItem(vRefNum, dirID, std::string(), &item);
    if (err != noErr)
        return err;
    setPascalText(name, item.macName, sizeof(Str31));
    return noErr;
}

// A file system that reports no size at all (ramfs) is bounded only by
// memory; it is reported with this much room.
constexpr UInt64 kUnboundedFreeBytes = UInt64(1) << 40;

OSErr XGetVolumeInfoNoName(ConstStr255Param, SInt16 vRefNum, UInt32* allocationBlockSize, UInt64* freeBytes)
{
    const Volume* volume = VolumeTable::shared().volume(vRefNum);
    if (!volume || volume->root.empty())
        return nsvErr;
    struct statvfs info {};
    if (statvfs(volume->root.c_str(), &info) != 0)
        return macErrorOf(errno);
    if (allocationBlockSize)
        *allocationBlockSize = UInt32(info.f_frsize);
    if (freeBytes)
        *freeBytes = info.f_blocks == 0 ? kUnboundedFreeBytes : UInt64(info.f_bavail) * UInt64(info.f_frsize);
    return noErr;
}

// fnfErr when the source has no comment; the destination is then untouched.
OSErr DTCopyComment(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                    ConstStr255Param dstName)
{
    Item source;
    Item destination;
    OSErr err = locateBoth(srcVRefNum, srcDirID, srcName, dstVRefNum, dstDirID, dstName, &source, &destination);
    if (err != noErr)
        return err;
    auto comment = readAttribute(source.atFolder(), source.atName(), kFinderCommentAttribute);
    if (!comment)
        return fnfErr;
    int hostError = writeAttribute(destination.atFolder(), destination.atName(), kFinderCommentAttribute, *comment);
    return hostError ? macErrorOf(hostError) : OSErr(noErr);
}

// Finder information (an item without any gives its copy none), the
// modification date, and with copyLockBit the lock state. Attributes that the
// destination's file system cannot hold are left out; a date that cannot be
// set is an error.
OSErr CopyFileMgrAttributes(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum,
                            long dstDirID, ConstStr255Param dstName, Boolean copyLockBit)
{
    Item source;
    Item destination;
    OSErr err = locateBoth(srcVRefNum, srcDirID, srcName, dstVRefNum, dstDirID, dstName, &source, &destination);
    if (err != noErr)
        return err;
    auto finderInfo = readAttribute(source.atFolder(), source.atName(), kFinderInfoAttribute);
    if (finderInfo)
        writeAttribute(destination.atFolder(), destination.atName(), kFinderInfoAttribute, *finderInfo);
    else
        removeAttribute(destination.atFolder(), destination.atName(), kFinderInfoAttribute);
    int hostError = setModificationDate(destination.atFolder(), destination.atName(), modificationDateOf(source.info));
    if (hostError)
        return macErrorOf(hostError);
    if (copyLockBit && !destination.isLink())
        setLocked(destination.atFolder(), destination.atName(),
                  !source.isLink() && isLocked(source.atFolder(), source.atName()));
    return noErr;
}
