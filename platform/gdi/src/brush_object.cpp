#include "brush_object.h"

#include <atomic>

namespace gdi {

namespace {

std::atomic<GdiSysColorSource> g_sysColors{nullptr};

// The published system colour indices run from 0 to 30.
constexpr std::uintptr_t kLastSysColorBrush = 31;

} // namespace

void setSysColorSource(GdiSysColorSource source)
{
    g_sysColors.store(source);
}

const BrushObject& dcBrush(HandleTable& table, const DcObject& dc)
{
    if (const BrushObject* brush = table.get<BrushObject>(dc.brush))
        return *brush;
    return *table.get<BrushObject>(table.stock(WHITE_BRUSH));
}

HBRUSH dcBrushHandle(HandleTable& table, const DcObject& dc)
{
    if (table.get<BrushObject>(dc.brush) != nullptr)
        return dc.brush;
    return static_cast<HBRUSH>(table.stock(WHITE_BRUSH));
}

const PenObject& dcPen(HandleTable& table, const DcObject& dc)
{
    if (const PenObject* pen = table.get<PenObject>(dc.pen))
        return *pen;
    return *table.get<PenObject>(table.stock(BLACK_PEN));
}

HPEN dcPenHandle(HandleTable& table, const DcObject& dc)
{
    if (table.get<PenObject>(dc.pen) != nullptr)
        return dc.pen;
    return static_cast<HPEN>(table.stock(BLACK_PEN));
}

std::optional<BrushObject> brushFor(HandleTable& table, HBRUSH brush)
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= kLastSysColorBrush) {
        const GdiSysColorSource source = g_sysColors.load();
        if (source == nullptr)
            return std::nullopt;
        return BrushObject{BS_SOLID, source(static_cast<int>(value - 1)) & 0xFFFFFFu, true};
    }
    if (const BrushObject* object = table.get<BrushObject>(brush))
        return *object;
    return std::nullopt;
}

COLORREF sysColor(int index, COLORREF fallback)
{
    const GdiSysColorSource source = g_sysColors.load();
    return source != nullptr ? source(index) & 0xFFFFFFu : fallback;
}

} // namespace gdi
