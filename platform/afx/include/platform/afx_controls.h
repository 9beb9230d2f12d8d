// The framework's control classes over the runtime's standard controls.
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_wnd.h"

class PLATFORM_AFX_API CStatic : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};

class PLATFORM_AFX_API CButton : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // Owner-drawn buttons (BS_OWNERDRAW) draw themselves here; the parent's
    // WM_DRAWITEM is reflected to it.
    virtual void DrawItem(DRAWITEMSTRUCT* item);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class PLATFORM_AFX_API CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    DWORD GetSel() const;
    void ReplaceSel(LPCSTR text);
    void LimitText(int max = 0);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
};

class PLATFORM_AFX_API CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos);
    // The position; the high word is non-zero when the buddy's text is not
    // a valid position.
    int GetPos() const;
    CWnd* SetBuddy(CWnd* buddy);
    CWnd* GetBuddy() const;
    int SetBase(int base);
    BOOL SetAccel(int count, UDACCEL* accel);
};

class PLATFORM_AFX_API CToolTipCtrl : public CWnd {
public:
    // An always-on-top pop-up owned by `parent`'s top-level window.
    BOOL Create(CWnd* parent, DWORD style = 0);
    // With `toolId` 0 the tool is the window `wnd` itself; otherwise the
    // rectangle `rect` of `wnd` with that id.
    BOOL AddTool(CWnd* wnd, LPCSTR text, const RECT* rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    void UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    void Activate(BOOL activate);
    void RelayEvent(MSG* msg);
    void SetDelayTime(UINT delayMs);
    void SetDelayTime(DWORD which, int delayMs);
    int GetToolCount() const;
};
