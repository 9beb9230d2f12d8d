// The notification area (Shell_NotifyIconA) and the task bar's place
// (SHAppBarMessage).  Icons live in the backend's tray; the shell accepts
// an icon even when no tray host runs yet, and the backend shows it once
// one appears.  Mouse events on an icon come back to its window as the
// icon's callback message: wParam the icon's id, lParam the mouse message
// (WM_RBUTTONUP, WM_LBUTTONDBLCLK ...), posted like the platform does.
#pragma once

#include "platform/base.h"
#include "platform/shell_export.h"
#include "platform/user_types.h"

#include <cstddef>

struct NOTIFYICONDATAA {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    CHAR szInfo[256];
    union {
        UINT uTimeout;
        UINT uVersion;
    };
    CHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};

// The record with the state and balloon fields.  It is 488 bytes where
// pointers are 32 bits wide; on this 64-bit platform the window and icon
// handles are 8 bytes and aligned, which makes it 504.  cbSize must hold
// this platform's size.
inline constexpr DWORD NOTIFYICONDATAA_V2_SIZE = sizeof(NOTIFYICONDATAA);
static_assert(sizeof(void*) != 8 || sizeof(NOTIFYICONDATAA) == 504, "64-bit NOTIFYICONDATAA is 504 bytes");
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, hWnd) == 8);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, uID) == 16);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, hIcon) == 32);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, szTip) == 40);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, dwState) == 168);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, szInfo) == 176);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, uTimeout) == 432);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, szInfoTitle) == 436);
static_assert(sizeof(void*) != 8 || offsetof(NOTIFYICONDATAA, dwInfoFlags) == 500);
static_assert(sizeof(void*) != 4 || sizeof(NOTIFYICONDATAA) == 488, "32-bit NOTIFYICONDATAA is 488 bytes");

// Shell_NotifyIconA messages.
inline constexpr DWORD NIM_ADD = 0;
inline constexpr DWORD NIM_MODIFY = 1;
inline constexpr DWORD NIM_DELETE = 2;
inline constexpr DWORD NIM_SETFOCUS = 3;

// Which fields of the record are valid.
inline constexpr UINT NIF_MESSAGE = 0x01;
inline constexpr UINT NIF_ICON = 0x02;
inline constexpr UINT NIF_TIP = 0x04;
inline constexpr UINT NIF_STATE = 0x08;
inline constexpr UINT NIF_INFO = 0x10;

inline constexpr DWORD NIS_HIDDEN = 0x01;

// Balloon icon kinds (dwInfoFlags).
inline constexpr DWORD NIIF_NONE = 0;
inline constexpr DWORD NIIF_INFO = 1;
inline constexpr DWORD NIIF_WARNING = 2;
inline constexpr DWORD NIIF_ERROR = 3;

struct APPBARDATA {
    DWORD cbSize;
    HWND hWnd;
    UINT uCallbackMessage;
    UINT uEdge;
    RECT rc;
    LPARAM lParam;
};
// 36 bytes with 32-bit pointers; 48 here.
static_assert(sizeof(void*) != 8 || sizeof(APPBARDATA) == 48, "64-bit APPBARDATA is 48 bytes");

inline constexpr DWORD ABM_GETTASKBARPOS = 0x05;
inline constexpr UINT ABE_LEFT = 0;
inline constexpr UINT ABE_TOP = 1;
inline constexpr UINT ABE_RIGHT = 2;
inline constexpr UINT ABE_BOTTOM = 3;

extern "C" {
// NIM_ADD: a new icon for (hWnd, uID); FALSE when that icon exists, the
// window does not, the desktop has no notification area at all, or the
// tray refuses it.  NIM_MODIFY changes the fields uFlags names (NIF_STATE
// with NIS_HIDDEN in dwStateMask hides or shows it; NIF_INFO with a
// non-empty szInfo shows a balloon).  NIM_DELETE removes it.  NIM_SETFOCUS
// only checks that it exists.  cbSize must be NOTIFYICONDATAA_V2_SIZE.
PLATFORM_SHELL_API BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data);
// ABM_GETTASKBARPOS only: the strip between the screen's edge and the work
// area (the desktop's panels) and its edge; 0 when the work area is the
// whole screen.  cbSize must be sizeof(APPBARDATA).
PLATFORM_SHELL_API UINT_PTR SHAppBarMessage(DWORD message, APPBARDATA* data);
}
