#include "gdi_text.h"

#include <cstring>

namespace artgen {
namespace {

// A memory DC with a font selected, both released in reverse order.
class TextDC {
public:
    TextDC(HBITMAP bitmap, const TextStyle& style)
    {
        m_hDC = CreateCompatibleDC(nullptr);
        LOGFONTA lf{};
        lf.lfHeight = -style.pixelHeight;
        lf.lfWeight = style.weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = ANTIALIASED_QUALITY;
        std::strncpy(lf.lfFaceName, style.face, LF_FACESIZE - 1);
        m_hFont = CreateFontIndirectA(&lf);
        if (m_hDC == nullptr || m_hFont == nullptr)
            return;
        m_hOldFont = SelectObject(m_hDC, m_hFont);
        if (bitmap != nullptr)
            m_hOldBitmap = SelectObject(m_hDC, bitmap);
        m_bReady = m_hOldFont != nullptr && (bitmap == nullptr || m_hOldBitmap != nullptr);
    }
    ~TextDC()
    {
        if (m_hOldBitmap != nullptr)
            SelectObject(m_hDC, m_hOldBitmap);
        if (m_hOldFont != nullptr)
            SelectObject(m_hDC, m_hOldFont);
        if (m_hDC != nullptr)
            DeleteDC(m_hDC);
        if (m_hFont != nullptr)
            DeleteObject(m_hFont);
    }
    TextDC(const TextDC&) = delete;
    TextDC& operator=(const TextDC&) = delete;

    bool IsReady() const { return m_bReady; }
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    bool m_bReady = false;
};

} // namespace

bool DrawLabel(CDIB& dib, const char* text, RECT box, UINT format, const TextStyle& style)
{
    TextDC dc(dib.GetBitmap(), style);
    if (!dc.IsReady())
        return false;
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(static_cast<BYTE>(style.rgb >> 16), static_cast<BYTE>(style.rgb >> 8),
                               static_cast<BYTE>(style.rgb)));
    return DrawTextA(dc.Get(), text, -1, &box, format | DT_NOPREFIX) != 0;
}

SIZE MeasureLabel(const char* text, const TextStyle& style)
{
    TextDC dc(nullptr, style);
    SIZE size{0, 0};
    if (!dc.IsReady() || !GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(std::strlen(text)), &size))
        return {0, 0};
    return size;
}

} // namespace artgen
