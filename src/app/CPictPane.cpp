#include "app/CPictPane.h"

#include "core/MacMemory.h"
#include "files/Files.h"
#include "log/MessageBox.h"
#include "system/SystemInfo.h"
#include "text/IniLookup.h"
#include "text/String.h"

namespace {

constexpr long pictHeaderSize = 512;

// The picture data after the file's header, or null when the file cannot
// be read or holds no more than the header.
Handle readPicture(const char* path)
{
    String name(path);
    FSSpec spec;
    SInt16 refNum = 0;
    if (FSMakeFSSpec(getAppVolume(), getAppDir(), name.getPascalStr(), &spec) != noErr ||
        FSpOpenDF(&spec, fsCurPerm, &refNum) != noErr)
        return nullptr;
    long size = 0;
    Handle picture = nullptr;
    if (GetEOF(refNum, &size) == noErr && size > pictHeaderSize) {
        long count = size - pictHeaderSize;
        picture = NewHandle(count);
        if (picture && (SetFPos(refNum, fsFromStart, pictHeaderSize) != noErr ||
                        FSRead(refNum, &count, *picture) != noErr || count != size - pictHeaderSize)) {
            DisposeHandle(picture);
            picture = nullptr;
        }
    }
    FSClose(refNum);
    return picture;
}

} // namespace

CPictPane::CPictPane(LStream* stream)
    : LPane(stream)
{
    initialize();
}

CPictPane::~CPictPane()
{
    if (loaded)
        unload();
}

void CPictPane::initialize()
{
    loaded = false;
    bool makeTransparent = getIniInt("MakeBitmapTransparent", "SystemInfo", 0) != 0;
    if (load(":InstallerFiles:logo.pct", makeTransparent))
        messageBox("Can't load logo.pct");
}

void CPictPane::FinishCreateSelf()
{
    LPane::FinishCreateSelf();
}

bool CPictPane::load(const char* path, bool makeTransparent)
{
    if (loaded)
        return true;
    transparent = makeTransparent;
    Handle picture = readPicture(path);
    if (!picture)
        return true;
    PictInfo info;
    GWorldPtr world = nullptr;
    if (GetPictInfo(picture, &info, 0, 0, 0, 0) != noErr ||
        NewGWorld(&world, 0, &info.sourceRect, nullptr, nullptr, 0) != noErr) {
        DisposeHandle(picture);
        return true;
    }
    CGrafPtr savedPort = nullptr;
    GDHandle savedDevice = nullptr;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(world, nullptr);
    DrawPicture(picture, &info.sourceRect);
    DisposeHandle(picture);
    bool drawn = QDError() == noErr;
    GetCPixel(info.sourceRect.left, info.sourceRect.top, &backColor);
    SetGWorld(savedPort, savedDevice);
    if (!drawn) {
        DisposeGWorld(world);
        return true;
    }
    offscreen = world;
    pictFrame = info.sourceRect;
    ResizeFrameTo(SInt16(pictFrame.right - pictFrame.left), SInt16(pictFrame.bottom - pictFrame.top), false);
    loaded = true;
    return false;
}

void CPictPane::unload()
{
    if (!loaded)
        return;
    DisposeGWorld(offscreen);
    offscreen = nullptr;
    loaded = false;
}

void CPictPane::DrawSelf()
{
    if (!loaded)
        return;
    CGrafPtr port = nullptr;
    GetGWorld(&port, nullptr);
    if (!port)
        return;
    PixMapHandle pixels = GetGWorldPixMap(offscreen);
    LockPixels(pixels);
    RGBBackColor(&backColor);
    Rect frame;
    CalcLocalFrameRect(frame);
    CopyBits(GetPortBitMapForCopyBits(offscreen), GetPortBitMapForCopyBits(port), &pictFrame, &frame,
             transparent ? SInt16(::transparent) : SInt16(srcOr), nullptr);
    UnlockPixels(pixels);
}
