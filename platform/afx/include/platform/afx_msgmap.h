// Message maps.  A class lists the messages it handles between
// BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(); a message
// not in a class's map is looked up in its base class's map, and one found
// nowhere goes to the window's default handling.  Each entry macro names a
// member function by its bare name (ON_WM_PAINT() calls OnPaint,
// ON_BN_CLICKED(1008, OnBtnMinimize) calls OnBtnMinimize) with the
// framework's parameter lists:
//
//   ON_WM_CREATE            int OnCreate(LPCREATESTRUCT)
//   ON_WM_DESTROY, _CLOSE, _PAINT, _NCDESTROY, _MOUSELEAVE
//                           void OnX()
//   ON_WM_TIMER             void OnTimer(UINT_PTR id)
//   ON_WM_xBUTTONx, _MOUSEMOVE, _MOUSEHOVER
//                           void OnX(UINT flags, CPoint point)
//   ON_WM_SETCURSOR         BOOL OnSetCursor(CWnd*, UINT hitTest, UINT message)
//   ON_WM_ERASEBKGND        BOOL OnEraseBkgnd(CDC*)
//   ON_WM_SYSCOMMAND        void OnSysCommand(UINT id, LPARAM)
//   ON_WM_QUERYDRAGICON     HCURSOR OnQueryDragIcon()
//   ON_WM_NCHITTEST         LRESULT OnNcHitTest(CPoint screen)
//   ON_WM_CTLCOLOR          HBRUSH OnCtlColor(CDC*, CWnd*, UINT ctlColor)
//   ON_WM_DRAWITEM          void OnDrawItem(int id, LPDRAWITEMSTRUCT)
//   ON_WM_SETFOCUS, _KILLFOCUS
//                           void OnX(CWnd* other)
//   ON_WM_KEYDOWN, _KEYUP, _CHAR
//                           void OnX(UINT ch, UINT repeat, UINT flags)
//   ON_WM_SIZE              void OnSize(UINT type, int cx, int cy)
//   ON_WM_MOVE              void OnMove(int x, int y)
//   ON_WM_SHOWWINDOW        void OnShowWindow(BOOL show, UINT status)
//   ON_WM_ACTIVATE          void OnActivate(UINT state, CWnd* other, BOOL minimized)
//   ON_WM_SETTINGCHANGE     void OnSettingChange(UINT flags, LPCSTR section)
//   ON_MESSAGE, ON_REGISTERED_MESSAGE
//                           LRESULT OnX(WPARAM, LPARAM)
//   ON_COMMAND, ON_BN_CLICKED, ON_STN_CLICKED, ON_CONTROL, ON_CONTROL_REFLECT
//                           void OnX()
//   ON_COMMAND_RANGE        void OnX(UINT id)
//   ON_NOTIFY, ON_NOTIFY_REFLECT
//                           void OnX(NMHDR*, LRESULT* result)
#pragma once

#include "platform/afx_geometry.h"
#include "platform/user.h"
#include "platform/user_dialog.h"

class CWnd;
class CDC;

// WM_CTLCOLOR stands for the WM_CTLCOLORxxx messages in message maps.
inline constexpr UINT WM_CTLCOLOR = 0x0019;
// Messages a parent reflects back to the control that sent them.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
// Marks an entry whose message number is in a variable (registered messages).
inline constexpr UINT AFX_REGISTERED_ENTRY = 0xC000;

using AFX_PMSG = void (*)(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;    // control notification (WM_COMMAND) or notification code (WM_NOTIFY)
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of a range
    const UINT* pnRegistered; // the registered message's number (AFX_REGISTERED_ENTRY)
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                             \
protected:                                                \
    static const AFX_MSGMAP* GetThisMessageMap();         \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                    \
    {                                                                                  \
        using ThisClass = theClass;                                                    \
        using TheBaseClass = baseClass;                                                \
        static const AFX_MSGMAP_ENTRY messageEntries_[] = {

#define END_MESSAGE_MAP()                                                                   \
    {0, 0, 0, 0, nullptr, nullptr}                                                          \
    }                                                                                       \
    ;                                                                                       \
    static const AFX_MSGMAP messageMap_ = {&TheBaseClass::GetThisMessageMap, messageEntries_}; \
    return &messageMap_;                                                                    \
    }

// One entry: `body` runs with `self` (the object as ThisClass), `message`,
// `wParam`, `lParam` and `result` in scope.
#define AFX_MSG_ENTRY(msg, code, first, last, registered, body)                                             \
    {msg, code, first, last, registered,                                                                     \
     [](CWnd* self_, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {                        \
         auto* self = static_cast<ThisClass*>(self_);                                                        \
         (void)message;                                                                                      \
         (void)wParam;                                                                                       \
         (void)lParam;                                                                                       \
         (void)result;                                                                                       \
         body;                                                                                               \
     }},

#define AFX_WM(msg, body) AFX_MSG_ENTRY(msg, 0, 0, 0, nullptr, body)
#define AFX_MOUSE(msg, fn) AFX_WM(msg, self->fn(static_cast<UINT>(wParam), CPoint(lParam)))
#define AFX_KEY(msg, fn)                                                                              \
    AFX_WM(msg, self->fn(static_cast<UINT>(wParam), static_cast<UINT>(LOWORD(static_cast<std::uintptr_t>(lParam))), \
                         static_cast<UINT>(HIWORD(static_cast<std::uintptr_t>(lParam)))))

#define ON_WM_CREATE() AFX_WM(WM_CREATE, result = self->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam)))
#define ON_WM_DESTROY() AFX_WM(WM_DESTROY, self->OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM(WM_NCDESTROY, self->OnNcDestroy())
#define ON_WM_CLOSE() AFX_WM(WM_CLOSE, self->OnClose())
#define ON_WM_PAINT() AFX_WM(WM_PAINT, self->OnPaint())
#define ON_WM_TIMER() AFX_WM(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(wParam)))
#define ON_WM_LBUTTONDOWN() AFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_WM(WM_MOUSELEAVE, self->OnMouseLeave())
#define ON_WM_SETCURSOR()                                                                                 \
    AFX_WM(WM_SETCURSOR, result = self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),     \
                                                     LOWORD(static_cast<std::uintptr_t>(lParam)),          \
                                                     HIWORD(static_cast<std::uintptr_t>(lParam))))
#define ON_WM_ERASEBKGND() \
    AFX_WM(WM_ERASEBKGND, result = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SYSCOMMAND() AFX_WM(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(wParam), lParam))
#define ON_WM_QUERYDRAGICON() \
    AFX_WM(WM_QUERYDRAGICON, result = reinterpret_cast<LRESULT>(self->OnQueryDragIcon()))
#define ON_WM_NCHITTEST() AFX_WM(WM_NCHITTEST, result = self->OnNcHitTest(CPoint(lParam)))
#define ON_WM_CTLCOLOR()                                                                                     \
    AFX_WM(WM_CTLCOLOR, result = reinterpret_cast<LRESULT>(self->OnCtlColor(                                 \
                            CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                                  \
                            CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX)))
#define ON_WM_DRAWITEM() \
    AFX_WM(WM_DRAWITEM, self->OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
#define ON_WM_SETFOCUS() AFX_WM(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KILLFOCUS() \
    AFX_WM(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KEYDOWN() AFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY(WM_CHAR, OnChar)
#define ON_WM_SIZE()                                                                            \
    AFX_WM(WM_SIZE, self->OnSize(static_cast<UINT>(wParam), GET_X_LPARAM(lParam) & 0xFFFF, \
                                 GET_Y_LPARAM(lParam) & 0xFFFF))
#define ON_WM_MOVE() AFX_WM(WM_MOVE, self->OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
#define ON_WM_SHOWWINDOW() \
    AFX_WM(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)))
#define ON_WM_ACTIVATE()                                                                           \
    AFX_WM(WM_ACTIVATE, self->OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                                         HIWORD(wParam) != 0))
#define ON_WM_SETTINGCHANGE() \
    AFX_WM(WM_SETTINGCHANGE, self->OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<LPCSTR>(lParam)))

#define ON_MESSAGE(msg, fn) AFX_WM(msg, result = self->fn(wParam, lParam))
#define ON_REGISTERED_MESSAGE(variable, fn) \
    AFX_MSG_ENTRY(AFX_REGISTERED_ENTRY, 0, 0, 0, &(variable), result = self->fn(wParam, lParam))

#define ON_COMMAND(id, fn) AFX_MSG_ENTRY(WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, self->fn())
#define ON_COMMAND_RANGE(first, last, fn)                                                             \
    AFX_MSG_ENTRY(WM_COMMAND, 0, static_cast<UINT>(first), static_cast<UINT>(last), nullptr, \
                  self->fn(static_cast<UINT>(LOWORD(wParam))))
#define ON_CONTROL(code, id, fn) \
    AFX_MSG_ENTRY(WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, self->fn())
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                         \
    AFX_MSG_ENTRY(WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
                  self->fn(reinterpret_cast<NMHDR*>(lParam), &result))
// Handled by the control itself when its parent reflects it back.
#define ON_CONTROL_REFLECT(code, fn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, nullptr, self->fn())
#define ON_NOTIFY_REFLECT(code, fn)                                                             \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, nullptr, \
                  self->fn(reinterpret_cast<NMHDR*>(lParam), &result))
