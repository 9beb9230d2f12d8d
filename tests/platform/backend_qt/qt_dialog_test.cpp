// The common colour and font dialogs on Qt: Qt's own dialogs run inside the
// runtime's loop, so the runtime's timers keep firing while one is up; a Qt
// timer plays the user, answering once the runtime's timer has been seen.
#include "qt_test_support.h"

#include "platform/user_comdlg.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTimer>

#include <chrono>
#include <cstring>

namespace qttest {
namespace {

constexpr UINT_PTR kTicker = 5;
constexpr int kTicksBeforeAnswer = 3;

// The visible dialog of type T, if one is up.
template <typename T>
T* OpenDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<T*>(w); d != nullptr && d->isVisible())
            return d;
    return nullptr;
}

// Plays the user: once the dialog is up and the runtime's timer has fired
// often enough, `answer` is called with the dialog (or, after a generous
// bound, with null, so a broken loop fails instead of hanging).
template <typename T>
class User {
public:
    User(const TestWindow& owner, std::function<void(T*)> answer) : owner_(owner), answer_(std::move(answer))
    {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
        poll_.start();
    }

    bool sawDialog = false;
    bool ownerDisabled = false;
    std::size_t ticksWhileUp = 0;

private:
    void Look()
    {
        T* dialog = OpenDialog<T>();
        const bool late = std::chrono::steady_clock::now() > giveUp_;
        if (dialog == nullptr && !late)
            return;
        if (dialog != nullptr && !sawDialog) {
            sawDialog = true;
            ticksAtShow_ = owner_.Of(WM_TIMER).size();
        }
        if (dialog != nullptr)
            ticksWhileUp = owner_.Of(WM_TIMER).size() - ticksAtShow_;
        if (ticksWhileUp < kTicksBeforeAnswer && !late)
            return;
        poll_.stop();
        answer_(dialog);
    }

    const TestWindow& owner_;
    std::function<void(T*)> answer_;
    QTimer poll_;
    std::size_t ticksAtShow_ = 0;
    std::chrono::steady_clock::time_point giveUp_ = std::chrono::steady_clock::now() + std::chrono::seconds(10);
};

TEST_F(QtBackendTest, TheColourDialogAnswersWhileTheRuntimesTimerKeepsFiring)
{
    TestWindow& state = NewState();
    const HWND owner = Make(RECT{40, 40, 240, 160}, state);
    ShowWindow(owner, SW_SHOW);
    ASSERT_NE(SetTimer(owner, kTicker, 20, nullptr), 0u);

    QColor preselected;
    bool ownerEnabled = true;
    User<QColorDialog> user(state, [&](QColorDialog* dialog) {
        ASSERT_NE(dialog, nullptr) << "the colour dialog was not seen with the timer running";
        preselected = dialog->currentColor();
        ownerEnabled = IsWindowEnabled(owner) != FALSE;
        dialog->setCurrentColor(QColor(10, 200, 30));
        dialog->accept();
    });

    COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = RGB(1, 2, 3);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    ASSERT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, RGB(10, 200, 30));
    EXPECT_TRUE(user.sawDialog);
    EXPECT_GE(user.ticksWhileUp, static_cast<std::size_t>(kTicksBeforeAnswer));
    EXPECT_EQ(preselected, QColor(1, 2, 3));
    EXPECT_FALSE(ownerEnabled) << "the owner is disabled while the dialog is up";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(OpenDialog<QColorDialog>(), nullptr) << "the dialog is gone";
}

TEST_F(QtBackendTest, ARejectedColourDialogIsACancel)
{
    TestWindow& state = NewState();
    const HWND owner = Make(RECT{40, 40, 240, 160}, state);
    ShowWindow(owner, SW_SHOW);
    SetTimer(owner, kTicker, 20, nullptr);
    User<QColorDialog> user(state, [](QColorDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = RGB(9, 9, 9);
    cc.lpCustColors = custom;
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(cc.rgbResult, RGB(9, 9, 9));
}

TEST_F(QtBackendTest, TheFontDialogTakesAndGivesPixelHeightsWeightsAndEffects)
{
    TestWindow& state = NewState();
    const HWND owner = Make(RECT{40, 40, 240, 160}, state);
    ShowWindow(owner, SW_SHOW);
    SetTimer(owner, kTicker, 20, nullptr);

    QFont shownWith;
    User<QFontDialog> user(state, [&](QFontDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        shownWith = dialog->currentFont();
        // A family of this machine with a bold face, for the dialog's lists
        // to hold what is picked.
        QString family;
        for (const QString& f : QFontDatabase::families())
            if (QFontDatabase::isSmoothlyScalable(f) && QFontDatabase::styles(f).contains("Bold")) {
                family = f;
                break;
            }
        ASSERT_FALSE(family.isEmpty()) << "no scalable font with a bold face is installed";
        QFont pick(family);
        pick.setPixelSize(20);
        pick.setWeight(QFont::Bold);
        pick.setItalic(false);
        pick.setUnderline(true);
        pick.setStrikeOut(false);
        dialog->setCurrentFont(pick);
        dialog->accept();
    });

    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = 1;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Arial");
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = RGB(128, 64, 64);
    ASSERT_TRUE(ChooseFontA(&cf));

    EXPECT_GE(user.ticksWhileUp, static_cast<std::size_t>(kTicksBeforeAnswer));
    EXPECT_TRUE(shownWith.italic()) << "the dialog started from the LOGFONT";
    EXPECT_EQ(shownWith.weight(), QFont::Normal);
    EXPECT_NEAR(QFontInfo(shownWith).pixelSize(), 12, 1);

    EXPECT_NE(lf.lfFaceName[0], '\0');
    // The dialog keeps sizes in points; back in pixels the size may be off
    // by the rounding of one point.
    EXPECT_NEAR(lf.lfHeight, -20, 1);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 0);
    EXPECT_EQ(cf.rgbColors, RGB(128, 64, 64)) << "Qt's dialog has no colour: the given one comes back";
}

} // namespace
} // namespace qttest
