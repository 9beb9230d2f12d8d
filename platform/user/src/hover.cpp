#include "hover.h"

#include "geometry.h"
#include "keyboard.h"
#include "runtime.h"

#include <cstdlib>

namespace user {
namespace {

constexpr int kHoverWidth = 4;
constexpr int kHoverHeight = 4;
constexpr DWORD kHoverTime = 400;

bool Inside(HWND under, LRESULT code, const HoverTracking& t)
{
    if (under != t.hwnd)
        return false;
    const bool client = code == HTCLIENT;
    return (t.flags & TME_NONCLIENT) != 0 ? !client : client;
}

void PostLeave(HWND hwnd, bool nonClient)
{
    PostMessageA(hwnd, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

} // namespace

void ClearHover()
{
    // Only the hover request ends; leave tracking goes on.
    HoverTracking& t = RT().hover;
    t.flags &= ~TME_HOVER;
    if ((t.flags & TME_LEAVE) == 0)
        t = HoverTracking{};
}

void HoverAfterMove(HWND under, LRESULT code, POINT screen, std::int64_t now)
{
    HoverTracking& t = RT().hover;
    if (t.hwnd == nullptr)
        return;
    if (!Inside(under, code, t)) {
        const HWND left = t.hwnd;
        const bool nonClient = (t.flags & TME_NONCLIENT) != 0;
        const bool wantsLeave = (t.flags & TME_LEAVE) != 0;
        t = HoverTracking{};
        if (wantsLeave)
            PostLeave(left, nonClient);
        return;
    }
    if ((t.flags & TME_HOVER) != 0 &&
        (std::abs(screen.x - t.hoverPoint.x) > kHoverWidth / 2 || std::abs(screen.y - t.hoverPoint.y) > kHoverHeight / 2)) {
        t.hoverPoint = screen;
        t.hoverDue = now + t.hoverTime;
    }
}

std::optional<std::int64_t> HoverDue()
{
    const HoverTracking& t = RT().hover;
    if (t.hwnd == nullptr || (t.flags & TME_HOVER) == 0)
        return std::nullopt;
    return t.hoverDue;
}

std::optional<MSG> MakeHoverMessage(std::int64_t now)
{
    Runtime& rt = RT();
    const HoverTracking& t = rt.hover;
    if (t.hwnd == nullptr || (t.flags & TME_HOVER) == 0 || now < t.hoverDue)
        return std::nullopt;
    const Window* w = Peek(t.hwnd);
    if (w == nullptr)
        return std::nullopt;
    MSG msg{};
    msg.hwnd = t.hwnd;
    if ((t.flags & TME_NONCLIENT) != 0) {
        msg.message = WM_NCMOUSEHOVER;
        msg.wParam = static_cast<WPARAM>(rt.pointerCode);
        msg.lParam = MAKELPARAM(static_cast<WORD>(rt.cursorPos.x), static_cast<WORD>(rt.cursorPos.y));
    } else {
        const POINT o = ClientOriginOnScreen(*w);
        msg.message = WM_MOUSEHOVER;
        msg.wParam = MouseKeyFlags();
        msg.lParam = MAKELPARAM(static_cast<WORD>(rt.cursorPos.x - o.x), static_cast<WORD>(rt.cursorPos.y - o.y));
    }
    msg.time = static_cast<DWORD>(now);
    msg.pt = rt.cursorPos;
    return msg;
}

} // namespace user

using namespace user;

extern "C" {

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    Runtime& rt = RT();
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HoverTracking& t = rt.hover;
    if ((track->dwFlags & TME_QUERY) != 0) {
        track->dwFlags = t.hwnd != nullptr ? t.flags : 0;
        track->hwndTrack = t.hwnd;
        track->dwHoverTime = t.hwnd != nullptr ? t.hoverTime : 0;
        return TRUE;
    }
    if (FindWindowRecord(track->hwndTrack) == nullptr)
        return FALSE;
    const DWORD kinds = track->dwFlags & (TME_HOVER | TME_LEAVE);
    const bool nonClient = (track->dwFlags & TME_NONCLIENT) != 0;
    if ((track->dwFlags & TME_CANCEL) != 0) {
        if (t.hwnd == track->hwndTrack && ((t.flags & TME_NONCLIENT) != 0) == nonClient) {
            t.flags &= ~kinds;
            if ((t.flags & (TME_HOVER | TME_LEAVE)) == 0)
                t = HoverTracking{};
        }
        return TRUE;
    }
    if (kinds == 0)
        return TRUE;
    HoverTracking request;
    request.hwnd = track->hwndTrack;
    request.flags = kinds | (nonClient ? TME_NONCLIENT : 0u);
    if (!Inside(rt.pointerWindow, rt.pointerCode, request)) {
        // Not over the window (any more): the leave is due at once.
        if ((kinds & TME_LEAVE) != 0)
            PostLeave(track->hwndTrack, nonClient);
        return TRUE;
    }
    if (t.hwnd == request.hwnd && ((t.flags & TME_NONCLIENT) != 0) == nonClient)
        request.flags |= t.flags;
    request.hoverTime = t.hwnd == request.hwnd ? t.hoverTime : kHoverTime;
    request.hoverPoint = t.hoverPoint;
    request.hoverDue = t.hoverDue;
    if ((kinds & TME_HOVER) != 0) {
        request.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? kHoverTime : track->dwHoverTime;
        request.hoverPoint = rt.cursorPos;
        request.hoverDue = Backend().NowMs() + request.hoverTime;
    }
    t = request;
    return TRUE;
}

} // extern "C"
