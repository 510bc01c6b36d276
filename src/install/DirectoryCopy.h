#pragma once
// Copies the contents of a folder tree into a folder, either into a new folder
// of a given copy name or merged straight into the destination folder. Existing
// files are never replaced; every failure goes to the caller's error callback,
// which decides whether the copy skips the failed item or stops.

#include "files/Files.h"

// What failed, as handed to the error callback.
enum : SInt16 {
    getNextItemOp = 1,         // reading the next item of a source folder
    copyDirFMAttributesOp = 4, // copying a folder's Finder attributes to its copy
    dirCreateOp = 5,           // creating a folder in the destination
    fileCopyOp = 6,            // copying a file
};

// Answers true to stop the whole copy, false to skip the failed item and go on.
using CopyErrProcPtr = Boolean (*)(OSErr error, SInt16 failedOperation, SInt16 srcVRefNum, long srcDirID,
                                   ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                                   ConstStr255Param dstName);

// Answers true to copy the item just read (its catalog information), false to
// leave it out.
using CopyFilterProcPtr = Boolean (*)(const CInfoPBRec* item);

// Copies the folder (srcVRefNum, srcDirID, srcName) into the folder
// (dstVRefNum, dstDirID, dstName). With copyName a folder of that name is
// created in the destination and receives the contents; without one the
// contents go straight into the destination. copyBufferPtr may be null (a buffer
// is allocated); with preflight the whole tree must fit on the destination
// volume before anything is created (else dskFulErr). Returns noErr or the
// error that ended the copy.
OSErr DirectoryCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                    ConstStr255Param dstName, ConstStr255Param copyName, void* copyBufferPtr, long copyBufferSize,
                    Boolean preflight, CopyErrProcPtr copyErrHandler);

// DirectoryCopy with an item filter; a null filter copies every item.
OSErr FilteredDirectoryCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum,
                            long dstDirID, ConstStr255Param dstName, ConstStr255Param copyName,
                            void* copyBufferPtr, long copyBufferSize, Boolean preflight,
                            CopyErrProcPtr copyErrHandler, CopyFilterProcPtr copyFilterProc);

// Whether the tree under the folder (srcVRefNum, srcDirID) fits into the free
// space of dstVRefNum, counted in the destination's allocation blocks.
OSErr PreflightDirectoryCopySpace(SInt16 srcVRefNum, long srcDirID, SInt16 dstVRefNum, Boolean* spaceOK);
