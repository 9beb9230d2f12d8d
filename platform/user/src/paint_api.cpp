// InvalidateRect and friends, RedrawWindow, UpdateWindow, BeginPaint and
// EndPaint.
#include "dc.h"
#include "geometry.h"
#include "paint.h"
#include "runtime.h"
#include "send.h"

#include <cstring>

using namespace user;

namespace {

BOOL RedrawAll(const RECT* rect, HRGN region, UINT flags)
{
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (HWND h : tops)
        RedrawWindow(h, rect, region, flags);
    return TRUE;
}

RECT UpdateBox(const Window& w) { return w.update.Box(); }

} // namespace

extern "C" {

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags)
{
    if (hwnd == nullptr)
        return RedrawAll(rect, region, flags);
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    Rgn given;
    const Rgn* part = nullptr;
    if (region != nullptr) {
        given = Rgn::CopyOf(region);
        part = &given;
    } else if (rect != nullptr) {
        given = Rgn(*rect);
        part = &given;
    }
    if ((flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) != 0)
        Redraw(hwnd, part, flags);
    const bool children = (flags & RDW_ALLCHILDREN) != 0 ||
                          ((flags & RDW_NOCHILDREN) == 0 && (w->style & WS_CLIPCHILDREN) == 0);
    if ((flags & RDW_UPDATENOW) != 0)
        PaintNow(hwnd, children);
    else if ((flags & RDW_ERASENOW) != 0)
        EraseNow(hwnd, children);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    if (region == nullptr)
        return InvalidateRect(hwnd, nullptr, erase);
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region)
{
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd)
{
    if (FindWindowRecord(hwnd) == nullptr)
        return FALSE;
    PaintNow(hwnd, true);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    const RECT box = UpdateBox(*w);
    if (rect != nullptr)
        *rect = box;
    if (erase && w->erasePending)
        EraseNow(hwnd, false);
    return RectEmpty(box) ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return ERROR;
    const int kind = w->update.CopyInto(region);
    if (erase && w->erasePending)
        EraseNow(hwnd, false);
    return kind;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || paint == nullptr)
        return nullptr;
    Rgn update = std::move(w->update);
    w->update = Rgn();
    const bool erase = w->erasePending;
    const bool frame = w->framePending;
    w->erasePending = false;
    w->framePending = false;
    w->internalPaint = false;
    if (frame) {
        Send(hwnd, WM_NCPAINT, 1, 0);
        if ((w = Peek(hwnd)) == nullptr)
            return nullptr;
    }
    const POINT origin = ClientOriginInTop(*w);
    Rgn clip = update.Copy();
    clip.Offset(origin.x, origin.y);
    const HDC dc = CreateWindowDc(hwnd, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0,
                                  &clip, true);
    std::memset(paint, 0, sizeof *paint);
    paint->hdc = dc;
    if (dc == nullptr)
        return nullptr;
    if (const DcRecord* record = RT().dcs.Find(dc); record != nullptr && record->top != nullptr)
        paint->rcPaint = RectOffset(record->bounds, -origin.x, -origin.y);
    else
        paint->rcPaint = update.Box();
    if (erase)
        paint->fErase = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0 ? TRUE : FALSE;
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (paint == nullptr || paint->hdc == nullptr)
        return FALSE;
    ReleaseWindowDc(paint->hdc);
    return TRUE;
}

} // extern "C"
