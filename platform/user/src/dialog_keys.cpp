// Keyboard navigation in dialogs: IsDialogMessageA, the tab and group
// order, and focus changes made by the dialog manager.
#include "dialog.h"

#include <vector>

namespace user {
namespace {

std::vector<HWND> Controls(HWND dialog)
{
    std::vector<HWND> list;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        list.push_back(c);
    return list;
}

LONG StyleOf(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }

bool Reachable(HWND c) { return IsWindowVisible(c) && IsWindowEnabled(c); }

// The direct child of `dialog` that contains `hwnd`, or null.
HWND ControlOf(HWND dialog, HWND hwnd)
{
    while (hwnd != nullptr && GetParent(hwnd) != dialog)
        hwnd = GetParent(hwnd);
    return hwnd;
}

LRESULT DlgCode(HWND control, MSG* msg)
{
    return SendMessageA(control, WM_GETDLGCODE, msg != nullptr ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

void PressDefault(HWND dialog, HWND focus)
{
    int id = IDOK;
    HWND button = nullptr;
    if (focus != nullptr && IsPushButton(focus)) {
        button = focus;
        id = GetDlgCtrlID(focus);
    } else {
        const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(static_cast<std::uintptr_t>(def)) == DC_HASDEFID)
            id = LOWORD(static_cast<std::uintptr_t>(def));
        button = GetDlgItem(dialog, id);
    }
    if (button != nullptr && !IsWindowEnabled(button)) {
        MessageBeep(0);
        return;
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

} // namespace

bool IsPushButton(HWND control)
{
    return control != nullptr &&
           (SendMessageA(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void DialogSetFocus(HWND, HWND control)
{
    if (control == nullptr)
        return;
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
        SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

} // namespace user

using namespace user;

extern "C" {

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    const std::vector<HWND> list = Controls(dialog);
    if (list.empty())
        return nullptr;
    const HWND from = ControlOf(dialog, control);
    std::size_t start = 0;
    bool found = false;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == from) {
            start = i;
            found = true;
        }
    const std::size_t n = list.size();
    for (std::size_t step = found ? 1 : 0; step <= n; ++step) {
        std::size_t i = 0;
        if (!found)
            i = previous ? n - 1 - (step % n) : step % n;
        else
            i = previous ? (start + n - (step % n)) % n : (start + step) % n;
        const HWND c = list[i];
        if ((StyleOf(c) & WS_TABSTOP) != 0 && Reachable(c))
            return c;
        if (!found && step + 1 == n)
            break;
    }
    return from;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    const std::vector<HWND> list = Controls(dialog);
    const HWND from = ControlOf(dialog, control);
    std::size_t at = list.size();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == from)
            at = i;
    if (at == list.size())
        return GetNextDlgTabItem(dialog, nullptr, previous);
    // The group runs from the last WS_GROUP control at or before `from` to
    // the control before the next WS_GROUP.
    std::size_t first = at;
    while (first > 0 && (StyleOf(list[first]) & WS_GROUP) == 0)
        --first;
    std::size_t last = at + 1;
    while (last < list.size() && (StyleOf(list[last]) & WS_GROUP) == 0)
        ++last;
    const std::size_t n = last - first;
    for (std::size_t step = 1; step < n; ++step) {
        const std::size_t offset = at - first;
        const std::size_t i = first + (previous ? (offset + n - step) % n : (offset + step) % n);
        if (Reachable(list[i]))
            return list[i];
    }
    return from;
}

BOOL IsDialogMessageA(HWND dialog, MSG* msg)
{
    if (msg == nullptr || dialog == nullptr || !IsWindow(dialog))
        return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))
        return FALSE;
    const HWND target = msg->hwnd;
    if (msg->message == WM_KEYDOWN) {
        const LRESULT code = DlgCode(target, msg);
        const bool wantsAll = (code & DLGC_WANTMESSAGE) != 0;
        switch (msg->wParam) {
        case VK_TAB:
            if (wantsAll || (code & DLGC_WANTTAB) != 0)
                break;
            if (const HWND next = GetNextDlgTabItem(dialog, target, (GetKeyState(VK_SHIFT) & 0x8000) != 0))
                DialogSetFocus(dialog, next);
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (wantsAll || (code & DLGC_WANTARROWS) != 0)
                break;
            const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            const HWND next = GetNextDlgGroupItem(dialog, target, back);
            if (next != nullptr && next != ControlOf(dialog, target)) {
                DialogSetFocus(dialog, next);
                const LRESULT nextCode = SendMessageA(next, WM_GETDLGCODE, 0, 0);
                const LONG type = StyleOf(next) & static_cast<LONG>(BS_TYPEMASK);
                if ((nextCode & DLGC_RADIOBUTTON) != 0 && type == static_cast<LONG>(BS_AUTORADIOBUTTON))
                    SendMessageA(next, BM_CLICK, 0, 0);
            }
            return TRUE;
        }
        case VK_RETURN:
            if (wantsAll)
                break;
            PressDefault(dialog, target == dialog ? nullptr : target);
            return TRUE;
        case VK_ESCAPE: {
            if (wantsAll)
                break;
            const HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (cancel != nullptr && !IsWindowEnabled(cancel)) {
                MessageBeep(0);
                return TRUE;
            }
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            return TRUE;
        }
        default:
            break;
        }
    } else if (msg->message == WM_CHAR) {
        // The characters of the keys handled above are not typed.
        const LRESULT code = DlgCode(target, msg);
        if ((code & DLGC_WANTMESSAGE) == 0) {
            if (msg->wParam == '\t' && (code & DLGC_WANTTAB) == 0)
                return TRUE;
            if (msg->wParam == '\r' || msg->wParam == 0x1B)
                return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

} // extern "C"
