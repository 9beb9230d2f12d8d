#include "geometry.h"

#include "runtime.h"

namespace user {

HWND RootOf(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    while (w != nullptr && w->parent != nullptr) {
        hwnd = w->parent;
        w = Peek(hwnd);
    }
    return w != nullptr ? hwnd : nullptr;
}

POINT ClientOriginOnScreen(const Window& w)
{
    POINT p{w.client.left, w.client.top};
    if (const Window* parent = Peek(w.parent)) {
        const POINT base = ClientOriginOnScreen(*parent);
        p.x += base.x;
        p.y += base.y;
    }
    return p;
}

POINT WindowOriginOnScreen(const Window& w)
{
    POINT p{w.window.left, w.window.top};
    if (const Window* parent = Peek(w.parent)) {
        const POINT base = ClientOriginOnScreen(*parent);
        p.x += base.x;
        p.y += base.y;
    }
    return p;
}

RECT WindowRectOnScreen(const Window& w)
{
    const POINT o = WindowOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + w.Width(), o.y + w.Height()};
}

RECT ClientRectOnScreen(const Window& w)
{
    const POINT o = ClientOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + (w.client.right - w.client.left), o.y + (w.client.bottom - w.client.top)};
}

POINT WindowOriginInTop(const Window& w)
{
    const Window* top = Peek(RootOf(w.hwnd));
    const POINT o = WindowOriginOnScreen(w);
    if (top == nullptr)
        return o;
    return POINT{o.x - top->window.left, o.y - top->window.top};
}

POINT ClientOriginInTop(const Window& w)
{
    const Window* top = Peek(RootOf(w.hwnd));
    const POINT o = ClientOriginOnScreen(w);
    if (top == nullptr)
        return o;
    return POINT{o.x - top->window.left, o.y - top->window.top};
}

bool VisibleChain(const Window& w)
{
    const Window* p = &w;
    while (p != nullptr) {
        if (!p->Visible())
            return false;
        p = Peek(p->parent);
    }
    return true;
}

bool WindowContainsScreenPoint(const Window& w, POINT screen)
{
    const RECT r = WindowRectOnScreen(w);
    if (!RectContains(r, screen))
        return false;
    if (w.shape)
        return w.shape->Contains(POINT{screen.x - r.left, screen.y - r.top});
    return true;
}

} // namespace user
