// The BUTTON control: push, default push, check boxes, radio buttons and
// owner-drawn buttons, clicked by mouse or Space.
#include "controls.h"

namespace user {
namespace {

struct ButtonState {
    HFONT font = nullptr;
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool tracking = false; // the left button went down on us
    bool spaceDown = false;
};

StateMap<ButtonState>& States()
{
    static StateMap<ButtonState> states;
    return states;
}

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
DWORD Type(HWND hwnd) { return Style(hwnd) & BS_TYPEMASK; }

bool IsPush(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON; }
bool IsCheck(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

void DrawFace(HWND hwnd, HDC dc, const ButtonState& s, UINT action)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    const DWORD type = Type(hwnd);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (type == BS_OWNERDRAW) {
        UINT state = 0;
        if (s.pushed)
            state |= ODS_SELECTED;
        if (s.focused)
            state |= ODS_FOCUS;
        if (!enabled)
            state |= ODS_DISABLED;
        DRAWITEMSTRUCT dis{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(hwnd)), 0, action, state, hwnd, dc, rc, 0};
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    const HGDIOBJ oldFont = SelectObject(dc, ControlFont(s.font));
    SetBkMode(dc, TRANSPARENT);
    if (IsPush(type)) {
        FillWithColor(dc, rc, COLOR_3DFACE);
        RECT face = rc;
        if (type == BS_DEFPUSHBUTTON) {
            FrameWithColor(dc, face, COLOR_WINDOWFRAME);
            InflateRect(&face, -1, -1);
        }
        if (s.pushed) {
            FrameWithColor(dc, face, COLOR_3DSHADOW);
        } else {
            FrameWithColor(dc, face, COLOR_3DDKSHADOW);
            RECT inner = face;
            inner.right -= 1;
            inner.bottom -= 1;
            FrameWithColor(dc, RECT{inner.left, inner.top, inner.right, inner.top + 1}, COLOR_3DHIGHLIGHT);
            FrameWithColor(dc, RECT{inner.left, inner.top, inner.left + 1, inner.bottom}, COLOR_3DHIGHLIGHT);
        }
        RECT label = face;
        if (s.pushed)
            OffsetRect(&label, 1, 1);
        SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, text, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (s.focused) {
            RECT focus = face;
            InflateRect(&focus, -3, -3);
            for (int x = focus.left; x < focus.right; x += 2) {
                SetPixel(dc, x, focus.top, GetSysColor(COLOR_BTNTEXT));
                SetPixel(dc, x, focus.bottom - 1, GetSysColor(COLOR_BTNTEXT));
            }
            for (int y = focus.top; y < focus.bottom; y += 2) {
                SetPixel(dc, focus.left, y, GetSysColor(COLOR_BTNTEXT));
                SetPixel(dc, focus.right - 1, y, GetSysColor(COLOR_BTNTEXT));
            }
        }
    } else {
        FillControlBackground(hwnd, dc, WM_CTLCOLORBTN, rc, COLOR_3DFACE);
        const int box = 13;
        const int top = (rc.bottom - box) / 2;
        const RECT mark{0, top, box, top + box};
        FillWithColor(dc, mark, s.pushed || !enabled ? COLOR_3DFACE : COLOR_WINDOW);
        FrameWithColor(dc, mark, COLOR_3DSHADOW);
        if (s.check == BST_CHECKED) {
            RECT dot = mark;
            InflateRect(&dot, IsRadio(type) ? -4 : -3, IsRadio(type) ? -4 : -3);
            FillWithColor(dc, dot, COLOR_WINDOWTEXT);
        } else if (s.check == BST_INDETERMINATE) {
            RECT dot = mark;
            InflateRect(&dot, -3, -3);
            FillWithColor(dc, dot, COLOR_3DSHADOW);
        }
        RECT label{box + 4, rc.top, rc.right, rc.bottom};
        SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, text, -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

// Draws now, as a button does when its state changes.
void Redraw(HWND hwnd, UINT action)
{
    if (!IsWindowVisible(hwnd))
        return;
    HDC dc = GetDC(hwnd);
    if (dc == nullptr)
        return;
    if (ButtonState* s = States().Get(hwnd))
        DrawFace(hwnd, dc, *s, action);
    ReleaseDC(hwnd, dc);
}

void SetPushed(HWND hwnd, bool pushed)
{
    ButtonState* s = States().Get(hwnd);
    if (s == nullptr || s->pushed == pushed)
        return;
    s->pushed = pushed;
    Redraw(hwnd, ODA_SELECT);
}

// The click: automatic styles change their check first, then the parent
// hears BN_CLICKED.
void Click(HWND hwnd)
{
    const DWORD type = Type(hwnd);
    if (ButtonState* s = States().Get(hwnd)) {
        if (type == BS_AUTOCHECKBOX)
            SendMessageA(hwnd, BM_SETCHECK, s->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        else if (type == BS_AUTO3STATE)
            SendMessageA(hwnd, BM_SETCHECK, (s->check + 1) % 3, 0);
        else if (type == BS_AUTORADIOBUTTON) {
            // Clears the other automatic radio buttons of its group.
            const HWND parent = GetParent(hwnd);
            HWND first = hwnd;
            while (first != nullptr && (Style(first) & WS_GROUP) == 0) {
                const HWND prev = GetWindow(first, GW_HWNDPREV);
                if (prev == nullptr)
                    break;
                first = prev;
            }
            for (HWND c = first; c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                if (c != first && (Style(c) & WS_GROUP) != 0)
                    break;
                if (c != hwnd && GetParent(c) == parent && Type(c) == BS_AUTORADIOBUTTON)
                    SendMessageA(c, BM_SETCHECK, BST_UNCHECKED, 0);
            }
            SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        }
    }
    NotifyParent(hwnd, BN_CLICKED);
}

bool Inside(HWND hwnd, LPARAM lParam)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return PtInRect(&rc, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

} // namespace

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT font = 0; HandleFontMessage(States(), hwnd, message, wParam, lParam, font))
        return font;
    switch (message) {
    case WM_NCCREATE:
        States().Create(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NCDESTROY:
        States().Erase(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (ButtonState* s = States().Get(hwnd); s != nullptr && dc != nullptr)
            DrawFace(hwnd, dc, *s, ODA_DRAWENTIRE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_GETDLGCODE: {
        const DWORD type = Type(hwnd);
        if (type == BS_DEFPUSHBUTTON)
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (type == BS_PUSHBUTTON)
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        if (IsRadio(type))
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        return DLGC_BUTTON;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        SetCapture(hwnd);
        if (ButtonState* s = States().Get(hwnd))
            s->tracking = true;
        SetPushed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (ButtonState* s = States().Get(hwnd); s != nullptr && s->tracking && GetCapture() == hwnd)
            SetPushed(hwnd, Inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        ButtonState* s = States().Get(hwnd);
        if (s == nullptr || !s->tracking)
            return 0;
        s->tracking = false;
        const bool click = s->pushed && Inside(hwnd, lParam);
        if (GetCapture() == hwnd)
            ReleaseCapture();
        SetPushed(hwnd, false);
        if (click)
            Click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (ButtonState* s = States().Get(hwnd); s != nullptr && s->tracking) {
            s->tracking = false;
            SetPushed(hwnd, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            if (ButtonState* s = States().Get(hwnd))
                s->spaceDown = true;
            SetPushed(hwnd, true);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_SPACE) {
            ButtonState* s = States().Get(hwnd);
            if (s == nullptr || !s->spaceDown)
                return 0;
            s->spaceDown = false;
            const bool click = s->pushed;
            SetPushed(hwnd, false);
            if (click)
                Click(hwnd);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        ButtonState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        s->focused = message == WM_SETFOCUS;
        if (!s->focused && (s->pushed || s->spaceDown)) {
            s->spaceDown = false;
            s->pushed = false;
        }
        Redraw(hwnd, ODA_FOCUS);
        if ((Style(hwnd) & BS_NOTIFY) != 0)
            NotifyParent(hwnd, s->focused ? BN_SETFOCUS : BN_KILLFOCUS);
        return 0;
    }
    case WM_ENABLE:
        Redraw(hwnd, ODA_DRAWENTIRE);
        return 0;
    case BM_GETCHECK: {
        ButtonState* s = States().Get(hwnd);
        return s != nullptr ? s->check : 0;
    }
    case BM_SETCHECK: {
        ButtonState* s = States().Get(hwnd);
        const DWORD type = Type(hwnd);
        if (s == nullptr || !(IsCheck(type) || IsRadio(type)))
            return 0;
        UINT check = static_cast<UINT>(wParam) & 3u;
        if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE)
            check = BST_CHECKED;
        if (s->check != check) {
            s->check = check;
            Redraw(hwnd, ODA_DRAWENTIRE);
        }
        return 0;
    }
    case BM_GETSTATE: {
        ButtonState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        return static_cast<LRESULT>(s->check | (s->pushed ? BST_PUSHED : 0u) | (s->focused ? BST_FOCUS : 0u));
    }
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        const DWORD style = (Style(hwnd) & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
        if (LOWORD(static_cast<std::uintptr_t>(lParam)) != 0)
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case BM_CLICK:
        if (IsWindowEnabled(hwnd)) {
            SetPushed(hwnd, true);
            SetPushed(hwnd, false);
            Click(hwnd);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace user
