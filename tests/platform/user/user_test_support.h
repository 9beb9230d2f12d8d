// Shared fixture of the windowing runtime tests: a fresh headless backend
// with a virtual clock per test, test windows whose procedures record every
// message and can be told how to answer, and pixel helpers.
#pragma once

#include "platform/gdi.h"
#include "platform/headless_backend.h"
#include "platform/user.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace usertest {

struct Entry {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages seen by test windows, in the order their procedures saw them.
class Journal {
public:
    void Add(const Entry& e) { entries_.push_back(e); }
    void Clear() { entries_.clear(); }
    const std::vector<Entry>& All() const { return entries_; }
    // The messages, among `only`, that `hwnd` (any window if null) saw.
    std::vector<UINT> Messages(HWND hwnd, std::initializer_list<UINT> only) const;
    std::vector<Entry> Of(HWND hwnd, UINT message) const;
    int Count(HWND hwnd, UINT message) const { return static_cast<int>(Of(hwnd, message).size()); }

private:
    std::vector<Entry> entries_;
};

// How a test window answers: return a value to answer, nullopt for the
// default handling.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

struct Behaviour {
    Journal* journal = nullptr;
    Handler handler;
};

// Window classes of the tests: "UserTest" (no brush), "UserTestWhite"
// (COLOR_WINDOW brush), "UserTestDbl" (CS_DBLCLKS).
void RegisterTestClasses();

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window whose procedure records into `journal` and asks `handler`.
    HWND Make(DWORD style, RECT rect, HWND parent = nullptr, Handler handler = {}, int id = 0, DWORD exStyle = 0,
              const char* className = "UserTest");
    platform::NativeWindowId Native(HWND hwnd) const { return UserGetNativeWindow(hwnd); }
    std::optional<COLORREF> Shown(HWND top, int x, int y) const
    {
        return headless->PixelAt(UserGetNativeWindow(top), x, y);
    }
    // Dispatches what is ready, without moving the clock.
    void Pump() { headless->Pump(); }

    platform::HeadlessBackend* headless = nullptr;
    Journal journal;

private:
    std::vector<std::unique_ptr<Behaviour>> behaviours_;
};

// Fills a rectangle of a DC with a colour (through a one-pixel bitmap).
void FillColor(HDC dc, RECT rect, COLORREF color);

// A handler that paints the whole client area in `color` on WM_PAINT.
Handler PaintWith(COLORREF color);

} // namespace usertest
