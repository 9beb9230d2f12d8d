// Shell_NotifyIconA and SHAppBarMessage.
#include "platform/shell_tray.h"

#include "notify_icons.h"
#include "platform/user_runtime.h"

extern "C" BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data)
{
    if (data == nullptr || data->cbSize != NOTIFYICONDATAA_V2_SIZE)
        return FALSE;
    shell::NotifyIcons& icons = shell::NotifyIcons::Instance();
    switch (message) {
    case NIM_ADD:
        return icons.Add(*data);
    case NIM_MODIFY:
        return icons.Modify(*data);
    case NIM_DELETE:
        return icons.Delete(*data);
    case NIM_SETFOCUS:
        return icons.SetFocus(*data);
    default:
        return FALSE;
    }
}

extern "C" UINT_PTR SHAppBarMessage(DWORD message, APPBARDATA* data)
{
    if (message != ABM_GETTASKBARPOS || data == nullptr || data->cbSize != sizeof(APPBARDATA))
        return 0;
    // The desktop's panels are what the work area leaves of the screen; the
    // widest strip they take is the task bar.
    platform::Backend& backend = UserGetBackend();
    const RECT screen = backend.ScreenRect();
    const RECT work = backend.WorkArea();
    struct Strip {
        UINT edge;
        LONG size;
        RECT rc;
    };
    const Strip strips[] = {
        {ABE_BOTTOM, screen.bottom - work.bottom, {screen.left, work.bottom, screen.right, screen.bottom}},
        {ABE_TOP, work.top - screen.top, {screen.left, screen.top, screen.right, work.top}},
        {ABE_LEFT, work.left - screen.left, {screen.left, screen.top, work.left, screen.bottom}},
        {ABE_RIGHT, screen.right - work.right, {work.right, screen.top, screen.right, screen.bottom}},
    };
    const Strip* best = nullptr;
    for (const Strip& strip : strips)
        if (strip.size > 0 && (best == nullptr || strip.size > best->size))
            best = &strip;
    if (best == nullptr)
        return 0;
    data->uEdge = best->edge;
    data->rc = best->rc;
    return 1;
}
