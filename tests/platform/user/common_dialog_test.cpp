// ChooseColorA and ChooseFontA on the headless backend: what the dialog is
// shown with, what the structures get back, the owner disabled meanwhile,
// timers firing while the user takes time to answer, and the failures.
#include "user_test_support.h"

#include "platform/user_comdlg.h"

#include <cstring>
#include <memory>

namespace {

using usertest::RuntimeTest;
using Kind = platform::HeadlessBackend::CommonDialogAnswer::Kind;

class CommonDialogs : public RuntimeTest {
protected:
    CHOOSECOLORA Color(HWND owner, DWORD flags = 0, COLORREF initial = 0)
    {
        CHOOSECOLORA cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = owner;
        cc.rgbResult = initial;
        cc.lpCustColors = custom;
        cc.Flags = flags;
        return cc;
    }

    static LOGFONTA Font(const char* face, LONG height, LONG weight)
    {
        LOGFONTA lf{};
        std::strcpy(lf.lfFaceName, face);
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = 2;
        lf.lfClipPrecision = 1;
        return lf;
    }

    CHOOSEFONTA FontDialog(HWND owner, LOGFONTA* lf, DWORD flags, COLORREF color = 0)
    {
        CHOOSEFONTA cf{};
        cf.lStructSize = sizeof cf;
        cf.hwndOwner = owner;
        cf.lpLogFont = lf;
        cf.Flags = flags;
        cf.rgbColors = color;
        return cf;
    }

    COLORREF custom[16] = {};
};

TEST_F(CommonDialogs, TheColourDialogPreselectsOnlyWithRgbInitAndGivesTheChosenColour)
{
    HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100});
    struct Case {
        DWORD flags;
        COLORREF given;
        std::optional<COLORREF> shownWith;
    } cases[] = {
        {0, 0x00123456, std::nullopt},
        {CC_RGBINIT, 0x00123456, 0x00123456},
        {CC_RGBINIT | CC_FULLOPEN, 0xFF00FF00, 0x0000FF00}, // the high byte is no colour
    };
    for (const Case& c : cases) {
        headless->QueueColorChoice(0x00ABCDEF);
        CHOOSECOLORA cc = Color(owner, c.flags, c.given);
        EXPECT_TRUE(ChooseColorA(&cc)) << c.flags;
        EXPECT_EQ(cc.rgbResult, 0x00ABCDEFu);
        const auto shown = headless->ShownCommonDialogs();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back().kind, Kind::Color);
        EXPECT_EQ(shown.back().owner, Native(owner));
        EXPECT_EQ(shown.back().initialColor, c.shownWith) << c.flags;
    }
}

TEST_F(CommonDialogs, CancelledOrUnansweredLeavesTheColourAndReportsNoError)
{
    HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100});
    headless->QueueCommonDialogCancel();
    CHOOSECOLORA cc = Color(owner, CC_RGBINIT, 0x00112233);
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(cc.rgbResult, 0x00112233u);

    // A font answer is no answer for a colour dialog; nothing queued cancels.
    headless->QueueFontChoice(platform::FontChoice{});
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, 0x00112233u);
    EXPECT_EQ(headless->ShownCommonDialogs().size(), 3u);
}

TEST_F(CommonDialogs, TheOwnerIsDisabledAndTimersFireWhileTheUserTakesTimeToAnswer)
{
    int ticks = 0;
    bool ownerEnabledDuringTicks = true;
    HWND owner = nullptr;
    owner = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100}, nullptr,
                 [&](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                     if (message == WM_TIMER) {
                         ++ticks;
                         ownerEnabledDuringTicks = ownerEnabledDuringTicks && IsWindowEnabled(hwnd);
                         return 0;
                     }
                     return std::nullopt;
                 });
    ASSERT_NE(SetTimer(owner, 7, 50, nullptr), 0u);
    headless->QueueColorChoice(0x000000FF, 520);
    const std::int64_t before = headless->NowMs();
    CHOOSECOLORA cc = Color(owner);
    EXPECT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, 0x000000FFu);
    EXPECT_EQ(headless->NowMs() - before, 520) << "the answer came when the user gave it";
    EXPECT_EQ(ticks, 10) << "the owner's timer went on firing";
    EXPECT_FALSE(ownerEnabledDuringTicks) << "the owner was disabled while the dialog was up";
    EXPECT_TRUE(IsWindowEnabled(owner)) << "and enabled again afterwards";
}

TEST_F(CommonDialogs, AnOwnerDestroyedWhileTheDialogIsUpCancelsIt)
{
    HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100});
    HWND killer = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr,
                       [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                           if (message == WM_TIMER)
                               DestroyWindow(owner);
                           return std::nullopt;
                       });
    SetTimer(killer, 1, 100, nullptr);
    headless->QueueColorChoice(0x00FFFFFF, 1000);
    CHOOSECOLORA cc = Color(owner, CC_RGBINIT, 0x00010203);
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, 0x00010203u);
    EXPECT_LT(headless->NowMs(), 1000) << "the run ended with its owner";

    // The answer that was on its way is gone with the dialog.
    KillTimer(killer, 1);
    HWND other = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100});
    CHOOSECOLORA next = Color(other);
    EXPECT_FALSE(ChooseColorA(&next)) << "nothing queued: cancelled, not the old answer";
}

TEST_F(CommonDialogs, TheFontDialogStartsFromTheLogfontAndWritesTheChoiceBack)
{
    HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 200, 100});
    LOGFONTA lf = Font("Arial", -12, 400);
    platform::FontChoice answer;
    answer.face = "Liberation Serif";
    answer.height = -20;
    answer.weight = 700;
    answer.italic = true;
    answer.underline = true;
    answer.strikeOut = true;
    answer.color = 0x000000FF;
    headless->QueueFontChoice(answer);
    CHOOSEFONTA cf = FontDialog(owner, &lf, CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT, 0x00404080);
    ASSERT_TRUE(ChooseFontA(&cf));

    const auto shown = headless->ShownCommonDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, Kind::Font);
    EXPECT_TRUE(shown[0].effects);
    EXPECT_EQ(shown[0].initialFont.face, "Arial");
    EXPECT_EQ(shown[0].initialFont.height, -12);
    EXPECT_EQ(shown[0].initialFont.weight, 400);
    EXPECT_EQ(shown[0].initialFont.color, 0x00404080u);

    EXPECT_STREQ(lf.lfFaceName, "Liberation Serif");
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET) << "fields the dialog does not show are kept";
    EXPECT_EQ(lf.lfOutPrecision, 2);
    EXPECT_EQ(cf.iPointSize, 150) << "20 pixels on a 96-dpi screen are 15 points";
    EXPECT_EQ(cf.rgbColors, 0x000000FFu);
    EXPECT_EQ(cf.nFontType, SCREEN_FONTTYPE | BOLD_FONTTYPE | ITALIC_FONTTYPE);
}

TEST_F(CommonDialogs, WithoutEffectsNeitherUnderlineNorStrikeOutNorColourComeBack)
{
    LOGFONTA lf = Font("Arial", -12, 400);
    platform::FontChoice answer;
    answer.face = "Arial";
    answer.height = -16;
    answer.underline = true;
    answer.strikeOut = true;
    answer.color = 0x00FF0000;
    headless->QueueFontChoice(answer);
    CHOOSEFONTA cf = FontDialog(nullptr, &lf, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT, 0x00123456);
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_FALSE(headless->ShownCommonDialogs().at(0).effects);
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 0);
    EXPECT_EQ(cf.rgbColors, 0x00123456u);
    EXPECT_EQ(cf.nFontType, SCREEN_FONTTYPE | REGULAR_FONTTYPE);

    // Without CF_INITTOLOGFONTSTRUCT the dialog starts from its own font.
    LOGFONTA blank = Font("Ignored", -30, 900);
    headless->QueueCommonDialogCancel();
    CHOOSEFONTA fresh = FontDialog(nullptr, &blank, CF_SCREENFONTS);
    EXPECT_FALSE(ChooseFontA(&fresh));
    EXPECT_EQ(headless->ShownCommonDialogs().at(1).initialFont.face, "");
    EXPECT_EQ(headless->ShownCommonDialogs().at(1).initialFont.height, 0);
    EXPECT_STREQ(blank.lfFaceName, "Ignored") << "a cancel leaves the LOGFONT alone";
}

TEST_F(CommonDialogs, BadStructuresAndMissingDialogsFailWithTheirReasons)
{
    CHOOSECOLORA cc = Color(nullptr);
    cc.lStructSize = sizeof cc - 4;
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    EXPECT_FALSE(ChooseColorA(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);

    CHOOSEFONTA cf = FontDialog(nullptr, nullptr, CF_SCREENFONTS);
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION) << "no LOGFONT to write the answer to";
    EXPECT_TRUE(headless->ShownCommonDialogs().empty()) << "nothing was shown";

    // A backend without common dialogs (the runtime's built-in one).
    UserSetBackend(nullptr);
    headless = nullptr;
    CHOOSECOLORA plain = Color(nullptr);
    EXPECT_FALSE(ChooseColorA(&plain));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_DIALOGFAILURE);
}

} // namespace
