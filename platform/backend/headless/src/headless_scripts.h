// Scripted answers of the headless backend for popup menus, modal dialogs
// and common dialogs, and the record of what was shown.
#pragma once

#include "platform/headless_backend.h"

#include <deque>
#include <list>
#include <memory>

namespace platform {

// A common dialog that is up: its answer is delivered by the first wait at
// or after `due`.
struct HeadlessOpenDialog {
    std::uint64_t id = 0;
    std::int64_t due = 0;
    std::function<void()> answer;
};

// The open common dialogs, shared with the dialog objects, which may
// outlive the backend.
struct HeadlessOpenDialogs {
    std::list<HeadlessOpenDialog> open;
    std::uint64_t next = 1;
};

class HeadlessBackend::Scripts final : public PopupMenuService, public DialogScriptService, public CommonDialogService {
public:
    UINT TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, NativeWindowId owner) override;
    int OnModalDialogShown(const ModalDialogInfo& dialog) override;
    std::unique_ptr<CommonDialog> ChooseColor(NativeWindowId owner, std::optional<COLORREF> initial,
                                              ColorDone done) override;
    std::unique_ptr<CommonDialog> ChooseFont(NativeWindowId owner, const FontChoice& initial, bool effects,
                                             FontDone done) override;

    // The answer that is due earliest, or nothing when none is open.
    std::optional<std::int64_t> NextDialogDue() const;
    // Delivers the answers due at `now`; true when it delivered one.
    bool DeliverDueDialogs(std::int64_t now);

    std::deque<UINT> menuAnswers;
    std::vector<ShownMenu> shownMenus;
    std::deque<int> dialogAnswers;
    std::vector<ModalDialogInfo> shownDialogs;
    std::deque<CommonDialogAnswer> commonAnswers;
    std::vector<ShownCommonDialog> shownCommon;
    std::shared_ptr<HeadlessOpenDialogs> openDialogs = std::make_shared<HeadlessOpenDialogs>();
    std::function<std::int64_t()> now; // the backend's clock

private:
    std::unique_ptr<CommonDialog> Open(CommonDialogAnswer::Kind kind, std::function<void(const CommonDialogAnswer*)> reply);
};

} // namespace platform
