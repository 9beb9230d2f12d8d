// Message maps (lookup, chaining to the base map, commands, control
// notifications, registered messages) and the handle map.
#include "afx_fixture.h"

#include <string>
#include <vector>

namespace {

UINT s_registered = 0;

class CBaseProbe : public CWnd {
public:
    BOOL CreateTop()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "probe", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr);
    }
    std::vector<std::string> log;

protected:
    void OnTimer(UINT_PTR id) { log.push_back("base timer " + std::to_string(id)); }
    LRESULT OnApp(WPARAM wParam, LPARAM) { log.push_back("base app"); return static_cast<LRESULT>(wParam * 2); }
    void OnBaseCommand() { log.push_back("base command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP, OnApp)
    ON_COMMAND(100, OnBaseCommand)
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe {
public:
    int ncDestroyed = 0;

protected:
    void OnTimer(UINT_PTR id) { log.push_back("derived timer " + std::to_string(id)); }
    void OnClicked() { log.push_back("derived click"); }
    void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
    LRESULT OnRegistered(WPARAM, LPARAM) { log.push_back("registered"); return 7; }
    void OnLButtonDown(UINT flags, CPoint p)
    {
        log.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(flags));
        CWnd::OnLButtonDown(flags, p);
    }
    void PostNcDestroy() override { ++ncDestroyed; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_WM_TIMER()
    ON_BN_CLICKED(200, OnClicked)
    ON_COMMAND_RANGE(300, 310, OnRange)
    ON_REGISTERED_MESSAGE(s_registered, OnRegistered)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class MessageMaps : public AfxTest {};

TEST_F(MessageMaps, DerivedEntriesComeFirstAndTheBaseMapAnswersTheRest)
{
    s_registered = RegisterWindowMessageA("AfxTestRegistered");
    CDerivedProbe probe;
    ASSERT_TRUE(probe.CreateTop());
    HWND button = CreateWindowExA(0, WC_BUTTON, "b", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, probe.m_hWnd,
                                  reinterpret_cast<HMENU>(200), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* logged; // nullptr: nothing handled it
        LRESULT result;
    } cases[] = {
        {WM_TIMER, 5, 0, "derived timer 5", 0},
        {WM_APP, 21, 0, "base app", 42},
        {WM_COMMAND, MAKEWPARAM(100, 0), 0, "base command", 1},
        {WM_COMMAND, MAKEWPARAM(200, BN_CLICKED), reinterpret_cast<LPARAM>(button), "derived click", 1},
        {WM_COMMAND, MAKEWPARAM(200, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(button), nullptr, 0},
        {WM_COMMAND, MAKEWPARAM(305, 0), 0, "range 305", 1},
        {WM_COMMAND, MAKEWPARAM(311, 0), 0, nullptr, 0},
        {s_registered, 0, 0, "registered", 7},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4), "down 3,4 1", 0},
    };
    for (const auto& c : cases) {
        probe.log.clear();
        const LRESULT r = probe.SendMessage(c.message, c.wParam, c.lParam);
        if (c.logged) {
            ASSERT_EQ(probe.log.size(), 1u) << "message " << c.message;
            EXPECT_EQ(probe.log[0], c.logged);
        } else {
            EXPECT_TRUE(probe.log.empty()) << "message " << c.message << " got " << probe.log[0];
        }
        EXPECT_EQ(r, c.result) << "message " << c.message;
    }
    // Unhandled messages reach the default procedure.
    CString text;
    probe.GetWindowText(text);
    EXPECT_STREQ(text, "probe");
}

TEST_F(MessageMaps, AClickOnARealButtonReachesTheParentsMap)
{
    CDerivedProbe probe;
    ASSERT_TRUE(probe.CreateTop());
    ASSERT_NE(CreateWindowExA(0, WC_BUTTON, "b", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, probe.m_hWnd,
                              reinterpret_cast<HMENU>(200), nullptr, nullptr),
              nullptr);
    headless->Click(POINT{20, 20});
    headless->Pump();
    EXPECT_EQ(probe.log, (std::vector<std::string>{"derived click"}));
    probe.log.clear();
    probe.SetTimer(9, 100);
    headless->RunFor(250);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"derived timer 9", "derived timer 9"}));
}

TEST_F(MessageMaps, TheHandleMapFollowsTheWindowsLife)
{
    CDerivedProbe probe;
    ASSERT_TRUE(probe.CreateTop());
    HWND hwnd = probe.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &probe);
    EXPECT_EQ(CWnd::FromHandle(hwnd), &probe);

    HWND raw = CreateWindowExA(0, WC_STATIC, "raw", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd, nullptr, nullptr,
                               nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    CWnd* wrapper = CWnd::FromHandle(raw);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, raw);
    EXPECT_EQ(CWnd::FromHandle(raw), wrapper) << "one temporary per handle";
    EXPECT_EQ(probe.GetDlgItem(0), wrapper);

    // Subclassing makes an object permanent for an existing window.
    CWnd sub;
    ASSERT_TRUE(sub.SubclassWindow(raw));
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), &sub);
    EXPECT_FALSE(CWnd().SubclassWindow(raw)) << "a window belongs to one object";
    CString text;
    sub.GetWindowText(text);
    EXPECT_STREQ(text, "raw") << "the control's own procedure still answers";

    ASSERT_TRUE(probe.DestroyWindow());
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_EQ(sub.m_hWnd, nullptr) << "the child went with its parent";
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(probe.ncDestroyed, 1);
}

} // namespace
