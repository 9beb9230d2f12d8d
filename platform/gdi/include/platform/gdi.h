// Software GDI: device contexts, bitmaps and DIB sections, raster operations,
// stretching, logical palettes, regions, fonts and text.  Each call behaves as the
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

inline constexpr auto LF_FACESIZE = 32;

// A font description.  Face names are UTF-8 like every string here.
struct LOGFONTA {
    LONG lfHeight; // < 0: character (em) height in pixels; > 0: cell height; 0: default
    LONG lfWidth;  // average character width, 0 for the face's own proportions
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight; // FW_*
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTA;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
using TEXTMETRIC = TEXTMETRICA;

// Brush and pen descriptions (GetObjectA, CreateBrushIndirect, CreatePenIndirect).
struct LOGBRUSH {
    UINT lbStyle; // BS_*
    COLORREF lbColor;
    std::uintptr_t lbHatch; // unused: there are no hatched brushes
};

struct LOGPEN {
    UINT lopnStyle;   // PS_*
    POINT lopnWidth;  // x is the width; y is unused
    COLORREF lopnColor;
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
// Raster operations with the DC's brush as the pattern.
inline constexpr auto PATCOPY = 0x00F00021u;
inline constexpr auto PATPAINT = 0x00FB0A09u; // pattern | ~source | destination
inline constexpr auto PATINVERT = 0x005A0049u;
inline constexpr auto MERGECOPY = 0x00C000CAu; // pattern & source
inline constexpr auto MERGEPAINT = 0x00BB0226u; // ~source | destination

// Mix modes of pens and brushes (SetROP2).
inline constexpr auto R2_BLACK = 1;
inline constexpr auto R2_NOTMERGEPEN = 2;
inline constexpr auto R2_MASKNOTPEN = 3;
inline constexpr auto R2_NOTCOPYPEN = 4;
inline constexpr auto R2_MASKPENNOT = 5;
inline constexpr auto R2_NOT = 6;
inline constexpr auto R2_XORPEN = 7;
inline constexpr auto R2_NOTMASKPEN = 8;
inline constexpr auto R2_MASKPEN = 9;
inline constexpr auto R2_NOTXORPEN = 10;
inline constexpr auto R2_NOP = 11;
inline constexpr auto R2_MERGENOTPEN = 12;
inline constexpr auto R2_COPYPEN = 13;
inline constexpr auto R2_MERGEPENNOT = 14;
inline constexpr auto R2_MERGEPEN = 15;
inline constexpr auto R2_WHITE = 16;

// Brush styles.  Only solid and hollow brushes exist here.
inline constexpr auto BS_SOLID = 0u;
inline constexpr auto BS_NULL = 1u;
inline constexpr auto BS_HOLLOW = BS_NULL;

// Pen styles.  Dashed and dotted styles draw one pixel wide whatever the
// width; in OPAQUE mode their gaps take the background colour.
inline constexpr auto PS_SOLID = 0u;
inline constexpr auto PS_DASH = 1u;       // 18 on, 6 off
inline constexpr auto PS_DOT = 2u;        // 3 on, 3 off
inline constexpr auto PS_DASHDOT = 3u;    // 9 on, 6 off, 3 on, 6 off
inline constexpr auto PS_DASHDOTDOT = 4u; // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
inline constexpr auto PS_NULL = 5u;
inline constexpr auto PS_INSIDEFRAME = 6u;

// Edges (DrawEdge).
inline constexpr auto BDR_RAISEDOUTER = 0x0001u;
inline constexpr auto BDR_SUNKENOUTER = 0x0002u;
inline constexpr auto BDR_RAISEDINNER = 0x0004u;
inline constexpr auto BDR_SUNKENINNER = 0x0008u;
inline constexpr auto EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr auto EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr auto EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr auto EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr auto BF_LEFT = 0x0001u;
inline constexpr auto BF_TOP = 0x0002u;
inline constexpr auto BF_RIGHT = 0x0004u;
inline constexpr auto BF_BOTTOM = 0x0008u;
inline constexpr auto BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr auto BF_MIDDLE = 0x0800u;
inline constexpr auto BF_ADJUST = 0x2000u;
inline constexpr auto BF_FLAT = 0x4000u;
inline constexpr auto BF_MONO = 0x8000u;

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

// Font weights.
inline constexpr auto FW_DONTCARE = 0;
inline constexpr auto FW_THIN = 100;
inline constexpr auto FW_EXTRALIGHT = 200;
inline constexpr auto FW_LIGHT = 300;
inline constexpr auto FW_NORMAL = 400;
inline constexpr auto FW_MEDIUM = 500;
inline constexpr auto FW_SEMIBOLD = 600;
inline constexpr auto FW_BOLD = 700;
inline constexpr auto FW_EXTRABOLD = 800;
inline constexpr auto FW_HEAVY = 900;
inline constexpr auto FW_BLACK = FW_HEAVY;

// Character sets.
inline constexpr auto ANSI_CHARSET = 0;
inline constexpr auto DEFAULT_CHARSET = 1;
inline constexpr auto SYMBOL_CHARSET = 2;
inline constexpr auto SHIFTJIS_CHARSET = 128;
inline constexpr auto HANGUL_CHARSET = 129;
inline constexpr auto JOHAB_CHARSET = 130;
inline constexpr auto GB2312_CHARSET = 134;
inline constexpr auto CHINESEBIG5_CHARSET = 136;
inline constexpr auto OEM_CHARSET = 255;

// Output and clipping precision, quality, pitch and family.  Precision is
// accepted and has no effect: every face is an outline face.
inline constexpr auto OUT_DEFAULT_PRECIS = 0;
inline constexpr auto OUT_STRING_PRECIS = 1;
inline constexpr auto OUT_CHARACTER_PRECIS = 2;
inline constexpr auto OUT_STROKE_PRECIS = 3;
inline constexpr auto OUT_TT_PRECIS = 4;
inline constexpr auto OUT_TT_ONLY_PRECIS = 7;
inline constexpr auto CLIP_DEFAULT_PRECIS = 0;
inline constexpr auto CLIP_CHARACTER_PRECIS = 1;
inline constexpr auto CLIP_STROKE_PRECIS = 2;
inline constexpr auto DEFAULT_QUALITY = 0;
inline constexpr auto DRAFT_QUALITY = 1;
inline constexpr auto PROOF_QUALITY = 2;
inline constexpr auto NONANTIALIASED_QUALITY = 3; // glyphs are drawn without grey levels
inline constexpr auto ANTIALIASED_QUALITY = 4;
inline constexpr auto CLEARTYPE_QUALITY = 5;
inline constexpr auto DEFAULT_PITCH = 0;
inline constexpr auto FIXED_PITCH = 1;
inline constexpr auto VARIABLE_PITCH = 2;
inline constexpr auto FF_DONTCARE = 0x00;
inline constexpr auto FF_ROMAN = 0x10;
inline constexpr auto FF_SWISS = 0x20;
inline constexpr auto FF_MODERN = 0x30;
inline constexpr auto FF_SCRIPT = 0x40;
inline constexpr auto FF_DECORATIVE = 0x50;

// tmPitchAndFamily bits.  TMPF_FIXED_PITCH set means a variable pitch font.
inline constexpr auto TMPF_FIXED_PITCH = 0x01;
inline constexpr auto TMPF_VECTOR = 0x02;
inline constexpr auto TMPF_TRUETYPE = 0x04;

// DrawTextA flags.
inline constexpr auto DT_TOP = 0x00000000u;
inline constexpr auto DT_LEFT = 0x00000000u;
inline constexpr auto DT_CENTER = 0x00000001u;
inline constexpr auto DT_RIGHT = 0x00000002u;
inline constexpr auto DT_VCENTER = 0x00000004u;
inline constexpr auto DT_BOTTOM = 0x00000008u;
inline constexpr auto DT_WORDBREAK = 0x00000010u;
inline constexpr auto DT_SINGLELINE = 0x00000020u;
inline constexpr auto DT_NOCLIP = 0x00000100u;
inline constexpr auto DT_EXTERNALLEADING = 0x00000200u;
inline constexpr auto DT_CALCRECT = 0x00000400u;
inline constexpr auto DT_NOPREFIX = 0x00000800u;
inline constexpr auto DT_END_ELLIPSIS = 0x00008000u;
inline constexpr auto DT_HIDEPREFIX = 0x00100000u;

// Text alignment (SetTextAlign).
inline constexpr auto TA_NOUPDATECP = 0u;
inline constexpr auto TA_UPDATECP = 1u; // not supported: SetTextAlign fails
inline constexpr auto TA_LEFT = 0u;
inline constexpr auto TA_RIGHT = 2u;
inline constexpr auto TA_CENTER = 6u;
inline constexpr auto TA_TOP = 0u;
inline constexpr auto TA_BOTTOM = 8u;
inline constexpr auto TA_BASELINE = 24u;

// Stock objects.  SYSTEM_FONT and DEFAULT_GUI_FONT are one and the same
// font here: a sans face with a 12-pixel character height.  Stock objects
// ignore DeleteObject.
inline constexpr auto WHITE_BRUSH = 0;
inline constexpr auto LTGRAY_BRUSH = 1;  // RGB(192, 192, 192)
inline constexpr auto GRAY_BRUSH = 2;    // RGB(128, 128, 128)
inline constexpr auto DKGRAY_BRUSH = 3;  // RGB(64, 64, 64)
inline constexpr auto BLACK_BRUSH = 4;
inline constexpr auto NULL_BRUSH = 5;
inline constexpr auto HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr auto WHITE_PEN = 6;
inline constexpr auto BLACK_PEN = 7;
inline constexpr auto NULL_PEN = 8;
inline constexpr auto DEFAULT_PALETTE = 15;
inline constexpr auto SYSTEM_FONT = 13;
inline constexpr auto DEFAULT_GUI_FONT = 17;

// Device capabilities (GetDeviceCaps).
inline constexpr auto BITSPIXEL = 12;
inline constexpr auto PLANES = 14;
inline constexpr auto LOGPIXELSX = 88;
inline constexpr auto LOGPIXELSY = 90;

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
// SelectObject of a brush, pen, font or bitmap returns the previous one; of
// a region, it is SelectClipRgn and returns the region kind.  A DC starts
// with WHITE_BRUSH, BLACK_PEN and the stock font; deleting a selected
// brush, pen or font is allowed and the DC falls back on those.
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
// Returns the new level (1 for the first save), 0 on failure.
PLATFORM_GDI_API int SaveDC(HDC dc);
// level > 0: back to the state SaveDC returned that level for; level < 0:
// that many saves back (-1: the latest).  Later saves are dropped.  Restores
// the selected objects, colours, modes, program clip and current position.
PLATFORM_GDI_API BOOL RestoreDC(HDC dc, int level);

// ---------------------------------------------------------------------------
// Clipping
// ---------------------------------------------------------------------------
// A DC may have a system clip (set by its owner, e.g. a window's visible
// area; see gdi_surface.h) and a program clip (the calls below).  Drawing
// lands only where both allow.  Regions and rectangles given to these
// calls are in the DC's logical coordinates.  Each returns the kind of the
// area drawing is then limited to (NULLREGION, SIMPLEREGION,
// COMPLEXREGION), or ERROR.
// Copies the region as the program clip; null removes it.
PLATFORM_GDI_API int SelectClipRgn(HDC dc, HRGN region);
// mode RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF combine with the program clip
// (no clip counts as the whole surface); RGN_COPY is SelectClipRgn.
PLATFORM_GDI_API int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
PLATFORM_GDI_API int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
PLATFORM_GDI_API int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
PLATFORM_GDI_API int OffsetClipRgn(HDC dc, int dx, int dy);
// The bounds of where drawing may land (surface, system and program clips).
PLATFORM_GDI_API int GetClipBox(HDC dc, RECT* rect);
// Copies the program clip into `region`: 1 when there is one, 0 when there
// is none (region untouched), -1 on error.
PLATFORM_GDI_API int GetClipRgn(HDC dc, HRGN region);
PLATFORM_GDI_API BOOL PtVisible(HDC dc, int x, int y);
PLATFORM_GDI_API BOOL RectVisible(HDC dc, const RECT* rect);

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

// ---------------------------------------------------------------------------
// Fonts and text
// ---------------------------------------------------------------------------
// Strings are UTF-8; every count is in bytes.  Invalid bytes draw as U+FFFD.
// Faces are found through fontconfig, and a character the chosen face lacks
// is drawn from the next face that has it.  A DC starts with the stock
// DEFAULT_GUI_FONT; SelectObject of a font returns the previous one, and a
// DC whose font is deleted falls back on the stock font.
PLATFORM_GDI_API HFONT CreateFontIndirectA(const LOGFONTA* logfont);
PLATFORM_GDI_API HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                                   DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                                   DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
PLATFORM_GDI_API HGDIOBJ GetStockObject(int which);
// Every DC is compatible with the 32-bit screen at 96 pixels per inch:
// LOGPIXELSX and LOGPIXELSY give 96, BITSPIXEL 32, PLANES 1; any other
// index gives 0.
PLATFORM_GDI_API int GetDeviceCaps(HDC dc, int index);
PLATFORM_GDI_API BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
// Width: the sum of the characters' advances; height: the cell height.
PLATFORM_GDI_API BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size);
// `fit` (optional) receives the number of bytes of the whole characters
// that fit in maxExtent; `extents` (optional, `count` entries) the width up
// to the end of the character each byte belongs to.
PLATFORM_GDI_API BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, int* fit, int* extents,
                                            SIZE* size);
PLATFORM_GDI_API UINT SetTextAlign(HDC dc, UINT align);
PLATFORM_GDI_API UINT GetTextAlign(HDC dc);
PLATFORM_GDI_API BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
// count -1: up to the terminating NUL.  Returns the height of the text
// (with DT_VCENTER or DT_BOTTOM, the offset from rect->top to its bottom),
// 0 on failure.
PLATFORM_GDI_API int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format);

// ---------------------------------------------------------------------------
// Brushes and pens
// ---------------------------------------------------------------------------
PLATFORM_GDI_API HBRUSH CreateSolidBrush(COLORREF color);
// BS_SOLID and BS_NULL only.
PLATFORM_GDI_API HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
// PS_SOLID .. PS_INSIDEFRAME; a negative width is refused.
PLATFORM_GDI_API HPEN CreatePen(int style, int width, COLORREF color);
PLATFORM_GDI_API HPEN CreatePenIndirect(const LOGPEN* pen);
PLATFORM_GDI_API int SetROP2(HDC dc, int mode);
PLATFORM_GDI_API int GetROP2(HDC dc);

// ---------------------------------------------------------------------------
// Filling and drawing
// ---------------------------------------------------------------------------
// Every coordinate is logical; right and bottom edges are exclusive.
// `brush` may also be a system colour index plus one ((HBRUSH)(COLOR_WINDOW
// + 1)), resolved through the source registered with GdiSetSysColorSource.
PLATFORM_GDI_API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// A one-pixel frame inside the rectangle, in the brush.
PLATFORM_GDI_API int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
PLATFORM_GDI_API BOOL InvertRect(HDC dc, const RECT* rect);
// Inverts every other pixel of the rectangle's one-pixel frame, starting at
// its top-left corner; a second call with the same rectangle undoes it.
PLATFORM_GDI_API BOOL DrawFocusRect(HDC dc, const RECT* rect);
PLATFORM_GDI_API BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
// The part of the region within `width` pixels of its left or right edge or
// `height` pixels of its top or bottom edge.
PLATFORM_GDI_API BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
PLATFORM_GDI_API BOOL PaintRgn(HDC dc, HRGN region);
PLATFORM_GDI_API BOOL InvertRgn(HDC dc, HRGN region);
// The selected brush with a raster operation that reads no source;
// negative extents extend left or up from (x, y).
PLATFORM_GDI_API BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// Outline in the selected pen, inside in the selected brush, both through
// the mix mode.  A pen wider than one pixel draws inside the rectangle.
// With PS_NULL the inside is one pixel narrower and lower, as with the
// platform's own: it fills (left, top) to (right - 1, bottom - 1).
PLATFORM_GDI_API BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
// The ellipse inscribed in the rectangle: pixels whose centres lie inside it.
PLATFORM_GDI_API BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
PLATFORM_GDI_API BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
PLATFORM_GDI_API BOOL GetCurrentPositionEx(HDC dc, POINT* position);
// From the current position to (x, y), excluding (x, y), which becomes the
// current position.  Wider pens stamp a width x width square at each pixel.
PLATFORM_GDI_API BOOL LineTo(HDC dc, int x, int y);
// Lines through the points, excluding the last; the current position is
// neither used nor changed.
PLATFORM_GDI_API BOOL Polyline(HDC dc, const POINT* points, int count);
// Lines from the current position through the points, which moves to the last.
PLATFORM_GDI_API BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
// A three-dimensional edge in the system colours (3-D face, shadow,
// highlight, light and dark shadow); BF_ADJUST shrinks *rect by the edge.
PLATFORM_GDI_API BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

} // extern "C"
