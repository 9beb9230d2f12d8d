// SendMessageA, PostMessageA and CallWindowProcA.
#include "send.h"

#include "runtime.h"

namespace user {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || w->proc == nullptr)
        return 0;
    const WNDPROC proc = w->proc;
    return proc(hwnd, message, wParam, lParam);
}

} // namespace user

using namespace user;

extern "C" {

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (proc == nullptr)
        return 0;
    return proc(hwnd, message, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        const std::vector<HWND> tops = RT().windows.TopLevels();
        for (HWND h : tops)
            Send(h, message, wParam, lParam);
        return 0;
    }
    if (FindWindowRecord(hwnd) == nullptr)
        return 0;
    return Send(hwnd, message, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Runtime& rt = RT();
    if (hwnd == HWND_BROADCAST) {
        const std::vector<HWND> tops = rt.windows.TopLevels();
        for (HWND h : tops)
            PostMessageA(h, message, wParam, lParam);
        return TRUE;
    }
    // The window table belongs to the user-interface thread; from another
    // thread the handle is checked when the message is taken instead.
    if (hwnd != nullptr && std::this_thread::get_id() == rt.uiThread &&
        FindWindowRecord(hwnd) == nullptr)
        return FALSE;
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    rt.queue.Post(msg);
    if (std::this_thread::get_id() != rt.uiThread && rt.backend)
        rt.backend->Wake();
    return TRUE;
}

BOOL InSendMessage() { return FALSE; }

} // extern "C"
