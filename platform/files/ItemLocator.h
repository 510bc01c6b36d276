#pragma once
// Resolves a folder location and a name or partial path to a host item.
//
// A name without ":" is an item inside the folder; a leading ":" starts a
// partial path inside the folder, ":" separates names, each further ":" in a
// row climbs one folder, and one trailing ":" is ignored. A path that starts
// with a name followed by ":" would name a volume: full paths are refused with
// bdNamErr. Only real folders are entered; a symbolic link is an item, never
// a folder on the way.

#include <fcntl.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/MacTypes.h"
#include "files/Files.h"
#include "files/HostStatus.h"
#include "files/VolumeTable.h"

namespace platform {

struct Item {
    SInt16 vRefNum = 0;
    long parID = 0;         // folder that holds the item (fsRtParID for a volume root)
    std::string macName;    // the item's Mac name (a volume root: the volume name)
    std::string path;       // host path
    // An item inside a folder is reached by its disk name through the
    // folder's handle, held by the volume table until the next File Manager
    // call; a volume root or a folder named by itself only by its path.
    int folderHandle = -1;
    std::string diskName;
    bool exists = false;
    struct stat info {};    // its status (a symbolic link's own) when it exists
    std::optional<struct timespec> birth; // its birth time, where the file system keeps one

    bool isFolder() const { return exists && S_ISDIR(info.st_mode); }
    bool isLink() const { return exists && S_ISLNK(info.st_mode); }
    // The folder and name for the host's *at calls.
    int atFolder() const { return folderHandle >= 0 ? folderHandle : AT_FDCWD; }
    const char* atName() const { return folderHandle >= 0 ? diskName.c_str() : path.c_str(); }
};

// noErr for an existing item; fnfErr with a complete item for a missing last
// name in an existing folder; dirNFErr when a folder on the way is missing or
// is not a folder; bdNamErr for a bad name; nsvErr for an unknown volume.
OSErr locateItem(SInt16 vRefNum, long dirID, ConstStr255Param name, Item* item);
OSErr locateItem(SInt16 vRefNum, long dirID, const std::string& partialPath, Item* item);

// Reads the item's status afresh: sets exists, info and birth. 0 or an errno.
int readStatus(Item* item);

// Fills in the item of a disk name inside an open folder and reads its
// status, as readStatus.
int itemInFolder(const OpenFolder& folder, const std::string& diskName, Item* item);

// The directory ID of an existing folder item.
long folderIdOf(const Item& folder);

} // namespace platform
