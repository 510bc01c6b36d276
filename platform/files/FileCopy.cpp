// FileCopy: one file into a folder, with an optional room check first.

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

// The host path of the destination folder: dirID itself when no partial path
// is given, which needs no lookup beyond checking that the folder is still there.
OSErr destinationFolder(SInt16 vRefNum, long dirID, ConstStr255Param partialPath, std::string* folderPath)
{
    if (!partialPath || partialPath[0] == 0)
        return VolumeTable::shared().folderPath(vRefNum, dirID, folderPath);
    Item folder;
    OSErr err = locateItem(vRefNum, dirID, partialPath, &folder);
    if (err == fnfErr || (err == noErr && !folder.isFolder()))
        return dirNFErr;
    if (err == noErr)
        *folderPath = folder.path;
    return err;
}

// Whether the destination's file system has room for both forks, counted in
// its own blocks. A file system that reports no size at all (ramfs) has no
// limit to check.
bool hasRoomFor(const std::string& folderPath, SInt64 dataLength, SInt64 resourceLength)
{
    struct statvfs volume {};
    if (statvfs(folderPath.c_str(), &volume) != 0 || volume.f_frsize == 0 || volume.f_blocks == 0)
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
    std::string folderPath;
    err = destinationFolder(dstVRefNum, dstDirID, dstPathname, &folderPath);
    if (err != noErr)
        return err;

    std::string name = copyName && copyName[0] ? pascalText(copyName) : source.macName;
    if (!isValidMacName(name))
        return bdNamErr;
    std::string diskName = diskNameOf(name);
    // The copy is linked into place under its name only if that name is free,
    // so an existing item is never replaced; it is looked for only when the
    // copy fails, to report it ahead of any other failure.
    OSErr result = noErr;
    if (preflight && !source.isLink() &&
        !hasRoomFor(folderPath, SInt64(source.info.st_size), attributeSize(source.path, kResourceForkAttribute))) {
        result = dskFulErr;
    } else {
        FileCopier copier(source, folderPath, diskName, static_cast<char*>(copyBufferPtr),
                          copyBufferSize > 0 ? size_t(copyBufferSize) : 0);
        result = copier.copy();
    }
    struct stat existing {};
    if (result != noErr && result != dupFNErr && lstat(childPathOf(folderPath, diskName).c_str(), &existing) == 0)
        return dupFNErr;
    return result;
}
