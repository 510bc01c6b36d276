#include "files/FolderHandles.h"

#include <unistd.h>

#include <algorithm>

namespace platform {

FolderHandles::~FolderHandles()
{
    for (const Entry& entry : entries_)
        close(entry.held.handle);
}

const FolderHandles::Held* FolderHandles::find(SInt16 vRefNum, long dirID)
{
    for (Entry& entry : entries_) {
        if (entry.vRefNum == vRefNum && entry.dirID == dirID) {
            entry.lastUse = ++clock_;
            return &entry.held;
        }
    }
    return nullptr;
}

void FolderHandles::keep(SInt16 vRefNum, long dirID, const Held& held)
{
    forget(vRefNum, dirID);
    if (entries_.size() >= kCapacity) {
        auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                       [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        close(oldest->held.handle);
        entries_.erase(oldest);
    }
    entries_.push_back(Entry{vRefNum, dirID, held, ++clock_});
}

void FolderHandles::forget(SInt16 vRefNum, long dirID)
{
    std::erase_if(entries_, [&](const Entry& entry) {
        if (entry.vRefNum != vRefNum || entry.dirID != dirID)
            return false;
        close(entry.held.handle);
        return true;
    });
}

void FolderHandles::forgetVolume(SInt16 vRefNum)
{
    std::erase_if(entries_, [&](const Entry& entry) {
        if (entry.vRefNum != vRefNum)
            return false;
        close(entry.held.handle);
        return true;
    });
}

} // namespace platform
