// Popup menus and modal dialogs without a user: each answer a test queued
// is used once, in order; a menu with no answer queued is dismissed, and a
// dialog with none is left to the injected keys and clicks.
#include "headless_impl.h"

namespace platform {

UINT HeadlessBackend::Scripts::TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, NativeWindowId owner)
{
    shownMenus.push_back(ShownMenu{items, screen, owner});
    if (menuAnswers.empty())
        return 0;
    const UINT answer = menuAnswers.front();
    menuAnswers.pop_front();
    return answer;
}

int HeadlessBackend::Scripts::OnModalDialogShown(const ModalDialogInfo& dialog)
{
    shownDialogs.push_back(dialog);
    if (dialogAnswers.empty())
        return 0;
    const int answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

HeadlessBackend::Scripts& HeadlessBackend::ScriptState()
{
    if (!scripts_)
        scripts_ = std::make_unique<Scripts>();
    return *scripts_;
}

PopupMenuService* HeadlessBackend::PopupMenus() { return &ScriptState(); }
DialogScriptService* HeadlessBackend::DialogScripts() { return &ScriptState(); }

void HeadlessBackend::QueueMenuChoice(UINT command) { ScriptState().menuAnswers.push_back(command); }
void HeadlessBackend::QueueMenuDismiss() { ScriptState().menuAnswers.push_back(0); }
std::vector<HeadlessBackend::ShownMenu> HeadlessBackend::ShownMenus() const
{
    return scripts_ ? scripts_->shownMenus : std::vector<ShownMenu>{};
}
void HeadlessBackend::QueueDialogAnswer(int commandId) { ScriptState().dialogAnswers.push_back(commandId); }
std::vector<ModalDialogInfo> HeadlessBackend::ShownDialogs() const
{
    return scripts_ ? scripts_->shownDialogs : std::vector<ModalDialogInfo>{};
}

} // namespace platform
