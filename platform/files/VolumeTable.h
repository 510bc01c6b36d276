#pragma once
// The volumes of the emulated machine and the directory IDs of their folders.
//
// The startup volume (vRefNum -1) is rooted at PLATFORM_ROOT. Any other host
// folder lies on a volume rooted at the mount point of its host file system
// (vRefNum -2, -3, ...). Directory ID 2 is a volume's root, 1 the root's
// parent; every other folder gets the next number of one counter the first
// time it is met, remembered by host path together with its inode, so an ID
// stays valid for the process and a folder deleted and made anew under the
// same name gets a new ID. While the table holds a folder open (the most
// recently used ones, see FolderHandles), its ID follows it when another
// program renames or moves it within the volume. The File Manager runs on
// one OS thread.

#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>

#include <map>
#include <optional>
#include <string>
#include <deque>

#include "core/MacTypes.h"
#include "files/FolderHandles.h"
#include "files/Files.h"
#include "files/HostStatus.h"

namespace platform {

struct Volume {
    SInt16 vRefNum = 0;
    dev_t device = 0;
    std::string root; // canonical host path, "/" for the host root
    std::string name;
};

// A folder held open, for reaching the items inside it by name.
struct OpenFolder {
    SInt16 vRefNum = 0;
    long dirID = 0;   // fsRtDirID for the volume's root
    int handle = -1;  // O_PATH descriptor owned by the table; valid until the next File Manager call
    dev_t device = 0;
    ino_t inode = 0;
    std::string path; // host path as last known
};

class VolumeTable {
public:
    static VolumeTable& shared();

    // The volume for a volume reference number (0 is the startup volume).
    const Volume* volume(SInt16 vRefNum);
    const Volume& startupVolume();

    // The volume and directory ID of an existing host folder (any path; it
    // is made canonical here).
    OSErr locate(const std::string& hostPath, SInt16* vRefNum, long* dirID);
    // The host path of the folder dirID (0 and 2 the root); dirNFErr for an
    // unknown or vanished folder, nsvErr for an unknown volume.
    OSErr folderPath(SInt16 vRefNum, long dirID, std::string* path);
    // The folder dirID (0 and 2 the root) held open. A folder already held
    // is not looked at again: a deleted one shows when an item inside it is
    // reached, and stillExists then tells.
    OSErr openFolder(SInt16 vRefNum, long dirID, OpenFolder* folder);
    // Whether the open folder still exists; one deleted is no longer held.
    bool stillExists(const OpenFolder& folder);
    // The directory ID of a canonical folder path on the given volume, by
    // the folder's inode and birth time.
    long idOf(const Volume& volume, const std::string& path, ino_t inode, const std::optional<struct timespec>& birth);
    // The directory ID of the folder holding a canonical path on the volume
    // (fsRtParID for the root itself).
    long parentIdOf(const Volume& volume, const std::string& path);

private:
    struct Folder {
        std::string path;
        ino_t inode;
        std::optional<struct timespec> birth; // tells a new folder from an old one whose inode it reuses

        bool sameAs(ino_t otherInode, const std::optional<struct timespec>& otherBirth) const;
        // Whether a host path (its own or another) names this folder now;
        // now, when given, receives the status looked at.
        bool isAt(const std::string& hostPath, HostStatus* now = nullptr) const;
    };

    VolumeTable() = default;
    const Volume& volumeForFolder(const std::string& canonicalPath, dev_t device);
    void refreshStartupVolume();
    bool followMovedFolder(const Volume& volume, long dirID, Folder& folder);
    // The ID of the folder whose canonical path is recorded as path and still
    // names it, or 0.
    long knownFolderAt(const std::string& path, SInt16* vRefNum);

    std::string rootSetting_; // PLATFORM_ROOT as last read, before it was made canonical
    std::deque<Volume> volumes_;                           // index i holds vRefNum -(i + 1)
    std::map<SInt16, std::map<long, Folder>> folders_;     // vRefNum -> ID -> folder
    std::map<SInt16, std::map<std::string, long>> idByPath_;
    long nextID_ = 100;
    FolderHandles handles_;
};

// "a/b" parent of a canonical path ("/" for "/x").
std::string parentPathOf(const std::string& path);
std::string lastComponentOf(const std::string& path);
std::string childPathOf(const std::string& folder, const std::string& diskName);

} // namespace platform
