#include "window_table.h"

namespace user {

HWND WindowTable::Desktop() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10010)); }

HWND WindowTable::Add(std::unique_ptr<Window> window)
{
    const HWND hwnd = reinterpret_cast<HWND>(next_);
    next_ += 2;
    window->hwnd = hwnd;
    windows_.emplace(hwnd, std::move(window));
    return hwnd;
}

Window* WindowTable::Find(HWND hwnd) const
{
    if (hwnd == nullptr)
        return nullptr;
    const auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second.get();
}

std::unique_ptr<Window> WindowTable::Take(HWND hwnd)
{
    const auto it = windows_.find(hwnd);
    if (it == windows_.end())
        return nullptr;
    std::unique_ptr<Window> window = std::move(it->second);
    windows_.erase(it);
    std::erase(topLevels_, hwnd);
    std::erase(messageOnly_, hwnd);
    return window;
}

std::vector<HWND> WindowTable::All() const
{
    std::vector<HWND> all;
    all.reserve(windows_.size());
    for (const auto& [hwnd, window] : windows_)
        all.push_back(hwnd);
    return all;
}

} // namespace user
