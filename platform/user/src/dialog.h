// The dialog manager's record of each dialog window, creation from a
// template, and the modal loop.
#pragma once

#include "controls.h"
#include "platform/backend.h"

#include <memory>

namespace user {

// How a modal dialog ended; shared with the loop that waits for it, so the
// loop can read it after the window is gone.
struct ModalOutcome {
    bool ended = false;
    INT_PTR result = 0;
};

struct DialogState {
    HFONT font = nullptr;
    bool ownsFont = false;
    SIZE baseUnits{8, 16};
    WORD defId = 0;                 // 0: none set (Enter then means IDOK)
    HWND savedFocus = nullptr;      // the control to give the focus back to
    std::shared_ptr<ModalOutcome> modal; // null for modeless dialogs
};

StateMap<DialogState>& Dialogs();

// Creates the dialog and its controls, sends WM_INITDIALOG and shows it when
// `show` or WS_VISIBLE asks; null when the dialog or a control cannot be made.
HWND CreateDialogFromTemplate(HINSTANCE instance, const UserDialogTemplate& dialogTemplate, HWND owner,
                              DLGPROC proc, LPARAM param, bool modal);
// Runs a created modal dialog until EndDialog, with `owner` disabled, then
// destroys it.  `script` describes it to a dialog-script service, if any.
INT_PTR RunModalDialog(HWND dialog, HWND owner, platform::ModalDialogInfo script);

// Gives the focus to a control as the dialog manager does: an edit control
// gets all its text selected.
void DialogSetFocus(HWND dialog, HWND control);
bool IsPushButton(HWND control);

} // namespace user
