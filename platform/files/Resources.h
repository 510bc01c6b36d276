#pragma once
// Resource Manager: resource files in the Mac's own resource-file format,
// kept in a file's resource fork (the extended attribute
// user.com.apple.ResourceFork) or, opened with FSOpenResourceFile and an
// empty fork name, in its data fork. Every call leaves its result in
// ResError. Resource handles belong to the Resource Manager: they stay valid
// until their file is closed or ReleaseResource lets one go.

#include "core/MacMemory.h"
#include "files/Files.h"

enum : SInt8 { fsRdWrPermResource = 3 };

enum : OSErr { resNotFound = -192, addResFailed = -194, mapReadErr = -199, resAttrErr = -198 };

using UniChar = UInt16;
using UniCharCount = unsigned long;
using ResFileRefNum = SInt16;

// Creates the file (with creator and file type in its Finder information) if
// it does not exist, and an empty resource fork; dupFNErr when the file
// already has a resource fork.
void FSpCreateResFile(const FSSpec* spec, OSType creator, OSType fileType, SInt16 scriptTag);
// Opens the resource fork and makes it the current resource file; -1 and
// resFNotFound when the file has none. Opening an open file again gives its
// reference number.
SInt16 FSpOpenResFile(const FSSpec* spec, SInt8 permission);
// A resource file in the named fork: an empty fork name is the data fork (a
// resource file of its own, like Contents/Resources/Installer.rsrc), any other
// name the resource fork.
OSErr FSOpenResourceFile(const FSRef* ref, UniCharCount forkNameLength, const UniChar* forkName, SInt8 permissions,
                         ResFileRefNum* refNum);
// Adds a copy of theData to the current resource file (replacing a resource
// of the same type and ID); written out when the file is closed.
void AddResource(Handle theData, ResType theType, SInt16 theID, ConstStr255Param name);
void CloseResFile(SInt16 refNum);
SInt16 CurResFile();
void UseResFile(SInt16 refNum);
OSErr ResError();

// A resource of the current resource file; null and resNotFound when absent.
Handle Get1Resource(ResType theType, SInt16 theID);
Handle Get1NamedResource(ResType theType, ConstStr255Param name);
void ReleaseResource(Handle theResource);
