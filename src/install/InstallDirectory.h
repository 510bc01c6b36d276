#pragma once
// Copying payload folders into folders of the system, finding those folders by
// type, and listing a folder's items.

#include <vector>

#include "core/MacTypes.h"
#include "text/String.h"

// Copies the folder srcName (a name or a partial path from srcDirID) into the
// folder dstDirID: into a new folder copyName, or, with copyName null, straight
// into dstDirID beside what is there. True on failure, with Options.failed and
// Options.errorText set.
bool installDirectory(short srcVRefNum, long srcDirID, const char* srcName, short dstVRefNum, long dstDirID,
                      const char* copyName);

// The folder copy's error callback: a file named ".DS_Store" or "CVS" that
// cannot be copied is skipped with a warning (false: go on); every other
// failure stops the copy (true).
Boolean dirCopyErrCallback(OSErr error, SInt16 failedOperation, SInt16 srcVRefNum, long srcDirID,
                           ConstStr255Param srcName, SInt16 dstVRefNum, long dstDirID, ConstStr255Param dstName);

// Appends the names of all items directly inside the folder name of dirID (or
// of dirID itself when name is null). A name that is missing or not a folder
// appends nothing.
void getFilenamesInDir(std::vector<String>& names, short vRefNum, long dirID, const char* name);

// The location of the system folder of folderType ('apps', 'kext', ...). True
// on failure, with Options.failed and Options.errorText set.
bool getSystemFolder(short* vRefNum, long* dirID, unsigned long folderType);
