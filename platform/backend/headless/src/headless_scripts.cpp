// Popup menus, modal dialogs and common dialogs without a user: each answer
// a test queued is used once, in order; a menu with no answer queued is
// dismissed, a dialog with none is left to the injected keys and clicks,
// and a common dialog with none is cancelled.
#include "headless_impl.h"

#include <algorithm>

namespace platform {
namespace {

// Closing a common dialog unanswered takes its answer out of the backend.
class HeadlessCommonDialog final : public CommonDialog {
public:
    HeadlessCommonDialog(std::weak_ptr<HeadlessOpenDialogs> dialogs, std::uint64_t id)
        : dialogs_(std::move(dialogs)), id_(id)
    {
    }
    ~HeadlessCommonDialog() override
    {
        if (const auto dialogs = dialogs_.lock())
            dialogs->open.remove_if([&](const auto& d) { return d.id == id_; });
    }

private:
    std::weak_ptr<HeadlessOpenDialogs> dialogs_;
    std::uint64_t id_;
};

} // namespace

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

std::unique_ptr<CommonDialog> HeadlessBackend::Scripts::Open(CommonDialogAnswer::Kind kind,
                                                             std::function<void(const CommonDialogAnswer*)> reply)
{
    // The next answer is taken now; one of the other kind cancels.
    std::optional<CommonDialogAnswer> answer;
    if (!commonAnswers.empty()) {
        answer = commonAnswers.front();
        commonAnswers.pop_front();
    }
    HeadlessOpenDialog d;
    d.id = openDialogs->next++;
    d.due = now() + (answer ? std::max<std::int64_t>(answer->afterMs, 0) : 0);
    d.answer = [answer, kind, reply = std::move(reply)] {
        reply(answer && answer->kind == kind ? &*answer : nullptr);
    };
    const std::uint64_t id = d.id;
    openDialogs->open.push_back(std::move(d));
    return std::make_unique<HeadlessCommonDialog>(openDialogs, id);
}

std::unique_ptr<CommonDialog> HeadlessBackend::Scripts::ChooseColor(NativeWindowId owner,
                                                                    std::optional<COLORREF> initial, ColorDone done)
{
    ShownCommonDialog shown;
    shown.kind = CommonDialogAnswer::Kind::Color;
    shown.owner = owner;
    shown.initialColor = initial;
    shownCommon.push_back(std::move(shown));
    return Open(CommonDialogAnswer::Kind::Color, [done = std::move(done)](const CommonDialogAnswer* a) {
        done(a != nullptr ? std::optional<COLORREF>(a->color) : std::nullopt);
    });
}

std::unique_ptr<CommonDialog> HeadlessBackend::Scripts::ChooseFont(NativeWindowId owner, const FontChoice& initial,
                                                                   bool effects, FontDone done)
{
    ShownCommonDialog shown;
    shown.kind = CommonDialogAnswer::Kind::Font;
    shown.owner = owner;
    shown.initialFont = initial;
    shown.effects = effects;
    shownCommon.push_back(std::move(shown));
    return Open(CommonDialogAnswer::Kind::Font, [done = std::move(done)](const CommonDialogAnswer* a) {
        done(a != nullptr ? std::optional<FontChoice>(a->font) : std::nullopt);
    });
}

std::optional<std::int64_t> HeadlessBackend::Scripts::NextDialogDue() const
{
    std::optional<std::int64_t> due;
    for (const HeadlessOpenDialog& d : openDialogs->open)
        due = due ? std::min(*due, d.due) : d.due;
    return due;
}

bool HeadlessBackend::Scripts::DeliverDueDialogs(std::int64_t at)
{
    bool any = false;
    // The answer may open another dialog or close one, so each is taken out
    // before it is delivered.
    for (;;) {
        auto& open = openDialogs->open;
        const auto it = std::find_if(open.begin(), open.end(), [&](const HeadlessOpenDialog& d) { return d.due <= at; });
        if (it == open.end())
            return any;
        std::function<void()> answer = std::move(it->answer);
        open.erase(it);
        answer();
        any = true;
    }
}

HeadlessBackend::Scripts& HeadlessBackend::ScriptState()
{
    if (!scripts_) {
        scripts_ = std::make_unique<Scripts>();
        scripts_->now = [this] { return NowMs(); };
    }
    return *scripts_;
}

PopupMenuService* HeadlessBackend::PopupMenus() { return &ScriptState(); }
DialogScriptService* HeadlessBackend::DialogScripts() { return &ScriptState(); }
CommonDialogService* HeadlessBackend::CommonDialogs() { return &ScriptState(); }

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

void HeadlessBackend::QueueColorChoice(COLORREF color, std::int64_t afterMs)
{
    CommonDialogAnswer a;
    a.kind = CommonDialogAnswer::Kind::Color;
    a.color = color;
    a.afterMs = afterMs;
    ScriptState().commonAnswers.push_back(std::move(a));
}

void HeadlessBackend::QueueFontChoice(const FontChoice& font, std::int64_t afterMs)
{
    CommonDialogAnswer a;
    a.kind = CommonDialogAnswer::Kind::Font;
    a.font = font;
    a.afterMs = afterMs;
    ScriptState().commonAnswers.push_back(std::move(a));
}

void HeadlessBackend::QueueCommonDialogCancel(std::int64_t afterMs)
{
    CommonDialogAnswer a;
    a.kind = CommonDialogAnswer::Kind::Cancel;
    a.afterMs = afterMs;
    ScriptState().commonAnswers.push_back(std::move(a));
}

std::vector<HeadlessBackend::ShownCommonDialog> HeadlessBackend::ShownCommonDialogs() const
{
    return scripts_ ? scripts_->shownCommon : std::vector<ShownCommonDialog>{};
}

} // namespace platform
