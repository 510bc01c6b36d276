#pragma once
// Resource Manager: resource forks in the Mac's own resource-file format,
// stored in the extended attribute user.com.apple.ResourceFork.

#include "core/MacMemory.h"
#include "files/Files.h"

enum : SInt8 { fsRdWrPermResource = 3 };

void FSpCreateResFile(const FSSpec* spec, OSType creator, OSType fileType, SInt16 scriptTag);
SInt16 FSpOpenResFile(const FSSpec* spec, SInt8 permission);
void AddResource(Handle theData, ResType theType, SInt16 theID, ConstStr255Param name);
void CloseResFile(SInt16 refNum);
SInt16 CurResFile();
OSErr ResError();
