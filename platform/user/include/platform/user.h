// The windowing calls (Win32 USER) that the framework and the programs above it
// use: window classes and the window tree, messages and the queue, timers,
// painting and window DCs, focus, activation, capture, hit testing, mouse
// tracking, window regions, cursors and system metrics.  Each call behaves
// as the published call of the same name where its callers rely on it;
// platform/user/README.md lists where and why we differ.  Strings are UTF-8.
//
// Everything runs on the user-interface thread, except PostMessageA, which
// any thread may call.
#pragma once

#include "platform/base.h"
#include "platform/gdi.h"
#include "platform/user_constants.h"
#include "platform/user_export.h"
#include "platform/user_types.h"

extern "C" {

// ---------------------------------------------------------------------------
// Window classes
// ---------------------------------------------------------------------------
PLATFORM_USER_API ATOM RegisterClassA(const WNDCLASSA* wc);
PLATFORM_USER_API ATOM RegisterClassExA(const WNDCLASSEXA* wc);
PLATFORM_USER_API BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
PLATFORM_USER_API BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc);
PLATFORM_USER_API ULONG_PTR GetClassLongPtrA(HWND hwnd, int index);
PLATFORM_USER_API ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value);
PLATFORM_USER_API int GetClassNameA(HWND hwnd, LPSTR buffer, int size);
PLATFORM_USER_API UINT RegisterWindowMessageA(LPCSTR name);

// ---------------------------------------------------------------------------
// Creating and destroying windows, window data
// ---------------------------------------------------------------------------
PLATFORM_USER_API HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                                       int y, int width, int height, HWND parent, HMENU menu,
                                       HINSTANCE instance, LPVOID param);
PLATFORM_USER_API BOOL DestroyWindow(HWND hwnd);
PLATFORM_USER_API BOOL IsWindow(HWND hwnd);
PLATFORM_USER_API LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
PLATFORM_USER_API LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
PLATFORM_USER_API LONG GetWindowLongA(HWND hwnd, int index);
PLATFORM_USER_API LONG SetWindowLongA(HWND hwnd, int index, LONG value);
PLATFORM_USER_API BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
PLATFORM_USER_API int GetWindowTextA(HWND hwnd, LPSTR buffer, int size);
PLATFORM_USER_API int GetWindowTextLengthA(HWND hwnd);

// ---------------------------------------------------------------------------
// The window tree
// ---------------------------------------------------------------------------
PLATFORM_USER_API HWND GetDesktopWindow();
PLATFORM_USER_API HWND GetParent(HWND hwnd);
PLATFORM_USER_API HWND SetParent(HWND child, HWND newParent);
PLATFORM_USER_API HWND GetAncestor(HWND hwnd, UINT flags);
PLATFORM_USER_API HWND GetWindow(HWND hwnd, UINT relation);
PLATFORM_USER_API HWND GetTopWindow(HWND hwnd);
PLATFORM_USER_API BOOL IsChild(HWND parent, HWND hwnd);
PLATFORM_USER_API HWND GetDlgItem(HWND dialog, int id);
PLATFORM_USER_API int GetDlgCtrlID(HWND hwnd);
PLATFORM_USER_API BOOL EnumWindows(WNDENUMPROC proc, LPARAM param);
PLATFORM_USER_API BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param);
PLATFORM_USER_API HWND FindWindowA(LPCSTR className, LPCSTR windowName);

// ---------------------------------------------------------------------------
// Geometry, position, z-order, show state
// ---------------------------------------------------------------------------
PLATFORM_USER_API BOOL GetWindowRect(HWND hwnd, RECT* rect);
PLATFORM_USER_API BOOL GetClientRect(HWND hwnd, RECT* rect);
PLATFORM_USER_API BOOL ClientToScreen(HWND hwnd, POINT* point);
PLATFORM_USER_API BOOL ScreenToClient(HWND hwnd, POINT* point);
PLATFORM_USER_API int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
PLATFORM_USER_API BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
PLATFORM_USER_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
PLATFORM_USER_API BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
PLATFORM_USER_API BOOL BringWindowToTop(HWND hwnd);
PLATFORM_USER_API BOOL ShowWindow(HWND hwnd, int command);
PLATFORM_USER_API BOOL IsWindowVisible(HWND hwnd);
PLATFORM_USER_API BOOL IsIconic(HWND hwnd);
PLATFORM_USER_API BOOL IsZoomed(HWND hwnd);
PLATFORM_USER_API BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
PLATFORM_USER_API BOOL EnableWindow(HWND hwnd, BOOL enable);
PLATFORM_USER_API BOOL IsWindowEnabled(HWND hwnd);
// The window owns `region` after a successful call (window coordinates)
// and deletes it when it is replaced or the window is destroyed.
PLATFORM_USER_API int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
PLATFORM_USER_API int GetWindowRgn(HWND hwnd, HRGN region);

// ---------------------------------------------------------------------------
// Messages
// ---------------------------------------------------------------------------
PLATFORM_USER_API LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API void PostQuitMessage(int exitCode);
PLATFORM_USER_API BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
PLATFORM_USER_API BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
PLATFORM_USER_API BOOL WaitMessage();
PLATFORM_USER_API BOOL TranslateMessage(const MSG* msg);
PLATFORM_USER_API LRESULT DispatchMessageA(const MSG* msg);
PLATFORM_USER_API LONG GetMessageTime();
PLATFORM_USER_API DWORD GetMessagePos();
PLATFORM_USER_API BOOL InSendMessage();
// The runtime's monotonic clock (the backend's), so tests can run it virtually.
PLATFORM_USER_API DWORD GetTickCount();
PLATFORM_USER_API std::uint64_t GetTickCount64();

// ---------------------------------------------------------------------------
// Timers
// ---------------------------------------------------------------------------
PLATFORM_USER_API UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
PLATFORM_USER_API BOOL KillTimer(HWND hwnd, UINT_PTR id);

// ---------------------------------------------------------------------------
// Painting and window DCs
// ---------------------------------------------------------------------------
PLATFORM_USER_API BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
PLATFORM_USER_API BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
PLATFORM_USER_API BOOL ValidateRect(HWND hwnd, const RECT* rect);
PLATFORM_USER_API BOOL ValidateRgn(HWND hwnd, HRGN region);
PLATFORM_USER_API BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
PLATFORM_USER_API BOOL UpdateWindow(HWND hwnd);
PLATFORM_USER_API BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
PLATFORM_USER_API int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
PLATFORM_USER_API HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
PLATFORM_USER_API BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
PLATFORM_USER_API HDC GetDC(HWND hwnd);
PLATFORM_USER_API HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
PLATFORM_USER_API HDC GetWindowDC(HWND hwnd);
PLATFORM_USER_API int ReleaseDC(HWND hwnd, HDC dc);
PLATFORM_USER_API HWND WindowFromDC(HDC dc);
// FillRect, FrameRect, DrawEdge and the other brush calls are the GDI's
// (platform/gdi.h); system colour brushes ((HBRUSH)(COLOR_WINDOW + 1)) reach
// GetSysColor through the source this library registers with the GDI.

// ---------------------------------------------------------------------------
// Input: capture, focus, activation, hit testing, tracking, keys, cursors
// ---------------------------------------------------------------------------
PLATFORM_USER_API HWND SetCapture(HWND hwnd);
PLATFORM_USER_API BOOL ReleaseCapture();
PLATFORM_USER_API HWND GetCapture();
PLATFORM_USER_API HWND SetFocus(HWND hwnd);
PLATFORM_USER_API HWND GetFocus();
PLATFORM_USER_API HWND SetActiveWindow(HWND hwnd);
PLATFORM_USER_API HWND GetActiveWindow();
PLATFORM_USER_API BOOL SetForegroundWindow(HWND hwnd);
PLATFORM_USER_API HWND GetForegroundWindow();
PLATFORM_USER_API HWND WindowFromPoint(POINT point);
PLATFORM_USER_API HWND ChildWindowFromPoint(HWND parent, POINT point);
PLATFORM_USER_API HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
PLATFORM_USER_API BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
PLATFORM_USER_API SHORT GetKeyState(int vk);
PLATFORM_USER_API SHORT GetAsyncKeyState(int vk);
PLATFORM_USER_API BOOL GetCursorPos(POINT* point);
PLATFORM_USER_API HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
PLATFORM_USER_API HCURSOR SetCursor(HCURSOR cursor);
PLATFORM_USER_API HCURSOR GetCursor();
PLATFORM_USER_API BOOL DestroyCursor(HCURSOR cursor);
PLATFORM_USER_API int ShowCursor(BOOL show);
// Icons.  A null instance names the system's icons (IDI_...); the program's
// module (GetModuleHandleA(nullptr)) names its registered icon resources.
// LoadIconA gives a shared icon of the system size (SM_CXICON), scaled from
// the resource's nearest image when it has none of that size.
PLATFORM_USER_API HICON LoadIconA(HINSTANCE instance, LPCSTR name);
// A bitmap, icon or cursor from a resource of `instance` or, with
// LR_LOADFROMFILE, from the file `name`.  Icons and cursors: `cx`/`cy` 0
// mean the image's own size (LR_DEFAULTSIZE: the system size); the image
// nearest the wanted size is chosen and scaled to it.  Bitmaps come as DIB
// sections, stretched when a size is given.  LR_SHARED icons and cursors
// are loaded once per name and size and never destroyed.  Null on failure.
PLATFORM_USER_API HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
// Frees an icon; false for shared icons and stale handles.
PLATFORM_USER_API BOOL DestroyIcon(HICON icon);
// Draws the icon at its own size, blended by its transparency.
PLATFORM_USER_API BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// Draws the icon scaled to `cx` by `cy` (0: its own size, or the system size
// with DI_DEFAULTSIZE).  DI_IMAGE blends the colours, DI_MASK alone paints
// the mask (black where opaque, white where transparent).  With
// `flickerFree` the cell is first filled with that brush.
PLATFORM_USER_API BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFree,
                                  UINT flags);
PLATFORM_USER_API UINT GetDoubleClickTime();
PLATFORM_USER_API BOOL MessageBeep(UINT type);

// ---------------------------------------------------------------------------
// Metrics and rectangles
// ---------------------------------------------------------------------------
PLATFORM_USER_API int GetSystemMetrics(int index);
PLATFORM_USER_API BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);
PLATFORM_USER_API DWORD GetSysColor(int index);
PLATFORM_USER_API BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
PLATFORM_USER_API BOOL SetRectEmpty(RECT* rect);
PLATFORM_USER_API BOOL CopyRect(RECT* dst, const RECT* src);
PLATFORM_USER_API BOOL InflateRect(RECT* rect, int dx, int dy);
PLATFORM_USER_API BOOL OffsetRect(RECT* rect, int dx, int dy);
PLATFORM_USER_API BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
PLATFORM_USER_API BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);
PLATFORM_USER_API BOOL EqualRect(const RECT* a, const RECT* b);
PLATFORM_USER_API BOOL IsRectEmpty(const RECT* rect);
PLATFORM_USER_API BOOL PtInRect(const RECT* rect, POINT point);

} // extern "C"
