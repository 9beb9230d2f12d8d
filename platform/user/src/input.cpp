#include "input.h"

#include "activation.h"
#include "cursors.h"
#include "geometry.h"
#include "hit_test.h"
#include "hover.h"
#include "keyboard.h"
#include "position.h"
#include "runtime.h"
#include "send.h"
#include "show.h"
#include "window_class.h"

#include <cstdlib>

namespace user {
namespace {

constexpr int kDoubleClickWidth = 4;
constexpr int kDoubleClickHeight = 4;
constexpr DWORD kDoubleClickTime = 500;

LPARAM PackPoint(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

struct Route {
    HWND hwnd = nullptr;
    LRESULT code = HTNOWHERE;
    bool captured = false;
};

// Where a pointer event goes, and what lies under the pointer.
Route RoutePointer(const RawInput& raw, Hit& under)
{
    Runtime& rt = RT();
    const HWND top = UserWindowFromNative(raw.window);
    Route route;
    if (rt.capture != nullptr && Peek(rt.capture) != nullptr) {
        under = top != nullptr ? GeometricHit(top, raw.pt) : Hit{};
        route.hwnd = rt.capture;
        route.code = HTCLIENT;
        route.captured = true;
        return route;
    }
    under = top != nullptr ? HitTestTree(top, raw.pt) : Hit{};
    route.hwnd = under.hwnd;
    route.code = under.code;
    return route;
}

void NotePointer(const Hit& under, POINT pt)
{
    Runtime& rt = RT();
    rt.cursorPos = pt;
    rt.pointerWindow = under.hwnd;
    rt.pointerCode = under.code;
    const HWND top = under.hwnd != nullptr ? RootOf(under.hwnd) : nullptr;
    if (top != rt.pointerTop) {
        // The cursor is the program's, whichever window shows it.
        rt.pointerTop = top;
        ApplyCursor();
    }
    HoverAfterMove(under.hwnd, under.code, pt, Backend().NowMs());
}

void SetCursorFor(HWND hwnd, LRESULT code, UINT mouseMessage)
{
    Send(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
         MAKELPARAM(static_cast<WORD>(code), static_cast<WORD>(mouseMessage)));
}

MSG PointerMessage(const Route& route, UINT clientMessage, UINT ncMessage, POINT screen, DWORD time)
{
    MSG msg{};
    msg.hwnd = route.hwnd;
    msg.time = time;
    msg.pt = screen;
    if (route.code == HTCLIENT) {
        msg.message = clientMessage;
        msg.wParam = MouseKeyFlags();
        const Window* w = Peek(route.hwnd);
        const POINT o = w != nullptr ? ClientOriginOnScreen(*w) : POINT{0, 0};
        msg.lParam = PackPoint(POINT{screen.x - o.x, screen.y - o.y});
    } else {
        msg.message = ncMessage;
        msg.wParam = static_cast<WPARAM>(route.code);
        msg.lParam = PackPoint(screen);
    }
    return msg;
}

UINT ButtonVk(platform::MouseButton b)
{
    switch (b) {
    case platform::MouseButton::Right: return VK_RBUTTON;
    case platform::MouseButton::Middle: return VK_MBUTTON;
    default: return VK_LBUTTON;
    }
}

// Client messages for down, up, double click; non-client ones follow at
// a fixed distance (WM_NCLBUTTONDOWN = WM_LBUTTONDOWN - 0x160).
UINT ButtonMessage(platform::MouseButton b, int kind)
{
    UINT base = WM_LBUTTONDOWN;
    if (b == platform::MouseButton::Right)
        base = WM_RBUTTONDOWN;
    else if (b == platform::MouseButton::Middle)
        base = WM_MBUTTONDOWN;
    return base + static_cast<UINT>(kind);
}

bool IsDoubleClick(const Route& route, UINT downMessage, POINT pt, DWORD time)
{
    ClickMemory& last = RT().lastClick;
    const bool dbl = !last.wasDouble && last.hwnd == route.hwnd && last.button == downMessage &&
                     time - last.time <= kDoubleClickTime && std::abs(pt.x - last.pt.x) <= kDoubleClickWidth / 2 &&
                     std::abs(pt.y - last.pt.y) <= kDoubleClickHeight / 2;
    last.hwnd = route.hwnd;
    last.button = downMessage;
    last.time = time;
    last.pt = pt;
    last.wasDouble = dbl;
    return dbl;
}

// A press on a disabled window: the window it waits for comes forward.
void PressOnDisabled(HWND top)
{
    MessageBeep(MB_OK);
    for (HWND h : RT().windows.TopLevels()) {
        const Window* w = Peek(h);
        if (w != nullptr && w->owner == top && w->Visible() && !w->Disabled()) {
            Activate(h, WA_ACTIVE, true);
            return;
        }
    }
}

bool MouseButtonInput(const RawInput& raw, MSG& out)
{
    Runtime& rt = RT();
    SetKeyDown(ButtonVk(raw.button), raw.down);
    Hit under;
    Route route = RoutePointer(raw, under);
    NotePointer(under, raw.pt);
    if (route.hwnd == nullptr)
        return false;
    const UINT downMessage = ButtonMessage(raw.button, 0);
    if (!route.captured && route.code == HTERROR) {
        if (raw.down)
            PressOnDisabled(RootOf(route.hwnd));
        return false;
    }
    if (raw.down && !route.captured) {
        const HWND top = RootOf(route.hwnd);
        const Window* t = Peek(top);
        if (t != nullptr && top != rt.active && !t->messageOnly && (t->exStyle & WS_EX_NOACTIVATE) == 0) {
            const LRESULT answer = Send(route.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                        MAKELPARAM(static_cast<WORD>(route.code), static_cast<WORD>(downMessage)));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT)
                Activate(top, WA_CLICKACTIVE, true);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT)
                return false;
        }
        if (Peek(route.hwnd) == nullptr)
            return false;
        SetCursorFor(route.hwnd, route.code, downMessage);
        if (Peek(route.hwnd) == nullptr)
            return false;
    }
    int kind = raw.down ? 0 : 1;
    if (raw.down && IsDoubleClick(route, downMessage, raw.pt, raw.time)) {
        const Window* w = Peek(route.hwnd);
        // Client double clicks need the class's consent; non-client ones do not.
        if (route.code != HTCLIENT || (w != nullptr && w->cls && (w->cls->style & CS_DBLCLKS) != 0))
            kind = 2;
    }
    const UINT message = ButtonMessage(raw.button, kind);
    out = PointerMessage(route, message, message - (WM_LBUTTONDOWN - WM_NCLBUTTONDOWN), raw.pt, raw.time);
    return true;
}

bool MouseMoveInput(const RawInput& raw, MSG& out)
{
    Hit under;
    const Route route = RoutePointer(raw, under);
    NotePointer(under, raw.pt);
    if (route.hwnd == nullptr || (!route.captured && route.code == HTERROR))
        return false;
    if (!route.captured) {
        SetCursorFor(route.hwnd, route.code, WM_MOUSEMOVE);
        if (Peek(route.hwnd) == nullptr)
            return false;
    }
    out = PointerMessage(route, WM_MOUSEMOVE, WM_NCMOUSEMOVE, raw.pt, raw.time);
    return true;
}

HWND KeyboardTarget(bool& system)
{
    Runtime& rt = RT();
    if (rt.focus != nullptr && Peek(rt.focus) != nullptr)
        return rt.focus;
    // With no focus, keys go to the active window as system keys.
    system = true;
    return Peek(rt.active) != nullptr ? rt.active : nullptr;
}

bool KeyInput(const RawInput& raw, MSG& out)
{
    const bool wasDown = SetKeyDown(raw.vk, raw.down);
    if (raw.vk == VK_LSHIFT || raw.vk == VK_RSHIFT)
        SetKeyDown(VK_SHIFT, raw.down);
    else if (raw.vk == VK_LCONTROL || raw.vk == VK_RCONTROL)
        SetKeyDown(VK_CONTROL, raw.down);
    else if (raw.vk == VK_LMENU || raw.vk == VK_RMENU)
        SetKeyDown(VK_MENU, raw.down);
    const bool alt = KeyDown(VK_MENU);
    bool system = (alt && !KeyDown(VK_CONTROL)) || raw.vk == VK_F10 || raw.vk == VK_MENU;
    const HWND target = KeyboardTarget(system);
    if (target == nullptr)
        return false;
    LPARAM lParam = 1;
    if (alt)
        lParam |= LPARAM{1} << 29;
    if (wasDown)
        lParam |= LPARAM{1} << 30;
    if (!raw.down)
        lParam |= static_cast<LPARAM>(std::uint32_t{1} << 31);
    out = MSG{};
    out.hwnd = target;
    out.message = raw.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    out.wParam = raw.vk;
    out.lParam = lParam;
    out.time = raw.time;
    out.pt = RT().cursorPos;
    return true;
}

bool TextInput(const RawInput& raw, MSG& out)
{
    bool system = false;
    const HWND target = KeyboardTarget(system);
    if (target == nullptr || raw.text.empty())
        return false;
    // One WM_CHAR per byte: the program's code page is UTF-8.
    MSG msg{};
    msg.hwnd = target;
    msg.message = WM_CHAR;
    msg.lParam = 1;
    msg.time = raw.time;
    msg.pt = RT().cursorPos;
    for (std::size_t i = raw.text.size(); i-- > 1;) {
        msg.wParam = static_cast<unsigned char>(raw.text[i]);
        RT().queue.PostFront(msg);
    }
    msg.wParam = static_cast<unsigned char>(raw.text[0]);
    out = msg;
    return true;
}

bool WheelInput(const RawInput& raw, MSG& out)
{
    bool system = false;
    const HWND target = KeyboardTarget(system);
    if (target == nullptr)
        return false;
    out = MSG{};
    out.hwnd = target;
    out.message = WM_MOUSEWHEEL;
    out.wParam = MAKEWPARAM(static_cast<WORD>(MouseKeyFlags()), static_cast<WORD>(static_cast<SHORT>(raw.delta)));
    out.lParam = PackPoint(raw.pt);
    out.time = raw.time;
    out.pt = raw.pt;
    return true;
}

} // namespace

bool ConvertRawInput(const RawInput& raw, MSG& out)
{
    Runtime& rt = RT();
    switch (raw.kind) {
    case RawInput::Kind::MouseMove: return MouseMoveInput(raw, out);
    case RawInput::Kind::MouseButton: return MouseButtonInput(raw, out);
    case RawInput::Kind::MouseWheel: return WheelInput(raw, out);
    case RawInput::Kind::Key: return KeyInput(raw, out);
    case RawInput::Kind::Text: return TextInput(raw, out);
    case RawInput::Kind::Close: {
        const HWND top = UserWindowFromNative(raw.window);
        if (top == nullptr)
            return false;
        out = MSG{};
        out.hwnd = top;
        out.message = WM_SYSCOMMAND;
        out.wParam = SC_CLOSE;
        out.lParam = PackPoint(rt.cursorPos);
        out.time = raw.time;
        out.pt = rt.cursorPos;
        return true;
    }
    case RawInput::Kind::Activation: {
        const HWND top = UserWindowFromNative(raw.window);
        if (raw.down && top != nullptr && top != rt.active)
            Activate(top, WA_ACTIVE, false);
        else if (!raw.down && top != nullptr && top == rt.active)
            Activate(nullptr, WA_INACTIVE, false);
        return false;
    }
    case RawInput::Kind::Geometry: {
        if (const HWND top = UserWindowFromNative(raw.window))
            SetPosition(top, nullptr, raw.rect.left, raw.rect.top, raw.rect.right - raw.rect.left,
                        raw.rect.bottom - raw.rect.top, SWP_NOZORDER | SWP_NOACTIVATE, true);
        return false;
    }
    case RawInput::Kind::ShowState: {
        const HWND top = UserWindowFromNative(raw.window);
        if (top == nullptr)
            return false;
        if (raw.state == platform::ShowState::Hidden)
            SetPosition(top, nullptr, 0, 0, 0, 0,
                        SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, true);
        else
            SetMinimized(top, raw.state == platform::ShowState::Minimized, true);
        return false;
    }
    case RawInput::Kind::Descriptor: {
        const auto it = rt.descriptors.find(raw.fd);
        if (it != rt.descriptors.end()) {
            it->second.queued = false;
            it->second.handledIn = rt.collection;
            // A copy: the callback may unwatch or replace its own watch.
            const UserDescriptorCallback callback = it->second.callback;
            callback(raw.fd, raw.events);
        }
        return false;
    }
    }
    return false;
}

} // namespace user
