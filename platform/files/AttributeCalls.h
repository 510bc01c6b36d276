#pragma once
// Extended attribute calls on an item named relative to an open folder (or
// to the working folder for AT_FDCWD), never following a symbolic link.
// Kernels from 6.13 take the folder and name directly; older ones reach the
// item through the folder's entry in /proc/self/fd. They return like
// lgetxattr and its kin: a size or 0, or -1 with errno set.

#include <sys/types.h>

namespace platform {

ssize_t listAttributesAt(int folder, const char* name, char* list, size_t size);
ssize_t getAttributeAt(int folder, const char* name, const char* attribute, void* value, size_t size);
int setAttributeAt(int folder, const char* name, const char* attribute, const void* value, size_t size);
int removeAttributeAt(int folder, const char* name, const char* attribute);

// Whether the calls taking a folder are tried at all; off, every call goes
// the way older kernels take (tests run both ways on any kernel).
void tryAttributeCallsAt(bool tried);

} // namespace platform
