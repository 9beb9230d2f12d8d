// ChooseColorA and ChooseFontA: the backend shows the dialog while the
// runtime's own loop keeps running, with the owner disabled, until the
// answer comes back.
#include "platform/user_comdlg.h"

#include "platform/user.h"
#include "platform/user_runtime.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace {

DWORD g_lastError = 0;

constexpr int kScreenDpi = 96; // LOGPIXELSY of every screen DC here

// What the dialog answered, shared with the backend's callback so that a
// late call can never reach a finished run.
template <typename Answer>
struct Outcome {
    bool answered = false;
    std::optional<Answer> answer;
};

template <typename Answer>
std::function<void(std::optional<Answer>)> Receiver(const std::shared_ptr<Outcome<Answer>>& outcome)
{
    return [outcome](std::optional<Answer> answer) {
        if (outcome->answered)
            return;
        outcome->answered = true;
        outcome->answer = std::move(answer);
        // A thread message wakes the loop below to look at the outcome.
        PostMessageA(nullptr, WM_NULL, 0, 0);
    };
}

// Shows the dialog through `show` (given the owner's top-level window) and
// runs the message loop until it is answered, the owner is destroyed or
// the program quits.  The owner is disabled meanwhile, as under any modal
// dialog.  False when the dialog could not be shown.
template <typename Answer, typename Show>
bool RunBackendDialog(HWND owner, const std::shared_ptr<Outcome<Answer>>& outcome, Show show)
{
    const HWND top = owner != nullptr && IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : nullptr;
    std::unique_ptr<platform::CommonDialog> dialog = show(top != nullptr ? UserGetNativeWindow(top) : 0);
    if (!dialog)
        return false;
    const bool disabled = top != nullptr && IsWindowEnabled(top);
    if (disabled)
        EnableWindow(top, FALSE);
    UserRunModalLoop([&] { return !outcome->answered && (top == nullptr || IsWindow(top)); });
    dialog.reset(); // closes it when the loop ended for another reason
    if (disabled && IsWindow(top))
        EnableWindow(top, TRUE);
    return true;
}

platform::FontChoice ToChoice(const LOGFONTA& lf, COLORREF color)
{
    platform::FontChoice f;
    f.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    f.height = lf.lfHeight;
    f.weight = lf.lfWeight == 0 ? 400 : lf.lfWeight;
    f.italic = lf.lfItalic != 0;
    f.underline = lf.lfUnderline != 0;
    f.strikeOut = lf.lfStrikeOut != 0;
    f.color = color;
    return f;
}

void FromChoice(const platform::FontChoice& f, bool effects, LOGFONTA& lf)
{
    // A face name longer than the field is cut at a character boundary.
    std::size_t n = std::min<std::size_t>(f.face.size(), LF_FACESIZE - 1);
    while (n > 0 && n < f.face.size() && (static_cast<unsigned char>(f.face[n]) & 0xC0) == 0x80)
        --n;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, f.face.data(), n);
    lf.lfHeight = f.height;
    lf.lfWidth = 0;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic ? 1 : 0;
    lf.lfUnderline = effects && f.underline ? 1 : 0;
    lf.lfStrikeOut = effects && f.strikeOut ? 1 : 0;
}

} // namespace

extern "C" {

DWORD CommDlgExtendedError() { return g_lastError; }

BOOL ChooseColorA(CHOOSECOLORA* choose)
{
    g_lastError = 0;
    if (choose == nullptr || choose->lStructSize != sizeof(CHOOSECOLORA)) {
        g_lastError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    platform::CommonDialogService* service = UserGetBackend().CommonDialogs();
    if (service == nullptr) {
        g_lastError = CDERR_DIALOGFAILURE;
        return FALSE;
    }
    std::optional<COLORREF> initial;
    if ((choose->Flags & CC_RGBINIT) != 0)
        initial = choose->rgbResult & 0x00FFFFFF;
    auto outcome = std::make_shared<Outcome<COLORREF>>();
    const bool shown = RunBackendDialog(choose->hwndOwner, outcome, [&](platform::NativeWindowId owner) {
        return service->ChooseColor(owner, initial, Receiver(outcome));
    });
    if (!shown) {
        g_lastError = CDERR_DIALOGFAILURE;
        return FALSE;
    }
    if (!outcome->answer)
        return FALSE;
    choose->rgbResult = *outcome->answer & 0x00FFFFFF;
    return TRUE;
}

BOOL ChooseFontA(CHOOSEFONTA* choose)
{
    g_lastError = 0;
    if (choose == nullptr || choose->lStructSize != sizeof(CHOOSEFONTA)) {
        g_lastError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    if (choose->lpLogFont == nullptr) {
        g_lastError = CDERR_INITIALIZATION;
        return FALSE;
    }
    platform::CommonDialogService* service = UserGetBackend().CommonDialogs();
    if (service == nullptr) {
        g_lastError = CDERR_DIALOGFAILURE;
        return FALSE;
    }
    const bool effects = (choose->Flags & CF_EFFECTS) != 0;
    const COLORREF color = effects ? choose->rgbColors & 0x00FFFFFF : 0;
    platform::FontChoice initial; // no face and no size: the dialog's own default
    initial.color = color;
    if ((choose->Flags & CF_INITTOLOGFONTSTRUCT) != 0)
        initial = ToChoice(*choose->lpLogFont, color);
    auto outcome = std::make_shared<Outcome<platform::FontChoice>>();
    const bool shown = RunBackendDialog(choose->hwndOwner, outcome, [&](platform::NativeWindowId owner) {
        return service->ChooseFont(owner, initial, effects, Receiver(outcome));
    });
    if (!shown) {
        g_lastError = CDERR_DIALOGFAILURE;
        return FALSE;
    }
    if (!outcome->answer)
        return FALSE;

    const platform::FontChoice& font = *outcome->answer;
    LOGFONTA& lf = *choose->lpLogFont;
    if ((choose->Flags & CF_INITTOLOGFONTSTRUCT) == 0) {
        // Nothing of the caller's description is kept.
        std::memset(&lf, 0, sizeof lf);
        lf.lfCharSet = DEFAULT_CHARSET;
    }
    FromChoice(font, effects, lf);
    const long pixels = lf.lfHeight < 0 ? -static_cast<long>(lf.lfHeight) : lf.lfHeight;
    choose->iPointSize = static_cast<INT>((pixels * 720 + kScreenDpi / 2) / kScreenDpi);
    if (effects)
        choose->rgbColors = font.color & 0x00FFFFFF;
    WORD type = SCREEN_FONTTYPE;
    type |= lf.lfWeight >= 600 ? BOLD_FONTTYPE : REGULAR_FONTTYPE;
    if (lf.lfItalic != 0)
        type |= ITALIC_FONTTYPE;
    choose->nFontType = type;
    return TRUE;
}

} // extern "C"
