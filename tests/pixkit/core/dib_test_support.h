// Images and palettes that the CDIB tests build on.
#pragma once

#include "pixkit.h"
#include "platform/gdi.h"

#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace pixkit_test {

// 256 distinct colours: entry i is (i, 255 - i, (i * 7) & 0xFF).
inline std::vector<PALETTEENTRY> DistinctPalette()
{
    std::vector<PALETTEENTRY> entries(256);
    for (int i = 0; i < 256; ++i)
        entries[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>((i * 7) & 0xFF), 0};
    return entries;
}

inline COLORREF ColorOf(const PALETTEENTRY& e) { return RGB(e.peRed, e.peGreen, e.peBlue); }

// A header block in malloc memory for Create(BITMAPINFO*): a 40-byte header
// followed by the given table entries.
inline BITMAPINFO* MakeBlock(LONG width, LONG height, WORD bitCount, DWORD compression,
                             const std::vector<DWORD>& table, DWORD clrUsed = 0)
{
    auto* info = static_cast<BITMAPINFO*>(std::calloc(1, 40 + 4 * table.size()));
    info->bmiHeader.biSize = 40;
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = bitCount;
    info->bmiHeader.biCompression = compression;
    info->bmiHeader.biClrUsed = clrUsed;
    std::memcpy(reinterpret_cast<unsigned char*>(info) + 40, table.data(), 4 * table.size());
    return info;
}

inline std::vector<PALETTEENTRY> PaletteEntries(HPALETTE palette)
{
    std::vector<PALETTEENTRY> entries(256);
    entries.resize(GetPaletteEntries(palette, 0, 256, entries.data()));
    return entries;
}

// The storage as bytes, to see that an operation left it alone.
inline Bytes Storage(const CDIB& dib)
{
    return Bytes(dib.GetBits(), dib.GetBits() + dib.GetBitsSize());
}

// Every pixel's colour, rows from the top.
inline std::vector<COLORREF> Colors(const CDIB& dib)
{
    std::vector<COLORREF> out;
    for (int y = 0; y < dib.GetHeight(); ++y)
        for (int x = 0; x < dib.GetWidth(); ++x)
            out.push_back(dib.GetPixelColor(x, y));
    return out;
}

// A 32-bit drawing surface with a memory DC, for the blits.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background)
    {
        m_dib.Create(width, height, 32, nullptr);
        m_dib.Fill(background);
        m_dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(m_dc, m_dib.GetBitmap());
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    COLORREF at(int x, int y) const { return m_dib.GetPixelColor(x, y); }
    CDIB& dib() { return m_dib; }

private:
    CDIB m_dib;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

} // namespace pixkit_test
