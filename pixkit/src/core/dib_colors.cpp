// The bitmap colour table and the logical palette.
#include "pixkit.h"

#include "core/gdi_scope.h"
#include "core/logical_palette.h"

unsigned long CDIB::GetIndexColor(int index) const
{
    if (m_hBitmap == nullptr || index < 0)
        return 0;
    pixkit::MemoryDC dc(nullptr, m_hBitmap);
    RGBQUAD entry{};
    if (!dc.IsReady() || GetDIBColorTable(dc.Get(), static_cast<UINT>(index), 1, &entry) != 1)
        return 0;
    return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

void CDIB::SetIndexColor(int index, unsigned long color)
{
    if (m_hBitmap == nullptr || index < 0)
        return;
    pixkit::MemoryDC dc(nullptr, m_hBitmap);
    const RGBQUAD entry{GetBValue(color), GetGValue(color), GetRValue(color), 0};
    if (dc.IsReady())
        SetDIBColorTable(dc.Get(), static_cast<UINT>(index), 1, &entry);
}

void CDIB::CreatePalette(PALETTEENTRY* entries)
{
    if (m_hPalette != nullptr) {
        DeleteObject(m_hPalette);
        m_hPalette = nullptr;
    }
    m_hPalette = pixkit::MakeLogicalPalette(entries, pixkit::kPaletteSize);
}
