// Filling rectangles with one colour, and the system colours the GDI's
// brush calls use.  A fill is a stretch of a one-pixel bitmap of the
// colour, which honours the DC's clipping, origin and pixel format like any
// other blit.
#include "fill.h"

#include "platform/gdi_surface.h"
#include "platform/user.h"

namespace user {
namespace {

// System colour brushes ((HBRUSH)(COLOR_WINDOW + 1)) given to FillRect and
// class backgrounds are resolved by the GDI through GetSysColor.
struct SysColorRegistration {
    SysColorRegistration() { GdiSetSysColorSource(&GetSysColor); }
};
const SysColorRegistration g_sysColorRegistration;

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
