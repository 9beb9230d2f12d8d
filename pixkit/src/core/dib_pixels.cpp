// Pixel addressing, raw values and colours.
#include "pixkit.h"

#include "core/dib_header.h"
#include "platform/gdi.h"

namespace {

// Shifting by a negative loss means the channel is wider than 8 bits: keep
// its top 8 bits instead.
unsigned long Widen(unsigned long channel, int loss)
{
    return loss >= 0 ? channel << loss : channel >> -loss;
}

unsigned long Narrow(unsigned long byte, int loss)
{
    return loss >= 0 ? byte >> loss : byte << -loss;
}

// 32-bit images with bit fields go through their masks, like 16-bit ones:
// with the usual masks that gives the fixed 0x00RRGGBB reading, and with any
// other layout the colours the file means.
bool UsesMasks(const BITMAPINFO* info)
{
    const BITMAPINFOHEADER& h = info->bmiHeader;
    return h.biBitCount == 16 || (h.biBitCount == 32 && h.biCompression == BI_BITFIELDS);
}

} // namespace

unsigned char* CDIB::GetAddr(int x, int y) const
{
    if (m_pBits == nullptr || m_pInfo == nullptr || x < 0 || x >= m_nWidth || y < 0 || y >= m_nHeight)
        return nullptr;
    const BITMAPINFOHEADER& h = m_pInfo->bmiHeader;
    const std::int64_t row = h.biHeight > 0 ? m_nHeight - 1 - y : y;
    const std::int64_t pitch = pixkit::DibPitch(h.biBitCount, h.biWidth);
    return m_pBits + pitch * row + static_cast<std::int64_t>(x) * (h.biBitCount / 8);
}

unsigned long CDIB::GetPixel(int x, int y) const
{
    const unsigned char* p = GetAddr(x, y);
    if (p == nullptr)
        return 0;
    switch (m_pInfo->bmiHeader.biBitCount) {
    case 8:
        return p[0];
    case 16:
        return p[0] | (static_cast<unsigned long>(p[1]) << 8);
    case 24:
        return p[0] | (static_cast<unsigned long>(p[1]) << 8) | (static_cast<unsigned long>(p[2]) << 16);
    case 32:
        return p[0] | (static_cast<unsigned long>(p[1]) << 8) | (static_cast<unsigned long>(p[2]) << 16) |
               (static_cast<unsigned long>(p[3]) << 24);
    default:
        return 0;
    }
}

void CDIB::SetPixel(int x, int y, unsigned long value)
{
    unsigned char* p = GetAddr(x, y);
    if (p == nullptr)
        return;
    switch (m_pInfo->bmiHeader.biBitCount) {
    case 32:
        p[3] = static_cast<unsigned char>(value >> 24);
        [[fallthrough]];
    case 24:
        p[2] = static_cast<unsigned char>(value >> 16);
        [[fallthrough]];
    case 16:
        p[1] = static_cast<unsigned char>(value >> 8);
        [[fallthrough]];
    case 8:
        p[0] = static_cast<unsigned char>(value);
        break;
    default:
        break;
    }
}

unsigned long CDIB::GetPixelColor(int x, int y) const
{
    const unsigned long v = GetPixel(x, y);
    const int bits = GetBitCount();
    if (bits <= 8)
        return GetIndexColor(static_cast<int>(v));
    if (!UsesMasks(m_pInfo))
        return RGB(static_cast<BYTE>(v >> 16), static_cast<BYTE>(v >> 8), static_cast<BYTE>(v));
    unsigned long channel[3];
    for (int c = 0; c < 3; ++c)
        channel[c] = Widen((v & m_dwMask[c]) >> m_nShift[c], m_nLoss[c]) & 0xFF;
    return channel[0] | (channel[1] << 8) | (channel[2] << 16);
}

void CDIB::SetPixelColor(int x, int y, unsigned long color)
{
    const int bits = GetBitCount();
    if (bits <= 8) {
        // Without a logical palette there is no colour to match: index 0.
        const UINT index = m_hPalette != nullptr ? GetNearestPaletteIndex(m_hPalette, color) : 0;
        SetPixel(x, y, index == CLR_INVALID ? 0 : index);
        return;
    }
    const unsigned long rgb[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    if (!UsesMasks(m_pInfo)) {
        SetPixel(x, y, (rgb[0] << 16) | (rgb[1] << 8) | rgb[2]);
        return;
    }
    unsigned long value = 0;
    for (int c = 0; c < 3; ++c)
        value |= (Narrow(rgb[c], m_nLoss[c]) << m_nShift[c]) & m_dwMask[c];
    SetPixel(x, y, value);
}
