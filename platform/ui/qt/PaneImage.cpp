#include "ui/qt/PaneImage.h"

#include "ui/LPane.h"
#include "ui/QuickDraw.h"

namespace qtui {

namespace {

// The pane drawn into a port of its frame that starts out filled with
// `ground`.
GWorld drawOnto(LPane& pane, const Rect& frame, RGBColor ground)
{
    GWorld port;
    port.bounds = frame;
    port.pixels.assign(std::size_t(port.width()) * std::size_t(port.height()), ground);
    CGrafPtr previous = nullptr;
    GDHandle device = nullptr;
    GetGWorld(&previous, &device);
    SetGWorld(&port, nullptr);
    pane.LPane::Draw(); // the pane's own drawing only, not its subpanes'
    SetGWorld(previous, device);
    return port;
}

bool same(const RGBColor& a, const RGBColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

QRgb opaque(const RGBColor& color)
{
    return qRgb(color.red >> 8, color.green >> 8, color.blue >> 8);
}

} // namespace

QImage drawnImage(LPane& pane)
{
    Rect frame;
    pane.CalcLocalFrameRect(frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0)
        return {};
    // Drawn twice, on black and on white: a pixel that comes out the same on
    // both was drawn, one that differs is the ground showing through.
    GWorld onBlack = drawOnto(pane, frame, RGBColor{0, 0, 0});
    GWorld onWhite = drawOnto(pane, frame, RGBColor{0xFFFF, 0xFFFF, 0xFFFF});
    QImage image(width, height, QImage::Format_ARGB32);
    for (int v = 0; v < height; ++v) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(v));
        for (int h = 0; h < width; ++h) {
            std::size_t at = std::size_t(v) * std::size_t(width) + std::size_t(h);
            const RGBColor& black = onBlack.pixels[at];
            row[h] = same(black, onWhite.pixels[at]) ? opaque(black) : qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

} // namespace qtui
