// FileCopy: one file into a folder, with an optional room check first.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include "files/FileCopier.h"
#include "files/FinderMetadata.h"
#include "files/ItemLocator.h"
#include "files/MacNames.h"
#include "files/MoreFiles.h"
#include "files/VolumeTable.h"

using namespace platform;

namespace {

// The destination folder held open: dirID itself when no partial path is
// given, else the folder the path names.
OSErr destinationFolder(SInt16 vRefNum, long dirID, ConstStr255Param partialPath, OpenFolder* folder)
{
    if (!partialPath || partialPath[0] == 0)
        return VolumeTable::shared().openFolder(vRefNum, dirID, folder);
    Item found;
    OSErr err = locateItem(vRefNum, dirID, partialPath, &found);
    if (err == fnfErr || (err == noErr && !found.isFolder()))
        return dirNFErr;
    if (err != noErr)
        return err;
    return VolumeTable::shared().openFolder(found.vRefNum, folderIdOf(found), folder);
}

// Whether the destination's file system has room for both forks, counted in
// its own blocks. A file system that reports no size at all (ramfs) has no
// limit to check.
bool hasRoomFor(const OpenFolder& folder, SInt64 dataLength, SInt64 resourceLength)
{
    struct statvfs volume {};
    if (fstatvfs(folder.handle, &volume) != 0 || volume.f_frsize == 0 || volume.f_blocks == 0)
        return true;
    auto blocks = [&](SInt64 length) { return (UInt64(length) + volume.f_frsize - 1) / volume.f_frsize; };
    return blocks(dataLength) + blocks(resourceLength) <= UInt64(volume.f_bavail);
}

} // namespace

OSErr FileCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
               ConstStr255Param dstPathname, ConstStr255Param copyName, void* copyBufferPtr, long copyBufferSize,
               Boolean preflight)
{
    Item source;
    OSErr err = locateItem(srcVRefNum, srcDirID, srcName, &source);
    if (err != noErr)
        return err;
    if (source.isFolder())
        return fnfErr;
    OpenFolder folder;
    err = destinationFolder(dstVRefNum, dstDirID, dstPathname, &folder);
    if (err != noErr)
        return err;

    std::string name = copyName && copyName[0] ? pascalText(copyName) : source.macName;
    if (!isValidMacName(name))
        return bdNamErr;
    std::string diskName = diskNameOf(name);
    // The copy is made under its name only if that name is free, so an
    // existing item is never replaced; it is looked for only when the copy
    // fails, to report it ahead of any other failure.
    OSErr result = noErr;
    if (preflight && !source.isLink() &&
        !hasRoomFor(folder, SInt64(source.info.st_size),
                    attributeSize(source.atFolder(), source.atName(), kResourceForkAttribute))) {
        result = dskFulErr;
    } else {
        FileCopier copier(source, folder, diskName, static_cast<char*>(copyBufferPtr),
                          copyBufferSize > 0 ? size_t(copyBufferSize) : 0);
        result = copier.copy();
    }
    if (result == noErr || result == dupFNErr)
        return result;
    struct stat existing {};
    if (fstatat(folder.handle, diskName.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return dupFNErr;
    return VolumeTable::shared().stillExists(folder) ? result : OSErr(dirNFErr);
}
