#include "hit_test.h"

#include "geometry.h"
#include "runtime.h"
#include "send.h"

namespace user {
namespace {

bool Hittable(const Window& c, POINT screen)
{
    return c.Visible() && (c.exStyle & WS_EX_TRANSPARENT) == 0 && WindowContainsScreenPoint(c, screen);
}

Hit Search(HWND hwnd, POINT screen, bool ask)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr)
        return Hit{};
    if (RectContains(ClientRectOnScreen(*w), screen)) {
        const std::vector<HWND> children = w->children;
        for (HWND child : children) {
            const Window* c = Peek(child);
            if (c == nullptr || !Hittable(*c, screen))
                continue;
            if (c->Disabled())
                break; // the parent takes the point
            const Hit hit = Search(child, screen, ask);
            if (hit.code != HTTRANSPARENT)
                return hit;
        }
    }
    if (!ask) {
        w = Peek(hwnd);
        if (w == nullptr)
            return Hit{};
        return Hit{hwnd, RectContains(ClientRectOnScreen(*w), screen) ? HTCLIENT : HTBORDER};
    }
    const LRESULT code = Send(hwnd, WM_NCHITTEST, 0,
                              MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    return Hit{hwnd, code};
}

} // namespace

Hit HitTestTree(HWND top, POINT screen)
{
    const Window* w = Peek(top);
    if (w == nullptr || !w->Visible() || !WindowContainsScreenPoint(*w, screen))
        return Hit{};
    if (w->Disabled())
        return Hit{top, HTERROR};
    return Search(top, screen, true);
}

Hit GeometricHit(HWND top, POINT screen)
{
    const Window* w = Peek(top);
    if (w == nullptr || !w->Visible() || !WindowContainsScreenPoint(*w, screen))
        return Hit{};
    return Search(top, screen, false);
}

Hit HitTestScreen(POINT screen)
{
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (HWND h : tops) {
        const Window* w = Peek(h);
        if (w == nullptr || !w->Visible() || w->Minimized() || !WindowContainsScreenPoint(*w, screen))
            continue;
        const Hit hit = HitTestTree(h, screen);
        if (hit.hwnd != nullptr && hit.code != HTTRANSPARENT)
            return hit;
    }
    return Hit{};
}

} // namespace user
