#include "frame_layout.h"

#include "platform/gdi.h"
#include "platform/gdi_surface.h"

#include <cstring>

namespace artgen {

PixelRect FromBox(const skin::Box& box) { return {box.x, box.y, box.x + box.width, box.y + box.height}; }

std::optional<BaseUnits> MeasureDialogBaseUnits()
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return std::nullopt;
    LOGFONTA lf{};
    // Points to pixels at the 96 pixels per inch every DC reports.
    lf.lfHeight = -(skin::kDialogPointSize * GetDeviceCaps(dc, LOGPIXELSY) + 36) / 72;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, skin::kDialogFace, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectA(&lf);
    std::optional<BaseUnits> result;
    if (font != nullptr) {
        HGDIOBJ old = SelectObject(dc, font);
        SIZE units{};
        if (old != nullptr && GdiGetDialogBaseUnits(dc, &units) && units.cx > 0 && units.cy > 0)
            result = BaseUnits{units.cx, units.cy};
        if (old != nullptr)
            SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
    return result;
}

PixelRect DialogToPixels(const skin::Box& du, BaseUnits units)
{
    return {du.x * units.cx / 4, du.y * units.cy / 8, (du.x + du.width) * units.cx / 4,
            (du.y + du.height) * units.cy / 8};
}

FrameLayout ComputeFrameLayout(BaseUnits units)
{
    FrameLayout layout{};
    layout.units = units;
    layout.width = skin::kDialogWidthDu * units.cx / 4;
    layout.height = skin::kDialogHeightDu * units.cy / 8;
    layout.browserMain = DialogToPixels(skin::kBrowserMainDu, units);
    layout.browserBanner = DialogToPixels(skin::kBrowserBannerDu, units);
    layout.ticker = DialogToPixels(skin::kTickerDu, units);
    layout.title = {skin::kTitleX, skin::kTitleY, skin::kTitleX + kTitleWidth, skin::kTitleY + kTitleHeight};
    return layout;
}

} // namespace artgen
