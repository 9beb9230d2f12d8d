// SetWindowRgn and GetWindowRgn.
#include "geometry.h"
#include "paint.h"
#include "runtime.h"
#include "visible_region.h"

using namespace user;

extern "C" {

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return 0;
    if (region != nullptr && GetObjectType(region) != OBJ_REGION) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool visible = VisibleChain(*w);
    Rgn oldArea = visible && w->parent != nullptr ? WindowArea(*w) : Rgn();
    // The window works from its own copy, so what the caller does with the
    // handle later cannot change the window's shape behind its back.
    if (region != nullptr)
        w->shape = Rgn::CopyOf(region);
    else
        w->shape.reset();
    if (w->givenRegion != nullptr && w->givenRegion != region)
        DeleteObject(w->givenRegion);
    w->givenRegion = region;
    if (w->top)
        Backend().SetShape(w->top->native, w->shape.has_value(), w->shape ? w->shape->Rects() : std::vector<RECT>{});
    if (redraw && visible) {
        if (w->parent != nullptr && !oldArea.Empty())
            InvalidateStoreArea(RootOf(hwnd), oldArea);
        Redraw(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || region == nullptr || !w->shape)
        return ERROR;
    return w->shape->CopyInto(region);
}

} // extern "C"
