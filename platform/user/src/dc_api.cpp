// GetDC, GetDCEx, GetWindowDC, ReleaseDC, WindowFromDC.
#include "dc.h"
#include "geometry.h"
#include "runtime.h"
#include "window_table.h"

using namespace user;

extern "C" {

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    if (hwnd == nullptr || hwnd == WindowTable::Desktop()) {
        // The screen: nothing of ours is drawn there; callers only read
        // formats from it or use it to make compatible objects.
        const HDC dc = CreateCompatibleDC(nullptr);
        if (dc != nullptr)
            RT().dcs.Add(dc, DcRecord{});
        return dc;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    const bool clientArea = (flags & DCX_WINDOW) == 0;
    const bool clipChildren = (flags & DCX_CLIPCHILDREN) != 0 || (w->style & WS_CLIPCHILDREN) != 0;
    const bool clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
    Rgn extra;
    const Rgn* extraClip = nullptr;
    if (clip != nullptr && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) != 0) {
        // The region is in the DC's own coordinates.
        const POINT o = clientArea ? ClientOriginInTop(*w) : WindowOriginInTop(*w);
        Rgn given = Rgn::CopyOf(clip);
        given.Offset(o.x, o.y);
        if ((flags & DCX_INTERSECTRGN) != 0) {
            extra = std::move(given);
        } else {
            const POINT wo = WindowOriginInTop(*w);
            extra = Rgn(RECT{wo.x, wo.y, wo.x + w->Width(), wo.y + w->Height()});
            extra.Subtract(given);
        }
        extraClip = &extra;
    }
    return CreateWindowDc(hwnd, clientArea, clipChildren, clipSiblings, extraClip, false);
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, 0); }

HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW); }

int ReleaseDC(HWND, HDC dc) { return ReleaseWindowDc(dc) ? 1 : 0; }

HWND WindowFromDC(HDC dc)
{
    const DcRecord* record = RT().dcs.Find(dc);
    return record != nullptr ? record->hwnd : nullptr;
}

} // extern "C"
