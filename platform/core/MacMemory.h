#pragma once
// Memory Manager: pointers and relocatable handles over the host's heap.

#include "core/MacTypes.h"

Ptr NewPtr(Size byteCount);
void DisposePtr(Ptr p);
Handle NewHandle(Size byteCount);
void DisposeHandle(Handle h);
Size GetHandleSize(Handle h);
OSErr MemError();
// Master pointers are preallocated on the Mac; the host heap needs none.
void MoreMasterPointers(UInt32 count);
