#pragma once
// The uninstaller: a bundle built inside the program folder from the running
// installer's own bundle, whose configuration makes it start at the removal
// confirmation.

// Builds the bundle "<UNINSTALL>.app" in the folder (dstVRefNum, dstDirID)
// from the installer's Contents folder (srcVRefNum, srcDirID). True on
// failure; what was built up to the failure stays.
bool installUninstaller(short srcVRefNum, long srcDirID, short dstVRefNum, long dstDirID);
