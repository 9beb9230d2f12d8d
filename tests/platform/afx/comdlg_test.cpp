// CColorDialog and CFontDialog over the headless backend's scripted common
// dialogs: what they are shown with, whom they belong to, and what they give
// back.
#include "afx_fixture.h"

#include <cstring>

namespace {

using Kind = platform::HeadlessBackend::CommonDialogAnswer::Kind;

class Frame : public CWnd {
public:
    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "frame", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr);
    }
};

using CommonDialogClasses = AfxTest;

TEST_F(CommonDialogClasses, AColourDialogPreselectsOnlyANonZeroColourAndReturnsTheChoice)
{
    Frame frame;
    ASSERT_TRUE(frame.Make());
    CStatic child;
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, RECT{5, 5, 50, 20}, &frame, 10));

    CColorDialog none(0, 0, &child);
    EXPECT_EQ(none.m_cc.Flags & CC_RGBINIT, 0u);
    headless->QueueColorChoice(0x00336699);
    EXPECT_EQ(none.DoModal(), IDOK);
    EXPECT_EQ(none.GetColor(), 0x00336699u);

    CColorDialog red(0x000000FF, CC_FULLOPEN, &child);
    headless->QueueCommonDialogCancel();
    EXPECT_EQ(red.DoModal(), IDCANCEL);
    EXPECT_EQ(red.GetColor(), 0x000000FFu) << "a cancel keeps the colour";

    const auto shown = headless->ShownCommonDialogs();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].initialColor, std::nullopt);
    EXPECT_EQ(shown[1].initialColor, std::optional<COLORREF>(0x000000FF));
    for (const auto& s : shown)
        EXPECT_EQ(s.owner, UserGetNativeWindow(frame.m_hWnd)) << "the parent's top-level window owns it";
}

TEST_F(CommonDialogClasses, AFontDialogStartsFromItsLogfontAndHandsBackTheFontAndColour)
{
    LOGFONTA start{};
    start.lfHeight = -12;
    start.lfWeight = FW_NORMAL;
    start.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(start.lfFaceName, "Arial");

    CFontDialog dlg(&start);
    EXPECT_EQ(dlg.m_cf.Flags, CF_EFFECTS | CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    dlg.m_cf.rgbColors = 0x00404080;
    platform::FontChoice chosen;
    chosen.face = "Liberation Sans";
    chosen.height = -18;
    chosen.weight = 700;
    chosen.underline = true;
    chosen.color = 0x00FF0000;
    headless->QueueFontChoice(chosen);
    ASSERT_EQ(dlg.DoModal(), IDOK);

    const auto shown = headless->ShownCommonDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, Kind::Font);
    EXPECT_EQ(shown[0].initialFont.face, "Arial");
    EXPECT_EQ(shown[0].initialFont.height, -12);
    EXPECT_EQ(shown[0].initialFont.color, 0x00404080u);
    EXPECT_EQ(shown[0].owner, 0u) << "no parent and no main window: no owner";

    LOGFONTA got{};
    dlg.GetCurrentFont(&got);
    EXPECT_STREQ(got.lfFaceName, "Liberation Sans");
    EXPECT_EQ(got.lfHeight, -18);
    EXPECT_EQ(got.lfWeight, 700);
    EXPECT_EQ(got.lfUnderline, 1);
    EXPECT_EQ(dlg.GetColor(), 0x00FF0000u);
    EXPECT_EQ(dlg.GetSize(), 135);
    EXPECT_STREQ(dlg.GetFaceName(), "Liberation Sans");
    EXPECT_STREQ(start.lfFaceName, "Arial") << "the caller's LOGFONT is only read";
}

TEST_F(CommonDialogClasses, ACancelledFontDialogKeepsItsStartingFont)
{
    LOGFONTA start{};
    start.lfHeight = -14;
    std::strcpy(start.lfFaceName, "Arial");
    CFontDialog dlg(&start, CF_SCREENFONTS);
    headless->QueueCommonDialogCancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    LOGFONTA got{};
    dlg.GetCurrentFont(&got);
    EXPECT_EQ(got.lfHeight, -14);
    EXPECT_STREQ(got.lfFaceName, "Arial");
    EXPECT_FALSE(headless->ShownCommonDialogs().at(0).effects);
}

} // namespace
