#include "gdi_maps.h"
#include "platform/afx_wnd.h"

#include <cstring>

namespace afx {

HandleMap<HDC, CDC>& DcMap()
{
    static HandleMap<HDC, CDC> map;
    return map;
}

} // namespace afx

using afx::DcMap;
using afx::GdiFromHandle;

CDC::~CDC()
{
    // A DC made by CreateCompatibleDC belongs to this object; one attached
    // with Attach is deleted too, as the framework does.
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    if (CDC* owned = DcMap().LookupPermanent(dc))
        return owned;
    return DcMap().Temporary<CDC>(dc);
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = m_hAttribDC = dc;
    DcMap().SetPermanent(dc, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    if (dc)
        DcMap().RemovePermanent(dc, this);
    m_hDC = m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (!m_hDC || !object || !object->m_hObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_hDC || !bitmap || !bitmap->m_hObject)
        return nullptr;
    return GdiFromHandle<CBitmap>(::SelectObject(m_hDC, bitmap->m_hObject));
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!m_hDC || !font || !font->m_hObject)
        return nullptr;
    return GdiFromHandle<CFont>(::SelectObject(m_hDC, font->m_hObject));
}

int CDC::SelectObject(CRgn* region) { return SelectClipRgn(region); }

int CDC::SelectClipRgn(CRgn* region)
{
    if (!m_hDC)
        return ERROR;
    return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr);
}

CGdiObject* CDC::SelectStockObject(int which)
{
    HGDIOBJ stock = ::GetStockObject(which);
    if (!m_hDC || !stock)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, stock));
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground)
{
    if (!m_hDC || !palette)
        return nullptr;
    return GdiFromHandle<CPalette>(::SelectPalette(m_hDC, *palette, forceBackground));
}

UINT CDC::RealizePalette() { return m_hDC ? ::RealizePalette(m_hDC) : GDI_ERROR; }

CFont* CDC::GetCurrentFont() const
{
    return m_hDC ? GdiFromHandle<CFont>(::GetCurrentObject(m_hDC, OBJ_FONT)) : nullptr;
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return m_hDC ? GdiFromHandle<CBitmap>(::GetCurrentObject(m_hDC, OBJ_BITMAP)) : nullptr;
}

COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                     int srcHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, srcWidth,
                        srcHeight, rop);
}

void CDC::FillRect(const RECT* rect, HBRUSH brush)
{
    if (rect)
        ::FillRect(m_hDC, rect, brush);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (!rect || !m_hDC || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    // One pixel of the colour, stretched over the rectangle: exact for any
    // DC depth the GDI converts to.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const std::uint32_t pixel = (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
                                (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
    ::StretchDIBits(m_hDC, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, 0, 0, 1, 1,
                    &pixel, &info, DIB_RGB_COLORS, SRCCOPY);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    const RECT r{x, y, x + width, y + height};
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (!rect)
        return;
    const int x = rect->left, y = rect->top, w = rect->right - rect->left, h = rect->bottom - rect->top;
    FillSolidRect(x, y, w - 1, 1, topLeft);
    FillSolidRect(x, y, 1, h - 1, topLeft);
    FillSolidRect(x + w - 1, y, 1, h, bottomRight);
    FillSolidRect(x, y + h - 1, w, 1, bottomRight);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }

BOOL CDC::TextOut(int x, int y, LPCSTR text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }

int CDC::DrawText(LPCSTR text, int count, RECT* rect, UINT format)
{
    return ::DrawTextA(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, RECT* rect, UINT format)
{
    return DrawText(text, text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const
{
    SIZE size{0, 0};
    if (text && count > 0)
        ::GetTextExtentPoint32A(m_hAttribDC, text, count, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }

BOOL CDC::GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hAttribDC, metrics); }

// ---------------------------------------------------------------------------
// Window DCs
// ---------------------------------------------------------------------------
CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC()
{
    if (HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC()
{
    if (HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}
