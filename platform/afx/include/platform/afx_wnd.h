// CWnd: the framework's window.  A CWnd object and its platform window are
// joined in the handle map while the window lives: windows the framework
// creates (Create, CreateEx, dialogs) or subclasses (SubclassWindow,
// SubclassDlgItem, DDX_Control) send every message through the object's
// WindowProc and message map; what no map handles goes to the window's
// previous procedure (or DefWindowProcA).  FromHandle of any other window
// gives a temporary wrapper.
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_gdi.h"
#include "platform/afx_geometry.h"
#include "platform/afx_msgmap.h"
#include "platform/afx_string.h"
#include "platform/user.h"
#include "platform/user_dialog.h"

class CMenu;
class CWnd;

namespace afx {
void HookWindow(CWnd* wnd, HWND hwnd);
}

class PLATFORM_AFX_API CWnd {
public:
    CWnd() = default;
    // Destroys the window if it still exists.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // ---- Handle map ----
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Routes the window's messages through this object; the window must not
    // belong to another object.  PreSubclassWindow runs first.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // ---- Creation ----
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // ---- Messages ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Offers a message to this window before it is dispatched; true consumes it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Handles the message that is being processed now in the default way.
    LRESULT Default();

    // ---- State, text, styles ----
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int size) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    int GetDlgCtrlID() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // ---- Tree ----
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, LPCSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* SetParent(CWnd* newParent);

    // ---- Geometry ----
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int command);
    // Centres the window over `alternateOwner`, its owner or parent, or
    // the work area.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // The window owns `region` after a successful call.
    int SetWindowRgn(HRGN region, BOOL redraw);
    int GetWindowRgn(HRGN region) const;
    BOOL BringWindowToTop();

    // ---- Painting ----
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE);
    void ValidateRect(const RECT* rect);
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // ---- Input ----
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    static CWnd* WindowFromPoint(POINT point);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // ---- Children ----
    // Lets a control handle a notification its parent received from it
    // (owner drawing, reflected WM_COMMAND and WM_NOTIFY); true when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // ---- The procedure chain ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Runs when the framework attaches an existing window to this object.
    virtual void PreSubclassWindow() {}
    // Runs after the window is gone (WM_NCDESTROY); a heap-allocated window
    // object may delete itself here.
    virtual void PostNcDestroy() {}

    // ---- Message handlers: each does the default handling ----
    int OnCreate(CREATESTRUCTA*) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnPaint() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnRButtonDblClk(UINT, CPoint) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnMouseHover(UINT, CPoint) { Default(); }
    void OnMouseLeave() { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
    // Gives an owner-drawn control the chance to draw itself.
    void OnDrawItem(int id, DRAWITEMSTRUCT* item);
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnKeyUp(UINT, UINT, UINT) { Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnMove(int, int) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    void OnSettingChange(UINT, LPCSTR) { Default(); }
    void OnNcDestroy();

    // For the framework's handle maps: wrap or let go without owning.
    void AttachTemporary(HWND hwnd) { m_hWnd = hwnd; }
    void DetachTemporary() { m_hWnd = nullptr; }

    HWND m_hWnd = nullptr;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // Looks the message up in the maps from this class's to CWnd's.
    // `message` is what the entries are looked up by; the handler sees `actual`.
    BOOL DispatchFromMaps(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result,
                          UINT actual = 0);

    // The window's procedure before the framework subclassed it.
    WNDPROC m_pfnSuper = nullptr;

    friend void afx::HookWindow(CWnd* wnd, HWND hwnd);
    friend LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The procedure of every window the framework routes: finds the object in
// the handle map and calls its WindowProc.
PLATFORM_AFX_API LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_AFX_API LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once per distinct set of arguments) a window class whose
// procedure is AfxWndProc and returns its name, valid for the process.
PLATFORM_AFX_API LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                            HICON icon = nullptr);

// Offers a message to the PreTranslateMessage of its window and that
// window's parents (owners for pop-ups), nearest first, stopping after
// `stop`; true when one consumed it.
PLATFORM_AFX_API BOOL AfxWalkPreTranslateTree(HWND stop, MSG* msg);
