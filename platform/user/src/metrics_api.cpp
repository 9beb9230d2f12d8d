// System metrics, parameters and colours; GetCursorPos; MessageBeep.
#include "runtime.h"

#include <cstring>

using namespace user;

namespace {

int ScreenWidth()
{
    const RECT s = Backend().ScreenRect();
    return s.right - s.left;
}

int ScreenHeight()
{
    const RECT s = Backend().ScreenRect();
    return s.bottom - s.top;
}

} // namespace

extern "C" {

int GetSystemMetrics(int index)
{
    const RECT work = Backend().WorkArea();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return ScreenWidth();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return ScreenHeight();
    case SM_XVIRTUALSCREEN: return Backend().ScreenRect().left;
    case SM_YVIRTUALSCREEN: return Backend().ScreenRect().top;
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED: return work.right - work.left;
    case SM_CYFULLSCREEN:
    case SM_CYMAXIMIZED: return work.bottom - work.top;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    // Frames and captions of top-level windows are the desktop's and lie
    // outside the window rectangle, so they take no room here.
    case SM_CYCAPTION:
    case SM_CYSMCAPTION:
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 0;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 20;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 1;
    case SM_CYMIN:
    case SM_CYMINTRACK: return 1;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return 75;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 15;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS: return 1;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_SWAPBUTTON: return 0;
    default: return 0;
    }
}

BOOL SystemParametersInfoA(UINT action, UINT, LPVOID pvParam, UINT)
{
    if (pvParam == nullptr)
        return FALSE;
    switch (action) {
    case SPI_GETWORKAREA: {
        const RECT work = Backend().WorkArea();
        std::memcpy(pvParam, &work, sizeof work);
        return TRUE;
    }
    case SPI_GETANIMATION: {
        auto* info = static_cast<ANIMATIONINFO*>(pvParam);
        if (info->cbSize != sizeof(ANIMATIONINFO))
            return FALSE;
        info->iMinAnimate = 0; // no minimise and restore animations
        return TRUE;
    }
    case SPI_GETDRAGFULLWINDOWS:
        *static_cast<BOOL*>(pvParam) = TRUE;
        return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        *static_cast<UINT*>(pvParam) = 4;
        return TRUE;
    case SPI_GETMOUSEHOVERTIME:
        *static_cast<UINT*>(pvParam) = 400;
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        *static_cast<UINT*>(pvParam) = 3;
        return TRUE;
    default:
        return FALSE;
    }
}

DWORD GetSysColor(int index)
{
    // A light desktop theme.
    static const COLORREF colors[] = {
        RGB(200, 200, 200), // COLOR_SCROLLBAR
        RGB(0, 0, 0),       // COLOR_BACKGROUND
        RGB(153, 180, 209), // COLOR_ACTIVECAPTION
        RGB(191, 205, 219), // COLOR_INACTIVECAPTION
        RGB(240, 240, 240), // COLOR_MENU
        RGB(255, 255, 255), // COLOR_WINDOW
        RGB(100, 100, 100), // COLOR_WINDOWFRAME
        RGB(0, 0, 0),       // COLOR_MENUTEXT
        RGB(0, 0, 0),       // COLOR_WINDOWTEXT
        RGB(0, 0, 0),       // COLOR_CAPTIONTEXT
        RGB(180, 180, 180), // COLOR_ACTIVEBORDER
        RGB(244, 247, 252), // COLOR_INACTIVEBORDER
        RGB(171, 171, 171), // COLOR_APPWORKSPACE
        RGB(0, 120, 215),   // COLOR_HIGHLIGHT
        RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
        RGB(240, 240, 240), // COLOR_BTNFACE
        RGB(160, 160, 160), // COLOR_BTNSHADOW
        RGB(109, 109, 109), // COLOR_GRAYTEXT
        RGB(0, 0, 0),       // COLOR_BTNTEXT
        RGB(67, 78, 84),    // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
        RGB(105, 105, 105), // COLOR_3DDKSHADOW
        RGB(227, 227, 227), // COLOR_3DLIGHT
        RGB(0, 0, 0),       // COLOR_INFOTEXT
        RGB(255, 255, 225), // COLOR_INFOBK
        RGB(181, 181, 181), // 25, unused
        RGB(0, 102, 204),   // COLOR_HOTLIGHT
        RGB(185, 209, 234), // COLOR_GRADIENTACTIVECAPTION
        RGB(215, 228, 242), // COLOR_GRADIENTINACTIVECAPTION
        RGB(51, 153, 255),  // COLOR_MENUHILIGHT
        RGB(240, 240, 240), // COLOR_MENUBAR
    };
    if (index < 0 || index >= static_cast<int>(sizeof colors / sizeof colors[0]))
        return 0;
    return colors[index];
}

BOOL GetCursorPos(POINT* point)
{
    if (point == nullptr)
        return FALSE;
    // Where the pointer was at the last input taken from the queue, so a
    // handler sees the position that belongs to the message it handles.
    *point = RT().cursorPos;
    return TRUE;
}

UINT GetDoubleClickTime() { return 500; }

BOOL MessageBeep(UINT) { return TRUE; } // no sound on this platform

} // extern "C"
