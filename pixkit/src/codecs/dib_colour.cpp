// Colour reduction: median-cut palettes and depth conversion.
#include "pixkit.h"

#include "codecs/colour_cache.h"
#include "codecs/median_cut.h"
#include "core/logical_palette.h"

#include <algorithm>
#include <memory>
#include <utility>

void CDIB::CreatePaletteMedianCut()
{
    if (m_pInfo == nullptr || GetBitCount() < 16)
        return;
    if (m_hPalette != nullptr) {
        DeleteObject(m_hPalette);
        m_hPalette = nullptr;
    }
    pixkit::ColourHistogram histogram;
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            histogram.Add(GetPixelColor(x, y));
    const std::vector<PALETTEENTRY> entries = pixkit::PaletteFromBoxes(histogram.MedianCut());
    if (!entries.empty())
        m_hPalette = pixkit::MakeLogicalPalette(entries.data(), static_cast<unsigned>(entries.size()));
}

// Converts through a source image that takes over this one's pixels; this
// object is then made anew at the target depth and filled pixel by pixel,
// rows from the top.  Handled: 8 to 16/24/32 through the logical palette,
// 16/24/32 (and 1/4) to another of 16/24/32 through colours, and 16/24/32 to
// 8 through the nearest colour of the logical palette (made by median cut
// when there is none).  Anything else gives 0 and changes nothing; so does a
// failure to make the new image, which gives the old one back.
int CDIB::ConvertBPP(int bitCount)
{
    if (m_pInfo == nullptr)
        return 0;
    const int from = GetBitCount();
    const bool toDirect = bitCount == 16 || bitCount == 24 || bitCount == 32;
    enum class Route { kFromPalette, kDirect, kToPalette } route;
    if (from == 8 && toDirect)
        route = Route::kFromPalette;
    else if (toDirect && bitCount != from)
        route = Route::kDirect;
    else if (from >= 16 && bitCount == 8)
        route = Route::kToPalette;
    else
        return 0;

    // Everything that could fail is had before the image is taken apart.
    std::unique_ptr<pixkit::NearestIndexCache> cache;
    PALETTEENTRY entries[pixkit::kPaletteSize];
    if (route == Route::kToPalette) {
        cache = std::make_unique<pixkit::NearestIndexCache>();
        if (!cache->IsReady())
            return 0;
        if (m_hPalette == nullptr)
            CreatePaletteMedianCut();
        const unsigned count = pixkit::ReadLogicalPalette(m_hPalette, entries);
        // A short median-cut palette is padded with copies of its last colour,
        // so the padding never offers a colour that the cut did not choose.
        if (count > 0)
            std::fill(entries + count, entries + pixkit::kPaletteSize, entries[count - 1]);
    } else if (route == Route::kFromPalette) {
        pixkit::ReadLogicalPalette(m_hPalette, entries);
    }

    // The source takes over the pixels, header, bitmap and palette.
    CDIB source;
    auto swapImages = [&] {
        std::swap(source.m_pInfo, m_pInfo);
        std::swap(source.m_pBits, m_pBits);
        std::swap(source.m_hBitmap, m_hBitmap);
        std::swap(source.m_hPalette, m_hPalette);
        std::swap(source.m_nWidth, m_nWidth);
        std::swap(source.m_nHeight, m_nHeight);
        std::swap(source.m_dwMask, m_dwMask);
        std::swap(source.m_nShift, m_nShift);
        std::swap(source.m_nLoss, m_nLoss);
    };
    swapImages();
    const int width = source.m_nWidth;
    const int height = source.m_nHeight;
    if (!Create(width, height, bitCount, route == Route::kToPalette ? entries : nullptr)) {
        swapImages();
        return 0;
    }

    switch (route) {
    case Route::kFromPalette:
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const PALETTEENTRY& e = entries[source.GetPixel(x, y) & 0xFF];
                SetPixelColor(x, y, RGB(e.peRed, e.peGreen, e.peBlue));
            }
        break;
    case Route::kDirect:
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetPixelColor(x, y, source.GetPixelColor(x, y));
        break;
    case Route::kToPalette: {
        // Each distinct colour is searched for once; see NearestIndexCache.
        const HPALETTE palette = m_hPalette;
        auto nearest = [palette](COLORREF color) -> BYTE {
            if (palette == nullptr)
                return 0;
            const UINT index = GetNearestPaletteIndex(palette, color);
            return index < pixkit::kPaletteSize ? static_cast<BYTE>(index) : 0;
        };
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetPixel(x, y, cache->Get(source.GetPixelColor(x, y), nearest));
        break;
    }
    }
    return 1;
}
