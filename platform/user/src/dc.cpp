// Making and releasing window DCs.
#include "dc.h"

#include "geometry.h"
#include "paint.h"
#include "platform/gdi_surface.h"
#include "runtime.h"
#include "visible_region.h"

namespace user {

HDC CreateWindowDc(HWND hwnd, bool clientArea, bool clipChildren, bool clipSiblings, const Rgn* clip, bool paint)
{
    Runtime& rt = RT();
    const Window* w = Peek(hwnd);
    if (w == nullptr)
        return nullptr;
    const HWND topHwnd = RootOf(hwnd);
    const Window* top = Peek(topHwnd);
    DcRecord record;
    record.hwnd = hwnd;
    record.paint = paint;
    if (top == nullptr || !top->top || top->top->store.Empty()) {
        // Nothing to draw into: a memory DC keeps callers working.
        const HDC dc = CreateCompatibleDC(nullptr);
        if (dc != nullptr)
            rt.dcs.Add(dc, record);
        return dc;
    }
    Rgn region = VisibleRegion(*w, clientArea, clipChildren, clipSiblings);
    if (clip != nullptr)
        region.Intersect(*clip);
    const auto& buffer = top->top->store.Buffer();
    region.Intersect(RECT{0, 0, buffer->width, buffer->height});
    // An empty clip must still be a region: no region would mean "all".
    HRGN handle = region.Handle();
    HRGN empty = nullptr;
    if (handle == nullptr)
        handle = empty = CreateRectRgn(0, 0, 0, 0);
    const POINT origin = clientArea ? ClientOriginInTop(*w) : WindowOriginInTop(*w);
    const HDC dc = GdiCreateSurfaceDC(buffer->pixels.data(), buffer->width, buffer->height, buffer->Pitch(), handle,
                                      origin.x, origin.y);
    if (empty != nullptr)
        DeleteObject(empty);
    if (dc == nullptr)
        return nullptr;
    record.top = topHwnd;
    record.buffer = buffer;
    record.bounds = region.Box();
    rt.dcs.Add(dc, std::move(record));
    return dc;
}

bool ReleaseWindowDc(HDC dc)
{
    std::optional<DcRecord> record = RT().dcs.Take(dc);
    if (!record)
        return false;
    DeleteDC(dc);
    if (record->top == nullptr || RectEmpty(record->bounds))
        return true;
    // Present only while the store is still the one drawn into.
    const Window* top = Peek(record->top);
    if (top != nullptr && top->top && top->top->store.Buffer() == record->buffer)
        PresentArea(record->top, record->bounds);
    return true;
}

} // namespace user
