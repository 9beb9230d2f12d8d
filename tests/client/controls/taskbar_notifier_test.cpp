// The pop-up notifier on the headless backend in virtual time, set up as
// the main window sets it up: its slide out of each screen edge, the stay
// and the slide back, its shape, its text on the skin and on hover, the
// click reaching the owner, and a Show while it slides out.
#include "NotifierSkin.h"
#include "TaskbarNotifier.h"
#include "res/resource.h"
#include "res/resources.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHoverRed = RGB(200, 0, 0);
constexpr const char* kNewsText = "새로운 뉴스가\n 등록되었습니다.";

// The owner: counts the clicks the pop-up reports.
class COwner : public CWnd {
public:
    int clicks = 0;

protected:
    LRESULT OnNotifierClicked(WPARAM, LPARAM)
    {
        ++clicks;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWnd)
    ON_MESSAGE(WM_NOTIFIER_CLICKED, OnNotifierClicked)
END_MESSAGE_MAP()

// Writes a 24-bit BMP file of `width` x `height` pixels of `fill` whose
// top-left pixel is `corner`.
void WriteBmp(const std::string& path, int width, int height, COLORREF fill, COLORREF corner)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const int fileSize = 54 + rowBytes * height;
    std::vector<unsigned char> file(static_cast<std::size_t>(fileSize), 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[static_cast<std::size_t>(at + i)] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(fileSize));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height)); // bottom row first
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = (x == 0 && y == 0) ? corner : fill;
            const std::size_t at = 54 + static_cast<std::size_t>(height - 1 - y) * rowBytes + 3 * x;
            file[at] = GetBValue(c);
            file[at + 1] = GetGValue(c);
            file[at + 2] = GetRValue(c);
        }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), fileSize);
}

class Notifier : public ::testing::Test {
protected:
    void TearDown() override
    {
        notifier.reset();
        if (owner)
            owner->DestroyWindow();
        owner.reset();
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    // A desktop with `work` as its work area and the notifier as the main
    // window sets it up.
    void Start(RECT work = RECT{0, 0, 1024, 738})
    {
        platform::HeadlessBackend::Options options;
        options.workArea = work;
        auto backend = std::make_unique<platform::HeadlessBackend>(options);
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        RegisterQuillpostResources();

        owner = std::make_unique<COwner>();
        ASSERT_TRUE(owner->CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                                    nullptr, nullptr));
        notifier = std::make_unique<CTaskbarNotifier>();
        ASSERT_TRUE(notifier->Create(owner.get()));
        ASSERT_TRUE(notifier->SetSkin(IDB_NOTIFIER_SKIN, 255, 0, 255));
        notifier->SetTextFont("Arial Black", 90, 0, 5);
        notifier->SetTextColor(kWhite, kHoverRed);
        notifier->SetTextRect(
            CRect(10, 20, notifier->m_nSkinWidth - 10, notifier->m_nSkinHeight - 20));
    }

    platform::HeadlessBackend::WindowState State() const
    {
        return headless->State(UserGetNativeWindow(notifier->m_hWnd)).value_or(platform::HeadlessBackend::WindowState{});
    }

    // The pop-up's top-left corner on the screen, and whether it is shown.
    POINT At() const
    {
        const RECT r = State().rect;
        return POINT{r.left, r.top};
    }
    bool Shown() const { return State().state == platform::ShowState::Normal; }

    // Pixels of the text rectangle that have `color` where the skin does not.
    int TextPixels(COLORREF color) const
    {
        const notifier::SkinPixels skin = notifier::ReadSkinPixels(notifier->m_bmpSkin);
        const auto st = State();
        int count = 0;
        const CRect& r = notifier->m_rcText;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const std::size_t at = (static_cast<std::size_t>(y) * skin.width + x) * 3;
                const COLORREF under = RGB(skin.bgr[at + 2], skin.bgr[at + 1], skin.bgr[at]);
                const std::uint32_t bgrx = st.pixels.at(static_cast<std::size_t>(y) * st.width + x);
                const COLORREF shown = RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
                if (shown == color && under != color)
                    ++count;
            }
        return count;
    }

    platform::HeadlessBackend* headless = nullptr;
    std::unique_ptr<COwner> owner;
    std::unique_ptr<CTaskbarNotifier> notifier;
};

} // namespace

TEST_F(Notifier, SlidesUpOutOfABottomTaskbarStaysAndSinksBack)
{
    Start();
    EXPECT_FALSE(Shown());
    notifier->Show(kNewsText, 500, 3000, 500);
    EXPECT_TRUE(Shown()) << "shown at once, still 0 by 0 pixels";
    EXPECT_EQ(State().rect.right - State().rect.left, 0);
    EXPECT_EQ(notifier->m_motion.m_dwShowStepDelay, 12u);

    for (int k = 1; k <= 42; ++k) {
        headless->RunFor(12);
        ASSERT_EQ(At().x, 824) << "tick " << k;
        ASSERT_EQ(At().y, 738 - 2 * k) << "tick " << k;
    }
    const RECT r = State().rect;
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 83);

    headless->RunFor(12); // finds it fully shown: the stay begins
    EXPECT_EQ(notifier->m_motion.m_nState, notifier::kShowing);
    headless->RunFor(2999);
    EXPECT_EQ(At().y, 654) << "stays for the whole stay time";
    EXPECT_TRUE(Shown());
    headless->RunFor(1); // the stay ends; the slide-out timer starts

    for (int k = 1; k <= 42; ++k) {
        headless->RunFor(12);
        ASSERT_EQ(At().y, 654 + 2 * k) << "tick " << k;
        ASSERT_TRUE(Shown());
    }
    headless->RunFor(12);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(At().x, 824) << "left hidden at its start";
    EXPECT_EQ(At().y, 738);
    EXPECT_EQ(notifier->m_motion.m_nState, notifier::kHidden);

    // Nothing runs any more, and the next announcement slides again.
    headless->RunFor(5000);
    EXPECT_FALSE(Shown());
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(12);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(At().y, 736);
}

struct EdgeCase {
    const char* name;
    RECT work;
    POINT start;
    POINT shown;
};

class NotifierEdges : public Notifier, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(NotifierEdges, SlidesOutOfTheTaskbarsEdgeAndBack)
{
    const EdgeCase& c = GetParam();
    Start(c.work);
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(1); // before the first tick
    EXPECT_EQ(notifier->m_motion.m_nStartX, c.start.x);
    EXPECT_EQ(notifier->m_motion.m_nStartY, c.start.y);

    // The slide takes at most 101 ticks of at most 12 ms; the stay 3 s.
    headless->RunFor(1500);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(At().x, c.shown.x);
    EXPECT_EQ(At().y, c.shown.y);
    headless->RunFor(4000);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(At().x, c.start.x);
    EXPECT_EQ(At().y, c.start.y);
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, NotifierEdges,
    ::testing::Values(EdgeCase{"top", {0, 30, 1024, 768}, {824, -53}, {824, 31}},
                      EdgeCase{"left", {60, 0, 1024, 768}, {-140, 685}, {60, 685}},
                      EdgeCase{"right", {0, 0, 964, 768}, {964, 685}, {764, 685}},
                      EdgeCase{"none", {0, 0, 1024, 768}, {824, 768}, {824, 684}}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

TEST_F(Notifier, IsCutOutOfItsSkinWhereverTheKeyColourIs)
{
    Start();
    const notifier::SkinPixels skin = notifier::ReadSkinPixels(notifier->m_bmpSkin);
    ASSERT_EQ(skin.width, 200);
    ASSERT_EQ(skin.height, 83);
    const auto st = State();
    ASSERT_TRUE(st.shaped);
    int keyPixels = 0, wrong = 0;
    for (int y = 0; y < skin.height; ++y)
        for (int x = 0; x < skin.width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * skin.width + x) * 3;
            const bool key = skin.bgr[at] == 255 && skin.bgr[at + 1] == 0 && skin.bgr[at + 2] == 255;
            bool inside = false;
            for (const RECT& r : st.shape)
                inside = inside || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
            keyPixels += key;
            wrong += inside == key;
        }
    EXPECT_GT(keyPixels, 0) << "the skin has notches";
    EXPECT_EQ(wrong, 0) << "pixels whose place in the shape disagrees with the key";
}

TEST_F(Notifier, DrawsItsTextOnTheSkinAndTurnsRedUnderThePointer)
{
    Start();
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(600); // fully shown, staying
    ASSERT_EQ(notifier->m_motion.m_nState, notifier::kShowing);
    EXPECT_GT(TextPixels(kWhite), 50) << "white text over the skin";
    EXPECT_EQ(TextPixels(kHoverRed), 0);

    // The skin everywhere else in the window.
    const notifier::SkinPixels skin = notifier::ReadSkinPixels(notifier->m_bmpSkin);
    const auto native = UserGetNativeWindow(notifier->m_hWnd);
    int wrong = 0;
    for (int y = 0; y < 83; ++y)
        for (int x = 0; x < 200; ++x) {
            if (notifier->m_rcText.PtInRect(CPoint(x, y)))
                continue;
            const std::size_t at = (static_cast<std::size_t>(y) * skin.width + x) * 3;
            const COLORREF want = RGB(skin.bgr[at + 2], skin.bgr[at + 1], skin.bgr[at]);
            if (want == RGB(255, 0, 255))
                continue; // cut away: not part of the window
            wrong += headless->PixelAt(native, x, y) != std::optional<COLORREF>(want);
        }
    EXPECT_EQ(wrong, 0);

    const POINT at = At();
    headless->MoveMouse(POINT{at.x + 100, at.y + 40});
    headless->RunFor(20);
    EXPECT_TRUE(notifier->m_bMouseOver);
    EXPECT_GT(TextPixels(kHoverRed), 50) << "red text while the pointer rests on it";
    EXPECT_EQ(TextPixels(kWhite), 0);

    headless->MoveMouse(POINT{5, 700});
    headless->RunFor(20);
    EXPECT_FALSE(notifier->m_bMouseOver);
    EXPECT_GT(TextPixels(kWhite), 50);
    EXPECT_EQ(TextPixels(kHoverRed), 0);

    // Hovering changed nothing of the cycle.
    headless->RunFor(4000);
    EXPECT_FALSE(Shown());
}

TEST_F(Notifier, AClickIsPostedToTheOwnerOncePerReleaseAndTheCycleGoesOn)
{
    Start();
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(600);
    const POINT at = At();
    headless->Click(POINT{at.x + 100, at.y + 40});
    headless->RunFor(10);
    EXPECT_EQ(owner->clicks, 1);
    headless->Click(POINT{at.x + 50, at.y + 40});
    headless->RunFor(10);
    EXPECT_EQ(owner->clicks, 2);
    EXPECT_EQ(notifier->m_motion.m_nState, notifier::kShowing);
    headless->RunFor(4000);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(owner->clicks, 2);
}

TEST_F(Notifier, ShowingAgainWhileSlidingOutBringsItBackForAFullStay)
{
    Start();
    notifier->Show("first", 500, 3000, 500);
    headless->RunFor(516 + 3000 + 120); // in, the stay, ten steps out
    ASSERT_EQ(notifier->m_motion.m_nState, notifier::kDisappearing);
    ASSERT_GT(At().y, 655);

    notifier->Show("second", 500, 3000, 500);
    EXPECT_EQ(notifier->m_strText, "second");
    EXPECT_EQ(At().y, 655) << "fully shown again at once";
    EXPECT_TRUE(Shown());
    headless->RunFor(2990);
    EXPECT_EQ(At().y, 655) << "for the full stay";
    headless->RunFor(600);
    EXPECT_FALSE(Shown());
}

TEST_F(Notifier, HideTakesItAwayAtOnceAndNothingMovesAfterwards)
{
    Start();
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(100);
    notifier->Hide();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(State().rect.right - State().rect.left, 0);
    headless->RunFor(5000);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(At().x, 0) << "no timer is left to move it";

    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(600);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(At().y, 654);
}

TEST_F(Notifier, ASkinThatCannotBeLoadedKeepsThePreviousSize)
{
    Start();
    EXPECT_FALSE(notifier->SetSkin(9999, 255, 0, 255));
    EXPECT_EQ(notifier->m_nSkinWidth, 200);
    EXPECT_FALSE(notifier->SetSkinFromFile("/nonexistent/skin.bmp", 255, 0, 255));
    EXPECT_EQ(notifier->m_nSkinHeight, 83);
    // Without a skin bitmap nothing is drawn over, and nothing crashes.
    notifier->Show(kNewsText, 500, 3000, 500);
    headless->RunFor(6000);
    EXPECT_FALSE(Shown());
}

TEST_F(Notifier, ASkinFileIsCutToWholeGroupsOfFourColumnsAndNoKeyKeepsTheShape)
{
    Start();
    const std::string path = ::testing::TempDir() + "notifier_skin_201.bmp";
    WriteBmp(path, 201, 6, RGB(0, 0, 128), RGB(255, 0, 255));

    ASSERT_TRUE(notifier->SetSkinFromFile(path.c_str(), 255, 0, 255));
    EXPECT_EQ(notifier->m_nSkinWidth, 201);
    EXPECT_EQ(notifier->m_rcText, CRect(0, 0, 201, 6)) << "the text rectangle is the whole skin again";
    auto shapeOf = [&] {
        const auto st = State();
        int right = 0, cells = 0;
        bool corner = false;
        for (const RECT& r : st.shape) {
            right = std::max(right, static_cast<int>(r.right));
            cells += (r.right - r.left) * (r.bottom - r.top);
            corner = corner || (r.left == 0 && r.top == 0);
        }
        return std::make_tuple(st.shaped, right, cells, corner);
    };
    const auto [shaped, right, cells, corner] = shapeOf();
    EXPECT_TRUE(shaped);
    EXPECT_EQ(right, 200) << "the rightmost column is not read";
    EXPECT_EQ(cells, 200 * 6 - 1);
    EXPECT_FALSE(corner) << "the key pixel is cut away";

    // Without a key the shape stays as it was.
    WriteBmp(path, 40, 40, RGB(0, 0, 128), RGB(255, 0, 255));
    ASSERT_TRUE(notifier->SetSkinFromFile(path.c_str(), -1, 0, 255));
    EXPECT_EQ(notifier->m_nSkinWidth, 40);
    EXPECT_EQ(shapeOf(), std::make_tuple(shaped, right, cells, corner));
    std::remove(path.c_str());
}
