#pragma once
// QuickDraw, as far as pictures and offscreen images go: a picture handle
// holds PICT data (without the file's 512-byte header); graphics worlds are
// offscreen images of 16-bit RGB pixels that a backend can show.

#include <vector>

#include "core/MacTypes.h"

struct GWorld {
    Rect bounds{0, 0, 0, 0};
    std::vector<RGBColor> pixels; // row by row
    RGBColor backColor{0xFFFF, 0xFFFF, 0xFFFF};

    SInt16 width() const { return SInt16(bounds.right - bounds.left); }
    SInt16 height() const { return SInt16(bounds.bottom - bounds.top); }
    // The pixel in column h and row v from the top-left corner, or null outside.
    RGBColor* at(SInt16 h, SInt16 v);
};

using GWorldPtr = GWorld*;
using CGrafPtr = GWorld*;
using GDHandle = void*;
using PixMapHandle = GWorld*;
using BitMap = GWorld;
using PicHandle = Handle;
using RgnHandle = void*;
using QDErr = OSErr;

struct PictInfo {
    SInt16 version;
    SInt32 uniqueColors;
    Rect sourceRect;
};

enum : SInt16 { srcCopy = 0, srcOr = 1, transparent = 36 };

// The picture's frame from its header; a picture too short to hold one is paramErr.
OSErr GetPictInfo(PicHandle picture, PictInfo* info, SInt16 verb, SInt16 colorsRequested, SInt16 colorPickMethod,
                  SInt16 version);
QDErr NewGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, void* colorTable, GDHandle device,
                UInt32 flags);
void DisposeGWorld(GWorldPtr world);
void GetGWorld(CGrafPtr* port, GDHandle* device);
void SetGWorld(CGrafPtr port, GDHandle device);
// Decodes the picture and draws it into the current port at frame; returns
// without drawing when the data cannot be decoded (QDError then tells).
void DrawPicture(PicHandle picture, const Rect* frame);
OSErr QDError();
// The colour at (h, v) in the current port's coordinates (its bounds).
void GetCPixel(SInt16 h, SInt16 v, RGBColor* color);
void RGBBackColor(const RGBColor* color);
PixMapHandle GetGWorldPixMap(GWorldPtr world);
bool LockPixels(PixMapHandle pixels);
void UnlockPixels(PixMapHandle pixels);
const BitMap* GetPortBitMapForCopyBits(CGrafPtr port);
// Copies source pixels onto the destination. Mode transparent leaves out the
// pixels of the destination port's background colour; every other mode
// copies the pixels as they are.
void CopyBits(const BitMap* source, const BitMap* destination, const Rect* sourceRect, const Rect* destRect,
              SInt16 mode, RgnHandle mask);
