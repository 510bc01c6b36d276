#include "ui/QuickDraw.h"

#include "core/MacMemory.h"

#include <Magick++.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

CGrafPtr currentPort = nullptr;
OSErr lastError = noErr;

SInt16 bigEndian16(const unsigned char* bytes)
{
    return SInt16((bytes[0] << 8) | bytes[1]);
}

UInt16 toColor16(Magick::Quantum value)
{
    return UInt16(Magick::Color::scaleQuantumToDouble(value) * 65535.0 + 0.5);
}

void initializeDecoder()
{
    static std::once_flag initialized;
    std::call_once(initialized, [] { Magick::InitializeMagick(nullptr); });
}

bool decode(PicHandle picture, Magick::Image& image)
{
    // The decoder reads a PICT file, which starts with a 512-byte header.
    std::string file(512, '\0');
    file.append(*picture, std::size_t(GetHandleSize(picture)));
    try {
        Magick::Blob blob(file.data(), file.size());
        image.magick("PICT");
        image.read(blob);
        return true;
    } catch (const Magick::Exception&) {
        return false;
    }
}

} // namespace

RGBColor* GWorld::at(SInt16 h, SInt16 v)
{
    if (h < 0 || v < 0 || h >= width() || v >= height())
        return nullptr;
    return &pixels[std::size_t(v) * std::size_t(width()) + std::size_t(h)];
}

OSErr GetPictInfo(PicHandle picture, PictInfo* info, SInt16, SInt16, SInt16, SInt16)
{
    if (!picture || !*picture || GetHandleSize(picture) < 10)
        return paramErr;
    auto* bytes = reinterpret_cast<const unsigned char*>(*picture);
    std::memset(info, 0, sizeof *info);
    info->sourceRect = {bigEndian16(bytes + 2), bigEndian16(bytes + 4), bigEndian16(bytes + 6), bigEndian16(bytes + 8)};
    info->version = 2;
    return noErr;
}

QDErr NewGWorld(GWorldPtr* world, SInt16, const Rect* bounds, void*, GDHandle, UInt32)
{
    *world = nullptr;
    if (!bounds || bounds->right < bounds->left || bounds->bottom < bounds->top)
        return paramErr;
    auto* made = new GWorld;
    made->bounds = *bounds;
    made->pixels.assign(std::size_t(made->width()) * std::size_t(made->height()), RGBColor{0xFFFF, 0xFFFF, 0xFFFF});
    *world = made;
    return noErr;
}

void DisposeGWorld(GWorldPtr world)
{
    if (currentPort == world)
        currentPort = nullptr;
    delete world;
}

void GetGWorld(CGrafPtr* port, GDHandle* device)
{
    *port = currentPort;
    if (device)
        *device = nullptr;
}

void SetGWorld(CGrafPtr port, GDHandle)
{
    currentPort = port;
}

void DrawPicture(PicHandle picture, const Rect* frame)
{
    initializeDecoder();
    Magick::Image image;
    lastError = noErr;
    if (!currentPort || !picture || !decode(picture, image)) {
        lastError = paramErr;
        return;
    }
    SInt16 width = SInt16(std::min<std::size_t>(image.columns(), std::size_t(frame->right - frame->left)));
    SInt16 height = SInt16(std::min<std::size_t>(image.rows(), std::size_t(frame->bottom - frame->top)));
    const Magick::PixelPacket* source = image.getConstPixels(0, 0, image.columns(), image.rows());
    for (SInt16 v = 0; v < height; ++v) {
        for (SInt16 h = 0; h < width; ++h) {
            const Magick::PixelPacket& pixel = source[std::size_t(v) * image.columns() + std::size_t(h)];
            RGBColor* target = currentPort->at(SInt16(frame->left - currentPort->bounds.left + h),
                                               SInt16(frame->top - currentPort->bounds.top + v));
            if (target)
                *target = {toColor16(pixel.red), toColor16(pixel.green), toColor16(pixel.blue)};
        }
    }
}

OSErr QDError()
{
    return lastError;
}

void GetCPixel(SInt16 h, SInt16 v, RGBColor* color)
{
    RGBColor* pixel = currentPort
        ? currentPort->at(SInt16(h - currentPort->bounds.left), SInt16(v - currentPort->bounds.top)) : nullptr;
    *color = pixel ? *pixel : RGBColor{0, 0, 0};
}

void RGBBackColor(const RGBColor* color)
{
    if (currentPort)
        currentPort->backColor = *color;
}

PixMapHandle GetGWorldPixMap(GWorldPtr world)
{
    return world;
}

bool LockPixels(PixMapHandle pixels)
{
    return pixels != nullptr;
}

void UnlockPixels(PixMapHandle)
{
}

const BitMap* GetPortBitMapForCopyBits(CGrafPtr port)
{
    return port;
}

void CopyBits(const BitMap* source, const BitMap* destination, const Rect* sourceRect, const Rect* destRect,
              SInt16 mode, RgnHandle)
{
    if (!source || !destination)
        return;
    auto* from = const_cast<BitMap*>(source);
    auto* to = const_cast<BitMap*>(destination);
    SInt16 width = SInt16(std::min(sourceRect->right - sourceRect->left, destRect->right - destRect->left));
    SInt16 height = SInt16(std::min(sourceRect->bottom - sourceRect->top, destRect->bottom - destRect->top));
    for (SInt16 v = 0; v < height; ++v) {
        for (SInt16 h = 0; h < width; ++h) {
            RGBColor* pixel = from->at(SInt16(sourceRect->left - from->bounds.left + h),
                                       SInt16(sourceRect->top - from->bounds.top + v));
            RGBColor* target = to->at(SInt16(destRect->left - to->bounds.left + h),
                                      SInt16(destRect->top - to->bounds.top + v));
            if (!pixel || !target)
                continue;
            const RGBColor& back = to->backColor;
            bool isBackground = pixel->red == back.red && pixel->green == back.green && pixel->blue == back.blue;
            if (mode != transparent || !isBackground)
                *target = *pixel;
        }
    }
}
