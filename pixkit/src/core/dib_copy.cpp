// Pixel copies between images and to and from device-dependent bitmaps.
#include "pixkit.h"

#include "platform/gdi.h"

void CDIB::GetDIB(CDIB* target) const
{
    if (target == nullptr)
        return;
    for (int y = 0; y < target->GetHeight(); ++y)
        for (int x = 0; x < target->GetWidth(); ++x)
            target->SetPixel(x, y, GetPixel(x, y));
}

void CDIB::SetDIB(CDIB* source)
{
    if (source == nullptr)
        return;
    for (int y = 0; y < source->GetHeight(); ++y)
        for (int x = 0; x < source->GetWidth(); ++x)
            SetPixel(x, y, source->GetPixel(x, y));
}

void CDIB::CopyToBitmap(HDC dc, HBITMAP bitmap)
{
    if (m_pBits == nullptr)
        return;
    SetDIBits(dc, bitmap, 0, static_cast<UINT>(m_nHeight), m_pBits, m_pInfo, DIB_RGB_COLORS);
}

void CDIB::CopyFromBitmap(HDC dc, HBITMAP bitmap)
{
    if (m_pBits == nullptr)
        return;
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(m_nHeight), m_pBits, m_pInfo, DIB_RGB_COLORS);
}
