#include "draw_target.h"

#include "dc_access.h"

namespace gdi {

namespace {

bool shift(LONG& value, LONG by)
{
    const long long moved = static_cast<long long>(value) + by;
    if (moved < INT32_MIN || moved > INT32_MAX)
        return false;
    value = static_cast<LONG>(moved);
    return true;
}

} // namespace

std::optional<RECT> DrawTarget::toSurface(const RECT& logical) const
{
    RECT r = logical;
    if (!shift(r.left, dc->origin.x) || !shift(r.right, dc->origin.x) || !shift(r.top, dc->origin.y) ||
        !shift(r.bottom, dc->origin.y))
        return std::nullopt;
    return r;
}

std::optional<Region> DrawTarget::toSurface(const Region& logical) const
{
    Region moved = logical;
    if (!moved.offset(dc->origin.x, dc->origin.y))
        return std::nullopt;
    return moved;
}

std::optional<DrawTarget> drawTarget(HandleTable& table, HDC dc)
{
    DrawTarget target;
    target.dc = table.get<DcObject>(dc);
    if (target.dc == nullptr)
        return std::nullopt;
    target.surface = dcSurface(table, *target.dc);
    if (target.surface == nullptr || !target.surface->writable())
        return std::nullopt;
    target.clip = dcClipRegion(*target.dc, *target.surface);
    return target;
}

} // namespace gdi
