// Update regions: invalidation and validation, the order windows are
// painted in, painting now, presenting.
#include "paint.h"

#include "dc.h"
#include "geometry.h"
#include "runtime.h"
#include "send.h"

#include <algorithm>

namespace user {
namespace {

RECT LocalClient(const Window& w)
{
    return RECT{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
}

bool ChildrenTakePart(const Window& w, UINT flags)
{
    if ((flags & RDW_ALLCHILDREN) != 0)
        return true;
    return (flags & RDW_NOCHILDREN) == 0 && (w.style & WS_CLIPCHILDREN) == 0;
}

HWND FindIn(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || !w->Visible())
        return nullptr;
    if (NeedsPaint(*w))
        return hwnd;
    // Lower siblings first, so that higher ones paint over them.
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if (HWND found = FindIn(*it))
            return found;
    return nullptr;
}

} // namespace

bool NeedsPaint(const Window& w) { return !w.update.Empty() || w.internalPaint || w.framePending; }

void ForgetPaint(Window& w)
{
    w.update.Clear();
    w.internalPaint = false;
    w.framePending = false;
    w.erasePending = false;
}

void Redraw(HWND hwnd, const Rgn* region, UINT flags)
{
    Window* w = Peek(hwnd);
    if (w == nullptr || !VisibleChain(*w))
        return;
    const RECT local = LocalClient(*w);
    Rgn part = region != nullptr ? region->Copy() : Rgn(local);
    part.Intersect(local);

    if ((flags & RDW_INVALIDATE) != 0) {
        if (!part.Empty()) {
            w->update.Unite(part);
            if ((flags & RDW_ERASE) != 0)
                w->erasePending = true;
        }
        if ((flags & RDW_FRAME) != 0 && (w->client.left != w->window.left || w->client.top != w->window.top ||
                                         w->client.right != w->window.right || w->client.bottom != w->window.bottom))
            w->framePending = true;
    }
    if ((flags & RDW_VALIDATE) != 0) {
        if (region == nullptr)
            w->update.Clear();
        else
            w->update.Subtract(part);
        if ((flags & RDW_NOERASE) != 0 || w->update.Empty())
            w->erasePending = false;
        if ((flags & RDW_NOFRAME) != 0)
            w->framePending = false;
    }
    if ((flags & RDW_INTERNALPAINT) != 0)
        w->internalPaint = true;
    if ((flags & RDW_NOINTERNALPAINT) != 0)
        w->internalPaint = false;

    if (!ChildrenTakePart(*w, flags))
        return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children) {
        const Window* c = Peek(child);
        if (c == nullptr || !c->Visible())
            continue;
        if (region == nullptr) {
            Redraw(child, nullptr, flags);
            continue;
        }
        // The part over the child, in the child's client coordinates.
        Rgn over = region->Copy();
        over.Intersect(c->window);
        if (over.Empty())
            continue;
        over.Offset(-c->client.left, -c->client.top);
        Redraw(child, &over, flags & ~RDW_FRAME);
        if ((flags & RDW_INVALIDATE) != 0 && (flags & RDW_FRAME) != 0) {
            Window* again = Peek(child);
            if (again != nullptr)
                again->framePending = true;
        }
    }
}

void InvalidateStoreArea(HWND top, const Rgn& area)
{
    const Window* w = Peek(top);
    if (w == nullptr || area.Empty())
        return;
    Rgn local = area.Copy();
    const POINT o = ClientOriginInTop(*w);
    local.Offset(-o.x, -o.y);
    Redraw(top, &local, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

HWND FindWindowToPaint(HWND filter)
{
    if (filter != nullptr) {
        const Window* f = Peek(filter);
        if (f == nullptr || !VisibleChain(*f))
            return nullptr;
        return FindIn(filter);
    }
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (HWND found = FindIn(*it))
            return found;
    return nullptr;
}

void PaintNow(HWND hwnd, bool children)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || !VisibleChain(*w))
        return;
    if (NeedsPaint(*w)) {
        Send(hwnd, WM_PAINT, 0, 0);
        if (Window* again = Peek(hwnd); again != nullptr && NeedsPaint(*again))
            ForgetPaint(*again);
    }
    if (!children)
        return;
    w = Peek(hwnd);
    if (w == nullptr)
        return;
    const std::vector<HWND> kids = w->children;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it)
        PaintNow(*it, true);
}

void EraseNow(HWND hwnd, bool children)
{
    Window* w = Peek(hwnd);
    if (w == nullptr || !VisibleChain(*w))
        return;
    if (w->erasePending && !w->update.Empty()) {
        Rgn clip = w->update.Copy();
        const POINT o = ClientOriginInTop(*w);
        clip.Offset(o.x, o.y);
        w->erasePending = false;
        const HDC dc = CreateWindowDc(hwnd, true, (w->style & WS_CLIPCHILDREN) != 0,
                                      (w->style & WS_CLIPSIBLINGS) != 0, &clip, false);
        if (dc != nullptr) {
            Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            ReleaseWindowDc(dc);
        }
    }
    if (!children)
        return;
    w = Peek(hwnd);
    if (w == nullptr)
        return;
    const std::vector<HWND> kids = w->children;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it)
        EraseNow(*it, true);
}

void PresentArea(HWND top, const RECT& area)
{
    const Window* w = Peek(top);
    if (w == nullptr || !w->top || w->top->store.Empty())
        return;
    const auto& buffer = w->top->store.Buffer();
    const RECT bounded = RectIntersection(area, RECT{0, 0, buffer->width, buffer->height});
    if (RectEmpty(bounded))
        return;
    Backend().Present(w->top->native, buffer->View(), bounded);
}

} // namespace user
