#pragma once
// The items of a host folder in index order (by name, byte for byte, as the
// Mac's catalog orders them). Index 1 reads the folder afresh; later indices
// reuse that listing while the folder's modification and change times stay
// the same (a modification time set back by hand still moves the change
// time), so reading a folder item by item costs one listing, not one per item.

#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/MacTypes.h"

namespace platform {

// The disk name of the index-th item (1 upward); fnfErr after the last.
// folderStatus is the folder's lstat, just taken by the caller.
OSErr folderItemName(const std::string& folderPath, const struct stat& folderStatus, SInt16 index,
                     std::string* diskName);
// The number of items in the folder, 0 when it cannot be read.
UInt16 folderItemCount(const std::string& folderPath);

} // namespace platform
