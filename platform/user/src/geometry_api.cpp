// Rectangles and coordinates of windows; finding windows by point.
#include "geometry.h"
#include "hit_test.h"
#include "nonclient.h"
#include "runtime.h"

using namespace user;

namespace {

// Screen position of a window's client origin; the desktop's is (0, 0).
bool ClientOrigin(HWND hwnd, POINT& origin)
{
    if (hwnd == nullptr || hwnd == WindowTable::Desktop()) {
        origin = POINT{0, 0};
        return true;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return false;
    origin = ClientOriginOnScreen(*w);
    return true;
}

} // namespace

extern "C" {

BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    if (rect == nullptr)
        return FALSE;
    if (hwnd == WindowTable::Desktop()) {
        *rect = Backend().ScreenRect();
        return TRUE;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    *rect = WindowRectOnScreen(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    if (rect == nullptr)
        return FALSE;
    if (hwnd == WindowTable::Desktop()) {
        const RECT s = Backend().ScreenRect();
        *rect = RECT{0, 0, s.right - s.left, s.bottom - s.top};
        return TRUE;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point)
{
    POINT o;
    if (point == nullptr || !ClientOrigin(hwnd, o))
        return FALSE;
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point)
{
    POINT o;
    if (point == nullptr || !ClientOrigin(hwnd, o))
        return FALSE;
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    POINT a;
    POINT b;
    if (!ClientOrigin(from, a) || !ClientOrigin(to, b)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const int dx = a.x - b.x;
    const int dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(0);
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle)
{
    if (rect == nullptr)
        return FALSE;
    const int b = BorderWidth(style, exStyle, (style & WS_CHILD) != 0);
    rect->left -= b;
    rect->top -= b;
    rect->right += b;
    rect->bottom += b;
    return TRUE;
}

HWND WindowFromPoint(POINT point)
{
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (HWND h : tops) {
        const Window* w = Peek(h);
        if (w == nullptr || !w->Visible() || w->Minimized() || w->Disabled() || !WindowContainsScreenPoint(*w, point))
            continue;
        const Hit hit = HitTestTree(h, point);
        if (hit.hwnd != nullptr && hit.code != HTTRANSPARENT)
            return hit.hwnd;
    }
    return nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags)
{
    const Window* w = FindWindowRecord(parent);
    if (w == nullptr)
        return nullptr;
    // `point` is in the parent's client coordinates.
    const POINT o = ClientOriginOnScreen(*w);
    const POINT screen{point.x + o.x, point.y + o.y};
    if (!WindowContainsScreenPoint(*w, screen))
        return nullptr;
    for (HWND child : w->children) {
        const Window* c = Peek(child);
        if (c == nullptr || !WindowContainsScreenPoint(*c, screen))
            continue;
        if ((flags & CWP_SKIPINVISIBLE) != 0 && !c->Visible())
            continue;
        if ((flags & CWP_SKIPDISABLED) != 0 && c->Disabled())
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) != 0 && (c->exStyle & WS_EX_TRANSPARENT) != 0)
            continue;
        return child;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }

} // extern "C"
