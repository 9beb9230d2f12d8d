// DefWindowProcA: the default handling of every message.
#include "activation.h"
#include "geometry.h"
#include "keyboard.h"
#include "move_loop.h"
#include "nonclient.h"
#include "runtime.h"
#include "send.h"
#include "window_class.h"

#include <algorithm>
#include <cstring>

using namespace user;

namespace {

POINT UnpackPoint(LPARAM lp) { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

LRESULT SetText(Window& w, LPCSTR text)
{
    w.text = text != nullptr && !IS_INTRESOURCE(text) ? text : "";
    if (w.top)
        Backend().SetTitle(w.top->native, w.text);
    return TRUE;
}

// The desktop shows the big icon, or the small one when there is no big.
void ShowIcon(const Window& w)
{
    if (!w.top)
        return;
    platform::CursorImage image;
    const HICON icon = w.iconBig != nullptr ? w.iconBig : w.iconSmall;
    if (icon == nullptr || !UserGetIconImage(icon, image))
        image = platform::CursorImage{};
    Backend().SetWindowIcon(w.top->native, image);
}

LRESULT GetText(const Window& w, WPARAM size, LPARAM buffer)
{
    auto* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(w.text.size(), size - 1);
    std::memcpy(out, w.text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT EraseBackground(HWND hwnd, HDC dc)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr || !w->cls || w->cls->background == nullptr)
        return 0;
    RECT client;
    GetClientRect(hwnd, &client);
    return FillRect(dc, &client, w->cls->background) != 0 ? 1 : 0;
}

LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const Window* w = Peek(hwnd);
    if (w == nullptr)
        return FALSE;
    // The parent decides first.
    if (w->parent != nullptr && Send(w->parent, WM_SETCURSOR, wParam, lParam) != 0)
        return TRUE;
    const auto code = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const WORD mouse = HIWORD(static_cast<std::uintptr_t>(lParam));
    if (code == HTERROR) {
        if (mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN || mouse == WM_MBUTTONDOWN)
            MessageBeep(MB_OK);
        return FALSE;
    }
    if (code == HTCLIENT) {
        w = Peek(hwnd);
        const HCURSOR cursor = w != nullptr && w->cls ? w->cls->cursor : nullptr;
        if (cursor != nullptr) {
            SetCursor(cursor);
            return TRUE;
        }
        return FALSE;
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return FALSE;
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam)
{
    switch (wParam & 0xFFF0) {
    case SC_CLOSE:
        Send(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_MOVE:
        RunMoveLoop(hwnd);
        return 0;
    default:
        return 0;
    }
}

} // namespace

extern "C" {

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Peek(hwnd);
    if (w == nullptr)
        return 0;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs != nullptr)
            SetText(*w, cs->lpszName);
        return TRUE;
    }
    case WM_NCCALCSIZE:
        return NcCalcSize(hwnd, reinterpret_cast<RECT*>(lParam));
    case WM_NCHITTEST:
        return NcHitTest(hwnd, UnpackPoint(lParam));
    case WM_NCPAINT:
        NcPaint(hwnd);
        return 0;
    case WM_NCACTIVATE:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps) != nullptr)
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ICONERASEBKGND: {
        // Under a minimised window's icon lies the desktop.
        RECT client;
        GetClientRect(hwnd, &client);
        const auto desktop = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_DESKTOP + 1));
        return FillRect(reinterpret_cast<HDC>(wParam), &client, desktop) != 0 ? 1 : 0;
    }
    case WM_SETTEXT:
        return SetText(*w, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return GetText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wParam);
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTCAPTION))
            Send(RootOf(hwnd), WM_SYSCOMMAND, SC_MOVE | static_cast<WPARAM>(HTCAPTION), lParam);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 asks the top-level window to close.
        if (wParam == VK_F4 && KeyDown(VK_MENU))
            Send(RootOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_SETCURSOR:
        return SetCursorDefault(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if (w->parent != nullptr) {
            const LRESULT answer = Send(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (answer != 0)
                return answer;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0)
            SetFocus(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (pos == nullptr)
            return 0;
        const RECT c = w->client;
        const WPARAM kind = w->Minimized() ? SIZE_MINIMIZED : (w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED);
        if ((pos->flags & SWP_NOMOVE) == 0)
            Send(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
        if ((pos->flags & SWP_NOSIZE) == 0 && Peek(hwnd) != nullptr)
            Send(hwnd, WM_SIZE, kind,
                 MAKELPARAM(static_cast<WORD>(c.right - c.left), static_cast<WORD>(c.bottom - c.top)));
        return 0;
    }
    case WM_CANCELMODE:
        if (RT().capture == hwnd)
            ReleaseCapture();
        return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // Unhandled, they go up to the parent.
        if (w->parent != nullptr)
            return Send(w->parent, message, wParam, lParam);
        return 0;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_SMALL ? w->iconSmall : w->iconBig;
        const HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        if (previous != slot)
            ShowIcon(*w);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_SMALL ? w->iconSmall : w->iconBig);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(w->cls ? w->cls->icon : nullptr);
    case WM_QUERYOPEN:
    case WM_QUERYENDSESSION:
        return TRUE;
    default:
        return 0;
    }
}

} // extern "C"
