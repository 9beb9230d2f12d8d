// The common colour and font dialogs (ChooseColorA, ChooseFontA) with their
// documented structures and flags.  The backend shows the dialog
// (platform::CommonDialogService); meanwhile the caller's owner window is
// disabled and the runtime's loop keeps running, so timers fire and windows
// repaint as under any modal dialog.  Hooks, custom templates and the help
// button are not offered: their flags are accepted and have no effect.
//
// Both return TRUE when the user chose, FALSE otherwise; CommDlgExtendedError
// then tells why: 0 when the user cancelled (or the owner went away),
// CDERR_STRUCTSIZE for a wrong lStructSize, CDERR_INITIALIZATION for a
// missing LOGFONT, CDERR_DIALOGFAILURE when the backend has no common
// dialogs (a desktop without them, the headless backend without a script
// answers by cancelling instead).
#pragma once

#include "platform/base.h"
#include "platform/gdi.h"
#include "platform/user_export.h"
#include "platform/user_types.h"

using LPCCHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPCFHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSECOLORA {
    DWORD lStructSize;
    HWND hwndOwner;
    HWND hInstance;
    COLORREF rgbResult;      // in with CC_RGBINIT; out: the colour chosen
    COLORREF* lpCustColors;  // 16 custom colours; kept as they are
    DWORD Flags;
    LPARAM lCustData;
    LPCCHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
};
using LPCHOOSECOLORA = CHOOSECOLORA*;

struct CHOOSEFONTA {
    DWORD lStructSize;
    HWND hwndOwner;
    HDC hDC;
    LOGFONTA* lpLogFont;     // in with CF_INITTOLOGFONTSTRUCT; out: the font chosen
    INT iPointSize;          // out: the size in tenths of a point
    DWORD Flags;
    COLORREF rgbColors;      // with CF_EFFECTS: in and out, the text colour
    LPARAM lCustData;
    LPCFHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    HINSTANCE hInstance;
    LPSTR lpszStyle;
    WORD nFontType;          // out: *_FONTTYPE bits
    WORD ___MISSING_ALIGNMENT__;
    INT nSizeMin;
    INT nSizeMax;
};
using LPCHOOSEFONTA = CHOOSEFONTA*;

// CHOOSECOLORA flags
inline constexpr DWORD CC_RGBINIT = 0x00000001;
inline constexpr DWORD CC_FULLOPEN = 0x00000002;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;
inline constexpr DWORD CC_SHOWHELP = 0x00000008;
inline constexpr DWORD CC_ENABLEHOOK = 0x00000010;
inline constexpr DWORD CC_ENABLETEMPLATE = 0x00000020;
inline constexpr DWORD CC_ENABLETEMPLATEHANDLE = 0x00000040;
inline constexpr DWORD CC_SOLIDCOLOR = 0x00000080;
inline constexpr DWORD CC_ANYCOLOR = 0x00000100;

// CHOOSEFONTA flags
inline constexpr DWORD CF_SCREENFONTS = 0x00000001;
inline constexpr DWORD CF_PRINTERFONTS = 0x00000002;
inline constexpr DWORD CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
inline constexpr DWORD CF_SHOWHELP = 0x00000004;
inline constexpr DWORD CF_ENABLEHOOK = 0x00000008;
inline constexpr DWORD CF_ENABLETEMPLATE = 0x00000010;
inline constexpr DWORD CF_ENABLETEMPLATEHANDLE = 0x00000020;
inline constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
inline constexpr DWORD CF_USESTYLE = 0x00000080;
inline constexpr DWORD CF_EFFECTS = 0x00000100;
inline constexpr DWORD CF_APPLY = 0x00000200;
inline constexpr DWORD CF_ANSIONLY = 0x00000400;
inline constexpr DWORD CF_NOVECTORFONTS = 0x00000800;
inline constexpr DWORD CF_NOSIMULATIONS = 0x00001000;
inline constexpr DWORD CF_LIMITSIZE = 0x00002000;
inline constexpr DWORD CF_FIXEDPITCHONLY = 0x00004000;
inline constexpr DWORD CF_FORCEFONTEXIST = 0x00010000;
inline constexpr DWORD CF_SCALABLEONLY = 0x00020000;
inline constexpr DWORD CF_TTONLY = 0x00040000;

// CHOOSEFONTA nFontType
inline constexpr WORD BOLD_FONTTYPE = 0x0100;
inline constexpr WORD ITALIC_FONTTYPE = 0x0200;
inline constexpr WORD REGULAR_FONTTYPE = 0x0400;
inline constexpr WORD SCREEN_FONTTYPE = 0x2000;

// CommDlgExtendedError results
inline constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;
inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;

extern "C" {

PLATFORM_USER_API BOOL ChooseColorA(CHOOSECOLORA* choose);
PLATFORM_USER_API BOOL ChooseFontA(CHOOSEFONTA* choose);
// Why the last ChooseColorA or ChooseFontA returned FALSE (0: cancelled).
PLATFORM_USER_API DWORD CommDlgExtendedError();

} // extern "C"
