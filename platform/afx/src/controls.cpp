#include "platform/afx_controls.h"

// ---------------------------------------------------------------------------
// CStatic
// ---------------------------------------------------------------------------
BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_STATIC, text, style, rect, parent, id);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)); }

HICON CStatic::SetIcon(HICON icon)
{
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}

HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON, 0, 0)); }

// ---------------------------------------------------------------------------
// CButton
// ---------------------------------------------------------------------------
BOOL CButton::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_BUTTON, text, style, rect, parent, id);
}

int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK, 0, 0)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check), 0); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE, 0, 0)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(highlight), 0); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, style, redraw); }

void CButton::DrawItem(DRAWITEMSTRUCT*) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        if (result)
            *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

// ---------------------------------------------------------------------------
// CEdit
// ---------------------------------------------------------------------------
BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_EDIT, nullptr, style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    (void)noScroll;
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL, 0, 0)); }
void CEdit::ReplaceSel(LPCSTR text) { SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text)); }
void CEdit::LimitText(int max) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(max), 0); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly, 0)); }

// ---------------------------------------------------------------------------
// CSpinButtonCtrl
// ---------------------------------------------------------------------------
BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(UPDOWN_CLASS, nullptr, style, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(short lower, short upper)
{
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
}

void CSpinButtonCtrl::SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }

int CSpinButtonCtrl::GetPos() const
{
    BOOL error = FALSE;
    const int pos = static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)));
    return error ? (pos & 0xFFFF) | 0x10000 : pos;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy)
{
    return FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->m_hWnd : nullptr), 0)));
}

CWnd* CSpinButtonCtrl::GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY, 0, 0))); }

int CSpinButtonCtrl::SetBase(int base) { return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(base), 0)); }

BOOL CSpinButtonCtrl::SetAccel(int count, UDACCEL* accel)
{
    return static_cast<BOOL>(SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accel)));
}

// ---------------------------------------------------------------------------
// CToolTipCtrl
// ---------------------------------------------------------------------------
BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    HWND owner = parent ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : nullptr;
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, 0, 0, 0, 0, owner, nullptr);
}

namespace {
TOOLINFOA ToolInfo(CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    HWND hwnd = wnd ? wnd->m_hWnd : nullptr;
    if (toolId == 0) {
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = ::GetParent(hwnd) ? ::GetParent(hwnd) : hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
    } else {
        ti.hwnd = hwnd;
        ti.uId = toolId;
    }
    return ti;
}
} // namespace

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCSTR text, const RECT* rect, UINT_PTR toolId)
{
    if (!wnd || !wnd->m_hWnd)
        return FALSE;
    TOOLINFOA ti = ToolInfo(wnd, toolId);
    if (rect)
        ti.rect = *rect;
    ti.lpszText = const_cast<LPSTR>(text ? text : "");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOA ti = ToolInfo(wnd, toolId);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId)
{
    TOOLINFOA ti = ToolInfo(wnd, toolId);
    ti.lpszText = const_cast<LPSTR>(text ? text : "");
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate), 0); }

void CToolTipCtrl::RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

void CToolTipCtrl::SetDelayTime(UINT delayMs) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(delayMs)); }

void CToolTipCtrl::SetDelayTime(DWORD which, int delayMs) { SendMessage(TTM_SETDELAYTIME, which, delayMs); }

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT, 0, 0)); }
