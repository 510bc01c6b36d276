#pragma once
// Text Utilities: case mapping by the rules of the system script, in place,
// length kept. ASCII letters map as usual; other bytes stay as they are.

#include "core/MacTypes.h"

void UppercaseText(Ptr textPtr, SInt16 len, SInt16 script);
void LowercaseText(Ptr textPtr, SInt16 len, SInt16 script);
