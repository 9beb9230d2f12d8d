// TrackMouseEvent: WM_MOUSELEAVE when the pointer leaves the tracked
// window, WM_MOUSEHOVER when it rests there.
#pragma once

#include "platform/user.h"

#include <cstdint>
#include <optional>

namespace user {

// After each pointer move: `under` is the window now under the pointer
// (null outside our windows) and `code` its hit-test code.
void HoverAfterMove(HWND under, LRESULT code, POINT screen, std::int64_t now);
std::optional<std::int64_t> HoverDue();
// The WM_MOUSEHOVER that is due, if its window passes `accept`.
template <typename Accept>
std::optional<MSG> TakeHover(std::int64_t now, bool remove, Accept accept);
std::optional<MSG> MakeHoverMessage(std::int64_t now);
void ClearHover();

template <typename Accept>
std::optional<MSG> TakeHover(std::int64_t now, bool remove, Accept accept)
{
    std::optional<MSG> msg = MakeHoverMessage(now);
    if (!msg || !accept(msg->hwnd))
        return std::nullopt;
    if (remove)
        ClearHover();
    return msg;
}

} // namespace user
