// Software GDI: device contexts, bitmaps and DIB sections, raster operations,
// stretching, logical palettes and regions.  Each call behaves as the
// published Windows call of the same name where its callers rely on it;
// everything is drawn in memory, no display is needed.
#pragma once

#include "platform/base.h"

#if defined(PLATFORM_BUILDING_GDI)
#define PLATFORM_GDI_API __attribute__((visibility("default")))
#else
#define PLATFORM_GDI_API
#endif

// ---------------------------------------------------------------------------
// Object records
// ---------------------------------------------------------------------------
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
};

// ---------------------------------------------------------------------------
// Constants
// ---------------------------------------------------------------------------
// Ternary raster operations used by the callers.
inline constexpr auto SRCCOPY = 0x00CC0020u;
inline constexpr auto SRCPAINT = 0x00EE0086u;
inline constexpr auto SRCAND = 0x008800C6u;
inline constexpr auto SRCINVERT = 0x00660046u;
inline constexpr auto SRCERASE = 0x00440328u;
inline constexpr auto NOTSRCCOPY = 0x00330008u;
inline constexpr auto DSTINVERT = 0x00550009u;
inline constexpr auto BLACKNESS = 0x00000042u;
inline constexpr auto WHITENESS = 0x00FF0062u;

// Stretch modes.
inline constexpr auto BLACKONWHITE = 1;
inline constexpr auto WHITEONBLACK = 2;
inline constexpr auto COLORONCOLOR = 3;
inline constexpr auto HALFTONE = 4;

// Background modes.
inline constexpr auto TRANSPARENT = 1;
inline constexpr auto OPAQUE = 2;

// Region combination modes and results.
inline constexpr auto RGN_AND = 1;
inline constexpr auto RGN_OR = 2;
inline constexpr auto RGN_XOR = 3;
inline constexpr auto RGN_DIFF = 4;
inline constexpr auto RGN_COPY = 5;
inline constexpr auto ERROR = 0;
inline constexpr auto NULLREGION = 1;
inline constexpr auto SIMPLEREGION = 2;
inline constexpr auto COMPLEXREGION = 3;

inline constexpr auto GDI_ERROR = 0xFFFFFFFFu;
#define HGDI_ERROR (reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(-1)))

extern "C" {

// ---------------------------------------------------------------------------
// Device contexts
// ---------------------------------------------------------------------------
// A null dc means "compatible with the screen", a 32-bit display.  A new
// memory DC holds a 1 x 1 monochrome bitmap, as on the real platform.
PLATFORM_GDI_API HDC CreateCompatibleDC(HDC dc);
PLATFORM_GDI_API BOOL DeleteDC(HDC dc);
PLATFORM_GDI_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
PLATFORM_GDI_API HGDIOBJ GetCurrentObject(HDC dc, UINT type);
// Copies the region (device coordinates) as the DC's clip; null removes it.
PLATFORM_GDI_API int SelectClipRgn(HDC dc, HRGN region);
PLATFORM_GDI_API COLORREF SetBkColor(HDC dc, COLORREF color);
PLATFORM_GDI_API COLORREF GetBkColor(HDC dc);
PLATFORM_GDI_API COLORREF SetTextColor(HDC dc, COLORREF color);
PLATFORM_GDI_API COLORREF GetTextColor(HDC dc);
PLATFORM_GDI_API int SetBkMode(HDC dc, int mode);
PLATFORM_GDI_API int GetBkMode(HDC dc);
PLATFORM_GDI_API int SetStretchBltMode(HDC dc, int mode);
PLATFORM_GDI_API int GetStretchBltMode(HDC dc);
PLATFORM_GDI_API COLORREF GetPixel(HDC dc, int x, int y);
PLATFORM_GDI_API COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);

inline constexpr auto OBJ_PEN = 1u;
inline constexpr auto OBJ_BRUSH = 2u;
inline constexpr auto OBJ_DC = 3u;
inline constexpr auto OBJ_PAL = 5u;
inline constexpr auto OBJ_FONT = 6u;
inline constexpr auto OBJ_BITMAP = 7u;
inline constexpr auto OBJ_REGION = 8u;
inline constexpr auto OBJ_MEMDC = 10u;
PLATFORM_GDI_API DWORD GetObjectType(HGDIOBJ object);

// ---------------------------------------------------------------------------
// Bitmaps
// ---------------------------------------------------------------------------
PLATFORM_GDI_API HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
PLATFORM_GDI_API HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
PLATFORM_GDI_API HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                          DWORD offset);
PLATFORM_GDI_API int GetObjectA(HGDIOBJ object, int size, void* out);
PLATFORM_GDI_API BOOL DeleteObject(HGDIOBJ object);
PLATFORM_GDI_API UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors);
PLATFORM_GDI_API UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors);
PLATFORM_GDI_API int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
                               UINT usage);
PLATFORM_GDI_API int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
                               const BITMAPINFO* info, UINT usage);

// ---------------------------------------------------------------------------
// Blits
// ---------------------------------------------------------------------------
PLATFORM_GDI_API BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
PLATFORM_GDI_API BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                                 int srcWidth, int srcHeight, DWORD rop);
// srcY counts from the bottom row of the DIB, whatever its row order.
PLATFORM_GDI_API int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                                       UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                                       UINT usage);
PLATFORM_GDI_API int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                                   int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

// ---------------------------------------------------------------------------
// Logical palettes
// ---------------------------------------------------------------------------
PLATFORM_GDI_API HPALETTE CreatePalette(const LOGPALETTE* palette);
PLATFORM_GDI_API UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
PLATFORM_GDI_API UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
PLATFORM_GDI_API HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
PLATFORM_GDI_API UINT RealizePalette(HDC dc);

// ---------------------------------------------------------------------------
// Regions
// ---------------------------------------------------------------------------
struct XFORM;
PLATFORM_GDI_API HRGN CreateRectRgn(int left, int top, int right, int bottom);
PLATFORM_GDI_API HRGN CreateRectRgnIndirect(const RECT* rect);
PLATFORM_GDI_API HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data);
PLATFORM_GDI_API int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
PLATFORM_GDI_API int GetRgnBox(HRGN region, RECT* box);
PLATFORM_GDI_API BOOL PtInRegion(HRGN region, int x, int y);
PLATFORM_GDI_API BOOL RectInRegion(HRGN region, const RECT* rect);
PLATFORM_GDI_API BOOL EqualRgn(HRGN a, HRGN b);
PLATFORM_GDI_API int OffsetRgn(HRGN region, int dx, int dy);
PLATFORM_GDI_API BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
// With data null or size too small, returns the bytes needed.
PLATFORM_GDI_API DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data);

} // extern "C"
