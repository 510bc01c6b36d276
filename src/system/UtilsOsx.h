#pragma once
// Starting executables and Unix tools with administrator rights, and the POSIX
// path of an item named the Mac way (volume, directory, name).

#include "text/String.h"

// Obtains the administrator right and starts path with the null-terminated
// arguments (without the program name); nothing is waited for. With
// closeResourceFileFirst the current resource file is closed and the
// application's volume flushed before the start. True when the right was
// refused; throws XPel when no authorization can be created.
bool authorizeAndExecute(const char* path, const char* const* arguments, bool closeResourceFileFirst);

// Starts tool with administrator rights on the item (vRefNum, dirID, name):
// the count arguments, then the item's path. name null names the folder dirID.
// True on failure, also when the item does not exist.
bool unixCommand(short vRefNum, long dirID, const char* name, const char* tool, const char* const* arguments,
                 int count);

// Recursive chmod of the item to mode, then, when owner is not null, a
// recursive chown to owner. True on failure; chown is not tried when chmod
// could not be started.
bool setPermissions(short vRefNum, long dirID, const char* name, const char* mode, const char* owner);

// The POSIX path of the existing item (vRefNum, dirID, name), or an empty
// string. name null gives the folder dirID itself.
String getPath(short vRefNum, long dirID, const char* name);
