// The STATIC control: text, bitmaps, frames and rectangles; with SS_NOTIFY
// it reports clicks, otherwise the mouse passes through it to its parent.
#include "controls.h"

#include <cstdlib>

namespace user {
namespace {

struct StaticState {
    HFONT font = nullptr;
    HBITMAP image = nullptr;
    bool ownsImage = false; // loaded from the template's resource
};

StateMap<StaticState>& States()
{
    static StateMap<StaticState> states;
    return states;
}

DWORD Type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & SS_TYPEMASK; }

void FitToImage(HWND hwnd, HBITMAP image)
{
    BITMAP bm{};
    if (image == nullptr || GetObjectA(image, sizeof bm, &bm) == 0)
        return;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if ((style & SS_CENTERIMAGE) != 0)
        return;
    SetWindowPos(hwnd, nullptr, 0, 0, bm.bmWidth, std::abs(bm.bmHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Paint(HWND hwnd, HDC dc, StaticState& state)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    switch (style & SS_TYPEMASK) {
    case SS_BLACKFRAME:
        FrameWithColor(dc, rc, COLOR_WINDOWFRAME);
        return;
    case SS_GRAYFRAME:
        FrameWithColor(dc, rc, COLOR_3DSHADOW);
        return;
    case SS_WHITEFRAME:
        FrameWithColor(dc, rc, COLOR_3DHIGHLIGHT);
        return;
    case SS_BLACKRECT:
        FillWithColor(dc, rc, COLOR_WINDOWFRAME);
        return;
    case SS_GRAYRECT:
        FillWithColor(dc, rc, COLOR_3DSHADOW);
        return;
    case SS_WHITERECT:
        FillWithColor(dc, rc, COLOR_3DHIGHLIGHT);
        return;
    case SS_ETCHEDFRAME:
        FrameWithColor(dc, rc, COLOR_3DSHADOW);
        return;
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT dis{ODT_STATIC, static_cast<UINT>(GetDlgCtrlID(hwnd)), 0, ODA_DRAWENTIRE,
                           IsWindowEnabled(hwnd) ? 0u : ODS_DISABLED, hwnd, dc, rc, 0};
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    case SS_BITMAP: {
        FillControlBackground(hwnd, dc, WM_CTLCOLORSTATIC, rc, COLOR_3DFACE);
        BITMAP bm{};
        if (state.image == nullptr || GetObjectA(state.image, sizeof bm, &bm) == 0)
            return;
        HDC mem = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(mem, state.image);
        int x = 0;
        int y = 0;
        if ((style & SS_CENTERIMAGE) != 0) {
            x = (rc.right - bm.bmWidth) / 2;
            y = (rc.bottom - std::abs(bm.bmHeight)) / 2;
        }
        BitBlt(dc, x, y, bm.bmWidth, std::abs(bm.bmHeight), mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
        return;
    }
    default:
        break;
    }
    FillControlBackground(hwnd, dc, WM_CTLCOLORSTATIC, rc, COLOR_3DFACE);
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    UINT format = DT_WORDBREAK;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        format = DT_SINGLELINE;
        break;
    default:
        break;
    }
    if ((style & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    if ((style & SS_CENTERIMAGE) != 0)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (!IsWindowEnabled(hwnd))
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, ControlFont(state.font));
    DrawTextA(dc, text, -1, &rc, format);
    SelectObject(dc, oldFont);
}

HBITMAP SetImage(HWND hwnd, StaticState& state, HBITMAP image)
{
    const HBITMAP previous = state.image;
    if (state.ownsImage && previous != nullptr && previous != image) {
        DeleteObject(previous);
        state.ownsImage = false;
    }
    state.image = image;
    FitToImage(hwnd, image);
    InvalidateRect(hwnd, nullptr, TRUE);
    return state.ownsImage ? nullptr : previous;
}

} // namespace

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT font = 0; HandleFontMessage(States(), hwnd, message, wParam, lParam, font))
        return font;
    switch (message) {
    case WM_NCCREATE:
        States().Create(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (Type(hwnd) == SS_BITMAP && cs->lpszName != nullptr && cs->lpszName[0] == '#') {
            const long id = std::strtol(cs->lpszName + 1, nullptr, 10);
            if (id > 0 && id <= 0xFFFF) {
                const HBITMAP image = LoadBitmapA(cs->hInstance, MAKEINTRESOURCEA(static_cast<WORD>(id)));
                if (StaticState* state = States().Get(hwnd); state != nullptr && image != nullptr) {
                    SetImage(hwnd, *state, image);
                    state->ownsImage = true;
                }
            }
            SetWindowTextA(hwnd, "");
        }
        return 0;
    }
    case WM_NCDESTROY:
        if (StaticState* state = States().Get(hwnd); state != nullptr && state->ownsImage && state->image != nullptr)
            DeleteObject(state->image);
        States().Erase(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (StaticState* state = States().Get(hwnd); state != nullptr && dc != nullptr)
            Paint(hwnd, dc, *state);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // painted with the text or left to the parent (frames)
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case STM_SETIMAGE: {
        StaticState* state = States().Get(hwnd);
        if (state == nullptr || wParam != IMAGE_BITMAP)
            return 0;
        return reinterpret_cast<LRESULT>(SetImage(hwnd, *state, reinterpret_cast<HBITMAP>(lParam)));
    }
    case STM_GETIMAGE: {
        StaticState* state = States().Get(hwnd);
        return state != nullptr && wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(state->image) : 0;
    }
    case WM_NCHITTEST:
        // Without SS_NOTIFY a static is part of its parent's surface.
        if ((GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(SS_NOTIFY)) == 0)
            return HTTRANSPARENT;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
        if ((GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(SS_NOTIFY)) != 0)
            NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if ((GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(SS_NOTIFY)) != 0)
            NotifyParent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// A control of an ActiveX class named in a template: a plain window that
// keeps its place in the dialog until a hosted control comes.
LRESULT AxHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace user
