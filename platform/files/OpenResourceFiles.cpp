#include "files/OpenResourceFiles.h"

#include "core/MacMemory.h"

namespace platform {

OpenResourceFiles& OpenResourceFiles::shared()
{
    static OpenResourceFiles files;
    return files;
}

SInt16 OpenResourceFiles::refNumOf(const std::string& path, bool dataFork) const
{
    for (const auto& [refNum, file] : files_) {
        if (file.path == path && file.dataFork == dataFork)
            return refNum;
    }
    return 0;
}

SInt16 OpenResourceFiles::add(OpenResourceFile file)
{
    while (nextRefNum_ <= 0 || files_.count(nextRefNum_))
        nextRefNum_ = nextRefNum_ <= 0 ? SInt16(1000) : SInt16(nextRefNum_ + 1);
    SInt16 refNum = nextRefNum_;
    nextRefNum_ = SInt16(nextRefNum_ + 1);
    files_[refNum] = std::move(file);
    return refNum;
}

OpenResourceFile* OpenResourceFiles::find(SInt16 refNum)
{
    auto found = files_.find(refNum);
    return found == files_.end() ? nullptr : &found->second;
}

void OpenResourceFiles::remove(SInt16 refNum)
{
    files_.erase(refNum);
    if (current == refNum)
        current = files_.empty() ? 0 : files_.rbegin()->first;
}

bool OpenResourceFiles::release(Handle handle)
{
    for (auto& entry : files_) {
        std::vector<Handle>& loaded = entry.second.loaded;
        for (auto at = loaded.begin(); at != loaded.end(); ++at) {
            if (*at == handle) {
                DisposeHandle(handle);
                loaded.erase(at);
                return true;
            }
        }
    }
    return false;
}

} // namespace platform
