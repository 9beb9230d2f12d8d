// Per-thread state of the window classes: the handle map, the window being
// created, and the message being processed (for CWnd::Default).
#pragma once

#include "handle_maps.h"
#include "platform/afx_wnd.h"

namespace afx {

HandleMap<HWND, CWnd>& WndMap();

struct WndThreadState {
    // The object whose window CreateEx or a dialog creation is making: the
    // first message of a new window joins it to this object.
    CWnd* pendingCreate = nullptr;
    MSG current{};
};
WndThreadState& ThreadState();

// Joins `wnd` to `hwnd` and routes the window's procedure through
// AfxWndProc (remembering the previous one).
void HookWindow(CWnd* wnd, HWND hwnd);

// Installs the process-wide filter that runs PreTranslateMessage (once).
void InstallPreTranslateFilter();

} // namespace afx
