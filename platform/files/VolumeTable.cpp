#include "files/VolumeTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/Environment.h"

namespace platform {

namespace {

bool isInside(const std::string& path, const std::string& root)
{
    if (root == "/")
        return true;
    return path == root || (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                            path[root.size()] == '/');
}

std::string canonical(const std::string& path)
{
    char resolved[PATH_MAX];
    if (!realpath(path.empty() ? "/" : path.c_str(), resolved))
        return {};
    return resolved;
}

// The topmost folder above path on the same host file system.
std::string mountPointOf(const std::string& path, dev_t device)
{
    std::string current = path;
    while (current != "/") {
        std::string parent = parentPathOf(current);
        struct stat info {};
        if (lstat(parent.c_str(), &info) != 0 || info.st_dev != device)
            break;
        current = parent;
    }
    return current;
}

bool sameTime(const std::optional<struct timespec>& a, const std::optional<struct timespec>& b)
{
    if (!a || !b)
        return !a && !b;
    return a->tv_sec == b->tv_sec && a->tv_nsec == b->tv_nsec;
}

// The path of the item an open handle refers to, as the kernel knows it.
std::string pathOfHandle(int handle)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", handle);
    char path[PATH_MAX];
    ssize_t length = readlink(link, path, sizeof path);
    return length > 0 && size_t(length) < sizeof path ? std::string(path, size_t(length)) : std::string();
}

// The present path of a folder held open; empty once it has been deleted.
std::string currentPathOf(int handle)
{
    HostStatus status;
    if (hostStatusOfHandle(handle, &status) != 0 || status.info.st_nlink == 0)
        return {};
    return pathOfHandle(handle);
}

} // namespace

std::string parentPathOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string lastComponentOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string childPathOf(const std::string& folder, const std::string& diskName)
{
    return folder == "/" ? "/" + diskName : folder + "/" + diskName;
}

VolumeTable& VolumeTable::shared()
{
    static VolumeTable table;
    return table;
}

void VolumeTable::refreshStartupVolume()
{
    std::string setting = Environment::root();
    if (!volumes_.empty() && setting == rootSetting_ && !volumes_[0].root.empty())
        return;
    rootSetting_ = setting;
    std::string root = canonical(setting);
    if (!volumes_.empty() && volumes_[0].root == root)
        return;
    struct stat info {};
    Volume startup{-1, 0, root, "Macintosh HD"};
    if (!root.empty() && stat(root.c_str(), &info) == 0)
        startup.device = info.st_dev;
    if (volumes_.empty())
        volumes_.push_back(startup);
    else
        volumes_[0] = startup;
    folders_.erase(-1);
    idByPath_.erase(-1);
    handles_.forgetVolume(-1);
}

const Volume& VolumeTable::startupVolume()
{
    refreshStartupVolume();
    return volumes_[0];
}

const Volume* VolumeTable::volume(SInt16 vRefNum)
{
    refreshStartupVolume();
    if (vRefNum == 0)
        vRefNum = -1;
    int index = -vRefNum - 1;
    if (index < 0 || index >= int(volumes_.size()))
        return nullptr;
    return &volumes_[size_t(index)];
}

const Volume& VolumeTable::volumeForFolder(const std::string& canonicalPath, dev_t device)
{
    const Volume& startup = startupVolume();
    if (!startup.root.empty() && device == startup.device && isInside(canonicalPath, startup.root))
        return startup;
    std::string mountPoint = mountPointOf(canonicalPath, device);
    for (size_t i = 1; i < volumes_.size(); ++i) {
        if (volumes_[i].root == mountPoint && volumes_[i].device == device)
            return volumes_[i];
    }
    std::string name = mountPoint == "/" ? "Host" : lastComponentOf(mountPoint);
    volumes_.push_back(Volume{SInt16(-SInt16(volumes_.size()) - 1), device, mountPoint, name});
    return volumes_.back();
}

// A path already known as a folder's canonical path needs only a look that
// it still names that folder. Any other is opened (following links, as a
// host path is read) and its canonical path read back from the handle, which
// is then kept for its ID.
OSErr VolumeTable::locate(const std::string& hostPath, SInt16* vRefNum, long* dirID)
{
    refreshStartupVolume();
    SInt16 knownVolume = 0;
    long knownID = knownFolderAt(hostPath, &knownVolume);
    if (knownID != 0) {
        if (vRefNum)
            *vRefNum = knownVolume;
        if (dirID)
            *dirID = knownID;
        return noErr;
    }
    int handle = ::open(hostPath.empty() ? "/" : hostPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    HostStatus status;
    if (handle < 0)
        return dirNFErr;
    std::string path = pathOfHandle(handle);
    if (path.empty())
        path = canonical(hostPath);
    if (path.empty() || hostStatusOfHandle(handle, &status) != 0) {
        close(handle);
        return dirNFErr;
    }
    const Volume& found = volumeForFolder(path, status.info.st_dev);
    long id = idOf(found, path, status.info.st_ino, status.birth);
    if (handles_.find(found.vRefNum, id))
        close(handle);
    else
        handles_.keep(found.vRefNum, id, {handle, status.info.st_dev, status.info.st_ino});
    if (vRefNum)
        *vRefNum = found.vRefNum;
    if (dirID)
        *dirID = id;
    return noErr;
}

long VolumeTable::knownFolderAt(const std::string& path, SInt16* vRefNum)
{
    for (const auto& [volume, ids] : idByPath_) {
        auto known = ids.find(path);
        if (known == ids.end())
            continue;
        HostStatus now;
        if (!folders_[volume][known->second].isAt(path, &now))
            return 0;
        // Recorded on another volume before the startup volume's root came to hold it.
        const Volume& startup = volumes_[0];
        if (volume != startup.vRefNum && now.info.st_dev == startup.device && isInside(path, startup.root))
            return 0;
        *vRefNum = volume;
        return known->second;
    }
    return 0;
}

long VolumeTable::idOf(const Volume& volume, const std::string& path, ino_t inode,
                       const std::optional<struct timespec>& birth)
{
    if (path == volume.root)
        return fsRtDirID;
    auto& ids = idByPath_[volume.vRefNum];
    auto& folders = folders_[volume.vRefNum];
    auto known = ids.find(path);
    if (known != ids.end()) {
        const Folder& folder = folders[known->second];
        if (folder.sameAs(inode, birth))
            return known->second;
    }
    long id = nextID_++;
    ids[path] = id;
    folders[id] = Folder{path, inode, birth};
    return id;
}

long VolumeTable::parentIdOf(const Volume& volume, const std::string& path)
{
    if (path == volume.root)
        return fsRtParID;
    std::string parent = parentPathOf(path);
    HostStatus status;
    if (hostStatusOf(parent, &status) != 0)
        return 0;
    return idOf(volume, parent, status.info.st_ino, status.birth);
}

OSErr VolumeTable::folderPath(SInt16 vRefNum, long dirID, std::string* path)
{
    const Volume* found = volume(vRefNum);
    if (!found || found->root.empty())
        return nsvErr;
    if (dirID == fsRtDirID || dirID == 0) {
        *path = found->root;
        return noErr;
    }
    auto folders = folders_.find(found->vRefNum);
    if (folders == folders_.end())
        return dirNFErr;
    auto folder = folders->second.find(dirID);
    if (folder == folders->second.end())
        return dirNFErr;
    if (!folder->second.isAt(folder->second.path) && !followMovedFolder(*found, dirID, folder->second))
        return dirNFErr;
    *path = folder->second.path;
    return noErr;
}

// A held folder no longer at its recorded path has been renamed or moved;
// its new path is read back from its handle. False when it is not held, has
// been deleted or has left the volume.
bool VolumeTable::followMovedFolder(const Volume& volume, long dirID, Folder& folder)
{
    const FolderHandles::Held* held = handles_.find(volume.vRefNum, dirID);
    if (!held)
        return false;
    std::string moved = currentPathOf(held->handle);
    if (moved.empty() || moved == volume.root || !isInside(moved, volume.root)) {
        handles_.forget(volume.vRefNum, dirID);
        return false;
    }
    auto& ids = idByPath_[volume.vRefNum];
    auto old = ids.find(folder.path);
    if (old != ids.end() && old->second == dirID)
        ids.erase(old);
    folder.path = moved;
    ids[folder.path] = dirID;
    return true;
}

OSErr VolumeTable::openFolder(SInt16 vRefNum, long dirID, OpenFolder* open)
{
    const Volume* found = volume(vRefNum);
    if (!found || found->root.empty())
        return nsvErr;
    if (dirID == 0)
        dirID = fsRtDirID;
    const Folder* record = nullptr;
    if (dirID != fsRtDirID) {
        auto folders = folders_.find(found->vRefNum);
        if (folders == folders_.end() || !folders->second.count(dirID))
            return dirNFErr;
        record = &folders->second.at(dirID);
    }
    open->vRefNum = found->vRefNum;
    open->dirID = dirID;
    open->path = record ? record->path : found->root;
    const FolderHandles::Held* held = handles_.find(found->vRefNum, dirID);
    if (!held) {
        int handle = ::open(open->path.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (handle < 0)
            return dirNFErr;
        HostStatus status;
        if (hostStatusOfHandle(handle, &status) != 0 || (record && !record->sameAs(status.info.st_ino, status.birth))) {
            close(handle);
            return dirNFErr;
        }
        handles_.keep(found->vRefNum, dirID, {handle, status.info.st_dev, status.info.st_ino});
        held = handles_.find(found->vRefNum, dirID);
    }
    open->handle = held->handle;
    open->device = held->device;
    open->inode = held->inode;
    return noErr;
}

bool VolumeTable::stillExists(const OpenFolder& folder)
{
    HostStatus now;
    if (hostStatusOfHandle(folder.handle, &now) == 0 && now.info.st_nlink > 0)
        return true;
    handles_.forget(folder.vRefNum, folder.dirID);
    return false;
}

bool VolumeTable::Folder::sameAs(ino_t otherInode, const std::optional<struct timespec>& otherBirth) const
{
    return inode == otherInode && sameTime(birth, otherBirth);
}

bool VolumeTable::Folder::isAt(const std::string& hostPath, HostStatus* now) const
{
    HostStatus status;
    if (!now)
        now = &status;
    return hostStatusOf(hostPath, now) == 0 && S_ISDIR(now->info.st_mode) && sameAs(now->info.st_ino, now->birth);
}

} // namespace platform
