// The framework's drawing classes: CGdiObject and its kinds (CBitmap, CFont,
// CRgn, CPalette), and CDC with CPaintDC, CClientDC and CWindowDC.  Each
// object owns the handle it created or was attached to and deletes it in
// its destructor; Detach gives the handle up.  FromHandle wraps a handle
// this framework does not own in a temporary object that lives until
// AfxDeleteTempMaps (or, for a handle that an object owns, returns that
// object).
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_geometry.h"
#include "platform/afx_string.h"
#include "platform/gdi.h"
#include "platform/user.h"

class CWnd;

class PLATFORM_AFX_API CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    static CGdiObject* FromHandle(HGDIOBJ handle);
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    int GetObject(int size, void* out) const;
    BOOL CreateStockObject(int which);

    // For the framework's handle maps: wrap or let go without owning.
    void AttachTemporary(HGDIOBJ handle) { m_hObject = handle; }
    void DetachTemporary() { m_hObject = nullptr; }

    HGDIOBJ m_hObject = nullptr;
};

class PLATFORM_AFX_API CBitmap : public CGdiObject {
public:
    static CBitmap* FromHandle(HBITMAP handle);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
    BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
    // A bitmap resource of the program (AfxGetResourceHandle); FALSE when
    // there is none by that name or this object already holds a bitmap.
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCSTR name);
    int GetBitmap(BITMAP* out) const { return GetObject(sizeof(BITMAP), out); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class PLATFORM_AFX_API CFont : public CGdiObject {
public:
    static CFont* FromHandle(HFONT handle);
    BOOL CreateFontIndirect(const LOGFONTA* logfont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCSTR faceName);
    // `pointSize` in tenths of a point, converted with the vertical
    // resolution of `dc` (the screen when null).
    BOOL CreatePointFont(int pointSize, LPCSTR faceName, class CDC* dc = nullptr);
    // As CreatePointFont; lfHeight of `logfont` holds tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* logfont, class CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* out) const { return GetObject(sizeof(LOGFONTA), out); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class PLATFORM_AFX_API CRgn : public CGdiObject {
public:
    static CRgn* FromHandle(HRGN handle);
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(const RECT* rect);
    BOOL CreateFromData(const XFORM* xform, int count, const RGNDATA* data);
    // Combines the two into this region (which must exist); the region type.
    int CombineRgn(CRgn* a, CRgn* b, int mode);
    int CopyRgn(CRgn* source);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT p) const { return PtInRegion(p.x, p.y); }
    int GetRgnBox(RECT* box) const;
    int OffsetRgn(int dx, int dy);
    BOOL SetRectRgn(int left, int top, int right, int bottom);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};

class PLATFORM_AFX_API CPalette : public CGdiObject {
public:
    static CPalette* FromHandle(HPALETTE handle);
    BOOL CreatePalette(const LOGPALETTE* palette);
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
};

class PLATFORM_AFX_API CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // ---- Objects: each returns the previous object of its kind ----
    CGdiObject* SelectObject(CGdiObject* object);
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* SelectObject(CFont* font);
    // Selects the region as the clip; the region type.
    int SelectObject(CRgn* region);
    CGdiObject* SelectStockObject(int which);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette();
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    int SelectClipRgn(CRgn* region);

    // ---- Attributes ----
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetStretchBltMode(int mode);
    int GetDeviceCaps(int index) const;

    // ---- Drawing ----
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                    int srcHeight, DWORD rop);
    // A brush handle in the GDI sense: a GDI brush or a system colour index
    // plus one.
    void FillRect(const RECT* rect, HBRUSH brush);
    // Fills with one colour; the background colour is left as it was.
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    // A two-colour frame: top and left in `topLeft`, bottom and right in
    // `bottomRight`, one pixel wide.
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT point, HICON icon) { return DrawIcon(point.x, point.y, icon); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF color);
    BOOL TextOut(int x, int y, LPCSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    int DrawText(LPCSTR text, int count, RECT* rect, UINT format);
    int DrawText(const CString& text, RECT* rect, UINT format);
    CSize GetTextExtent(LPCSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const;

    // For the framework's handle maps: wrap or let go without owning.
    void AttachTemporary(HDC dc) { m_hDC = m_hAttribDC = dc; }
    void DetachTemporary() { m_hDC = m_hAttribDC = nullptr; }

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
};

// Frees every temporary wrapper made by a FromHandle (windows, DCs, GDI
// objects, menus).  Pointers returned by FromHandle are valid until then.
PLATFORM_AFX_API void AfxDeleteTempMaps();

// The DC of one WM_PAINT: BeginPaint in the constructor, EndPaint in the
// destructor.
class PLATFORM_AFX_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

// GetDC / ReleaseDC of a window (the whole screen when null).
class PLATFORM_AFX_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

// GetWindowDC / ReleaseDC.
class PLATFORM_AFX_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
