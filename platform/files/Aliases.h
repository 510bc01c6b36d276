#pragma once
// Alias Manager: alias records that point to a file.

#include "files/Files.h"

struct AliasRecord {
    OSType userType;
    UInt16 aliasSize;
};
using AliasPtr = AliasRecord*;
using AliasHandle = AliasPtr*;

// An alias record for target, relative to fromFile when it is not null.
OSErr NewAlias(const FSSpec* fromFile, const FSSpec* target, AliasHandle* alias);
