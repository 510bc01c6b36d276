#pragma once
// Gestalt Manager: answers from PLATFORM_SYSTEM_VERSION and the host.

#include "core/MacTypes.h"

enum : OSType {
    gestaltSystemVersion = FOUR_CHAR('s', 'y', 's', 'v'),
    gestaltSysArchitecture = FOUR_CHAR('s', 'y', 's', 'a'),
    gestaltProcClkSpeed = FOUR_CHAR('p', 'c', 'l', 'k'),
    gestaltBusClkSpeed = FOUR_CHAR('b', 'c', 'l', 'k'),
    gestaltCarbonVersion = FOUR_CHAR('c', 'b', 'o', 'n'),
    gestaltPhysicalRAMSize = FOUR_CHAR('r', 'a', 'm', ' '),
    gestaltLogicalRAMSize = FOUR_CHAR('l', 'r', 'a', 'm'),
    gestaltAppearanceAttr = FOUR_CHAR('a', 'p', 'p', 'r'),
};

enum : SInt32 { gestalt68k = 1, gestaltPowerPC = 2 };

OSErr Gestalt(OSType selector, SInt32* response);
