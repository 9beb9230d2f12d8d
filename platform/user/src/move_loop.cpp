#include "move_loop.h"

#include "geometry.h"
#include "keyboard.h"
#include "runtime.h"
#include "send.h"

namespace user {

void RunMoveLoop(HWND hwnd)
{
    Runtime& rt = RT();
    const HWND top = RootOf(hwnd);
    const Window* w = Peek(top);
    if (w == nullptr || w->parent != nullptr || !KeyDown(VK_LBUTTON))
        return;
    if (w->top && Backend().StartSystemMove(w->top->native))
        return; // the desktop moves it and reports the new place
    const POINT start = rt.cursorPos;
    const RECT origin = w->window;
    bool moving = true;
    SetCapture(top);
    Send(top, WM_ENTERSIZEMOVE, 0, 0);
    const auto moveTo = [&](POINT p) {
        SetWindowPos(top, nullptr, origin.left + (p.x - start.x), origin.top + (p.y - start.y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    UserRunModalLoop([&] { return moving && rt.capture == top && Peek(top) != nullptr; }, [&](MSG& msg) {
        switch (msg.message) {
        case WM_MOUSEMOVE:
            moveTo(msg.pt);
            return true;
        case WM_LBUTTONUP:
            moveTo(msg.pt);
            moving = false;
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                SetWindowPos(top, nullptr, origin.left, origin.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                moving = false;
            }
            return true;
        default:
            return false;
        }
    });
    if (rt.capture == top)
        ReleaseCapture();
    if (Peek(top) != nullptr)
        Send(top, WM_EXITSIZEMOVE, 0, 0);
}

} // namespace user
