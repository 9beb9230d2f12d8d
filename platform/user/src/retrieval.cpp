// Taking messages: GetMessageA, PeekMessageA, WaitMessage, and the order
// of the queue: posted messages and input in arrival order, then WM_QUIT,
// then WM_PAINT, then WM_TIMER, then WM_MOUSEHOVER.
#include "hover.h"
#include "input.h"
#include "keyboard.h"
#include "paint.h"
#include "runtime.h"
#include "send.h"

#include <algorithm>

using namespace user;

namespace {

bool IsSelfOrChild(HWND filter, HWND hwnd)
{
    for (const Window* w = Peek(hwnd); w != nullptr; w = Peek(w->parent))
        if (w->hwnd == filter)
            return true;
    return false;
}

bool WindowMatches(HWND filter, HWND hwnd)
{
    if (filter == nullptr)
        return true;
    if (filter == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)))
        return hwnd == nullptr;
    return hwnd != nullptr && IsSelfOrChild(filter, hwnd);
}

bool RangeMatches(UINT min, UINT max, UINT message)
{
    return (min == 0 && max == 0) || (message >= min && message <= max);
}

struct Filter {
    HWND hwnd;
    UINT min;
    UINT max;

    bool operator()(const MSG& m) const
    {
        return m.message == WM_QUIT || (WindowMatches(hwnd, m.hwnd) && RangeMatches(min, max, m.message));
    }
};

void NoteTaken(const MSG& msg)
{
    Runtime& rt = RT();
    rt.lastMessageTime = msg.time;
    rt.lastMessagePos = msg.pt;
}

// Posted messages and input, in arrival order.
std::optional<MSG> TakeQueued(const Filter& filter, bool remove)
{
    Runtime& rt = RT();
    for (;;) {
        std::optional<QueueItem> item =
            rt.queue.TakeFirst([&](const QueueItem& it) { return it.raw.has_value() || filter(it.msg); });
        if (!item)
            return std::nullopt;
        if (item->raw) {
            MSG msg{};
            if (!ConvertRawInput(*item->raw, msg))
                continue;
            item->raw.reset();
            item->msg = msg;
            if (!filter(msg)) {
                rt.queue.Restore(std::move(*item));
                continue;
            }
        } else {
            if (item->msg.hwnd != nullptr && Peek(item->msg.hwnd) == nullptr)
                continue; // its window is gone
            if (item->msg.time == 0) {
                item->msg.time = NowTicks();
                item->msg.pt = rt.cursorPos;
            }
        }
        const MSG msg = item->msg;
        if (!remove)
            rt.queue.Restore(std::move(*item));
        return msg;
    }
}

// Asks the backend for what it has, without waiting, until it has no more.
bool PullFromBackend()
{
    Runtime& rt = RT();
    bool any = false;
    // Bounded, so a descriptor that stays ready cannot hold the loop here.
    for (int round = 0; round < 64; ++round) {
        const std::uint64_t before = rt.queue.Arrivals();
        Backend().WaitForEvents(0);
        if (rt.queue.Arrivals() == before)
            break;
        any = true;
    }
    return any;
}

// Messages the queue makes up when nothing is queued.
std::optional<MSG> TakeSynthesised(const Filter& filter, bool remove)
{
    Runtime& rt = RT();
    if (rt.quitPending) {
        MSG msg{};
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(rt.quitCode);
        msg.time = NowTicks();
        msg.pt = rt.cursorPos;
        if (remove)
            rt.quitPending = false;
        return msg;
    }
    const std::int64_t now = Backend().NowMs();
    const auto accepts = [&](HWND hwnd) { return WindowMatches(filter.hwnd, hwnd); };
    if (RangeMatches(filter.min, filter.max, WM_PAINT) &&
        filter.hwnd != reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))) {
        if (const HWND hwnd = FindWindowToPaint(filter.hwnd)) {
            MSG msg{};
            msg.hwnd = hwnd;
            msg.message = WM_PAINT;
            msg.time = static_cast<DWORD>(now);
            msg.pt = rt.cursorPos;
            return msg;
        }
    }
    if (RangeMatches(filter.min, filter.max, WM_TIMER)) {
        if (auto msg = rt.timers.TakeDue(now, remove, accepts)) {
            msg->time = static_cast<DWORD>(now);
            msg->pt = rt.cursorPos;
            return msg;
        }
    }
    if (RangeMatches(filter.min, filter.max, WM_MOUSEHOVER) || RangeMatches(filter.min, filter.max, WM_NCMOUSEHOVER))
        if (auto msg = TakeHover(now, remove, accepts))
            return msg;
    return std::nullopt;
}

std::optional<MSG> TryTake(const Filter& filter, bool remove)
{
    // Each take is a new collection of input: a watched descriptor is
    // reported once in it (see DescriptorWatch), so the pulls below end even
    // when a callback leaves its descriptor ready.
    ++RT().collection;
    if (auto msg = TakeQueued(filter, remove))
        return msg;
    while (PullFromBackend())
        if (auto msg = TakeQueued(filter, remove))
            return msg;
    return TakeSynthesised(filter, remove);
}

// How long the loop may sleep: until the next timer or hover is due.
std::int64_t WaitLimit()
{
    Runtime& rt = RT();
    std::optional<std::int64_t> due = rt.timers.NextDue();
    if (const auto hover = HoverDue())
        due = due ? std::min(*due, *hover) : *hover;
    if (!due)
        return -1;
    return std::max<std::int64_t>(0, *due - Backend().NowMs());
}

} // namespace

extern "C" {

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    if (msg == nullptr)
        return FALSE;
    const std::optional<MSG> taken = TryTake(Filter{hwnd, filterMin, filterMax}, (removeFlags & PM_REMOVE) != 0);
    if (!taken)
        return FALSE;
    *msg = *taken;
    NoteTaken(*msg);
    return TRUE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (msg == nullptr)
        return -1;
    if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)) &&
        FindWindowRecord(hwnd) == nullptr)
        return -1;
    const Filter filter{hwnd, filterMin, filterMax};
    for (;;) {
        if (const std::optional<MSG> taken = TryTake(filter, true)) {
            *msg = *taken;
            NoteTaken(*msg);
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        Backend().WaitForEvents(WaitLimit());
    }
}

BOOL WaitMessage()
{
    if (RT().queue.EmptyOfMessages() && !PullFromBackend())
        Backend().WaitForEvents(WaitLimit());
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    Runtime& rt = RT();
    rt.quitPending = true;
    rt.quitCode = exitCode;
}

BOOL TranslateMessage(const MSG* msg)
{
    if (msg == nullptr)
        return FALSE;
    switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        if (const std::optional<char> ch = CharForKey(static_cast<UINT>(msg->wParam))) {
            MSG out = *msg;
            out.message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
            out.wParam = static_cast<unsigned char>(*ch);
            RT().queue.PostFront(out);
        }
        return TRUE;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (msg == nullptr)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, NowTicks());
        return 0;
    }
    if (msg->hwnd == nullptr || Peek(msg->hwnd) == nullptr)
        return 0;
    const LRESULT result = Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // A procedure that answers WM_PAINT without painting would be asked
        // again at once, for ever; what it left is forgotten instead.
        if (Window* w = Peek(msg->hwnd); w != nullptr && NeedsPaint(*w))
            ForgetPaint(*w);
    }
    return result;
}

LONG GetMessageTime() { return static_cast<LONG>(RT().lastMessageTime); }

DWORD GetMessagePos()
{
    const POINT p = RT().lastMessagePos;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

DWORD GetTickCount() { return NowTicks(); }

std::uint64_t GetTickCount64() { return static_cast<std::uint64_t>(Backend().NowMs()); }

} // extern "C"
