#pragma once
// File Manager of the emulated Macintosh: volumes and directory IDs over the
// host's file systems, file specifications, data forks and catalog information.
//
// Names reach the File Manager as length-prefixed bytes. "/" in a Mac name is
// ":" on disk and back; "." and ".." are refused with bdNamErr. Partial paths:
// a leading ":" starts inside the given folder, ":" separates names, and each
// further ":" in a row climbs one folder; a full path (a volume name, then
// ":") is refused with bdNamErr. Symbolic links are items, never folders on
// the way, and are never followed. Directory ID 2 is a volume's root,
// 1 its parent; other IDs are handed out by the platform and stay valid for
// the life of the process.

#include <string>

#include "core/MacTypes.h"

enum : long { fsRtParID = 1, fsRtDirID = 2 };

enum : SInt8 { fsCurPerm = 0, fsRdPerm = 1, fsWrPerm = 2, fsRdWrPerm = 3 };
enum : SInt16 { fsAtMark = 0, fsFromStart = 1, fsFromLEOF = 2, fsFromMark = 3 };

// Attribute bits of ioFlAttrib.
enum : UInt8 { kioFlAttribLockedMask = 0x01, kioFlAttribDirMask = 0x10 };
// Finder flag of an alias file.
enum : UInt16 { kIsAlias = 0x8000 };

struct FSSpec {
    SInt16 vRefNum;
    long parID;
    Str63 name;
};

// A reference to an existing item. Its contents belong to the platform.
struct FSRef {
    SInt16 vRefNum;
    long parID;
    Str255 name;
};

struct FInfo {
    OSType fdType;
    OSType fdCreator;
    UInt16 fdFlags;
    Point fdLocation;
    SInt16 fdFldr;
};

struct FXInfo {
    SInt16 fdIconID;
    SInt16 fdReserved[3];
    SInt8 fdScript;
    SInt8 fdXFlags;
    SInt16 fdComment;
    SInt32 fdPutAway;
};

struct DInfo {
    Rect frRect;
    UInt16 frFlags;
    Point frLocation;
    SInt16 frView;
};

struct DXInfo {
    Point frScroll;
    SInt32 frOpenChain;
    SInt8 frScript;
    SInt8 frXFlags;
    SInt16 frComment;
    SInt32 frPutAway;
};

// Catalog information of one item, by name (ioFDirIndex 0), by index
// (ioFDirIndex > 0, the n-th item of the folder ioDirID) or of the folder
// itself (ioFDirIndex < 0). File and folder fields side by side; dates are
// seconds since 1904. On return ioDirID holds a folder's own ID, or a file's
// parent ID (as ioFlParID does).
struct CInfoPBRec {
    StringPtr ioNamePtr;
    SInt16 ioVRefNum;
    SInt16 ioFDirIndex;
    long ioDirID;
    UInt8 ioFlAttrib;
    OSErr ioResult;

    FInfo ioFlFndrInfo;
    FXInfo ioFlXFndrInfo;
    SInt64 ioFlLgLen;
    SInt64 ioFlRLgLen;
    UInt32 ioFlCrDat;
    UInt32 ioFlMdDat;
    UInt32 ioFlBkDat;
    long ioFlParID;

    DInfo ioDrUsrWds;
    DXInfo ioDrFndrInfo;
    UInt16 ioDrNmFls;
    long ioDrDirID;
    long ioDrParID;
    UInt32 ioDrCrDat;
    UInt32 ioDrMdDat;
    UInt32 ioDrBkDat;
};
using CInfoPBPtr = CInfoPBRec*;

using FSCatalogInfoBitmap = UInt32;
enum : FSCatalogInfoBitmap { kFSCatInfoNone = 0, kFSCatInfoNodeID = 0x10, kFSCatInfoPermissions = 0x400 };

struct FSPermissionInfo {
    UInt32 userID;
    UInt32 groupID;
    UInt8 reserved1;
    UInt8 userAccess;
    UInt16 mode;
    UInt32 reserved2;
};

struct FSCatalogInfo {
    long nodeID;
    long parentDirID;
    FSPermissionInfo permissions;
};

OSErr FSMakeFSSpec(SInt16 vRefNum, long dirID, ConstStr255Param fileName, FSSpec* spec);
OSErr FSpOpenDF(const FSSpec* spec, SInt8 permission, SInt16* refNum);
OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, SInt16 scriptTag);
OSErr FSpDelete(const FSSpec* spec);
OSErr FSRead(SInt16 refNum, long* count, void* buffer);
OSErr FSWrite(SInt16 refNum, long* count, const void* buffer);
OSErr GetEOF(SInt16 refNum, long* logEOF);
OSErr SetEOF(SInt16 refNum, long logEOF);
OSErr GetFPos(SInt16 refNum, long* filePos);
OSErr SetFPos(SInt16 refNum, SInt16 posMode, long posOff);
OSErr FSClose(SInt16 refNum);

OSErr HDelete(SInt16 vRefNum, long dirID, ConstStr255Param fileName);
OSErr DirCreate(SInt16 vRefNum, long parentDirID, ConstStr255Param directoryName, long* createdDirID);
OSErr PBGetCatInfoSync(CInfoPBPtr pb);
OSErr PBSetCatInfoSync(CInfoPBPtr pb);
OSErr FlushVol(ConstStringPtr volName, SInt16 vRefNum);

// The lock state of a file or folder: a locked item refuses to be opened for
// writing and to be deleted (fLckdErr).
OSErr HSetFLock(SInt16 vRefNum, long dirID, ConstStr255Param fileName);
OSErr HRstFLock(SInt16 vRefNum, long dirID, ConstStr255Param fileName);
OSErr FSpSetFLock(const FSSpec* spec);
OSErr FSpRstFLock(const FSSpec* spec);

OSErr FSpMakeFSRef(const FSSpec* spec, FSRef* ref);
OSErr FSPathMakeRef(const UInt8* path, FSRef* ref, Boolean* isDirectory);
OSErr FSRefMakePath(const FSRef* ref, UInt8* path, UInt32 maxPathSize);
OSErr FSGetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, FSCatalogInfo* info, void* outName,
                       FSSpec* fsSpec, FSRef* parentRef);
OSErr FSSetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, const FSCatalogInfo* info);

namespace platform {

// The volume and directory ID of a host folder (made known to the File
// Manager on the way), for the platform's own modules and for tests.
OSErr locateFolder(const std::string& hostPath, SInt16* vRefNum, long* dirID);
// The host path of a folder known to the File Manager; empty if unknown.
std::string folderPath(SInt16 vRefNum, long dirID);

} // namespace platform
