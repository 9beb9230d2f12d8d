// DefDlgProcA: calls the dialog procedure, then the dialog manager's own
// handling of what it leaves.
#include "dialog.h"

namespace user {
void AdoptCreatingDialog(HWND hwnd);

namespace {

// Messages whose result is the dialog procedure's return value itself
// rather than DWLP_MSGRESULT.
bool ReturnsProcResult(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case 0x0039: // WM_COMPAREITEM
    case 0x002E: // WM_VKEYTOITEM
    case 0x002F: // WM_CHARTOITEM
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

bool HasDialogExtra(HWND hwnd)
{
    return static_cast<int>(GetClassLongPtrA(hwnd, GCL_CBWNDEXTRA)) >= DWLP_USER + 8;
}

void RestoreFocus(HWND dialog)
{
    DialogState* state = Dialogs().Get(dialog);
    HWND target = state != nullptr ? state->savedFocus : nullptr;
    if (target == nullptr || !IsChild(dialog, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target != nullptr)
        DialogSetFocus(dialog, target);
}

LRESULT DialogDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCDESTROY: {
        if (DialogState* state = Dialogs().Get(hwnd)) {
            if (state->modal && !state->modal->ended)
                state->modal->ended = true; // the loop waiting for it must end
            if (state->ownsFont)
                DeleteObject(state->font);
            Dialogs().Erase(hwnd);
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_SETFONT:
        if (DialogState* state = Dialogs().Get(hwnd)) {
            if (state->ownsFont && state->font != reinterpret_cast<HFONT>(wParam)) {
                DeleteObject(state->font);
                state->ownsFont = false;
            }
            state->font = reinterpret_cast<HFONT>(wParam);
        }
        return 0;
    case WM_GETFONT: {
        const DialogState* state = Dialogs().Get(hwnd);
        return state != nullptr ? reinterpret_cast<LRESULT>(state->font) : 0;
    }
    case WM_CLOSE: {
        // A close is the cancel command, unless a Cancel button is disabled.
        const HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (cancel != nullptr && !IsWindowEnabled(cancel)) {
            MessageBeep(0);
            return 0;
        }
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (DialogState* state = Dialogs().Get(hwnd); state != nullptr && focus != nullptr && IsChild(hwnd, focus))
                state->savedFocus = focus;
        } else {
            RestoreFocus(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(hwnd);
        return 0;
    case WM_INITDIALOG:
        return TRUE; // no dialog procedure: the first control gets the focus
    case WM_SHOWWINDOW:
        if (wParam == FALSE) {
            const HWND focus = GetFocus();
            if (DialogState* state = Dialogs().Get(hwnd); state != nullptr && focus != nullptr && IsChild(hwnd, focus))
                state->savedFocus = focus;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case DM_GETDEFID: {
        const DialogState* state = Dialogs().Get(hwnd);
        if (state == nullptr || state->defId == 0)
            return 0;
        return MAKELRESULT(state->defId, DC_HASDEFID);
    }
    case DM_SETDEFID: {
        DialogState* state = Dialogs().Get(hwnd);
        if (state == nullptr)
            return FALSE;
        const WORD previous = state->defId;
        const WORD next = static_cast<WORD>(wParam);
        state->defId = next;
        if (previous != next) {
            const HWND old = GetDlgItem(hwnd, previous);
            if (old != nullptr && (SendMessageA(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0)
                SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
        const HWND button = GetDlgItem(hwnd, next);
        if (button != nullptr && (SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0)
            SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        return TRUE;
    }
    case WM_NEXTDLGCTL: {
        HWND target = nullptr;
        if (LOWORD(static_cast<std::uintptr_t>(lParam)) != 0)
            target = reinterpret_cast<HWND>(wParam);
        else
            target = GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
        if (target != nullptr && IsChild(hwnd, target))
            DialogSetFocus(hwnd, target);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace
} // namespace user

using namespace user;

extern "C" LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        AdoptCreatingDialog(dialog);
    if (HasDialogExtra(dialog)) {
        const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
        if (proc != nullptr) {
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
            const INT_PTR handled = proc(dialog, message, wParam, lParam);
            if (!IsWindow(dialog))
                return handled;
            if (handled != 0 || ReturnsProcResult(message)) {
                if (ReturnsProcResult(message))
                    return handled;
                return GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
            }
        }
    }
    return DialogDefault(dialog, message, wParam, lParam);
}
