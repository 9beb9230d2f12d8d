#include "user_test_support.h"

#include <algorithm>

namespace usertest {

std::vector<UINT> Journal::Messages(HWND hwnd, std::initializer_list<UINT> only) const
{
    std::vector<UINT> out;
    for (const Entry& e : entries_)
        if ((hwnd == nullptr || e.hwnd == hwnd) && std::find(only.begin(), only.end(), e.message) != only.end())
            out.push_back(e.message);
    return out;
}

std::vector<Entry> Journal::Of(HWND hwnd, UINT message) const
{
    std::vector<Entry> out;
    for (const Entry& e : entries_)
        if ((hwnd == nullptr || e.hwnd == hwnd) && e.message == message)
            out.push_back(e);
    return out;
}

namespace {

LRESULT TestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* behaviour = reinterpret_cast<Behaviour*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (behaviour != nullptr) {
        if (behaviour->journal != nullptr)
            behaviour->journal->Add(Entry{hwnd, message, wParam, lParam});
        if (behaviour->handler) {
            if (const std::optional<LRESULT> answer = behaviour->handler(hwnd, message, wParam, lParam))
                return *answer;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Register(const char* name, UINT style, HBRUSH brush)
{
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = TestProc;
    wc.hbrBackground = brush;
    wc.lpszClassName = name;
    if (RegisterClassA(&wc) == 0) {
        ASSERT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    }
}

} // namespace

void RegisterTestClasses()
{
    Register("UserTest", 0, nullptr);
    Register("UserTestWhite", 0, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1)));
    Register("UserTestDbl", CS_DBLCLKS, nullptr);
}

void RuntimeTest::SetUp()
{
    auto backend = std::make_unique<platform::HeadlessBackend>();
    headless = backend.get();
    UserSetBackend(std::move(backend));
    RegisterTestClasses();
}

void RuntimeTest::TearDown()
{
    // Destroys what is left while the journal and behaviours still exist.
    UserSetBackend(nullptr);
    headless = nullptr;
}

HWND RuntimeTest::Make(DWORD style, RECT rect, HWND parent, Handler handler, int id, DWORD exStyle,
                       const char* className)
{
    auto behaviour = std::make_unique<Behaviour>();
    behaviour->journal = &journal;
    behaviour->handler = std::move(handler);
    const HMENU menu = (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)) : nullptr;
    const HWND hwnd = CreateWindowExA(exStyle, className, "test", style, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, parent, menu, nullptr,
                                      behaviour.get());
    behaviours_.push_back(std::move(behaviour));
    return hwnd;
}

void FillColor(HDC dc, RECT rect, COLORREF color)
{
    const std::uint32_t pixel = (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
                                (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
    const HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, &pixel);
    const HDC source = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, 1, 1, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}

Handler PaintWith(COLORREF color)
{
    return [color](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillColor(dc, client, color);
        EndPaint(hwnd, &ps);
        return 0;
    };
}

} // namespace usertest
