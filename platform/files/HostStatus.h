#pragma once
// The status of a host item and its birth time, learned with one statx call
// that does not follow a symbolic link.

#include <sys/stat.h>

#include <optional>
#include <string>

namespace platform {

struct HostStatus {
    struct stat info {};
    std::optional<struct timespec> birth; // empty where the file system keeps no birth times
};

// 0 or an errno; path is relative to the open folder, or to the working
// folder for AT_FDCWD.
int hostStatusOf(int folder, const char* path, HostStatus* status);
int hostStatusOf(const std::string& path, HostStatus* status);
// The status of the item an open descriptor or handle refers to.
int hostStatusOfHandle(int handle, HostStatus* status);

} // namespace platform
