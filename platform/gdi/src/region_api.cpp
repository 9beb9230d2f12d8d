// Region calls over the banded representation of region.h.
#include "platform/gdi.h"

#include "handle_table.h"

#include <cstring>

using namespace gdi;

namespace {

HRGN addRegion(HandleTable& table, Region region)
{
    return asHandle<HRGN>(table.add(RegionObject{std::move(region)}));
}

std::optional<Region::Op> opFor(int mode)
{
    switch (mode) {
    case RGN_AND: return Region::Op::And;
    case RGN_OR: return Region::Op::Or;
    case RGN_XOR: return Region::Op::Xor;
    case RGN_DIFF: return Region::Op::Diff;
    default: return std::nullopt;
    }
}

} // namespace

extern "C" {

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return gdiCall<HRGN>(nullptr, [&](HandleTable& table) {
        return addRegion(table, Region(normalizedRect(left, top, right, bottom)));
    });
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
    if (rect == nullptr)
        return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data)
{
    return gdiCall<HRGN>(nullptr, [&](HandleTable& table) -> HRGN {
        // Transforms are not supported; only rectangle lists are.
        if (xform != nullptr || data == nullptr || count < sizeof(RGNDATAHEADER))
            return nullptr;
        RGNDATAHEADER header;
        std::memcpy(&header, data, sizeof header);
        if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES)
            return nullptr;
        const std::uint64_t available = (count - sizeof(RGNDATAHEADER)) / sizeof(RECT);
        if (header.nCount > available)
            return nullptr;
        std::vector<RECT> rects(header.nCount);
        if (!rects.empty())
            std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + sizeof(RGNDATAHEADER),
                        rects.size() * sizeof(RECT));
        return addRegion(table, Region::fromRects(rects));
    });
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode)
{
    return gdiCall(ERROR, [&](HandleTable& table) {
        RegionObject* target = table.get<RegionObject>(dst);
        const RegionObject* a = table.get<RegionObject>(src1);
        if (target == nullptr || a == nullptr)
            return ERROR;
        if (mode == RGN_COPY) {
            target->region = a->region;
            return target->region.kind();
        }
        const auto op = opFor(mode);
        const RegionObject* b = table.get<RegionObject>(src2);
        if (!op || b == nullptr)
            return ERROR;
        // Computed into a new region first, so dst may be one of the sources.
        Region result = Region::combine(a->region, b->region, *op);
        target->region = std::move(result);
        return target->region.kind();
    });
}

int GetRgnBox(HRGN region, RECT* box)
{
    return gdiCall(ERROR, [&](HandleTable& table) {
        const RegionObject* object = table.get<RegionObject>(region);
        if (object == nullptr || box == nullptr)
            return ERROR;
        *box = object->region.bounds();
        return object->region.kind();
    });
}

BOOL PtInRegion(HRGN region, int x, int y)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        const RegionObject* object = table.get<RegionObject>(region);
        return object != nullptr && object->region.contains(x, y) ? TRUE : FALSE;
    });
}

BOOL RectInRegion(HRGN region, const RECT* rect)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        const RegionObject* object = table.get<RegionObject>(region);
        if (object == nullptr || rect == nullptr)
            return FALSE;
        return object->region.intersects(normalizedRect(rect->left, rect->top, rect->right, rect->bottom)) ? TRUE
                                                                                                           : FALSE;
    });
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        const RegionObject* ra = table.get<RegionObject>(a);
        const RegionObject* rb = table.get<RegionObject>(b);
        return ra != nullptr && rb != nullptr && ra->region == rb->region ? TRUE : FALSE;
    });
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    return gdiCall(ERROR, [&](HandleTable& table) {
        RegionObject* object = table.get<RegionObject>(region);
        if (object == nullptr || !object->region.offset(dx, dy))
            return ERROR;
        return object->region.kind();
    });
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        RegionObject* object = table.get<RegionObject>(region);
        if (object == nullptr)
            return FALSE;
        object->region = Region(normalizedRect(left, top, right, bottom));
        return TRUE;
    });
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data)
{
    return gdiCall<DWORD>(0, [&](HandleTable& table) -> DWORD {
        const RegionObject* object = table.get<RegionObject>(region);
        if (object == nullptr)
            return 0;
        const std::vector<RECT> rects = object->region.rects();
        const std::uint64_t needed = sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT);
        if (needed > UINT32_MAX)
            return 0;
        if (data == nullptr || size < needed)
            return static_cast<DWORD>(needed);
        RGNDATAHEADER header{};
        header.dwSize = sizeof(RGNDATAHEADER);
        header.iType = RDH_RECTANGLES;
        header.nCount = static_cast<DWORD>(rects.size());
        header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
        header.rcBound = object->region.bounds();
        std::memcpy(data, &header, sizeof header);
        std::memcpy(reinterpret_cast<char*>(data) + sizeof header, rects.data(), rects.size() * sizeof(RECT));
        return static_cast<DWORD>(needed);
    });
}

} // extern "C"
