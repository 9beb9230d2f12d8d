// Dialogs, controls, message boxes and string and bitmap resources: the
// dialog manager (templates, dialog units, keyboard navigation, modal and
// modeless dialogs), the standard controls drawn by the runtime (static,
// button, single-line edit, up-down, tooltip) and the calls programs use on
// them.  Calls and numbers are the published ones; templates are an
// in-memory description of our own (a program registers its resource tables
// at start, so that calls naming a resource id find them).  Strings are UTF-8.
#pragma once

#include "platform/base.h"
#include "platform/user_constants.h"
#include "platform/user_export.h"
#include "platform/user_types.h"

#include <cstddef>
#include <string>
#include <vector>

using INT_PTR = std::intptr_t;
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// ---------------------------------------------------------------------------
// Dialog templates
// ---------------------------------------------------------------------------

// One control of a template.  `className` is a registered window class
// ("BUTTON", "STATIC", "EDIT", "msctls_updown32", "tooltips_class32" ...) or
// an ActiveX class id in braces, which becomes a plain child window of class
// "QpAxHost" (no control is hosted yet).  A non-zero `resourceId` takes the
// place of the text: the bitmap shown by an SS_BITMAP static.  WS_CHILD is
// always added to `style`.  The rectangle is in dialog units.
struct UserDialogItem {
    std::string className;
    std::string text;
    WORD resourceId = 0;
    int id = -1;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};

// A dialog: window styles, the position and size of its client area in
// dialog units (relative to the owner's client area unless DS_ABSALIGN), the
// font that sets the units (used when DS_SETFONT or DS_SHELLFONT is in
// `style`; otherwise the stock font) and the controls, in tab order.
struct UserDialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::string faceName;
    WORD pointSize = 0;
    std::string caption;
    std::vector<UserDialogItem> items;
};

// The class of the dialog windows (the published atom name "#32770").
inline constexpr const char* WC_DIALOG = "#32770";
// The window class standing in for ActiveX controls named in templates.
inline constexpr const char* kUserAxHostClass = "QpAxHost";

// Dialog styles
inline constexpr DWORD DS_ABSALIGN = 0x01;
inline constexpr DWORD DS_SYSMODAL = 0x02;
inline constexpr DWORD DS_LOCALEDIT = 0x20;
inline constexpr DWORD DS_SETFONT = 0x40;
inline constexpr DWORD DS_MODALFRAME = 0x80;
inline constexpr DWORD DS_NOIDLEMSG = 0x100;
inline constexpr DWORD DS_SETFOREGROUND = 0x200;
inline constexpr DWORD DS_3DLOOK = 0x0004;
inline constexpr DWORD DS_FIXEDSYS = 0x0008;
inline constexpr DWORD DS_NOFAILCREATE = 0x0010;
inline constexpr DWORD DS_CONTROL = 0x0400;
inline constexpr DWORD DS_CENTER = 0x0800;
inline constexpr DWORD DS_CENTERMOUSE = 0x1000;
inline constexpr DWORD DS_CONTEXTHELP = 0x2000;
inline constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Command ids
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDCLOSE = 8;
inline constexpr int IDHELP = 9;
inline constexpr int IDC_STATIC = -1;

// Dialog messages
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr UINT DM_REPOSITION = WM_USER + 2;
inline constexpr WORD DC_HASDEFID = 0x534B;

// WM_GETDLGCODE results
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// Window data of dialogs (GetWindowLongPtrA)
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC = 8;
inline constexpr int DWLP_USER = 16;

// WM_NEXTDLGCTL
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;

// ---------------------------------------------------------------------------
// Controls: classes, styles, messages, notifications
// ---------------------------------------------------------------------------
inline constexpr const char* WC_BUTTON = "BUTTON";
inline constexpr const char* WC_STATIC = "STATIC";
inline constexpr const char* WC_EDIT = "EDIT";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";
inline constexpr const char* TOOLTIPS_CLASS = "tooltips_class32";

// Static styles, messages, notifications
inline constexpr DWORD SS_LEFT = 0x00000000;
inline constexpr DWORD SS_CENTER = 0x00000001;
inline constexpr DWORD SS_RIGHT = 0x00000002;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_BLACKRECT = 0x00000004;
inline constexpr DWORD SS_GRAYRECT = 0x00000005;
inline constexpr DWORD SS_WHITERECT = 0x00000006;
inline constexpr DWORD SS_BLACKFRAME = 0x00000007;
inline constexpr DWORD SS_GRAYFRAME = 0x00000008;
inline constexpr DWORD SS_WHITEFRAME = 0x00000009;
inline constexpr DWORD SS_SIMPLE = 0x0000000B;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x0000000C;
inline constexpr DWORD SS_OWNERDRAW = 0x0000000D;
inline constexpr DWORD SS_BITMAP = 0x0000000E;
inline constexpr DWORD SS_ETCHEDFRAME = 0x00000012;
inline constexpr DWORD SS_TYPEMASK = 0x0000001F;
inline constexpr DWORD SS_NOPREFIX = 0x00000080;
inline constexpr DWORD SS_NOTIFY = 0x00000100;
inline constexpr DWORD SS_CENTERIMAGE = 0x00000200;
inline constexpr DWORD SS_SUNKEN = 0x00001000;
inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;
inline constexpr WORD STN_CLICKED = 0;
inline constexpr WORD STN_DBLCLK = 1;
inline constexpr WORD STN_ENABLE = 2;
inline constexpr WORD STN_DISABLE = 3;

// Button styles, messages, states, notifications
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_CHECKBOX = 0x00000002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x00000003;
inline constexpr DWORD BS_RADIOBUTTON = 0x00000004;
inline constexpr DWORD BS_3STATE = 0x00000005;
inline constexpr DWORD BS_AUTO3STATE = 0x00000006;
inline constexpr DWORD BS_GROUPBOX = 0x00000007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x00000009;
inline constexpr DWORD BS_OWNERDRAW = 0x0000000B;
inline constexpr DWORD BS_TYPEMASK = 0x0000000F;
inline constexpr DWORD BS_LEFTTEXT = 0x00000020;
inline constexpr DWORD BS_BITMAP = 0x00000080;
inline constexpr DWORD BS_FLAT = 0x00008000;
inline constexpr DWORD BS_NOTIFY = 0x00004000;
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETIMAGE = 0x00F6;
inline constexpr UINT BM_SETIMAGE = 0x00F7;
inline constexpr UINT BST_UNCHECKED = 0x0000;
inline constexpr UINT BST_CHECKED = 0x0001;
inline constexpr UINT BST_INDETERMINATE = 0x0002;
inline constexpr UINT BST_PUSHED = 0x0004;
inline constexpr UINT BST_FOCUS = 0x0008;
inline constexpr WORD BN_CLICKED = 0;
inline constexpr WORD BN_DOUBLECLICKED = 5;
inline constexpr WORD BN_SETFOCUS = 6;
inline constexpr WORD BN_KILLFOCUS = 7;

// Owner drawing
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;
inline constexpr UINT ODS_FOCUS = 0x0010;
inline constexpr UINT ODS_DEFAULT = 0x0020;
inline constexpr UINT ODS_HOTLIGHT = 0x0040;
inline constexpr UINT ODS_NOACCEL = 0x0100;
inline constexpr UINT ODS_NOFOCUSRECT = 0x0200;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};

// Edit styles, messages, notifications
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_PASSWORD = 0x0020;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WORD EN_UPDATE = 0x0400;
inline constexpr WORD EN_MAXTEXT = 0x0501;

// Common-control notifications (WM_NOTIFY)
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

// Up-down control
inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
inline constexpr DWORD UDS_HOTTRACK = 0x0100;
inline constexpr UINT UDM_SETRANGE = WM_USER + 101;
inline constexpr UINT UDM_GETRANGE = WM_USER + 102;
inline constexpr UINT UDM_SETPOS = WM_USER + 103;
inline constexpr UINT UDM_GETPOS = WM_USER + 104;
inline constexpr UINT UDM_SETBUDDY = WM_USER + 105;
inline constexpr UINT UDM_GETBUDDY = WM_USER + 106;
inline constexpr UINT UDM_SETACCEL = WM_USER + 107;
inline constexpr UINT UDM_GETACCEL = WM_USER + 108;
inline constexpr UINT UDM_SETBASE = WM_USER + 109;
inline constexpr UINT UDM_GETBASE = WM_USER + 110;
inline constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
inline constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
inline constexpr UINT UDM_SETPOS32 = WM_USER + 113;
inline constexpr UINT UDM_GETPOS32 = WM_USER + 114;
inline constexpr int UD_MAXVAL = 0x7fff;
inline constexpr int UD_MINVAL = -UD_MAXVAL;
inline constexpr UINT UDN_FIRST = 0u - 721u;
inline constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
struct UDACCEL {
    UINT nSec;
    UINT nInc;
};

// Tooltip control
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr UINT TTF_TRACK = 0x0020;
inline constexpr UINT TTF_ABSOLUTE = 0x0080;
inline constexpr UINT TTF_TRANSPARENT = 0x0100;
inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
inline constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
inline constexpr UINT TTM_ADDTOOLA = WM_USER + 4;
inline constexpr UINT TTM_DELTOOLA = WM_USER + 5;
inline constexpr UINT TTM_NEWTOOLRECTA = WM_USER + 6;
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLINFOA = WM_USER + 8;
inline constexpr UINT TTM_SETTOOLINFOA = WM_USER + 9;
inline constexpr UINT TTM_GETTEXTA = WM_USER + 11;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_POP = WM_USER + 28;
inline constexpr UINT TTM_UPDATETIPTEXTA = WM_USER + 12;
inline constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLA;
inline constexpr UINT TTM_DELTOOL = TTM_DELTOOLA;
inline constexpr UINT TTM_UPDATETIPTEXT = TTM_UPDATETIPTEXTA;
inline constexpr WPARAM TTDT_AUTOMATIC = 0;
inline constexpr WPARAM TTDT_RESHOW = 1;
inline constexpr WPARAM TTDT_AUTOPOP = 2;
inline constexpr WPARAM TTDT_INITIAL = 3;

struct TOOLINFOA {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
};
using TOOLINFO = TOOLINFOA;

// ---------------------------------------------------------------------------
// Message boxes
// ---------------------------------------------------------------------------
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_RETRYCANCEL = 0x00000005;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
inline constexpr UINT MB_DEFBUTTON1 = 0x00000000;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100;
inline constexpr UINT MB_DEFBUTTON3 = 0x00000200;
inline constexpr UINT MB_DEFMASK = 0x00000F00;
inline constexpr UINT MB_APPLMODAL = 0x00000000;
inline constexpr UINT MB_SYSTEMMODAL = 0x00001000;
inline constexpr UINT MB_TASKMODAL = 0x00002000;
inline constexpr UINT MB_SETFOREGROUND = 0x00010000;
inline constexpr UINT MB_TOPMOST = 0x00040000;

extern "C" {

// ---------------------------------------------------------------------------
// Dialogs
// ---------------------------------------------------------------------------
PLATFORM_USER_API HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc,
                                          LPARAM param);
PLATFORM_USER_API HWND CreateDialogIndirectParamA(HINSTANCE instance, const UserDialogTemplate* dialogTemplate,
                                                  HWND owner, DLGPROC proc, LPARAM param);
PLATFORM_USER_API INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc,
                                          LPARAM param);
PLATFORM_USER_API INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const UserDialogTemplate* dialogTemplate,
                                                  HWND owner, DLGPROC proc, LPARAM param);
// Ends a modal dialog (its loop returns `result` and the dialog is
// destroyed) or hides a modeless one.
PLATFORM_USER_API BOOL EndDialog(HWND dialog, INT_PTR result);
PLATFORM_USER_API LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API BOOL IsDialogMessageA(HWND dialog, MSG* msg);
PLATFORM_USER_API BOOL MapDialogRect(HWND dialog, RECT* rect);
PLATFORM_USER_API LONG GetDialogBaseUnits();
PLATFORM_USER_API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
PLATFORM_USER_API HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
PLATFORM_USER_API BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
PLATFORM_USER_API UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
PLATFORM_USER_API BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
PLATFORM_USER_API UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
PLATFORM_USER_API LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_USER_API BOOL CheckDlgButton(HWND dialog, int id, UINT check);
PLATFORM_USER_API UINT IsDlgButtonChecked(HWND dialog, int id);
PLATFORM_USER_API BOOL CheckRadioButton(HWND dialog, int first, int last, int check);

// ---------------------------------------------------------------------------
// Message boxes: a modal dialog of the runtime's own, owned by `owner`.
// Returns the id of the button pressed (IDOK ...), 0 on failure.
// ---------------------------------------------------------------------------
PLATFORM_USER_API int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// ---------------------------------------------------------------------------
// Resources
// ---------------------------------------------------------------------------
// Copies the string resource `id` (UTF-8) into `buffer`, truncated at a
// character boundary and NUL-terminated; returns its length in bytes, 0
// when there is none.  With `size` 0 the call stores a pointer to the
// read-only string itself in `buffer` and returns its length.
PLATFORM_USER_API int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
// A new bitmap (a DIB section) from the bitmap resource `name`; null when
// there is none or its data is not a valid bitmap.  DeleteObject frees it.
PLATFORM_USER_API HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);

} // extern "C"

// ---------------------------------------------------------------------------
// Registering resources (a program's tables, at start).  The instance
// handle is not looked at: a process has one table of each kind.  A later
// registration of the same id replaces the earlier one.
// ---------------------------------------------------------------------------
PLATFORM_USER_API void UserRegisterDialogTemplate(WORD id, const UserDialogTemplate& dialogTemplate);
PLATFORM_USER_API const UserDialogTemplate* UserFindDialogTemplate(WORD id);
PLATFORM_USER_API void UserRegisterString(UINT id, const std::string& utf8);
// `bmpFile` is the contents of a .bmp file; the bytes are copied.
PLATFORM_USER_API void UserRegisterBitmapResource(WORD id, const void* bmpFile, std::size_t size);
// `file` is the contents of a .ico (or .cur) file; the bytes are copied and
// read when the icon (cursor) is loaded.
PLATFORM_USER_API void UserRegisterIconResource(WORD id, const void* file, std::size_t size);
PLATFORM_USER_API void UserRegisterCursorResource(WORD id, const void* file, std::size_t size);
// Forgets every registered template, string, bitmap, icon, cursor and menu
// (tests).
PLATFORM_USER_API void UserClearResources();
