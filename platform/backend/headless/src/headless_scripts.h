// Scripted answers of the headless backend for popup menus and modal
// dialogs, and the record of what was shown.
#pragma once

#include "platform/headless_backend.h"

#include <deque>

namespace platform {

class HeadlessBackend::Scripts final : public PopupMenuService, public DialogScriptService {
public:
    UINT TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, NativeWindowId owner) override;
    int OnModalDialogShown(const ModalDialogInfo& dialog) override;

    std::deque<UINT> menuAnswers;
    std::vector<ShownMenu> shownMenus;
    std::deque<int> dialogAnswers;
    std::vector<ModalDialogInfo> shownDialogs;
};

} // namespace platform
