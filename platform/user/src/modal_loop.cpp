// The modal-loop primitive, message filters and descriptor watching.
#include "hover.h"
#include "runtime.h"

#include <algorithm>

using namespace user;

bool UserRunModalLoop(const std::function<bool()>& keepRunning, const UserMessageFilter& filter)
{
    MSG msg{};
    while (!keepRunning || keepRunning()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The enclosing loop must see the quit too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got < 0)
            continue;
        if (filter && filter(msg))
            continue;
        if (UserFilterMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

bool UserPumpMessages()
{
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (UserFilterMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

std::int64_t UserNextDueMs()
{
    std::optional<std::int64_t> due = RT().timers.NextDue();
    if (const auto hover = HoverDue())
        due = due ? std::min(*due, *hover) : *hover;
    return due ? *due : -1;
}

int UserAddMessageFilter(UserMessageFilter filter)
{
    Runtime& rt = RT();
    const int cookie = rt.nextFilterCookie++;
    rt.filters.emplace_back(cookie, std::move(filter));
    return cookie;
}

void UserRemoveMessageFilter(int cookie)
{
    std::erase_if(RT().filters, [&](const auto& entry) { return entry.first == cookie; });
}

bool UserFilterMessage(MSG& msg)
{
    // A copy: a filter may add or remove filters.
    const auto filters = RT().filters;
    for (const auto& [cookie, filter] : filters)
        if (filter && filter(msg))
            return true;
    return false;
}

bool UserWatchDescriptor(int fd, unsigned events, UserDescriptorCallback ready)
{
    if (fd < 0 || !ready || events == 0)
        return false;
    if (!Backend().WatchDescriptor(fd, events))
        return false;
    // A replaced watch keeps its place in the collection: a report already
    // queued goes to the new callback.
    RT().descriptors[fd].callback = std::move(ready);
    return true;
}

void UserUnwatchDescriptor(int fd)
{
    Runtime& rt = RT();
    if (rt.descriptors.erase(fd) != 0)
        Backend().UnwatchDescriptor(fd);
    // Reports already queued for it are dropped when taken.
}
