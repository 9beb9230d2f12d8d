// ShowWindow and the show-state queries; EnableWindow.
#include "show.h"

#include "activation.h"
#include "geometry.h"
#include "paint.h"
#include "position.h"
#include "runtime.h"
#include "send.h"

namespace user {
namespace {

WPARAM SizeKind(const Window& w)
{
    if (w.Minimized())
        return SIZE_MINIMIZED;
    return w.maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

void SendSize(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr)
        return;
    const int cw = w->client.right - w->client.left;
    const int ch = w->client.bottom - w->client.top;
    Send(hwnd, WM_SIZE, SizeKind(*w), MAKELPARAM(static_cast<WORD>(cw), static_cast<WORD>(ch)));
}

void SetMaximized(HWND hwnd, bool maximized)
{
    Window* w = Peek(hwnd);
    if (w == nullptr || w->maximized == maximized || w->parent != nullptr)
        return;
    RECT target;
    if (maximized) {
        w->normalRect = w->window;
        target = Backend().WorkArea();
    } else {
        target = w->normalRect;
    }
    w->maximized = maximized;
    if (maximized)
        w->style |= WS_MAXIMIZE;
    else
        w->style &= ~WS_MAXIMIZE;
    SetPosition(hwnd, nullptr, target.left, target.top, target.right - target.left, target.bottom - target.top,
                SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void SetMinimized(HWND hwnd, bool minimized, bool fromBackend)
{
    Window* w = Peek(hwnd);
    if (w == nullptr || w->Minimized() == minimized)
        return;
    if (minimized)
        w->style |= WS_MINIMIZE;
    else
        w->style &= ~WS_MINIMIZE;
    if (w->top && !fromBackend && w->Visible())
        Backend().SetShowState(w->top->native,
                               minimized ? platform::ShowState::Minimized : platform::ShowState::Normal);
    SendSize(hwnd);
    if (!minimized)
        Redraw(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    else if (RT().active == hwnd)
        ActivateNext(hwnd);
}

} // namespace user

using namespace user;

extern "C" {

BOOL ShowWindow(HWND hwnd, int command)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    const bool wasVisible = w->Visible();
    const bool child = w->parent != nullptr;
    const UINT quiet = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

    if (command == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        Send(hwnd, WM_SHOWWINDOW, FALSE, 0);
        SetPosition(hwnd, nullptr, 0, 0, 0, 0, quiet | SWP_HIDEWINDOW);
        return TRUE;
    }

    const bool minimize = command == SW_MINIMIZE || command == SW_SHOWMINIMIZED ||
                          command == SW_SHOWMINNOACTIVE || command == SW_FORCEMINIMIZE;
    const bool restore = command == SW_SHOWNORMAL || command == SW_RESTORE || command == SW_SHOWNOACTIVATE ||
                         command == SW_SHOWDEFAULT;
    const bool maximize = command == SW_SHOWMAXIMIZED;
    const bool activate = !child && (command == SW_SHOWNORMAL || command == SW_RESTORE || command == SW_SHOW ||
                                     command == SW_SHOWDEFAULT || command == SW_SHOWMAXIMIZED ||
                                     command == SW_SHOWMINIMIZED);

    if (!wasVisible) {
        Send(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if ((w = Peek(hwnd)) == nullptr)
            return FALSE;
    }
    if (minimize) {
        // The minimised state is set first, so the backend is shown the
        // window minimised rather than normal for a moment.
        if (!wasVisible)
            w->style |= WS_MINIMIZE;
        else
            SetMinimized(hwnd, true, false);
    } else if (restore || maximize) {
        if (w->Minimized())
            SetMinimized(hwnd, false, false);
        if (maximize)
            SetMaximized(hwnd, true);
        else if (command != SW_SHOWNOACTIVATE || !wasVisible)
            SetMaximized(hwnd, false);
    }
    if ((w = Peek(hwnd)) == nullptr)
        return FALSE;
    if (!wasVisible) {
        SetPosition(hwnd, nullptr, 0, 0, 0, 0, quiet | SWP_SHOWWINDOW);
        if (minimize)
            SendMessageA(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    }
    if ((w = Peek(hwnd)) == nullptr)
        return wasVisible ? TRUE : FALSE;
    if (activate && !w->Disabled() && (w->exStyle & WS_EX_NOACTIVATE) == 0 && !w->messageOnly)
        Activate(hwnd, WA_ACTIVE, true);
    else if (command == SW_MINIMIZE && RT().active == hwnd)
        ActivateNext(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && VisibleChain(*w) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && w->Minimized() ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && w->maximized ? TRUE : FALSE;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    const Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || placement == nullptr)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = !w->Visible()     ? SW_HIDE
                         : w->Minimized()  ? SW_SHOWMINIMIZED
                         : w->maximized    ? SW_SHOWMAXIMIZED
                                           : SW_SHOWNORMAL;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = w->maximized ? w->normalRect : w->window;
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr)
        return FALSE;
    const bool wasDisabled = w->Disabled();
    if (wasDisabled == !enable)
        return wasDisabled ? TRUE : FALSE;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        DropFocusWithin(hwnd, true);
        DropCaptureWithin(hwnd, true);
    }
    Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    const Window* w = Peek(hwnd);
    return w != nullptr && !w->Disabled() ? TRUE : FALSE;
}

} // extern "C"
