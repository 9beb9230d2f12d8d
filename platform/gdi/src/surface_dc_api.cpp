// DCs over caller-owned window memory (platform/gdi_surface.h).
#include "platform/gdi_surface.h"

#include "handle_table.h"

using namespace gdi;

extern "C" {

HDC GdiCreateSurfaceDC(void* pixels, int width, int height, int pitch, HRGN clip, int originX, int originY)
{
    return gdiCall<HDC>(nullptr, [&](HandleTable& table) -> HDC {
        if (pixels == nullptr || width <= 0 || height <= 0 || pitch < 0 ||
            static_cast<long long>(pitch) < static_cast<long long>(width) * 4)
            return nullptr;
        DcObject dc;
        if (clip != nullptr) {
            const RegionObject* region = table.get<RegionObject>(clip);
            if (region == nullptr)
                return nullptr;
            dc.systemClip = region->region;
        }
        dc.external = Surface::wrap(static_cast<std::uint8_t*>(pixels), {width, height, pitch, true},
                                    PixelFormat::standard(32));
        dc.palette = table.stockPalette();
        dc.brush = static_cast<HBRUSH>(table.stock(WHITE_BRUSH));
        dc.pen = static_cast<HPEN>(table.stock(BLACK_PEN));
        dc.origin = POINT{originX, originY};
        return asHandle<HDC>(table.add(std::move(dc)));
    });
}

} // extern "C"
