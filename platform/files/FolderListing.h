#pragma once
// The items of a host folder in index order (by name, byte for byte, as the
// Mac's catalog orders them). Index 1 reads the folder afresh; later indices
// reuse that listing, so reading a folder item by item costs one listing,
// not one per item. The caller asks for a fresh listing when the kept one
// falls behind the folder: at a name that has gone, or past its end, where
// items added meanwhile would show.

#include <string>

#include "core/MacTypes.h"
#include "files/VolumeTable.h"

namespace platform {

// The disk name of the index-th item (1 upward); fnfErr after the last.
OSErr folderItemName(const OpenFolder& folder, SInt16 index, bool fresh, std::string* diskName);
// The number of items in the folder name inside folder (AT_FDCWD: a path),
// 0 when it cannot be read.
UInt16 folderItemCount(int folder, const char* name);

} // namespace platform
