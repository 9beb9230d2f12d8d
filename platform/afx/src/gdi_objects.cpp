#include "gdi_maps.h"
#include "platform/afx_app.h"
#include "platform/user_dialog.h"

namespace afx {

HandleMap<HGDIOBJ, CGdiObject>& GdiMap()
{
    static HandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

} // namespace afx

using afx::GdiFromHandle;
using afx::GdiMap;

// ---------------------------------------------------------------------------
// CGdiObject
// ---------------------------------------------------------------------------
CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return GdiFromHandle<CGdiObject>(handle); }

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (!handle || m_hObject)
        return FALSE;
    m_hObject = handle;
    GdiMap().SetPermanent(handle, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h)
        GdiMap().RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* out) const { return m_hObject ? ::GetObjectA(m_hObject, size, out) : 0; }

BOOL CGdiObject::CreateStockObject(int which) { return Attach(::GetStockObject(which)); }

// ---------------------------------------------------------------------------
// CBitmap
// ---------------------------------------------------------------------------
CBitmap* CBitmap::FromHandle(HBITMAP handle) { return GdiFromHandle<CBitmap>(handle); }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitCount, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCEA(id)); }

BOOL CBitmap::LoadBitmap(LPCSTR name)
{
    if (m_hObject)
        return FALSE;
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), name));
}

// ---------------------------------------------------------------------------
// CFont
// ---------------------------------------------------------------------------
CFont* CFont::FromHandle(HFONT handle) { return GdiFromHandle<CFont>(handle); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* logfont)
{
    return logfont ? Attach(::CreateFontIndirectA(logfont)) : FALSE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCSTR faceName)
{
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                                outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc)
{
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (faceName) {
        std::size_t i = 0;
        for (; faceName[i] && i + 1 < sizeof lf.lfFaceName; ++i)
            lf.lfFaceName[i] = faceName[i];
        lf.lfFaceName[i] = '\0';
    }
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* logfont, CDC* dc)
{
    if (!logfont)
        return FALSE;
    HDC screen = nullptr;
    HDC measure = dc ? dc->m_hAttribDC : nullptr;
    if (!measure)
        measure = screen = ::GetDC(nullptr);
    const int dpi = measure ? ::GetDeviceCaps(measure, LOGPIXELSY) : 96;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    // Tenths of a point to pixels, rounded; negative asks for the character
    // (em) height rather than the cell height.
    LOGFONTA lf = *logfont;
    const long tenths = lf.lfHeight;
    lf.lfHeight = -static_cast<LONG>((std::labs(tenths) * dpi + 360) / 720);
    return CreateFontIndirect(&lf);
}

// ---------------------------------------------------------------------------
// CRgn
// ---------------------------------------------------------------------------
CRgn* CRgn::FromHandle(HRGN handle) { return GdiFromHandle<CRgn>(handle); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect) { return rect ? Attach(::CreateRectRgnIndirect(rect)) : FALSE; }

BOOL CRgn::CreateFromData(const XFORM* xform, int count, const RGNDATA* data)
{
    if (!data || count <= 0)
        return FALSE;
    return Attach(::ExtCreateRegion(xform, static_cast<DWORD>(count), data));
}

int CRgn::CombineRgn(CRgn* a, CRgn* b, int mode)
{
    if (!m_hObject || !a)
        return ERROR;
    return ::CombineRgn(*this, *a, b ? static_cast<HRGN>(*b) : nullptr, mode);
}

int CRgn::CopyRgn(CRgn* source)
{
    if (!m_hObject || !source)
        return ERROR;
    return ::CombineRgn(*this, *source, nullptr, RGN_COPY);
}

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject ? ::PtInRegion(*this, x, y) : FALSE; }

int CRgn::GetRgnBox(RECT* box) const { return m_hObject ? ::GetRgnBox(*this, box) : ERROR; }

int CRgn::OffsetRgn(int dx, int dy) { return m_hObject ? ::OffsetRgn(*this, dx, dy) : ERROR; }

BOOL CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    return m_hObject ? ::SetRectRgn(*this, left, top, right, bottom) : FALSE;
}

// ---------------------------------------------------------------------------
// CPalette
// ---------------------------------------------------------------------------
CPalette* CPalette::FromHandle(HPALETTE handle) { return GdiFromHandle<CPalette>(handle); }

BOOL CPalette::CreatePalette(const LOGPALETTE* palette)
{
    return palette ? Attach(::CreatePalette(palette)) : FALSE;
}
