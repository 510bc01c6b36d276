#include "files/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <map>

#include "files/HostErrors.h"

namespace platform {

namespace {

struct Listing {
    ino_t inode = 0;
    struct timespec modified {};
    struct timespec changed {};
    std::vector<std::string> names;
};

constexpr size_t kKeptListings = 64;

bool sameTime(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

OSErr listFolder(const std::string& folderPath, const struct stat& info, bool fresh,
                 const std::vector<std::string>** names)
{
    static std::map<std::string, Listing> kept;
    if (!S_ISDIR(info.st_mode))
        return dirNFErr;
    auto found = kept.find(folderPath);
    if (!fresh && found != kept.end() && found->second.inode == info.st_ino &&
        sameTime(found->second.modified, info.st_mtim) && sameTime(found->second.changed, info.st_ctim)) {
        *names = &found->second.names;
        return noErr;
    }
    DIR* folder = opendir(folderPath.c_str());
    if (!folder)
        return macErrorOf(errno);
    Listing listing{info.st_ino, info.st_mtim, info.st_ctim, {}};
    while (dirent* entry = readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            listing.names.emplace_back(entry->d_name);
    }
    closedir(folder);
    std::sort(listing.names.begin(), listing.names.end());
    if (kept.size() >= kKeptListings)
        kept.clear();
    auto& stored = kept[folderPath] = std::move(listing);
    *names = &stored.names;
    return noErr;
}

} // namespace

OSErr folderItemName(const std::string& folderPath, const struct stat& folderStatus, SInt16 index,
                     std::string* diskName)
{
    const std::vector<std::string>* names = nullptr;
    OSErr err = listFolder(folderPath, folderStatus, index == 1, &names);
    if (err != noErr)
        return err;
    if (index < 1 || size_t(index) > names->size())
        return fnfErr;
    *diskName = (*names)[size_t(index) - 1];
    return noErr;
}

UInt16 folderItemCount(const std::string& folderPath)
{
    struct stat info {};
    const std::vector<std::string>* names = nullptr;
    if (lstat(folderPath.c_str(), &info) != 0 || listFolder(folderPath, info, true, &names) != noErr)
        return 0;
    return UInt16(std::min<size_t>(names->size(), std::numeric_limits<UInt16>::max()));
}

} // namespace platform
