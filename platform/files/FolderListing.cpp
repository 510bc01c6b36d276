#include "files/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "files/HostErrors.h"

namespace platform {

namespace {

using Names = std::vector<std::string>;

constexpr size_t kKeptListings = 64;

// The sorted names of an open folder stream, which is closed. 0 or an errno.
int readNames(DIR* folder, Names* names)
{
    names->clear();
    errno = 0;
    while (dirent* entry = readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names->emplace_back(entry->d_name);
    }
    int error = errno;
    closedir(folder);
    std::sort(names->begin(), names->end());
    return error;
}

// The names in the folder name inside folder, never through a symbolic link.
int listFolder(int folder, const char* name, Names* names)
{
    int descriptor = openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    DIR* stream = fdopendir(descriptor);
    if (!stream) {
        int error = errno;
        close(descriptor);
        return error;
    }
    return readNames(stream, names);
}

} // namespace

OSErr folderItemName(const OpenFolder& folder, SInt16 index, bool fresh, std::string* diskName)
{
    static std::map<std::pair<dev_t, ino_t>, Names> kept;
    std::pair<dev_t, ino_t> key{folder.device, folder.inode};
    auto found = kept.find(key);
    if (fresh || found == kept.end()) {
        Names names;
        if (int error = listFolder(folder.handle, ".", &names))
            return macErrorOf(error);
        if (found == kept.end() && kept.size() >= kKeptListings)
            kept.clear();
        found = kept.insert_or_assign(key, std::move(names)).first;
    }
    const Names& names = found->second;
    if (index < 1 || size_t(index) > names.size())
        return fnfErr;
    *diskName = names[size_t(index) - 1];
    return noErr;
}

UInt16 folderItemCount(int folder, const char* name)
{
    Names names;
    if (listFolder(folder, name, &names) != 0)
        return 0;
    return UInt16(std::min<size_t>(names.size(), std::numeric_limits<UInt16>::max()));
}

} // namespace platform
