#include "files/OpenForkTable.h"

namespace platform {

OpenForkTable& OpenForkTable::shared()
{
    static OpenForkTable table;
    return table;
}

SInt16 OpenForkTable::add(OpenFork fork)
{
    while (forks_.count(nextRefNum_) || nextRefNum_ <= 0)
        nextRefNum_ = nextRefNum_ <= 0 ? 3 : SInt16(nextRefNum_ + 1);
    SInt16 refNum = nextRefNum_;
    nextRefNum_ = SInt16(nextRefNum_ + 1);
    forks_[refNum] = fork;
    return refNum;
}

OpenFork* OpenForkTable::find(SInt16 refNum)
{
    auto found = forks_.find(refNum);
    return found == forks_.end() ? nullptr : &found->second;
}

int OpenForkTable::remove(SInt16 refNum)
{
    auto found = forks_.find(refNum);
    if (found == forks_.end())
        return -1;
    int descriptor = found->second.descriptor;
    forks_.erase(found);
    return descriptor;
}

} // namespace platform
