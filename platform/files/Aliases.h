#pragma once
// Alias Manager: alias records that point to a file.
//
// An alias record made here begins with the AliasRecord below (userType 0
// and aliasSize, in the host's byte order as the struct holds them, then
// zeros up to sizeof(AliasRecord); aliasSize counts the whole record),
// followed by:
//   1 byte    record version, 1
//   1 byte    kind of target: 0 a file, 1 a folder
//   Pascal    the target volume's name (length byte and bytes)
//   2 bytes   big-endian length, then the host path of the volume's root folder
//   2 bytes   big-endian length, then the path of the target's parent folder
//             below that root ("/"-separated host names, empty for the root)
//   Pascal    the target's Mac name
// so that the target can be found again by its volume and path.

#include "files/Files.h"

struct AliasRecord {
    OSType userType;
    UInt16 aliasSize;
};
using AliasPtr = AliasRecord*;
using AliasHandle = AliasPtr*;

// An alias record for an existing target (fnfErr otherwise). The record is
// always absolute: fromFile is accepted but not used.
OSErr NewAlias(const FSSpec* fromFile, const FSSpec* target, AliasHandle* alias);
