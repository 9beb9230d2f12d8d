// Window timers.  A timer is due when the runtime's clock reaches it; its
// WM_TIMER is made only when nothing else is waiting, and at most one is
// pending per timer: a late timer fires once, then again a full period
// after that.
#pragma once

#include "platform/user.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace user {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT period = 0;
    TIMERPROC proc = nullptr;
    std::int64_t due = 0;
};

class TimerTable {
public:
    // Sets or resets; returns the id (a new one for thread timers).
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc, std::int64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAllOf(HWND hwnd);
    // The earliest due timer whose window passes `accept`, as a WM_TIMER;
    // with `reschedule` its next period starts now.
    template <typename Accept>
    std::optional<MSG> TakeDue(std::int64_t now, bool reschedule, Accept accept);
    std::optional<std::int64_t> NextDue() const;
    void Clear() { timers_.clear(); }

private:
    std::vector<Timer> timers_; // in order of creation
    UINT_PTR nextThreadTimer_ = 1;
};

template <typename Accept>
std::optional<MSG> TimerTable::TakeDue(std::int64_t now, bool reschedule, Accept accept)
{
    Timer* best = nullptr;
    for (Timer& t : timers_) {
        if (t.due <= now && accept(t.hwnd) && (best == nullptr || t.due < best->due))
            best = &t;
    }
    if (best == nullptr)
        return std::nullopt;
    MSG msg{};
    msg.hwnd = best->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = best->id;
    msg.lParam = reinterpret_cast<LPARAM>(best->proc);
    if (reschedule)
        best->due = now + best->period;
    return msg;
}

} // namespace user
