#pragma once
// Open handles (O_PATH descriptors) to the folders most recently used, by
// volume and directory ID. Items inside a held folder are reached relative to
// its handle, one name each, instead of by a walk of the whole path; and the
// handle keeps naming the folder when another program renames or moves it.
// Only a few are kept open: the least recently used is closed to make room.

#include <sys/types.h>

#include <cstdint>
#include <vector>

#include "core/MacTypes.h"

namespace platform {

class FolderHandles {
public:
    static constexpr size_t kCapacity = 64;

    FolderHandles() = default;
    ~FolderHandles();
    FolderHandles(const FolderHandles&) = delete;
    FolderHandles& operator=(const FolderHandles&) = delete;

    struct Held {
        int handle;
        dev_t device;
        ino_t inode;
    };

    // The held handle of a folder, or null.
    const Held* find(SInt16 vRefNum, long dirID);
    // Takes over an open handle, closing the least recently used one when full.
    void keep(SInt16 vRefNum, long dirID, const Held& held);
    void forget(SInt16 vRefNum, long dirID);
    void forgetVolume(SInt16 vRefNum);

private:
    struct Entry {
        SInt16 vRefNum;
        long dirID;
        Held held;
        uint64_t lastUse;
    };

    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
};

} // namespace platform
