#pragma once
// Appearance Manager: a program registers as its client to get the system's
// look for its controls. The backends always draw with the host's look.

#include "core/MacTypes.h"

inline OSStatus RegisterAppearanceClient()
{
    return noErr;
}
