// Copies of the image, or a rectangle of it, onto a device context.  The
// bitmap blits draw with the bitmap colour table; ShowDIB and ShowDIBStretch
// draw the storage with the header colour table and the logical palette.
#include "pixkit.h"

#include "core/gdi_scope.h"

namespace {

// The source rectangle in image coordinates (right and bottom exclusive), or
// the whole image.
struct Source {
    int x;
    int y;
    int width;
    int height;
};

Source SourceOf(const RECT* source, int width, int height)
{
    if (source == nullptr)
        return {0, 0, width, height};
    return {source->left, source->top, source->right - source->left, source->bottom - source->top};
}

} // namespace

void CDIB::BitBlt(HDC dc, int x, int y, RECT* source)
{
    if (m_hBitmap == nullptr)
        return;
    const Source s = SourceOf(source, m_nWidth, m_nHeight);
    pixkit::MemoryDC mem(dc, m_hBitmap);
    if (mem.IsReady())
        ::BitBlt(dc, x, y, s.width, s.height, mem.Get(), s.x, s.y, SRCCOPY);
}

// The stretch mode is whatever the caller set on dc.
void CDIB::BitBltStretch(HDC dc, int x, int y, RECT* source, int width, int height)
{
    if (m_hBitmap == nullptr)
        return;
    const Source s = SourceOf(source, m_nWidth, m_nHeight);
    pixkit::MemoryDC mem(dc, m_hBitmap);
    if (mem.IsReady())
        ::StretchBlt(dc, x, y, width, height, mem.Get(), s.x, s.y, s.width, s.height, SRCCOPY);
}

// Source pixels of the key colour leave the destination as it was.  A
// monochrome mask marks them (1 where the key is); the source is XORed on,
// the mask ANDed, and the source XORed again: under the key the two XORs
// cancel, elsewhere the AND has cleared the destination so the source lands.
void CDIB::TransBlt(HDC dc, int x, int y, unsigned long key, RECT* source)
{
    if (m_hBitmap == nullptr)
        return;
    const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const Source s = SourceOf(source, m_nWidth, m_nHeight);
    {
        pixkit::ScopedObject mask(CreateBitmap(s.width, s.height, 1, 1, nullptr));
        pixkit::MemoryDC src(dc, m_hBitmap);
        pixkit::MemoryDC maskDC(dc, mask.Get());
        if (mask.Get() != nullptr && src.IsReady() && maskDC.IsReady()) {
            SetBkColor(src.Get(), key);
            ::BitBlt(maskDC.Get(), 0, 0, s.width, s.height, src.Get(), s.x, s.y, SRCCOPY);
            ::BitBlt(dc, x, y, s.width, s.height, src.Get(), s.x, s.y, SRCINVERT);
            ::BitBlt(dc, x, y, s.width, s.height, maskDC.Get(), 0, 0, SRCAND);
            ::BitBlt(dc, x, y, s.width, s.height, src.Get(), s.x, s.y, SRCINVERT);
        }
        // The contexts go before the mask they hold (reverse order of the
        // declarations).
    }
    SetBkColor(dc, oldBk);
    SetTextColor(dc, oldText);
}

// Deliberately draws nothing: no caller in the library or the client uses a
// stretched transparent copy, and the exported entry point is kept only so
// that the interface stays complete.
void CDIB::TransBltStretch(HDC, int, int, unsigned long, RECT*, int, int) {}

// The source origin is handed over in the bottom-up convention of
// SetDIBitsToDevice: counted from the image's bottom row.  The palette that
// dc had before is not restored.
void CDIB::ShowDIB(HDC dc, int x, int y, RECT* source)
{
    if (m_pBits == nullptr)
        return;
    if (m_hPalette != nullptr) {
        SelectPalette(dc, m_hPalette, FALSE);
        RealizePalette(dc);
    }
    if (source == nullptr) {
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(m_nWidth), static_cast<DWORD>(m_nHeight), 0, 0, 0,
                          static_cast<UINT>(m_nHeight), m_pBits, m_pInfo, DIB_RGB_COLORS);
        return;
    }
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(source->right - source->left),
                      static_cast<DWORD>(source->bottom - source->top), source->left, m_nHeight - source->bottom, 0,
                      static_cast<UINT>(m_nHeight), m_pBits, m_pInfo, DIB_RGB_COLORS);
}

// Leaves dc in COLORONCOLOR stretch mode.
void CDIB::ShowDIBStretch(HDC dc, int x, int y, RECT* source, int width, int height)
{
    if (m_pBits == nullptr)
        return;
    if (m_hPalette != nullptr) {
        SelectPalette(dc, m_hPalette, FALSE);
        RealizePalette(dc);
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    if (source == nullptr) {
        StretchDIBits(dc, x, y, width, height, 0, 0, m_nWidth, m_nHeight, m_pBits, m_pInfo, DIB_RGB_COLORS,
                      SRCCOPY);
        return;
    }
    StretchDIBits(dc, x, y, width, height, source->left, m_nHeight - source->bottom, source->right - source->left,
                  source->bottom - source->top, m_pBits, m_pInfo, DIB_RGB_COLORS, SRCCOPY);
}
