#pragma once
// Finder alias files.

// Makes the alias file aliasName in the folder (dstVRefNum, dstDirID) pointing
// to the file targetName of (srcVRefNum, srcDirID). True on failure.
bool makeAliasToFile(short srcVRefNum, long srcDirID, const char* targetName, short dstVRefNum, long dstDirID,
                     const char* aliasName);
