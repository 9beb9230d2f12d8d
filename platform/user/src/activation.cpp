// Activation of top-level windows: SetActiveWindow, SetForegroundWindow.
#include "activation.h"

#include "position.h"
#include "runtime.h"
#include "send.h"

namespace user {
namespace {

WPARAM ActivateParam(WORD how, HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return MAKEWPARAM(how, static_cast<WORD>(w != nullptr && w->Minimized() ? 1 : 0));
}

void TellAllTopLevels(UINT message, WPARAM wParam)
{
    const std::vector<HWND> tops = RT().windows.TopLevels();
    for (HWND h : tops)
        Send(h, message, wParam, 0);
}

bool CanBeActive(const Window& w)
{
    return w.parent == nullptr && !w.messageOnly && w.Visible() && !w.Disabled() && !w.Minimized() &&
           (w.exStyle & WS_EX_NOACTIVATE) == 0;
}

} // namespace

bool IsSelfOrDescendant(HWND ancestor, HWND hwnd)
{
    const Window* w = Peek(hwnd);
    while (w != nullptr) {
        if (w->hwnd == ancestor)
            return true;
        w = Peek(w->parent);
    }
    return false;
}

bool CanOwn(HWND owner, HWND hwnd)
{
    for (const Window* o = Peek(owner); o != nullptr; o = Peek(o->owner))
        if (o->hwnd == hwnd)
            return false;
    return true;
}

void DropFocusWithin(HWND hwnd, bool notify)
{
    Runtime& rt = RT();
    if (rt.focus == nullptr || !IsSelfOrDescendant(hwnd, rt.focus))
        return;
    const HWND old = rt.focus;
    rt.focus = nullptr;
    if (notify)
        Send(old, WM_KILLFOCUS, 0, 0);
}

void DropCaptureWithin(HWND hwnd, bool notify)
{
    Runtime& rt = RT();
    if (rt.capture == nullptr || !IsSelfOrDescendant(hwnd, rt.capture))
        return;
    const HWND old = rt.capture;
    rt.capture = nullptr;
    Backend().ReleasePointer();
    if (notify)
        Send(old, WM_CAPTURECHANGED, 0, 0);
}

void Activate(HWND hwnd, WORD how, bool tellBackend)
{
    Runtime& rt = RT();
    const Window* w = Peek(hwnd);
    if (hwnd != nullptr && (w == nullptr || w->parent != nullptr || w->messageOnly))
        return;
    const HWND old = rt.active;
    if (hwnd == old) {
        if (hwnd != nullptr && tellBackend) {
            RaiseTopLevel(hwnd, true);
            if (const Window* again = Peek(hwnd); again != nullptr && again->top)
                Backend().Activate(again->top->native);
        }
        return;
    }
    if (old != nullptr && Peek(old) != nullptr) {
        Send(old, WM_NCACTIVATE, FALSE, 0);
        Send(old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(hwnd));
        DropFocusWithin(old, true);
    }
    if (hwnd == nullptr) {
        rt.active = nullptr;
        if (rt.focus != nullptr) {
            const HWND focus = rt.focus;
            rt.focus = nullptr;
            Send(focus, WM_KILLFOCUS, 0, 0);
        }
        if (old != nullptr)
            TellAllTopLevels(WM_ACTIVATEAPP, FALSE);
        return;
    }
    if (Peek(hwnd) == nullptr)
        return;
    if (old == nullptr)
        TellAllTopLevels(WM_ACTIVATEAPP, TRUE);
    rt.active = hwnd;
    RaiseTopLevel(hwnd, tellBackend);
    if (const Window* again = Peek(hwnd); tellBackend && again != nullptr && again->top && again->Visible())
        Backend().Activate(again->top->native);
    Send(hwnd, WM_NCACTIVATE, TRUE, 0);
    Send(hwnd, WM_ACTIVATE, ActivateParam(how, hwnd), reinterpret_cast<LPARAM>(old));
}

void ActivateNext(HWND leaving)
{
    Runtime& rt = RT();
    if (rt.active != leaving)
        return;
    HWND next = nullptr;
    if (const Window* w = Peek(leaving); w != nullptr && w->owner != nullptr) {
        if (const Window* owner = Peek(w->owner); owner != nullptr && CanBeActive(*owner))
            next = w->owner;
    }
    if (next == nullptr) {
        for (HWND h : rt.windows.TopLevels()) {
            const Window* c = Peek(h);
            if (h != leaving && c != nullptr && CanBeActive(*c)) {
                next = h;
                break;
            }
        }
    }
    Activate(next, WA_ACTIVE, true);
}

} // namespace user

using namespace user;

extern "C" {

HWND SetActiveWindow(HWND hwnd)
{
    Runtime& rt = RT();
    const HWND previous = rt.active;
    if (hwnd == nullptr) {
        Activate(nullptr, WA_INACTIVE, true);
        return previous;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || w->parent != nullptr || w->messageOnly || w->Disabled())
        return nullptr;
    Activate(hwnd, WA_ACTIVE, true);
    return previous;
}

HWND GetActiveWindow() { return RT().active; }

BOOL SetForegroundWindow(HWND hwnd)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    HWND root = hwnd;
    while (const Window* p = Peek(w->parent)) {
        root = p->hwnd;
        w = p;
    }
    if (w->messageOnly || w->Disabled())
        return FALSE;
    Activate(root, WA_ACTIVE, true);
    return TRUE;
}

HWND GetForegroundWindow() { return RT().active; }

} // extern "C"
