// SetWindowPos: geometry, stacking, showing and hiding, and what must be
// painted again afterwards.
#include "position.h"

#include "activation.h"
#include "geometry.h"
#include "paint.h"
#include "runtime.h"
#include "send.h"
#include "visible_region.h"

#include <algorithm>

namespace user {
namespace {

bool IsTopmost(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && (w->exStyle & WS_EX_TOPMOST) != 0;
}

// Inserts `hwnd` into `order` (frontmost first) at the front of its group.
void InsertAtGroupFront(std::vector<HWND>& order, HWND hwnd)
{
    std::erase(order, hwnd);
    auto at = order.begin();
    if (!IsTopmost(hwnd))
        at = std::find_if(order.begin(), order.end(), [](HWND h) { return !IsTopmost(h); });
    order.insert(at, hwnd);
}

// Applies a z-order request among the window's siblings; true if it moved.
bool Restack(Window& w, HWND insertAfter, bool tellBackend)
{
    Runtime& rt = RT();
    const bool topLevel = w.parent == nullptr;
    if (!topLevel) {
        Window* parent = Peek(w.parent);
        if (parent == nullptr)
            return false;
        std::vector<HWND>& order = parent->children;
        const std::vector<HWND> before = order;
        std::erase(order, w.hwnd);
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            order.insert(order.begin(), w.hwnd);
        } else if (insertAfter == HWND_BOTTOM) {
            order.push_back(w.hwnd);
        } else {
            auto at = std::find(order.begin(), order.end(), insertAfter);
            order.insert(at == order.end() ? order.begin() : at + 1, w.hwnd);
        }
        return order != before;
    }
    if (w.messageOnly)
        return false;
    std::vector<HWND>& order = rt.windows.TopLevels();
    const std::vector<HWND> before = order;
    const platform::NativeWindowId native = w.top ? w.top->native : 0;
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        const bool topmost = insertAfter == HWND_TOPMOST;
        if (((w.exStyle & WS_EX_TOPMOST) != 0) != topmost) {
            w.exStyle = topmost ? (w.exStyle | WS_EX_TOPMOST) : (w.exStyle & ~WS_EX_TOPMOST);
            if (tellBackend && native != 0)
                Backend().SetTopmost(native, topmost);
        }
        RaiseTopLevel(w.hwnd, tellBackend);
    } else if (insertAfter == HWND_TOP) {
        RaiseTopLevel(w.hwnd, tellBackend);
    } else if (insertAfter == HWND_BOTTOM) {
        std::erase(order, w.hwnd);
        order.push_back(w.hwnd);
        if (tellBackend && native != 0)
            Backend().Lower(native);
    } else {
        std::erase(order, w.hwnd);
        auto at = std::find(order.begin(), order.end(), insertAfter);
        order.insert(at == order.end() ? order.begin() : at + 1, w.hwnd);
    }
    return order != before;
}

} // namespace

void RaiseTopLevel(HWND hwnd, bool tellBackend)
{
    Runtime& rt = RT();
    Window* w = Peek(hwnd);
    if (w == nullptr || w->parent != nullptr || w->messageOnly)
        return;
    InsertAtGroupFront(rt.windows.TopLevels(), hwnd);
    if (tellBackend && w->top)
        Backend().Raise(w->top->native);
    // Owned windows stay above their owner.
    const std::vector<HWND> order = rt.windows.TopLevels();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Window* owned = Peek(*it);
        if (owned != nullptr && owned->owner == hwnd && owned->Visible())
            RaiseTopLevel(*it, tellBackend);
    }
}

void CalcClientRect(HWND hwnd)
{
    Window* w = Peek(hwnd);
    if (w == nullptr)
        return;
    RECT rect = w->window;
    Send(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
    w = Peek(hwnd);
    if (w == nullptr)
        return;
    // The client area always lies inside the window.
    rect.left = std::clamp(rect.left, w->window.left, w->window.right);
    rect.right = std::clamp(rect.right, rect.left, w->window.right);
    rect.top = std::clamp(rect.top, w->window.top, w->window.bottom);
    rect.bottom = std::clamp(rect.bottom, rect.top, w->window.bottom);
    w->client = rect;
}

bool SetPosition(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags, bool fromBackend)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return false;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if ((flags & SWP_NOMOVE) != 0) {
        pos.x = w->window.left;
        pos.y = w->window.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        pos.cx = w->Width();
        pos.cy = w->Height();
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        Send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        w = Peek(hwnd);
        if (w == nullptr)
            return false;
    }
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);
    const HWND top = RootOf(hwnd);
    const bool topLevel = w->parent == nullptr;
    const bool wasVisible = VisibleChain(*w);
    Rgn oldArea = wasVisible && !topLevel ? WindowArea(*w) : Rgn();

    const bool moved = pos.x != w->window.left || pos.y != w->window.top;
    const bool sized = pos.cx != w->Width() || pos.cy != w->Height();
    if (moved || sized) {
        const int dx = pos.x - w->window.left;
        const int dy = pos.y - w->window.top;
        w->window = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
        w->client = RectOffset(w->client, dx, dy);
    }
    if (sized || (flags & SWP_FRAMECHANGED) != 0) {
        CalcClientRect(hwnd);
        w = Peek(hwnd);
        if (w == nullptr)
            return false;
    }
    bool restacked = false;
    if ((pos.flags & SWP_NOZORDER) == 0)
        restacked = Restack(*w, pos.hwndInsertAfter, !fromBackend);

    bool shown = false;
    bool hidden = false;
    if ((pos.flags & SWP_SHOWWINDOW) != 0 && !w->Visible()) {
        w->style |= WS_VISIBLE;
        shown = true;
    } else if ((pos.flags & SWP_HIDEWINDOW) != 0 && w->Visible()) {
        w->style &= ~WS_VISIBLE;
        hidden = true;
    }

    if (w->top) {
        if (sized)
            w->top->store.Resize(w->Width(), w->Height());
        if (!fromBackend) {
            platform::Backend& backend = Backend();
            if (moved || sized)
                backend.SetGeometry(w->top->native, w->window);
            if (shown)
                backend.SetShowState(w->top->native,
                                     w->Minimized() ? platform::ShowState::Minimized : platform::ShowState::Normal);
            if (hidden)
                backend.SetShowState(w->top->native, platform::ShowState::Hidden);
        }
    }

    if ((pos.flags & SWP_NOREDRAW) == 0) {
        if (topLevel) {
            if ((sized || shown || (pos.flags & SWP_FRAMECHANGED) != 0) && w->Visible())
                Redraw(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        } else if (moved || sized || restacked || shown || hidden || (pos.flags & SWP_FRAMECHANGED) != 0) {
            if (!oldArea.Empty())
                InvalidateStoreArea(top, oldArea);
            if (VisibleChain(*w))
                Redraw(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }

    if (hidden) {
        DropCaptureWithin(hwnd, true);
        DropFocusWithin(hwnd, true);
        if (RT().active == hwnd)
            ActivateNext(hwnd);
    }
    w = Peek(hwnd);
    if (w == nullptr)
        return true;
    if (topLevel && !w->messageOnly && (pos.flags & SWP_NOACTIVATE) == 0 && w->Visible() && !w->Disabled() &&
        (w->exStyle & WS_EX_NOACTIVATE) == 0 && !fromBackend)
        Activate(hwnd, WA_ACTIVE, true);

    w = Peek(hwnd);
    if (w == nullptr)
        return true;
    pos.x = w->window.left;
    pos.y = w->window.top;
    pos.cx = w->Width();
    pos.cy = w->Height();
    if (!moved)
        pos.flags |= SWP_NOMOVE;
    if (!sized)
        pos.flags |= SWP_NOSIZE;
    Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return true;
}

} // namespace user

using namespace user;

extern "C" {

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return SetPosition(hwnd, insertAfter, x, y, cx, cy, flags) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetPosition(hwnd, nullptr, x, y, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW))
               ? TRUE
               : FALSE;
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetPosition(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) ? TRUE : FALSE;
}

} // extern "C"
