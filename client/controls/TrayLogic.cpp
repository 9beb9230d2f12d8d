#include "TrayLogic.h"

namespace tray {

UINT CreationFlags(bool shellV5, bool hasBalloon)
{
    UINT flags = kFlagMessage | kFlagIcon | kFlagTip;
    if (shellV5 && hasBalloon)
        flags |= kFlagInfo;
    return flags;
}

void CopyBounded(char* dest, std::size_t size, const char* text)
{
    if (size == 0)
        return;
    const std::size_t length = text ? strnlen(text, size - 1) : 0;
    if (length > 0)
        std::memcpy(dest, text, length);
    dest[length] = '\0';
}

int NextFrame(int current, int count)
{
    if (count <= 0)
        return -1;
    const int next = current + 1;
    return next >= count || next < 0 ? 0 : next;
}

bool AnimationOver(int animSeconds, long long elapsedSeconds)
{
    return animSeconds > 0 && elapsedSeconds > animSeconds;
}

UINT DefaultCommand(bool byPosition, UINT defaultItem, UINT idAtPosition)
{
    return byPosition ? idAtPosition : defaultItem;
}

RECT CutAtClock(RECT area, RECT clock)
{
    if (clock.bottom < area.bottom - 5)
        area.top = clock.bottom;
    else
        area.right = clock.left;
    return area;
}

RECT TrayFromTaskbar(RECT bar, UINT edge)
{
    constexpr UINT kLeft = 0, kRight = 2;
    if (edge == kLeft || edge == kRight)
        return RECT{bar.left, bar.bottom - 100, bar.right, bar.bottom - 16};
    return RECT{bar.right - 100, bar.top, bar.right - 16, bar.bottom};
}

RECT TrayFromWorkArea(RECT work)
{
    return RECT{work.right - 150, work.bottom - 30, work.right, work.bottom};
}

} // namespace tray
