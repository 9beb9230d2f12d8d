// The up-down control: a position in a range, stepped by its arrows or the
// buddy's arrow keys, optionally written into the buddy as an integer.
#include "controls.h"

#include <cstdlib>
#include <string>

namespace user {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_ENDSCROLL = 8;

struct UpDownState {
    int min = 100; // the platform's default range runs from 100 down to 0
    int max = 0;
    int pos = 0;
    int base = 10;
    HWND buddy = nullptr;
    int pressed = 0; // +1 the up arrow, -1 the down arrow, 0 none
};

StateMap<UpDownState>& States()
{
    static StateMap<UpDownState> states;
    return states;
}

// The buddy's own window procedures, for the arrow keys (UDS_ARROWKEYS).
std::unordered_map<HWND, std::pair<WNDPROC, HWND>>& BuddyProcs()
{
    static std::unordered_map<HWND, std::pair<WNDPROC, HWND>> procs;
    return procs;
}

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

std::string Format(int value, int base, bool thousands)
{
    if (base == 16) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(value) & 0xFFFFu);
        return buffer;
    }
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    std::string out;
    if (value < 0)
        out.push_back('-');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (thousands && i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

// The buddy's text as a position; false when it is not a number.
bool ReadBuddy(HWND hwnd, const UpDownState& s, int& value)
{
    if ((Style(hwnd) & UDS_SETBUDDYINT) == 0 || s.buddy == nullptr || !IsWindow(s.buddy))
        return false;
    char text[64] = {};
    GetWindowTextA(s.buddy, text, sizeof text);
    std::string digits;
    for (const char* p = text; *p != '\0'; ++p)
        if (*p != ',' && *p != ' ')
            digits.push_back(*p);
    if (digits.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(digits.c_str(), &end, s.base == 16 ? 16 : 10);
    if (end == nullptr || *end != '\0')
        return false;
    value = static_cast<int>(parsed);
    return true;
}

void WriteBuddy(HWND hwnd, const UpDownState& s)
{
    if ((Style(hwnd) & UDS_SETBUDDYINT) == 0 || s.buddy == nullptr || !IsWindow(s.buddy))
        return;
    SetWindowTextA(s.buddy, Format(s.pos, s.base, (Style(hwnd) & UDS_NOTHOUSANDS) == 0).c_str());
}

int Clamp(const UpDownState& s, int value)
{
    const int lo = std::min(s.min, s.max);
    const int hi = std::max(s.min, s.max);
    return value < lo ? lo : (value > hi ? hi : value);
}

// One step of the up (+1) or down (-1) arrow.
void Step(HWND hwnd, int direction)
{
    UpDownState* s = States().Get(hwnd);
    if (s == nullptr || s->min == s->max)
        return;
    int current = s->pos;
    if (ReadBuddy(hwnd, *s, current))
        s->pos = Clamp(*s, current);
    // "Up" moves towards the maximum, even when it is the smaller number.
    const int delta = s->max >= s->min ? direction : -direction;
    NMUPDOWN nm{};
    nm.hdr.hwndFrom = hwnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = s->pos;
    nm.iDelta = delta;
    const HWND parent = GetParent(hwnd);
    if (parent != nullptr &&
        SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm)) != 0)
        return; // the parent refused the change
    s = States().Get(hwnd);
    if (s == nullptr)
        return;
    const int lo = std::min(s->min, s->max);
    const int hi = std::max(s->min, s->max);
    long long next = static_cast<long long>(s->pos) + nm.iDelta;
    if (next > hi)
        next = (Style(hwnd) & UDS_WRAP) != 0 ? lo : hi;
    else if (next < lo)
        next = (Style(hwnd) & UDS_WRAP) != 0 ? hi : lo;
    if (next == s->pos)
        return;
    s->pos = static_cast<int>(next);
    WriteBuddy(hwnd, *s);
    const UINT scroll = (Style(hwnd) & UDS_HORZ) != 0 ? WM_HSCROLL : WM_VSCROLL;
    if (parent != nullptr) {
        SendMessageA(parent, scroll, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(s->pos)),
                     reinterpret_cast<LPARAM>(hwnd));
        SendMessageA(parent, scroll, MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(s->pos)),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

LRESULT BuddyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto it = BuddyProcs().find(hwnd);
    if (it == BuddyProcs().end())
        return DefWindowProcA(hwnd, message, wParam, lParam);
    const auto [proc, updown] = it->second;
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) && IsWindow(updown)) {
        Step(updown, wParam == VK_UP ? 1 : -1);
        return 0;
    }
    if (message == WM_NCDESTROY)
        BuddyProcs().erase(hwnd);
    return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}

void Unhook(HWND buddy)
{
    const auto it = BuddyProcs().find(buddy);
    if (it == BuddyProcs().end())
        return;
    // Only when nobody subclassed it after us; otherwise our hook stays a
    // pass-through.
    if (IsWindow(buddy) && reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWLP_WNDPROC)) == BuddyProc) {
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.first));
        BuddyProcs().erase(it);
    } else {
        it->second.second = nullptr;
    }
}

HWND SetBuddy(HWND hwnd, HWND buddy)
{
    UpDownState* s = States().Get(hwnd);
    if (s == nullptr)
        return nullptr;
    const HWND previous = s->buddy;
    if (previous != nullptr)
        Unhook(previous);
    s->buddy = buddy != nullptr && IsWindow(buddy) ? buddy : nullptr;
    if (s->buddy == nullptr)
        return previous;
    const DWORD style = Style(hwnd);
    if ((style & UDS_ARROWKEYS) != 0) {
        const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWLP_WNDPROC));
        if (old != BuddyProc) {
            BuddyProcs()[buddy] = {old, hwnd};
            SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BuddyProc));
        } else {
            BuddyProcs()[buddy].second = hwnd;
        }
    }
    if ((style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) != 0 && GetParent(buddy) == GetParent(hwnd)) {
        // The arrows sit against the buddy's edge, which gives up their room.
        RECT b{};
        RECT me{};
        GetWindowRect(buddy, &b);
        GetWindowRect(hwnd, &me);
        POINT tl{b.left, b.top};
        ScreenToClient(GetParent(hwnd), &tl);
        const int width = me.right - me.left;
        const int bw = b.right - b.left;
        const int bh = b.bottom - b.top;
        const int overlap = 2;
        const int shrunk = std::max(0, bw - width + overlap);
        if ((style & UDS_ALIGNRIGHT) != 0) {
            MoveWindow(buddy, tl.x, tl.y, shrunk, bh, TRUE);
            MoveWindow(hwnd, tl.x + shrunk - overlap, tl.y, width, bh, TRUE);
        } else {
            MoveWindow(buddy, tl.x + width - overlap, tl.y, shrunk, bh, TRUE);
            MoveWindow(hwnd, tl.x, tl.y, width, bh, TRUE);
        }
    }
    return previous;
}

int ArrowAt(HWND hwnd, LPARAM lParam)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    if ((Style(hwnd) & UDS_HORZ) != 0)
        return GET_X_LPARAM(lParam) >= rc.right / 2 ? 1 : -1;
    return GET_Y_LPARAM(lParam) < rc.bottom / 2 ? 1 : -1;
}

void Paint(HWND hwnd, HDC dc, const UpDownState& s)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    const bool horizontal = (Style(hwnd) & UDS_HORZ) != 0;
    RECT up = rc;
    RECT down = rc;
    if (horizontal) {
        up.left = down.right = rc.right / 2;
    } else {
        up.bottom = down.top = rc.bottom / 2;
    }
    for (int i = 0; i < 2; ++i) {
        const RECT& r = i == 0 ? up : down;
        const bool pressed = s.pressed == (i == 0 ? 1 : -1);
        FillWithColor(dc, r, COLOR_3DFACE);
        FrameWithColor(dc, r, pressed ? COLOR_3DSHADOW : COLOR_3DDKSHADOW);
        // A small triangle of one-pixel rows.
        const int cx = (r.left + r.right) / 2;
        const int cy = (r.top + r.bottom) / 2;
        const int color = IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
        for (int k = 0; k < 3; ++k) {
            if (horizontal) {
                const int x = i == 0 ? cx - 1 + k : cx + 1 - k;
                FillWithColor(dc, RECT{x, cy - k, x + 1, cy + k + 1}, color);
            } else {
                const int y = i == 0 ? cy - 1 + k : cy + 1 - k;
                FillWithColor(dc, RECT{cx - k, y, cx + k + 1, y + 1}, color);
            }
        }
    }
}

} // namespace

LRESULT UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        States().Create(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CREATE:
        if ((Style(hwnd) & UDS_AUTOBUDDY) != 0)
            SetBuddy(hwnd, GetWindow(hwnd, GW_HWNDPREV));
        return 0;
    case WM_NCDESTROY:
        if (UpDownState* s = States().Get(hwnd); s != nullptr && s->buddy != nullptr)
            Unhook(s->buddy);
        States().Erase(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (UpDownState* s = States().Get(hwnd); s != nullptr && dc != nullptr)
            Paint(hwnd, dc, *s);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        UpDownState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        s->pressed = ArrowAt(hwnd, lParam);
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        Step(hwnd, s->pressed);
        SetTimer(hwnd, kRepeatTimer, 500, nullptr);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kRepeatTimer) {
            UpDownState* s = States().Get(hwnd);
            if (s == nullptr || s->pressed == 0) {
                KillTimer(hwnd, kRepeatTimer);
                return 0;
            }
            SetTimer(hwnd, kRepeatTimer, 100, nullptr);
            Step(hwnd, s->pressed);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (UpDownState* s = States().Get(hwnd); s != nullptr && s->pressed != 0) {
            s->pressed = 0;
            KillTimer(hwnd, kRepeatTimer);
            if (message == WM_LBUTTONUP && GetCapture() == hwnd)
                ReleaseCapture();
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case UDM_SETBUDDY:
        return reinterpret_cast<LRESULT>(SetBuddy(hwnd, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY: {
        UpDownState* s = States().Get(hwnd);
        return s != nullptr ? reinterpret_cast<LRESULT>(s->buddy) : 0;
    }
    case UDM_SETRANGE:
    case UDM_SETRANGE32:
        if (UpDownState* s = States().Get(hwnd)) {
            if (message == UDM_SETRANGE) {
                s->max = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
                s->min = static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)));
            } else {
                s->min = static_cast<int>(wParam);
                s->max = static_cast<int>(lParam);
            }
            s->pos = Clamp(*s, s->pos);
        }
        return 0;
    case UDM_GETRANGE: {
        UpDownState* s = States().Get(hwnd);
        return s != nullptr ? MAKELRESULT(static_cast<WORD>(s->max), static_cast<WORD>(s->min)) : 0;
    }
    case UDM_GETRANGE32:
        if (UpDownState* s = States().Get(hwnd)) {
            if (wParam != 0)
                *reinterpret_cast<int*>(wParam) = s->min;
            if (lParam != 0)
                *reinterpret_cast<int*>(lParam) = s->max;
        }
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        UpDownState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        const int previous = s->pos;
        const int wanted = message == UDM_SETPOS ? static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)))
                                                 : static_cast<int>(lParam);
        s->pos = Clamp(*s, wanted);
        WriteBuddy(hwnd, *s);
        return previous;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: {
        UpDownState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        // The buddy's text is the position when it holds one.
        int value = s->pos;
        bool error = false;
        if ((Style(hwnd) & UDS_SETBUDDYINT) != 0 && s->buddy != nullptr) {
            if (ReadBuddy(hwnd, *s, value))
                s->pos = Clamp(*s, value);
            else
                error = true;
        }
        if (message == UDM_GETPOS32) {
            if (lParam != 0)
                *reinterpret_cast<BOOL*>(lParam) = error ? TRUE : FALSE;
            return s->pos;
        }
        return MAKELRESULT(static_cast<WORD>(s->pos), error ? 1 : 0);
    }
    case UDM_SETBASE: {
        UpDownState* s = States().Get(hwnd);
        if (s == nullptr || (wParam != 10 && wParam != 16))
            return 0;
        const int previous = s->base;
        s->base = static_cast<int>(wParam);
        return previous;
    }
    case UDM_GETBASE: {
        UpDownState* s = States().Get(hwnd);
        return s != nullptr ? s->base : 0;
    }
    case UDM_SETACCEL:
        return TRUE; // steps stay one unit at a time
    case UDM_GETACCEL:
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace user
