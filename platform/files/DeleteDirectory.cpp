// DeleteDirectory: a folder and everything in it, depth first.
//
// The walk goes through descriptors opened relative to their parent without
// following links, so a symbolic link inside the tree is removed as a link and
// never leads the deletion into another folder. Which items are folders comes
// from the listing's entry types; an item is asked itself only where the file
// system gives no type. The lock state is the platform's own attribute and
// does not stop the host from removing an item,
// so locked items go like the others.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/HostErrors.h"
#include "files/ItemLocator.h"
#include "files/MoreFiles.h"

using namespace platform;

namespace {

// Deletes everything inside the open folder; the first error is kept while
// the rest is still deleted.
OSErr deleteContents(int folder)
{
    int listed = dup(folder);
    DIR* listing = listed >= 0 ? fdopendir(listed) : nullptr;
    if (!listing) {
        if (listed >= 0)
            close(listed);
        return macErrorOf(errno, HostOperation::remove);
    }
    OSErr result = noErr;
    auto keep = [&result](OSErr err) {
        if (result == noErr)
            result = err;
    };
    while (dirent* entry = readdir(listing)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                keep(macErrorOf(errno, HostOperation::remove));
                continue;
            }
            isFolder = S_ISDIR(info.st_mode);
        }
        if (isFolder) {
            int inner = openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (inner < 0) {
                keep(macErrorOf(errno, HostOperation::remove));
                continue;
            }
            keep(deleteContents(inner));
            close(inner);
        }
        if (unlinkat(folder, name, isFolder ? AT_REMOVEDIR : 0) != 0)
            keep(errno == EEXIST ? OSErr(fBsyErr) : macErrorOf(errno, HostOperation::remove));
    }
    closedir(listing);
    return result;
}

} // namespace

OSErr DeleteDirectory(SInt16 vRefNum, long dirID, ConstStr255Param name)
{
    Item item;
    OSErr err = locateItem(vRefNum, dirID, name, &item);
    if (err != noErr)
        return err;
    if (!item.isFolder())
        return dirNFErr;
    if (item.parID == fsRtParID)
        return fBsyErr;
    int folder = openat(item.atFolder(), item.atName(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return macErrorOf(errno, HostOperation::remove);
    err = deleteContents(folder);
    close(folder);
    if (err == noErr && unlinkat(item.atFolder(), item.atName(), AT_REMOVEDIR) != 0)
        err = errno == EEXIST ? OSErr(fBsyErr) : macErrorOf(errno, HostOperation::remove);
    return err;
}
