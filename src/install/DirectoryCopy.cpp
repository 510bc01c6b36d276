#include "install/DirectoryCopy.h"

#include "core/MacMemory.h"
#include "files/MoreFiles.h"

namespace {

constexpr long kPreferredBufferSize = 16384;
constexpr long kFallbackBufferSize = 512;
// Items of a folder are read by a 16-bit index.
constexpr int kMaxItemIndex = 32767;

// Shared by every level of one copy: the catalog parameter block and the name
// buffer are reused for each item, so the depth of the tree costs only the
// recursion's own stack.
struct CopyState {
    void* copyBuffer;
    long copyBufferSize;
    SInt16 srcVRefNum;
    SInt16 dstVRefNum;
    CopyErrProcPtr errorHandler;
    CopyFilterProcPtr filter;
    OSErr error;
    bool stop;
    CInfoPBRec pb;
    Str255 itemName;
};

// The copy buffer: the caller's, or one allocated here and freed on every way out.
class CopyBuffer {
public:
    CopyBuffer(void* callerBuffer, long callerSize) : buffer(callerBuffer), size(callerSize)
    {
        if (buffer)
            return;
        for (long candidate : {kPreferredBufferSize, kFallbackBufferSize}) {
            owned = NewPtr(candidate);
            if (owned) {
                buffer = owned;
                size = candidate;
                return;
            }
        }
    }
    ~CopyBuffer() { DisposePtr(owned); }
    CopyBuffer(const CopyBuffer&) = delete;
    CopyBuffer& operator=(const CopyBuffer&) = delete;

    void* buffer;
    long size;

private:
    Ptr owned = nullptr;
};

bool askHandler(CopyState& state, SInt16 operation, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum,
                long dstDirID, ConstStr255Param dstName)
{
    if (!state.errorHandler)
        return true;
    return state.errorHandler(state.error, operation, state.srcVRefNum, srcDirID, srcName, dstVRefNum, dstDirID,
                              dstName);
}

OSErr readItem(CopyState& state, long dirID, int index)
{
    if (index > kMaxItemIndex)
        return paramErr;
    state.pb.ioNamePtr = state.itemName;
    state.pb.ioVRefNum = state.srcVRefNum;
    state.pb.ioDirID = dirID;
    state.pb.ioFDirIndex = SInt16(index);
    return PBGetCatInfoSync(&state.pb);
}

// Comment, then Finder information, dates and lock state of a copied folder.
OSErr copyFolderAttributes(const CopyState& state, long srcDirID, long dstDirID)
{
    (void)DTCopyComment(state.srcVRefNum, srcDirID, nullptr, state.dstVRefNum, dstDirID, nullptr);
    return CopyFileMgrAttributes(state.srcVRefNum, srcDirID, nullptr, state.dstVRefNum, dstDirID, nullptr, true);
}

void CopyLevel(long srcDirID, long dstDirID, CopyState& state);

void copySubfolder(long dstDirID, CopyState& state)
{
    long srcSubfolderID = state.pb.ioDirID;
    long newDirID = 0;
    state.error = DirCreate(state.dstVRefNum, dstDirID, state.itemName, &newDirID);
    if (state.error != noErr) {
        state.stop = askHandler(state, dirCreateOp, srcSubfolderID, nullptr, state.dstVRefNum, dstDirID,
                                state.itemName);
    } else {
        CopyLevel(srcSubfolderID, newDirID, state);
        if (!state.stop) {
            state.error = copyFolderAttributes(state, srcSubfolderID, newDirID);
            if (state.error != noErr)
                state.stop = askHandler(state, copyDirFMAttributesOp, srcSubfolderID, nullptr, state.dstVRefNum,
                                        newDirID, nullptr);
        }
    }
    if (!state.stop)
        state.error = noErr;
}

void copyFile(long srcDirID, long dstDirID, CopyState& state)
{
    state.error = FileCopy(state.srcVRefNum, srcDirID, state.itemName, state.dstVRefNum, dstDirID, nullptr, nullptr,
                           state.copyBuffer, state.copyBufferSize, false);
    if (state.error == noErr)
        return;
    state.stop = askHandler(state, fileCopyOp, srcDirID, state.itemName, state.dstVRefNum, dstDirID, nullptr);
    if (!state.stop)
        state.error = noErr;
}

// Copies every item of one source folder into one destination folder, a
// subfolder with all it holds before the next item of its parent. Ends on the
// folder's last item (fnfErr remains in state.error) or when the copy stops.
void CopyLevel(long srcDirID, long dstDirID, CopyState& state)
{
    for (int index = 1; !state.stop && state.error == noErr; ++index) {
        state.error = readItem(state, srcDirID, index);
        if (state.error == fnfErr)
            break;
        if (state.error != noErr) {
            // Beyond the last index the catalog call can address nothing more can be read.
            state.stop = askHandler(state, getNextItemOp, srcDirID, nullptr, 0, 0, nullptr) || index >= kMaxItemIndex;
            if (!state.stop)
                state.error = noErr;
            continue;
        }
        if (state.filter && !state.filter(&state.pb))
            continue;
        if (state.pb.ioFlAttrib & kioFlAttribDirMask)
            copySubfolder(dstDirID, state);
        else
            copyFile(srcDirID, dstDirID, state);
    }
}

// The folder an item names: its directory ID, or dirNFErr for a file.
OSErr resolveFolder(SInt16 vRefNum, long dirID, ConstStr255Param name, long* folderID)
{
    Boolean isDirectory = false;
    OSErr error = GetDirectoryID(vRefNum, dirID, name, folderID, &isDirectory);
    if (error == noErr && !isDirectory)
        error = dirNFErr;
    return error;
}

OSErr copyTree(CopyState& state, long srcDirID, long dstDirID, ConstStr255Param copyName, Boolean preflight)
{
    if (preflight) {
        Boolean spaceOK = false;
        OSErr error = PreflightDirectoryCopySpace(state.srcVRefNum, srcDirID, state.dstVRefNum, &spaceOK);
        if (error != noErr)
            return error;
        if (!spaceOK)
            return dskFulErr;
    }

    Str31 srcFolderName;
    OSErr error = GetDirName(state.srcVRefNum, srcDirID, srcFolderName);
    if (error != noErr)
        return error;

    if (copyName) {
        long newDirID = 0;
        state.error = DirCreate(state.dstVRefNum, dstDirID, copyName, &newDirID);
        if (state.error == noErr) {
            dstDirID = newDirID;
        } else {
            if (askHandler(state, dirCreateOp, srcDirID, nullptr, state.dstVRefNum, dstDirID, copyName))
                return state.error;
            state.error = noErr;
        }
    }

    CopyLevel(srcDirID, dstDirID, state);
    if (state.stop)
        return state.error;

    state.error = copyFolderAttributes(state, srcDirID, dstDirID);
    if (state.error != noErr && state.errorHandler)
        (void)askHandler(state, copyDirFMAttributesOp, srcDirID, nullptr, state.dstVRefNum, dstDirID, nullptr);
    return state.error;
}

} // namespace

OSErr FilteredDirectoryCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum,
                            long dstDirID, ConstStr255Param dstName, ConstStr255Param copyName,
                            void* copyBufferPtr, long copyBufferSize, Boolean preflight,
                            CopyErrProcPtr copyErrHandler, CopyFilterProcPtr copyFilterProc)
{
    CopyBuffer buffer(copyBufferPtr, copyBufferSize);
    if (!buffer.buffer)
        return memFullErr;

    long srcFolderID = 0;
    long dstFolderID = 0;
    OSErr error = resolveFolder(srcVRefNum, srcDirID, srcName, &srcFolderID);
    if (error == noErr)
        error = resolveFolder(dstVRefNum, dstDirID, dstName, &dstFolderID);
    SInt16 realSrcVRefNum = 0;
    SInt16 realDstVRefNum = 0;
    if (error == noErr)
        error = DetermineVRefNum(nullptr, srcVRefNum, &realSrcVRefNum);
    if (error == noErr)
        error = DetermineVRefNum(nullptr, dstVRefNum, &realDstVRefNum);
    if (error != noErr)
        return error;

    CopyState state{};
    state.copyBuffer = buffer.buffer;
    state.copyBufferSize = buffer.size;
    state.srcVRefNum = realSrcVRefNum;
    state.dstVRefNum = realDstVRefNum;
    state.errorHandler = copyErrHandler;
    state.filter = copyFilterProc;
    return copyTree(state, srcFolderID, dstFolderID, copyName, preflight);
}

OSErr DirectoryCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                    ConstStr255Param dstName, ConstStr255Param copyName, void* copyBufferPtr, long copyBufferSize,
                    Boolean preflight, CopyErrProcPtr copyErrHandler)
{
    return FilteredDirectoryCopy(srcVRefNum, srcDirID, srcName, dstVRefNum, dstDirID, dstName, copyName,
                                 copyBufferPtr, copyBufferSize, preflight, copyErrHandler, nullptr);
}
