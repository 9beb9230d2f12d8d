// The table of live windows, by handle, and the stacking of top-level
// windows.  Handles are never reused, so a stale handle finds nothing.
#pragma once

#include "window.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace user {

class WindowTable {
public:
    // The pseudo window standing for the screen (GetDesktopWindow).
    static HWND Desktop();

    HWND Add(std::unique_ptr<Window> window);
    Window* Find(HWND hwnd) const;
    std::unique_ptr<Window> Take(HWND hwnd);
    bool Empty() const { return windows_.empty(); }

    // Top-level windows (message-only ones excluded), frontmost first.
    std::vector<HWND>& TopLevels() { return topLevels_; }
    const std::vector<HWND>& TopLevels() const { return topLevels_; }
    std::vector<HWND>& MessageOnly() { return messageOnly_; }

    // Every live window, in no particular order.
    std::vector<HWND> All() const;

private:
    std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
    std::vector<HWND> topLevels_;
    std::vector<HWND> messageOnly_;
    std::uintptr_t next_ = 0x10020;
};

} // namespace user
