// FillRect.  The GDI has no brushes of its own yet, so a fill is a stretch
// of a one-pixel bitmap of the colour, which honours the DC's clipping,
// origin and pixel format like any other blit.
#include "fill.h"

#include "platform/user.h"

namespace user {
namespace {

// The published LOGBRUSH record, to read a GDI brush when there is one.
struct BrushRecord {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};
constexpr UINT kSolidBrush = 0; // BS_SOLID

bool BrushColor(HBRUSH brush, COLORREF& color)
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= 31) { // a system colour index plus one
        color = GetSysColor(static_cast<int>(value - 1));
        return true;
    }
    BrushRecord record{};
    if (brush == nullptr || GetObjectA(brush, sizeof record, &record) != static_cast<int>(sizeof record) ||
        record.lbStyle != kSolidBrush)
        return false;
    color = record.lbColor;
    return true;
}

} // namespace

bool FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (dc == nullptr || rect.right <= rect.left || rect.bottom <= rect.top)
        return dc != nullptr;
    const std::uint32_t pixel =
        (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
        GetBValue(color);
    const HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, &pixel);
    const HDC source = CreateCompatibleDC(nullptr);
    bool ok = false;
    if (bitmap != nullptr && source != nullptr) {
        const HGDIOBJ old = SelectObject(source, bitmap);
        ok = StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, 1, 1,
                        SRCCOPY) != FALSE;
        SelectObject(source, old);
    }
    if (source != nullptr)
        DeleteDC(source);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    return ok;
}

} // namespace user

extern "C" int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    COLORREF color = 0;
    if (rect == nullptr || !user::BrushColor(brush, color))
        return 0;
    return user::FillSolid(dc, *rect, color) ? 1 : 0;
}
