#include "timers.h"

#include <algorithm>

namespace user {

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc, std::int64_t now)
{
    // Shorter periods than the platform's minimum (0 included) run at the
    // minimum, longer than the maximum at the maximum.
    period = std::clamp(period, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    if (hwnd == nullptr) {
        const bool known = id != 0 && std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) {
            return t.hwnd == nullptr && t.id == id;
        });
        if (!known) {
            id = nextThreadTimer_++;
            if (nextThreadTimer_ == 0)
                nextThreadTimer_ = 1;
        }
    }
    for (Timer& t : timers_) {
        if (t.hwnd == hwnd && t.id == id) {
            t.period = period;
            t.proc = proc;
            t.due = now + period;
            return id == 0 ? 1 : id;
        }
    }
    timers_.push_back(Timer{hwnd, id, period, proc, now + period});
    // A window timer with id 0 is valid; the result must still be non-zero.
    return id == 0 ? 1 : id;
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id)
{
    const auto before = timers_.size();
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return timers_.size() != before;
}

void TimerTable::KillAllOf(HWND hwnd)
{
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<std::int64_t> TimerTable::NextDue() const
{
    std::optional<std::int64_t> next;
    for (const Timer& t : timers_)
        if (!next || t.due < *next)
            next = t.due;
    return next;
}

} // namespace user
