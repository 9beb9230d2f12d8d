// Classes, creation and destruction, window data and the tree.
#include "user_test_support.h"

namespace usertest {
namespace {

class WindowTree : public RuntimeTest {};

TEST_F(WindowTree, CreationSendsItsMessagesInOrder)
{
    const HWND parent = Make(WS_POPUP, RECT{0, 0, 100, 100});
    journal.Clear();
    const HWND child = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 20, 60, 50}, parent, {}, 77);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(journal.Messages(child, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    const std::vector<Entry> notify = journal.Of(parent, WM_PARENTNOTIFY);
    ASSERT_EQ(notify.size(), 1u);
    EXPECT_EQ(LOWORD(notify[0].wParam), WM_CREATE);
    EXPECT_EQ(HIWORD(notify[0].wParam), 77);

    // WS_BORDER leaves a one-pixel frame around the client area.
    RECT client;
    GetClientRect(child, &client);
    EXPECT_EQ(client.right, 48);
    EXPECT_EQ(client.bottom, 28);
    POINT origin{0, 0};
    ClientToScreen(child, &origin);
    EXPECT_EQ(origin.x, 11);
    EXPECT_EQ(origin.y, 21);
    EXPECT_EQ(GetDlgItem(parent, 77), child);
    EXPECT_EQ(GetDlgCtrlID(child), 77);
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_TRUE(IsChild(parent, child));
}

TEST_F(WindowTree, CreationFailsCleanly)
{
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(CreateWindowExA(0, "UserTest", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);

    const HWND refused = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10}, nullptr,
                              [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                  if (m == WM_CREATE)
                                      return -1;
                                  return std::nullopt;
                              });
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(journal.Count(nullptr, WM_NCDESTROY), 1) << "a refused window is still taken down";
    EXPECT_TRUE(headless->Stacking().empty());
}

TEST_F(WindowTree, DestructionGoesDownWithWM_DESTROYAndUpWithWM_NCDESTROY)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, top, {}, 1);
    const HWND grandchild = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, child, {}, 2);
    SetTimer(grandchild, 1, 10, nullptr);
    SetCapture(grandchild);
    SetFocus(grandchild);
    journal.Clear();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Entry& e : journal.All())
        if (e.message == WM_DESTROY || e.message == WM_NCDESTROY)
            order.emplace_back(e.hwnd, e.message);
    const std::vector<std::pair<HWND, UINT>> expected{
        {top, WM_DESTROY},         {child, WM_DESTROY},   {grandchild, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY},
    };
    EXPECT_EQ(order, expected);
    for (HWND h : {top, child, grandchild})
        EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(UserNextDueMs(), -1);
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

LRESULT g_calls = 0;
WNDPROC g_previous = nullptr;
LRESULT Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        ++g_calls;
        return 1000 + CallWindowProcA(g_previous, hwnd, message, wParam, lParam);
    }
    return CallWindowProcA(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTree, SubclassingAndWindowData)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_APP)
            return 7;
        return std::nullopt;
    });
    g_calls = 0;
    g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
    ASSERT_NE(g_previous, nullptr);
    EXPECT_EQ(SendMessageA(w, WM_APP, 0, 0), 1007);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
    SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    EXPECT_EQ(SendMessageA(w, WM_APP, 0, 0), 7);

    // Style changes are announced.
    journal.Clear();
    const LONG_PTR before = GetWindowLongPtrA(w, GWL_STYLE);
    EXPECT_EQ(SetWindowLongPtrA(w, GWL_STYLE, before | WS_DISABLED), before);
    EXPECT_FALSE(IsWindowEnabled(w));
    EXPECT_EQ(journal.Messages(w, {WM_STYLECHANGING, WM_STYLECHANGED}),
              (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));

    EXPECT_TRUE(SetWindowTextA(w, "제목"));
    char text[16];
    EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 6);
    EXPECT_STREQ(text, "제목");
    EXPECT_EQ(GetWindowTextA(w, text, 4), 3) << "cut to the buffer";
    EXPECT_EQ(headless->State(Native(w))->title, "제목");
    EXPECT_EQ(GetWindowLongPtrA(w, 12345), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
}

TEST_F(WindowTree, ClassesAreFoundByNameAndAtomWithoutRegardToCase)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "TreeTestClass";
    wc.cbWndExtra = 16;
    const ATOM atom = RegisterClassA(&wc);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    const HWND byName = CreateWindowExA(0, "treetestclass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const HWND byAtom = CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(byName, nullptr);
    ASSERT_NE(byAtom, nullptr);
    char name[32];
    EXPECT_EQ(GetClassNameA(byAtom, name, sizeof name), 13);
    EXPECT_STREQ(name, "TreeTestClass");
    // The extra window bytes are the window's own.
    SetWindowLongPtrA(byName, 8, 0x1234);
    EXPECT_EQ(GetWindowLongPtrA(byName, 8), 0x1234);
    EXPECT_EQ(GetWindowLongPtrA(byAtom, 8), 0);
    EXPECT_FALSE(UnregisterClassA("TreeTestClass", nullptr)) << "windows of the class exist";
    DestroyWindow(byName);
    DestroyWindow(byAtom);
    EXPECT_TRUE(UnregisterClassA("TreeTestClass", nullptr));
    EXPECT_EQ(RegisterWindowMessageA("TaskbarCreated"), RegisterWindowMessageA("taskbarcreated"));
    EXPECT_GE(RegisterWindowMessageA("TaskbarCreated"), 0xC000u);
}

TEST_F(WindowTree, MoveWindowReportsMoveAndSize)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, top, {}, 1);
    journal.Clear();
    MoveWindow(child, 5, 6, 30, 40, TRUE);
    const std::vector<Entry> moves = journal.Of(child, WM_MOVE);
    const std::vector<Entry> sizes = journal.Of(child, WM_SIZE);
    ASSERT_EQ(moves.size(), 1u);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(moves[0].lParam), 6);
    EXPECT_EQ(LOWORD(sizes[0].lParam), 30);
    EXPECT_EQ(HIWORD(sizes[0].lParam), 40);
    journal.Clear();
    MoveWindow(child, 5, 6, 30, 40, TRUE);
    EXPECT_EQ(journal.Count(child, WM_MOVE) + journal.Count(child, WM_SIZE), 0) << "nothing changed";
    // A top-level window's size change reaches the desktop and its store.
    MoveWindow(top, 20, 30, 150, 120, TRUE);
    Pump();
    const auto state = headless->State(Native(top));
    EXPECT_EQ(state->rect.left, 20);
    EXPECT_EQ(state->rect.bottom, 150);
    EXPECT_EQ(state->width, 150);
    EXPECT_EQ(state->height, 120);
}

TEST_F(WindowTree, WalkingFindingAndReparenting)
{
    const HWND a = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, PaintWith(RGB(0, 0, 0)));
    const HWND b = Make(WS_POPUP | WS_VISIBLE, RECT{200, 0, 300, 100}, nullptr, PaintWith(RGB(0, 0, 0)));
    const HWND a1 = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, a, PaintWith(RGB(255, 0, 0)), 1);
    const HWND a11 = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 5, 5}, a1, {}, 11);
    const HWND a2 = Make(WS_CHILD | WS_VISIBLE, RECT{50, 50, 60, 60}, a, {}, 2);
    std::vector<HWND> seen;
    EnumChildWindows(a, [](HWND h, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen, (std::vector<HWND>{a1, a11, a2}));
    SetWindowTextA(b, "second");
    EXPECT_EQ(FindWindowA("usertest", "second"), b);
    EXPECT_EQ(FindWindowA("UserTest", "none"), nullptr);
    EXPECT_EQ(GetAncestor(a11, GA_ROOT), a);
    EXPECT_EQ(GetAncestor(a, GA_PARENT), GetDesktopWindow());

    Pump();
    ASSERT_EQ(Shown(a, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(SetParent(a1, b), a);
    Pump();
    EXPECT_EQ(GetParent(a1), b);
    EXPECT_EQ(Shown(a, 5, 5), RGB(0, 0, 0)) << "the old parent repaints where the child was";
    EXPECT_EQ(Shown(b, 5, 5), RGB(255, 0, 0)) << "the child paints in its new top-level window";
    EXPECT_EQ(GetAncestor(a11, GA_ROOT), b);
    EXPECT_EQ(SetParent(b, a), GetDesktopWindow()) << "a top-level window only changes owner";
    EXPECT_EQ(GetWindow(b, GW_OWNER), a);
    EXPECT_EQ(SetParent(a, a11), nullptr) << "ownership cannot go round in a circle";
    EXPECT_EQ(SetParent(a1, a11), nullptr) << "a window cannot go under its own child";
}

} // namespace
} // namespace usertest
