// Modal dialogs: the loop that runs while the owner is disabled, EndDialog,
// and the hand-over to a dialog-script service.
#include "dialog.h"

#include "platform/user_runtime.h"
#include "resources.h"
#include "runtime.h"

namespace user {
namespace {

std::vector<int> PushButtonIds(HWND dialog)
{
    std::vector<int> ids;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (IsPushButton(c))
            ids.push_back(GetDlgCtrlID(c));
    return ids;
}

void OfferToScript(HWND dialog, platform::ModalDialogInfo info)
{
    platform::DialogScriptService* script = UserGetBackend().DialogScripts();
    if (script == nullptr)
        return;
    info.window = UserGetNativeWindow(dialog);
    if (info.caption.empty()) {
        char caption[512] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        info.caption = caption;
    }
    if (info.buttons.empty())
        info.buttons = PushButtonIds(dialog);
    const int id = script->OnModalDialogShown(info);
    if (id == 0 || !IsWindow(dialog))
        return;
    // The answer is what the user does on seeing the dialog, so it goes
    // ahead of input already taken from the backend: that input was meant
    // for later (a nested message box is shown while the keys after the one
    // that raised it are queued), and behind it the answer would come only
    // after those keys had gone to the new dialog.
    MSG click{};
    click.hwnd = dialog;
    click.message = WM_COMMAND;
    click.wParam = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
    click.lParam = reinterpret_cast<LPARAM>(GetDlgItem(dialog, id));
    RT().queue.PostFront(click);
}

} // namespace

INT_PTR RunModalDialog(HWND dialog, HWND owner, platform::ModalDialogInfo script)
{
    DialogState* state = Dialogs().Get(dialog);
    if (state == nullptr || !state->modal)
        return -1;
    const std::shared_ptr<ModalOutcome> outcome = state->modal;
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);

    if (!outcome->ended && IsWindow(dialog)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        if (DialogState* s = Dialogs().Get(dialog); s != nullptr && s->savedFocus != nullptr && IsWindow(s->savedFocus))
            DialogSetFocus(dialog, s->savedFocus);
        OfferToScript(dialog, std::move(script));
    }

    // Process-wide filters (PreTranslateMessage) first, then the keyboard
    // handling of whichever dialog of ours the message is for, so modeless
    // dialogs keep working inside a modal loop.
    MSG msg{};
    while (!outcome->ended && IsWindow(dialog)) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the enclosing loop
            break;
        }
        if (got < 0)
            continue;
        if (UserFilterMessage(msg))
            continue;
        const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root != nullptr && Dialogs().Get(root) != nullptr && IsDialogMessageA(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    if (disabledOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) {
        const bool wasActive = GetActiveWindow() == dialog;
        if (wasActive && owner != nullptr && IsWindowVisible(owner))
            SetActiveWindow(owner);
        DestroyWindow(dialog);
    }
    return outcome->result;
}

} // namespace user

using namespace user;

extern "C" {

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const UserDialogTemplate* dialogTemplate, HWND owner,
                                DLGPROC proc, LPARAM param)
{
    if (dialogTemplate == nullptr)
        return -1;
    if (owner != nullptr)
        owner = GetAncestor(owner, GA_ROOT);
    UserDialogTemplate popup = *dialogTemplate;
    popup.style &= ~WS_CHILD; // a modal dialog is always a top-level window
    const HWND dialog = CreateDialogFromTemplate(instance, popup, owner, proc, param, true);
    if (dialog == nullptr)
        return -1;
    return RunModalDialog(dialog, owner, platform::ModalDialogInfo{});
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param)
{
    WORD id = 0;
    if (!ResourceId(templateName, id))
        return -1;
    return DialogBoxIndirectParamA(instance, UserFindDialogTemplate(id), owner, proc, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogState* state = Dialogs().Get(dialog);
    if (state == nullptr)
        return FALSE;
    if (state->modal) {
        state->modal->ended = true;
        state->modal->result = result;
        // Re-enabling the owner here lets it take the activation back when
        // the dialog is hidden.
        if (const HWND owner = GetWindow(dialog, GW_OWNER); owner != nullptr && !IsWindowEnabled(owner))
            EnableWindow(owner, TRUE);
        PostMessageA(dialog, WM_NULL, 0, 0); // wakes the modal loop
    }
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

} // extern "C"
