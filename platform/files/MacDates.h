#pragma once
// Dates of the Mac: unsigned seconds since 1 January 1904.

#include <sys/stat.h>

#include <optional>

#include "core/MacTypes.h"

namespace platform {

UInt32 macDateOf(const struct timespec& hostTime);
struct timespec hostTimeOf(UInt32 macDate);

// The creation date where the file system records birth times, else the
// modification date.
UInt32 creationDateOf(const std::optional<struct timespec>& birth, const struct stat& info);
UInt32 modificationDateOf(const struct stat& info);
// 0 or an errno; never follows a symbolic link. The item is named inside an
// open folder (AT_FDCWD: name is a path).
int setModificationDate(int folder, const char* name, UInt32 macDate);

} // namespace platform
