#include "dib_bridge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace artgen {
namespace {

int ToByte(float channel) { return static_cast<int>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f)); }

COLORREF ToColorref(unsigned rgb) { return RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb)); }

} // namespace

unsigned Flatten(const Rgba& colour, const Rgba& under)
{
    const float a = std::clamp(colour.a, 0.0f, 1.0f);
    const int r = ToByte(colour.r * a + under.r * (1 - a));
    const int g = ToByte(colour.g * a + under.g * (1 - a));
    const int b = ToByte(colour.b * a + under.b * (1 - a));
    return static_cast<unsigned>((r << 16) | (g << 8) | b);
}

bool CreateDib24(CDIB& dib, int width, int height)
{
    // CDIB takes the header block and frees it with std::free.
    auto* info = static_cast<BITMAPINFO*>(std::malloc(sizeof(BITMAPINFO)));
    if (info == nullptr)
        return false;
    std::memset(info, 0, sizeof(BITMAPINFO));
    BITMAPINFOHEADER& h = info->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height; // positive: bottom row first
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    return dib.Create(info) != 0;
}

bool CanvasToDib(const Canvas& canvas, CDIB& dib, Rgba under)
{
    if (!CreateDib24(dib, canvas.Width(), canvas.Height()))
        return false;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            dib.SetPixelColor(x, y, ToColorref(Flatten(canvas.At(x, y), under)));
    return true;
}

bool CanvasToKeyedDib(const Canvas& canvas, CDIB& dib, unsigned keyRgb, Rgba edge)
{
    if (!CreateDib24(dib, canvas.Width(), canvas.Height()))
        return false;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba& c = canvas.At(x, y);
            unsigned rgb = c.a < 0.5f ? keyRgb : Flatten(c, edge);
            // A drawn pixel may never read as the key by accident.
            if (c.a >= 0.5f && rgb == keyRgb)
                rgb ^= 0x010101;
            dib.SetPixelColor(x, y, ToColorref(rgb));
        }
    }
    return true;
}

Canvas DibToCanvas(const CDIB& dib)
{
    Canvas canvas(dib.GetWidth(), dib.GetHeight());
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const auto c = static_cast<COLORREF>(dib.GetPixelColor(x, y));
            canvas.Set(x, y,
                       {static_cast<float>(GetRValue(c)) / 255.0f, static_cast<float>(GetGValue(c)) / 255.0f,
                        static_cast<float>(GetBValue(c)) / 255.0f, 1.0f});
        }
    }
    return canvas;
}

} // namespace artgen
