// Rectangle helpers.
#include "platform/user.h"
#include "rgn.h"

using namespace user;

extern "C" {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom)
{
    if (rect == nullptr)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(RECT* dst, const RECT* src)
{
    if (dst == nullptr || src == nullptr)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy)
{
    if (rect == nullptr)
        return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy)
{
    if (rect == nullptr)
        return FALSE;
    *rect = RectOffset(*rect, dx, dy);
    return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr)
        return FALSE;
    *dst = RectIntersection(*a, *b);
    return RectEmpty(*dst) ? FALSE : TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr)
        return FALSE;
    *dst = RectUnion(*a, *b);
    if (RectEmpty(*dst)) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
    return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top && a->right == b->right &&
                   a->bottom == b->bottom
               ? TRUE
               : FALSE;
}

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || RectEmpty(*rect) ? TRUE : FALSE; }

BOOL PtInRect(const RECT* rect, POINT point) { return rect != nullptr && RectContains(*rect, point) ? TRUE : FALSE; }

} // extern "C"
