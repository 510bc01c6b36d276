#include <algorithm>

#include "files/MoreFiles.h"
#include "install/DirectoryCopy.h"

namespace {

constexpr UInt64 kBlockSize = 512;
constexpr int kMaxItemIndex = 32767;

// Shared by every level of the walk.
struct SpaceState {
    UInt64 blksPerAllocBlk;
    // Counted and compared in 64 bits: a 32-bit count would wrap on trees and
    // volumes of more than two terabytes and give a wrong answer.
    UInt64 allocBlksNeeded;
    SInt16 srcVRefNum;
    CInfoPBRec pb;
    Str255 itemName;
};

UInt64 roundedUpDivision(UInt64 value, UInt64 divisor)
{
    return (value + divisor - 1) / divisor;
}

UInt64 allocationBlocksFor(SInt64 forkLength, UInt64 blksPerAllocBlk)
{
    UInt64 blocks = roundedUpDivision(UInt64(std::max<SInt64>(forkLength, 0)), kBlockSize);
    return roundedUpDivision(blocks, blksPerAllocBlk);
}

// Adds the allocation blocks of every fork in the folder and, depth first, in
// its subfolders; ends at the first error (normally fnfErr after the last item).
void GetLevelSize(long dirID, SpaceState& state)
{
    for (int index = 1; index <= kMaxItemIndex; ++index) {
        state.pb.ioNamePtr = state.itemName;
        state.pb.ioVRefNum = state.srcVRefNum;
        state.pb.ioDirID = dirID;
        state.pb.ioFDirIndex = SInt16(index);
        if (PBGetCatInfoSync(&state.pb) != noErr)
            return;
        if (state.pb.ioFlAttrib & kioFlAttribDirMask) {
            GetLevelSize(state.pb.ioDirID, state);
        } else {
            state.allocBlksNeeded += allocationBlocksFor(state.pb.ioFlLgLen, state.blksPerAllocBlk);
            state.allocBlksNeeded += allocationBlocksFor(state.pb.ioFlRLgLen, state.blksPerAllocBlk);
        }
    }
}

} // namespace

OSErr PreflightDirectoryCopySpace(SInt16 srcVRefNum, long srcDirID, SInt16 dstVRefNum, Boolean* spaceOK)
{
    UInt32 allocationBlockSize = 0;
    UInt64 freeBytes = 0;
    OSErr error = XGetVolumeInfoNoName(nullptr, dstVRefNum, &allocationBlockSize, &freeBytes);
    if (error != noErr)
        return error;

    SpaceState state{};
    // A volume that reports blocks smaller than 512 bytes counts in 512-byte blocks.
    state.blksPerAllocBlk = std::max<UInt64>(allocationBlockSize / kBlockSize, 1);
    state.srcVRefNum = srcVRefNum;
    GetLevelSize(srcDirID, state);

    UInt64 freeBlocks = freeBytes / kBlockSize;
    *spaceOK = state.allocBlksNeeded * state.blksPerAllocBlk <= freeBlocks;
    return noErr;
}
