// The plain accessors of CDIB.  On an empty image they give 0 or none.
#include "pixkit.h"

#include "core/dib_header.h"

int CDIB::IsValid() const { return m_pInfo != nullptr ? 1 : 0; }

int CDIB::IsValidPalette() const { return m_hPalette != nullptr ? 1 : 0; }

HBITMAP CDIB::GetBitmap() const { return m_hBitmap; }

unsigned char* CDIB::GetBits() const { return m_pBits; }

int CDIB::GetWidth() const { return m_nWidth; }

int CDIB::GetHeight() const { return m_nHeight; }

int CDIB::GetBitCount() const { return m_pInfo != nullptr ? m_pInfo->bmiHeader.biBitCount : 0; }

// 2 to the bit count; 0 for an empty image and for 31 and 32 bits, whose
// count does not fit the result.
int CDIB::GetColorNum() const
{
    const int bits = GetBitCount();
    if (m_pInfo == nullptr || bits >= 31)
        return 0;
    return 1 << bits;
}

int CDIB::GetPitch() const
{
    if (m_pInfo == nullptr)
        return 0;
    return static_cast<int>(pixkit::DibPitch(m_pInfo->bmiHeader.biBitCount, m_pInfo->bmiHeader.biWidth));
}

int CDIB::GetInfoSize() const
{
    return m_pInfo != nullptr ? static_cast<int>(pixkit::DibInfoSize(m_pInfo->bmiHeader)) : 0;
}

// Create refuses any header whose storage does not fit an int.
int CDIB::GetBitsSize() const
{
    return m_pInfo != nullptr ? static_cast<int>(pixkit::DibStorageSize(m_pInfo->bmiHeader)) : 0;
}

HPALETTE CDIB::GetPalette() const { return m_hPalette; }
