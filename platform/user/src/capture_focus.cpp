// SetCapture, ReleaseCapture, SetFocus and their getters.
#include "activation.h"
#include "geometry.h"
#include "runtime.h"
#include "send.h"

using namespace user;

extern "C" {

HWND SetCapture(HWND hwnd)
{
    Runtime& rt = RT();
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    const HWND old = rt.capture;
    if (old == hwnd)
        return old;
    rt.capture = hwnd;
    if (const Window* top = Peek(RootOf(hwnd)); top != nullptr && top->top)
        Backend().CapturePointer(top->top->native);
    if (old != nullptr)
        Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    Runtime& rt = RT();
    const HWND old = rt.capture;
    if (old == nullptr)
        return TRUE;
    rt.capture = nullptr;
    Backend().ReleasePointer();
    Send(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return RT().capture; }

HWND SetFocus(HWND hwnd)
{
    Runtime& rt = RT();
    const HWND previous = rt.focus;
    if (hwnd == nullptr) {
        if (previous != nullptr) {
            rt.focus = nullptr;
            Send(previous, WM_KILLFOCUS, 0, 0);
        }
        return previous;
    }
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return nullptr;
    if (hwnd == previous)
        return previous;
    const HWND root = RootOf(hwnd);
    if (const Window* r = Peek(root); r != nullptr && !r->messageOnly && rt.active != root) {
        if (r->Disabled())
            return nullptr;
        Activate(root, WA_ACTIVE, true);
        if (Peek(hwnd) == nullptr)
            return nullptr;
    }
    const HWND old = rt.focus;
    if (old == hwnd)
        return previous;
    rt.focus = hwnd;
    if (old != nullptr)
        Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (rt.focus == hwnd)
        Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return previous;
}

HWND GetFocus() { return RT().focus; }

} // extern "C"
