#include "nonclient.h"

#include "fill.h"
#include "geometry.h"
#include "runtime.h"

namespace user {

int BorderWidth(DWORD style, DWORD exStyle, bool child)
{
    if (!child)
        return 0;
    int width = 0;
    if ((style & WS_BORDER) != 0 || (style & WS_DLGFRAME) != 0)
        width += 1;
    if ((exStyle & WS_EX_CLIENTEDGE) != 0)
        width += 2;
    if ((exStyle & WS_EX_STATICEDGE) != 0)
        width += 1;
    return width;
}

LRESULT NcCalcSize(HWND hwnd, RECT* rect)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || rect == nullptr)
        return 0;
    const int b = BorderWidth(w->style, w->exStyle, w->parent != nullptr);
    rect->left += b;
    rect->top += b;
    rect->right -= b;
    rect->bottom -= b;
    if (rect->right < rect->left)
        rect->right = rect->left;
    if (rect->bottom < rect->top)
        rect->bottom = rect->top;
    return 0;
}

LRESULT NcHitTest(HWND hwnd, POINT screen)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || !WindowContainsScreenPoint(*w, screen))
        return HTNOWHERE;
    return RectContains(ClientRectOnScreen(*w), screen) ? HTCLIENT : HTBORDER;
}

namespace {

// One-pixel frame lines: top and left in one colour, bottom and right in another.
void Frame(HDC dc, RECT r, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

RECT Shrink(RECT r) { return RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

} // namespace

void NcPaint(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || BorderWidth(w->style, w->exStyle, w->parent != nullptr) == 0)
        return;
    const DWORD style = w->style;
    const DWORD exStyle = w->exStyle;
    RECT r{0, 0, w->Width(), w->Height()};
    const HDC dc = GetWindowDC(hwnd);
    if (dc == nullptr)
        return;
    if ((style & (WS_BORDER | WS_DLGFRAME)) != 0) {
        const COLORREF c = GetSysColor(COLOR_WINDOWFRAME);
        Frame(dc, r, c, c);
        r = Shrink(r);
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        Frame(dc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        r = Shrink(r);
        Frame(dc, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
        r = Shrink(r);
    }
    if ((exStyle & WS_EX_STATICEDGE) != 0) {
        Frame(dc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        r = Shrink(r);
    }
    ReleaseDC(hwnd, dc);
}

} // namespace user
