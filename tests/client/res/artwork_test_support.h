// What the artwork tests know of the main window without asking the
// generator: the dialog font's base units as the GDI measures them, and
// bitmaps loaded through pixkit.
#pragma once

#include "res_test_support.h"

#include "pixkit.h"
#include "platform/gdi.h"
#include "platform/gdi_surface.h"

#include <cstring>
#include <memory>

namespace res_test {

// Base units of "굴림" at 9 points (12 pixels at 96 per inch).
inline SIZE DialogBaseUnits()
{
    SIZE units{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "굴림");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    GdiGetDialogBaseUnits(dc, &units);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return units;
}

inline std::unique_ptr<CDIB> LoadArtwork(const std::string& name)
{
    auto dib = std::make_unique<CDIB>();
    const std::string path = (ArtworkDir() / name).string();
    dib->LoadBMP(path.c_str());
    return dib;
}

inline bool IsKey(const CDIB& dib, int x, int y, COLORREF key)
{
    return static_cast<COLORREF>(dib.GetPixelColor(x, y)) == key;
}

inline int Luminance(COLORREF c) { return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10; }

} // namespace res_test
