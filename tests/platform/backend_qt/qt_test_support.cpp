#include "qt_test_support.h"

#include <chrono>

namespace qttest {
namespace {

LRESULT TestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* state = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    state->seen.push_back(Seen{message, wParam, lParam});
    switch (message) {
    case WM_NCHITTEST:
        if (state->hitTest)
            return *state->hitTest;
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillColor(dc, client, state->background);
        for (const TestWindow::Fill& f : state->paint)
            FillColor(dc, f.rect, f.color);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        return 0; // the test decides when the window goes
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterTestClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestProc;
    wc.lpszClassName = "QtBackendTest";
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    RegisterClassA(&wc); // a second registration fails harmlessly
}

} // namespace

std::vector<Seen> TestWindow::Of(UINT message) const
{
    std::vector<Seen> out;
    for (const Seen& s : seen)
        if (s.message == message)
            out.push_back(s);
    return out;
}

void QtBackendTest::SetUp()
{
    std::string why;
    std::unique_ptr<platform::QtBackend> backend = platform::CreateQtBackend(0, nullptr, &why);
    if (!backend)
        GTEST_SKIP() << "the Qt backend cannot open a display here (" << why << "); run under xvfb-run";
    ASSERT_EQ(backend->PlatformName(), "xcb");
    ASSERT_TRUE(x.Ok()) << "the X server's screen is not 24-bit true colour";
    qt = backend.get();
    UserSetBackend(std::move(backend));
    RegisterTestClass();
}

void QtBackendTest::TearDown()
{
    if (qt != nullptr)
        UserSetBackend(nullptr); // every window goes, then Qt
    qt = nullptr;
}

TestWindow& QtBackendTest::NewState()
{
    states_.push_back(std::make_unique<TestWindow>());
    return *states_.back();
}

HWND QtBackendTest::Make(RECT rect, TestWindow& state)
{
    return CreateWindowExA(0, "QtBackendTest", "qt test", WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, nullptr, &state);
}

HWND QtBackendTest::MakeShaped(TestWindow& state)
{
    state.paint = {{RECT{0, 0, 80, 120}, kRed}, {RECT{120, 40, 200, 80}, kBlue}};
    const HWND hwnd = Make(RECT{100, 100, 300, 220}, state);
    const HRGN shape = CreateRectRgn(0, 0, 80, 120);
    const HRGN second = CreateRectRgn(120, 40, 200, 80);
    CombineRgn(shape, shape, second, RGN_OR);
    DeleteObject(second);
    EXPECT_NE(SetWindowRgn(hwnd, shape, TRUE), 0);
    return hwnd;
}

bool QtBackendTest::ShowsSkin(std::uint32_t window)
{
    return x.Viewable(window) && x.Pixel(window, 40, 60) == Rgb(kRed) && x.Pixel(window, 160, 60) == Rgb(kBlue);
}

std::uint32_t QtBackendTest::XWindow(HWND hwnd) const
{
    return static_cast<std::uint32_t>(qt->PlatformHandle(UserGetNativeWindow(hwnd)));
}

bool QtBackendTest::PumpUntil(const std::function<bool()>& done)
{
    // The bound only keeps a broken backend from hanging the test.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        UserPumpMessages();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        qt->WaitForEvents(10);
    }
}

void QtBackendTest::PumpTurns(int turns)
{
    for (int i = 0; i < turns; ++i) {
        UserPumpMessages();
        qt->WaitForEvents(10);
    }
    UserPumpMessages();
}

void FillColor(HDC dc, RECT rect, COLORREF color)
{
    const std::uint32_t pixel = Rgb(color);
    const HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, &pixel);
    const HDC source = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, 1, 1, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}

std::uint32_t Rgb(COLORREF color)
{
    return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
           GetBValue(color);
}

} // namespace qttest
