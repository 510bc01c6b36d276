#pragma once
// File-system utilities over the File Manager.

#include "files/Files.h"

// Directory ID of an item (for a file: its parent's) and whether it is a
// folder. name may be null or empty for the folder dirID itself. On an error
// the outputs are left untouched.
OSErr GetDirectoryID(SInt16 vRefNum, long dirID, ConstStr255Param name, long* theDirID, Boolean* isDirectory);

// The real volume reference number for a volume reference number.
OSErr DetermineVRefNum(ConstStr255Param pathname, SInt16 vRefNum, SInt16* realVRefNum);

// The name of the folder (vRefNum, dirID).
OSErr GetDirName(SInt16 vRefNum, long dirID, Str31 name);

// A volume's allocation block size in bytes and its free bytes.
OSErr XGetVolumeInfoNoName(ConstStr255Param pathname, SInt16 vRefNum, UInt32* allocationBlockSize,
                           UInt64* freeBytes);

// Copies one file (data fork, resource fork, Finder information, comment and
// dates; never the POSIX mode) into the folder (dstVRefNum, dstDirID, dstPathname)
// under copyName, or its own name when copyName is null. Never replaces an
// existing file (dupFNErr) and never leaves a partial one. With preflight, fails
// with dskFulErr before anything is written when the volume has no room.
// fnfErr when the source is missing or a folder, dirNFErr when the
// destination is not a folder. A symbolic link is copied as a link.
OSErr FileCopy(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
               ConstStr255Param dstPathname, ConstStr255Param copyName, void* copyBufferPtr, long copyBufferSize,
               Boolean preflight);

// Deletes a named folder and everything in it, depth first; locked items go
// like the others. A symbolic link is removed, never followed. If the name is
// not a folder (a file or a link) nothing is deleted and the result is
// dirNFErr. An item that cannot be deleted is skipped, the rest deleted, and
// the first error returned.
OSErr DeleteDirectory(SInt16 vRefNum, long dirID, ConstStr255Param name);

// Copies the Finder comment of one item to another.
OSErr DTCopyComment(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID,
                    ConstStr255Param dstName);

// Copies Finder information and dates from one item to another, and the lock
// state when copyLockBit is true.
OSErr CopyFileMgrAttributes(SInt16 srcVRefNum, long srcDirID, ConstStr255Param srcName, SInt16 dstVRefNum,
                            long dstDirID, ConstStr255Param dstName, Boolean copyLockBit);
