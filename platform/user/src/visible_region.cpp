#include "visible_region.h"

#include "geometry.h"
#include "runtime.h"

#include <algorithm>

namespace user {

Rgn WindowArea(const Window& w)
{
    const POINT o = WindowOriginInTop(w);
    Rgn area(RECT{o.x, o.y, o.x + w.Width(), o.y + w.Height()});
    if (w.shape) {
        Rgn shape = w.shape->Copy();
        shape.Offset(o.x, o.y);
        area.Intersect(shape);
    }
    return area;
}

namespace {

void SubtractSiblingsAbove(Rgn& region, const Window& w)
{
    const Window* parent = Peek(w.parent);
    if (parent == nullptr)
        return;
    for (HWND sibling : parent->children) {
        if (sibling == w.hwnd)
            break;
        const Window* s = Peek(sibling);
        if (s != nullptr && s->Visible())
            region.Subtract(WindowArea(*s));
    }
}

// A minimised window shows its icon, not its children.
bool UnderMinimised(const Window& w)
{
    for (const Window* p = Peek(w.parent); p != nullptr; p = Peek(p->parent))
        if (p->Minimized())
            return true;
    return false;
}

} // namespace

Rgn VisibleRegion(const Window& w, bool clientArea, bool clipChildren, bool clipSiblings)
{
    if (!VisibleChain(w) || UnderMinimised(w))
        return Rgn();
    Rgn region;
    if (clientArea) {
        const POINT o = ClientOriginInTop(w);
        region = Rgn(RECT{o.x, o.y, o.x + (w.client.right - w.client.left), o.y + (w.client.bottom - w.client.top)});
        region.Intersect(WindowArea(w));
    } else {
        region = WindowArea(w);
    }
    if (clipSiblings || (w.style & WS_CLIPSIBLINGS) != 0)
        SubtractSiblingsAbove(region, w);
    const Window* cur = &w;
    while (const Window* parent = Peek(cur->parent)) {
        const POINT o = ClientOriginInTop(*parent);
        region.Intersect(RECT{o.x, o.y, o.x + (parent->client.right - parent->client.left),
                              o.y + (parent->client.bottom - parent->client.top)});
        region.Intersect(WindowArea(*parent));
        if ((parent->style & WS_CLIPSIBLINGS) != 0)
            SubtractSiblingsAbove(region, *parent);
        cur = parent;
    }
    if (clipChildren && !w.Minimized()) {
        for (HWND child : w.children) {
            const Window* c = Peek(child);
            if (c != nullptr && c->Visible())
                region.Subtract(WindowArea(*c));
        }
    }
    return region;
}

} // namespace user
