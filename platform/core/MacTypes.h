#pragma once
// The basic types and error numbers of the emulated Macintosh platform.

#include <cstdint>

using SInt8 = int8_t;
using UInt8 = uint8_t;
using SInt16 = int16_t;
using UInt16 = uint16_t;
using SInt32 = int32_t;
using UInt32 = uint32_t;
using SInt64 = int64_t;
using UInt64 = uint64_t;

using OSErr = SInt16;
using OSStatus = SInt32;
using OSType = UInt32;
using ResType = OSType;
using Boolean = bool;
using Size = long;
using Ptr = char*;
using Handle = char**;

using Str255 = unsigned char[256];
using Str63 = unsigned char[64];
using Str31 = unsigned char[32];
using StringPtr = unsigned char*;
using ConstStringPtr = const unsigned char*;
using ConstStr255Param = const unsigned char*;

struct Rect {
    SInt16 top;
    SInt16 left;
    SInt16 bottom;
    SInt16 right;
};

struct Point {
    SInt16 v;
    SInt16 h;
};

struct RGBColor {
    UInt16 red;
    UInt16 green;
    UInt16 blue;
};

// Four-character codes, most significant byte first: FOUR_CHAR('k','e','x','t').
constexpr OSType FOUR_CHAR(char a, char b, char c, char d)
{
    return (OSType(UInt8(a)) << 24) | (OSType(UInt8(b)) << 16) | (OSType(UInt8(c)) << 8) | OSType(UInt8(d));
}

enum : OSErr {
    noErr = 0,
    paramErr = -50,
    dskFulErr = -34,
    nsvErr = -35,
    ioErr = -36,
    bdNamErr = -37,
    fnOpnErr = -38,
    eofErr = -39,
    posErr = -40,
    tmfoErr = -42,
    fnfErr = -43,
    wPrErr = -44,
    fLckdErr = -45,
    fBsyErr = -47,
    dupFNErr = -48,
    opWrErr = -49,
    rfNumErr = -51,
    permErr = -54,
    wrPermErr = -61,
    memFullErr = -108,
    nilHandleErr = -109,
    dirNFErr = -120,
    resFNotFound = -193,
    procNotFound = -600,
    gestaltUndefSelectorErr = -5551,
    afpAccessDenied = -5000,
    errAEEventNotHandled = -1708,
};

constexpr OSStatus errAuthorizationSuccess = 0;
constexpr OSStatus errAuthorizationInvalidRef = -60002;
constexpr OSStatus errAuthorizationDenied = -60005;
constexpr OSStatus errAuthorizationCanceled = -60006;
constexpr OSStatus errAuthorizationToolExecuteFailure = -60031;
