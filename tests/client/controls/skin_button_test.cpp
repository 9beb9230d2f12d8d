// CxSkinButton on the headless backend: the face of every state read back
// from the backing store, the pointer states (hover, pressed and following
// the pointer), the tooltip in virtual time, the cursor, the draw modes and
// masks, and the check-box and radio kinds with their group.
#include "skin_button_fixture.h"

#include <string>

namespace {

bool TipShown(const CxSkinButton& b, std::string* text = nullptr)
{
    HWND tip = b.m_tooltip.GetSafeHwnd();
    if (tip == nullptr || !::IsWindowVisible(tip))
        return false;
    if (text) {
        char buffer[256] = {};
        ::GetWindowTextA(tip, buffer, sizeof buffer);
        *text = buffer;
    }
    return true;
}

TEST_F(SkinButtonTest, AttachingMakesItOwnerDrawnAndTakesItsKindFromTheStyle)
{
    struct Case {
        DWORD style;
        int kind;
    } cases[] = {{BS_PUSHBUTTON, 0},      {BS_DEFPUSHBUTTON, 0}, {BS_AUTOCHECKBOX, 2},
                 {BS_AUTORADIOBUTTON, 4}, {BS_RADIOBUTTON, 0},   {BS_CHECKBOX, 0}};
    for (const Case& c : cases) {
        CxSkinButton& b = Make(c.style);
        EXPECT_EQ(b.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << c.style;
        EXPECT_EQ(b.m_nKind, c.kind) << c.style;
        b.DestroyWindow();
    }
}

TEST_F(SkinButtonTest, PaintsTheNormalFace)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    b.Invalidate();
    Settle();
    EXPECT_EQ(Face(b), kNormal);
    EXPECT_EQ(At(b, 0, 0), kNormal);
    EXPECT_EQ(At(b, kFaceWidth - 1, kFaceHeight - 1), kNormal);
}

TEST_F(SkinButtonTest, ThePointerOverTheButtonLightsItUntilItLeaves)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    Settle();
    headless->MoveMouse(Middle(b));
    Settle();
    EXPECT_TRUE(b.m_bHover);
    EXPECT_EQ(Face(b), kOver);
    headless->MoveMouse(Screen(b, 2, 2)); // moving about inside keeps it lit
    Settle();
    EXPECT_EQ(Face(b), kOver);
    headless->MoveMouse(Away());
    Settle();
    EXPECT_FALSE(b.m_bHover);
    EXPECT_EQ(Face(b), kNormal);
    headless->MoveMouse(Middle(b)); // and lights again on the way back
    Settle();
    EXPECT_EQ(Face(b), kOver);
}

TEST_F(SkinButtonTest, APressShowsTheDownFaceThatFollowsThePointerAndOnlyAReleaseOverItClicks)
{
    CxSkinButton& b = Make();
    SkinNoFocus(b);
    Settle();
    headless->MoveMouse(Middle(b));
    headless->PressButton();
    Settle();
    EXPECT_TRUE(b.m_bPressed);
    EXPECT_FALSE(b.m_bHover) << "pressing leaves hover";
    EXPECT_EQ(Face(b), kDown);

    headless->MoveMouse(Away());
    Settle();
    EXPECT_EQ(Face(b), kNormal) << "dragged off: the pushed look goes";
    headless->MoveMouse(Middle(b));
    Settle();
    EXPECT_EQ(Face(b), kDown) << "dragged back: it returns";
    headless->ReleaseButton();
    Settle();
    EXPECT_FALSE(b.m_bPressed);
    EXPECT_EQ(host->clicks, std::vector<UINT>{kId});
    EXPECT_NE(Face(b), kDown);

    headless->MoveMouse(Middle(b));
    headless->PressButton();
    headless->MoveMouse(Away());
    headless->ReleaseButton();
    Settle();
    EXPECT_EQ(host->clicks.size(), 1u) << "a release outside sends no click";
    EXPECT_EQ(Face(b), kNormal);
}

TEST_F(SkinButtonTest, ADoubleClickGivesTwoClicks)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    Settle();
    headless->DoubleClick(Middle(b));
    Settle();
    EXPECT_EQ(host->clicks, (std::vector<UINT>{kId, kId}));
}

TEST_F(SkinButtonTest, TheTipAppearsAfterTheHoverDelayAndGoesWithThePointer)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    b.SetTipText("창 닫기");
    ASSERT_NE(b.m_tooltip.GetSafeHwnd(), nullptr);
    EXPECT_EQ(b.m_tooltip.GetToolCount(), 1);
    Settle();

    headless->MoveMouse(Middle(b));
    headless->RunFor(200);
    EXPECT_FALSE(TipShown(b)) << "not before the delay";
    headless->RunFor(600);
    std::string text;
    ASSERT_TRUE(TipShown(b, &text));
    EXPECT_EQ(text, "창 닫기");

    headless->MoveMouse(Away());
    headless->RunFor(50);
    EXPECT_FALSE(TipShown(b));

    // A pointer that leaves before the delay brings no tip.
    headless->MoveMouse(Middle(b));
    headless->RunFor(200);
    headless->MoveMouse(Away());
    headless->RunFor(2000);
    EXPECT_FALSE(TipShown(b));

    // A second SetTipText replaces the text of the one tool.
    b.SetTipText("도움말");
    EXPECT_EQ(b.m_tooltip.GetToolCount(), 1);
    headless->MoveMouse(Middle(b));
    headless->RunFor(800);
    ASSERT_TRUE(TipShown(b, &text));
    EXPECT_EQ(text, "도움말");
}

TEST_F(SkinButtonTest, ThePointerIsTheButtonsCursorOverIt)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    EXPECT_TRUE(b.LoadButtonCursor(IDC_POINTER_HAND, TRUE));
    ASSERT_NE(b.m_hCursor, nullptr);
    Settle();
    headless->MoveMouse(Middle(b));
    Settle();
    auto state = headless->State(UserGetNativeWindow(host->m_hWnd));
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->cursor.width, 32);
    EXPECT_EQ(state->cursor.hotSpot.x, 5);
    EXPECT_EQ(state->cursor.hotSpot.y, 0);
    EXPECT_FALSE(state->cursor.argb.empty()) << "the resource's hand, not a standard shape";

    EXPECT_TRUE(b.LoadButtonCursor(0, FALSE)) << "asking for none succeeds";
    EXPECT_EQ(b.m_hCursor, nullptr);
    headless->MoveMouse(Screen(b, 1, 1));
    Settle();
    state = headless->State(UserGetNativeWindow(host->m_hWnd));
    ASSERT_TRUE(state.has_value());
    EXPECT_TRUE(state->cursor.argb.empty()) << "the default cursor again";

    EXPECT_FALSE(b.LoadButtonCursor(4242, TRUE)) << "a cursor that is not there";
    EXPECT_EQ(b.m_hCursor, nullptr);
}

TEST_F(SkinButtonTest, DisabledShowsTheDisabledFaceOrElseTheNormalOne)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    b.EnableWindow(FALSE);
    Settle();
    EXPECT_EQ(Face(b), kDisabled);
    b.LoadSkin(kFaceNormal, kFaceDown, kFaceOver, 0, 0, 0, 0, 0, 0);
    b.Invalidate();
    Settle();
    EXPECT_EQ(Face(b), kNormal);
}

TEST_F(SkinButtonTest, TheFocusFaceShowsWhileFocused)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    Settle();
    b.SetFocus();
    Settle();
    EXPECT_EQ(Face(b), kFocus);
}

TEST_F(SkinButtonTest, WithoutANormalFaceNeitherOverNorFocusShows)
{
    CxSkinButton& b = Make();
    b.LoadSkin(0, kFaceDown, kFaceOver, 0, kFaceFocus, 0, 0, 0, 0);
    b.SetFocus();
    headless->MoveMouse(Middle(b));
    Settle();
    ASSERT_TRUE(b.m_bHover);
    const DWORD face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Face(b), RGB(GetRValue(face), GetGValue(face), GetBValue(face)));
}

TEST_F(SkinButtonTest, DrawModesCopyStretchAndTile)
{
    struct Case {
        short mode;
        bool farCornerCovered;
    } cases[] = {{-1, false}, {0, false}, {1, true}, {2, true}, {5, true}};
    for (const Case& c : cases) {
        CxSkinButton& b = Make(BS_PUSHBUTTON, kId, kLeft, kTop, kFaceWidth, kFaceHeight);
        b.LoadSkin(kFaceSmall, kFaceSmall, 0, 0, 0, 0, c.mode, 0, 0);
        b.Invalidate();
        Settle();
        EXPECT_EQ(At(b, 0, 0), kSmall) << c.mode;
        EXPECT_EQ(At(b, 7, 5), kSmall) << c.mode;
        EXPECT_EQ(At(b, kFaceWidth - 1, kFaceHeight - 1) == kSmall, c.farCornerCovered) << c.mode;
        b.DestroyWindow();
        host->Invalidate();
        Settle();
    }
}

TEST_F(SkinButtonTest, AMaskCutsTheOutlineAndShowsWhatWasUnderItsWhite)
{
    CxSkinButton& b = Make(BS_PUSHBUTTON, kId, kLeft, kTop, 40, 30);
    b.LoadSkin(kFaceNormal, kFaceDown, kFaceOver, 0, 0, kMaskLeftHalf, 0, 0, 0);
    RECT r{};
    b.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left, kFaceWidth) << "mode 0 takes the mask's size";
    EXPECT_EQ(r.bottom - r.top, kFaceHeight);
    CRgn region;
    region.Attach(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(b.GetWindowRgn(static_cast<HRGN>(region.GetSafeHandle())), ERROR);
    RECT box{};
    ::GetRgnBox(static_cast<HRGN>(region.GetSafeHandle()), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, kFaceWidth / 2);
    EXPECT_EQ(box.bottom, kFaceHeight);
    b.Invalidate();
    Settle();
    EXPECT_EQ(At(b, 2, 8), kNormal);
    EXPECT_EQ(At(b, kFaceWidth - 3, 8), kHostColor) << "outside the outline the host shows";

    // A press on the cut-away half is the host's, not the button's.
    headless->Click(Screen(b, kFaceWidth - 3, 8));
    Settle();
    EXPECT_TRUE(host->clicks.empty());
    headless->Click(Screen(b, 3, 8));
    Settle();
    EXPECT_EQ(host->clicks.size(), 1u);
}

TEST_F(SkinButtonTest, AnAllWhiteMaskLeavesNothingToSeeOrClick)
{
    CxSkinButton& b = Make();
    b.LoadSkin(kFaceNormal, kFaceDown, kFaceOver, 0, 0, kMaskWhite, 1, 0, 0);
    CRgn region;
    region.Attach(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(b.GetWindowRgn(static_cast<HRGN>(region.GetSafeHandle())), NULLREGION);
    host->Invalidate();
    Settle();
    EXPECT_EQ(Face(b), kHostColor);
    headless->Click(Middle(b));
    Settle();
    EXPECT_TRUE(host->clicks.empty());
}

TEST_F(SkinButtonTest, ACheckBoxTogglesOnAClickAndShowsTheDownFaceWhileChecked)
{
    CxSkinButton& b = Make(BS_AUTOCHECKBOX);
    EXPECT_EQ(b.m_nKind, 2);
    SkinNoFocus(b);
    Settle();
    headless->Click(Middle(b));
    headless->MoveMouse(Away());
    Settle();
    EXPECT_EQ(b.GetCheck(), 1);
    EXPECT_EQ(Face(b), kDown);
    headless->Click(Middle(b));
    headless->MoveMouse(Away());
    Settle();
    EXPECT_EQ(b.GetCheck(), 0);
    EXPECT_EQ(Face(b), kNormal);
    EXPECT_EQ(host->clicks.size(), 2u);

    // Released elsewhere: no click and no change.
    headless->MoveMouse(Middle(b));
    headless->PressButton();
    headless->MoveMouse(Away());
    headless->ReleaseButton();
    Settle();
    EXPECT_EQ(b.GetCheck(), 0);
    EXPECT_EQ(host->clicks.size(), 2u);
}

TEST_F(SkinButtonTest, SpaceTogglesACheckBoxOncePerPressNotPerRepeat)
{
    CxSkinButton& b = Make(BS_AUTOCHECKBOX);
    SkinAll(b);
    b.SetFocus();
    Settle();
    b.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(b.GetCheck(), 1);
    b.SendMessage(WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat: the key was already down
    b.SendMessage(WM_KEYDOWN, VK_SPACE, 0x40390001);
    EXPECT_EQ(b.GetCheck(), 1);
    b.SendMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    Settle();
    EXPECT_EQ(b.GetCheck(), 1);
    EXPECT_EQ(host->clicks, std::vector<UINT>{kId});
}

TEST_F(SkinButtonTest, APushButtonIsNeverChecked)
{
    CxSkinButton& b = Make();
    SkinAll(b);
    b.SetCheck(1);
    EXPECT_EQ(b.GetCheck(), 0);
    Settle();
    EXPECT_EQ(Face(b), kNormal);
}

TEST_F(SkinButtonTest, CheckingARadioButtonUnchecksTheRestOfItsGroup)
{
    constexpr DWORD radio = BS_AUTORADIOBUTTON;
    CxSkinButton& first = Make(radio | WS_GROUP, 2001, 10, 10);
    CxSkinButton& second = Make(radio, 2002, 40, 10);
    CxSkinButton& third = Make(radio, 2003, 70, 10);
    CxSkinButton& outside = Make(radio | WS_GROUP, 2004, 100, 10); // the next group
    for (CxSkinButton* b : {&first, &second, &third, &outside}) {
        EXPECT_EQ(b->m_nKind, 4);
        SkinAll(*b);
    }
    outside.SetCheck(1);
    second.SetCheck(1);
    headless->Click(Middle(first));
    Settle();
    EXPECT_EQ(first.GetCheck(), 1);
    EXPECT_EQ(second.GetCheck(), 0);
    EXPECT_EQ(outside.GetCheck(), 1) << "another group is left alone";

    // Checked while disabled: the walk never comes back to it, and must
    // still end.
    third.EnableWindow(FALSE);
    third.SetCheck(1);
    Settle();
    EXPECT_EQ(third.GetCheck(), 1);
    EXPECT_EQ(first.GetCheck(), 0);
    EXPECT_EQ(second.GetCheck(), 0);
}

} // namespace
