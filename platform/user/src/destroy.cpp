// DestroyWindow: owned windows first, WM_DESTROY down the tree, then
// WM_NCDESTROY up it, and every trace of the window removed.
#include "activation.h"
#include "geometry.h"
#include "paint.h"
#include "runtime.h"
#include "send.h"
#include "visible_region.h"

using namespace user;

namespace {

void MarkDestroying(HWND hwnd)
{
    Window* w = Peek(hwnd);
    if (w == nullptr)
        return;
    w->destroying = true;
    for (HWND child : w->children)
        MarkDestroying(child);
}

void SendDestroy(HWND hwnd)
{
    Send(hwnd, WM_DESTROY, 0, 0);
    const Window* w = Peek(hwnd);
    if (w == nullptr)
        return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        SendDestroy(child);
}

void Release(HWND hwnd)
{
    Runtime& rt = RT();
    if (const Window* w = Peek(hwnd)) {
        const std::vector<HWND> children = w->children;
        for (HWND child : children)
            Release(child);
    }
    Send(hwnd, WM_NCDESTROY, 0, 0);
    std::unique_ptr<Window> w = rt.windows.Take(hwnd);
    if (!w)
        return;
    if (Window* parent = Peek(w->parent))
        std::erase(parent->children, hwnd);
    rt.timers.KillAllOf(hwnd);
    rt.queue.RemoveIf([&](const QueueItem& item) { return !item.raw && item.msg.hwnd == hwnd; });
    if (rt.focus == hwnd)
        rt.focus = nullptr;
    if (rt.capture == hwnd) {
        rt.capture = nullptr;
        Backend().ReleasePointer();
    }
    if (rt.hover.hwnd == hwnd)
        rt.hover = HoverTracking{};
    if (rt.pointerTop == hwnd)
        rt.pointerTop = nullptr;
    if (rt.lastClick.hwnd == hwnd)
        rt.lastClick = ClickMemory{};
    if (rt.active == hwnd)
        rt.active = nullptr;
    // The window region was the window's; it goes with it.
    if (w->givenRegion != nullptr)
        DeleteObject(w->givenRegion);
    for (auto& [dc, record] : rt.dcs.All())
        if (record.hwnd == hwnd || record.top == hwnd)
            record.top = nullptr; // nothing left to present; the buffer stays until released
    if (w->top)
        Backend().DestroyNativeWindow(w->top->native);
    if (w->cls)
        --w->cls->windows;
}

} // namespace

extern "C" {

BOOL DestroyWindow(HWND hwnd)
{
    Runtime& rt = RT();
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    if (w->destroying)
        return TRUE;
    MarkDestroying(hwnd);
    const bool child = w->parent != nullptr;
    const HWND parent = w->parent;
    const HWND top = RootOf(hwnd);
    if (child && (w->exStyle & WS_EX_NOPARENTNOTIFY) == 0)
        Send(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<WORD>(w->id)),
             reinterpret_cast<LPARAM>(hwnd));

    // Windows it owns go first.
    std::vector<HWND> owned;
    for (HWND h : rt.windows.TopLevels())
        if (const Window* o = Peek(h); o != nullptr && o->owner == hwnd)
            owned.push_back(h);
    for (HWND h : rt.windows.MessageOnly())
        if (const Window* o = Peek(h); o != nullptr && o->owner == hwnd)
            owned.push_back(h);
    for (HWND h : owned)
        DestroyWindow(h);

    // Off the screen: the parent paints what the window covered.
    if ((w = Peek(hwnd)) == nullptr)
        return TRUE;
    const bool wasActive = rt.active == hwnd;
    if (w->Visible()) {
        if (child && VisibleChain(*w)) {
            Rgn area = WindowArea(*w);
            w->style &= ~WS_VISIBLE;
            InvalidateStoreArea(top, area);
        } else {
            w->style &= ~WS_VISIBLE;
            if (w->top)
                Backend().SetShowState(w->top->native, platform::ShowState::Hidden);
        }
    }
    DropCaptureWithin(hwnd, false);
    DropFocusWithin(hwnd, false);
    // Another window takes over before this one hears of its end.
    if (wasActive)
        ActivateNext(hwnd);

    SendDestroy(hwnd);
    Release(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd)
{
    return hwnd == WindowTable::Desktop() || Peek(hwnd) != nullptr ? TRUE : FALSE;
}

} // extern "C"
