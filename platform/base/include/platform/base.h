// Basic types, handles and file structures of the Windows-style API that the
// client and pixkit are written against.  Sizes follow the published 32-bit
// layouts where the type crosses a file or a wire (BITMAPFILEHEADER etc.);
// pointer-sized types (WPARAM, handles) are 64-bit on this platform.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(PLATFORM_BUILDING_BASE)
#define PLATFORM_BASE_API __attribute__((visibility("default")))
#else
#define PLATFORM_BASE_API
#endif

// ---------------------------------------------------------------------------
// Scalar types
// ---------------------------------------------------------------------------
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using BOOL = int;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using COLORREF = DWORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#ifndef TRUE
inline constexpr auto TRUE = 1;
#endif
#ifndef FALSE
inline constexpr auto FALSE = 0;
#endif

// ---------------------------------------------------------------------------
// Handles.  Each kind is a pointer to its own incomplete struct, so that the
// compiler refuses to pass a palette where a bitmap is expected.  The values
// are keys into the owning layer's handle table, never real addresses.
// ---------------------------------------------------------------------------
#define PLATFORM_DECLARE_HANDLE(name) \
    struct name##__;                  \
    using name = name##__*

using HANDLE = void*;
using HGDIOBJ = void*;
PLATFORM_DECLARE_HANDLE(HDC);
PLATFORM_DECLARE_HANDLE(HBITMAP);
PLATFORM_DECLARE_HANDLE(HPALETTE);
PLATFORM_DECLARE_HANDLE(HRGN);
PLATFORM_DECLARE_HANDLE(HBRUSH);
PLATFORM_DECLARE_HANDLE(HPEN);
PLATFORM_DECLARE_HANDLE(HFONT);
PLATFORM_DECLARE_HANDLE(HWND);
PLATFORM_DECLARE_HANDLE(HINSTANCE);
PLATFORM_DECLARE_HANDLE(HICON);
PLATFORM_DECLARE_HANDLE(HCURSOR);
PLATFORM_DECLARE_HANDLE(HMENU);
using HMODULE = HINSTANCE;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))

// ---------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------
struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

// Right and bottom are exclusive.
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

// ---------------------------------------------------------------------------
// Colours
// ---------------------------------------------------------------------------
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>(c >> 16); }

inline constexpr auto CLR_INVALID = 0xFFFFFFFFu;

// ---------------------------------------------------------------------------
// Bitmap file and DIB structures.  These are the published BMP file format,
// so their layout is fixed byte for byte (checked by the static_asserts).
// ---------------------------------------------------------------------------
#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

// The header is followed by a variable-length table; bmiColors[1] only names
// its start.  Code reaches entries through the header's biSize, never through
// sizeof(BITMAPINFO).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

static_assert(sizeof(BITMAPFILEHEADER) == 14);
static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(sizeof(RGBQUAD) == 4);
static_assert(sizeof(PALETTEENTRY) == 4);

inline constexpr auto BI_RGB = 0u;
inline constexpr auto BI_RLE8 = 1u;
inline constexpr auto BI_RLE4 = 2u;
inline constexpr auto BI_BITFIELDS = 3u;

inline constexpr auto DIB_RGB_COLORS = 0u;
inline constexpr auto DIB_PAL_COLORS = 1u;

// ---------------------------------------------------------------------------
// Region data: a header followed by nCount RECTs.
// ---------------------------------------------------------------------------
struct RGNDATAHEADER {
    DWORD dwSize;
    DWORD iType;
    DWORD nCount;
    DWORD nRgnSize;
    RECT rcBound;
};

struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};

inline constexpr auto RDH_RECTANGLES = 1u;

// ---------------------------------------------------------------------------
// Files (the kernel calls pixkit's codecs use).  Text of names is UTF-8.
// ---------------------------------------------------------------------------
inline constexpr auto GENERIC_READ = 0x80000000u;
inline constexpr auto GENERIC_WRITE = 0x40000000u;
inline constexpr auto FILE_SHARE_READ = 0x00000001u;
inline constexpr auto FILE_SHARE_WRITE = 0x00000002u;
inline constexpr auto CREATE_NEW = 1u;
inline constexpr auto CREATE_ALWAYS = 2u;
inline constexpr auto OPEN_EXISTING = 3u;
inline constexpr auto OPEN_ALWAYS = 4u;
inline constexpr auto TRUNCATE_EXISTING = 5u;
inline constexpr auto FILE_ATTRIBUTE_NORMAL = 0x00000080u;
inline constexpr auto FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000u;
inline constexpr auto FILE_BEGIN = 0u;
inline constexpr auto FILE_CURRENT = 1u;
inline constexpr auto FILE_END = 2u;
inline constexpr auto INVALID_FILE_SIZE = 0xFFFFFFFFu;
inline constexpr auto INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;

struct SECURITY_ATTRIBUTES;
struct OVERLAPPED;

extern "C" {
PLATFORM_BASE_API HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                                     SECURITY_ATTRIBUTES* security, DWORD creationDisposition,
                                     DWORD flagsAndAttributes, HANDLE templateFile);
PLATFORM_BASE_API BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, DWORD* bytesRead,
                                OVERLAPPED* overlapped);
PLATFORM_BASE_API BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, DWORD* bytesWritten,
                                 OVERLAPPED* overlapped);
// Only the low 32 bits of the size; files of 4 GiB or more report INVALID_FILE_SIZE.
PLATFORM_BASE_API DWORD GetFileSize(HANDLE file, DWORD* fileSizeHigh);
PLATFORM_BASE_API DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod);
PLATFORM_BASE_API BOOL CloseHandle(HANDLE object);
PLATFORM_BASE_API BOOL DeleteFileA(LPCSTR fileName);
PLATFORM_BASE_API DWORD GetLastError();
PLATFORM_BASE_API void SetLastError(DWORD error);
// The running program is the one module that holds resources: null names it
// and gives its handle; any other name gives null (ERROR_MOD_NOT_FOUND).
PLATFORM_BASE_API HMODULE GetModuleHandleA(LPCSTR moduleName);
}

// The system's version.  This platform answers as an NT system of version
// 5.1 (build 2600): programs written for that generation then take their
// newest paths (notification-area balloons, hiding icons by state).
struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA is 148 bytes");

inline constexpr auto VER_PLATFORM_WIN32s = 0u;
inline constexpr auto VER_PLATFORM_WIN32_WINDOWS = 1u;
inline constexpr auto VER_PLATFORM_WIN32_NT = 2u;

extern "C" {
// Low byte: major version; next byte: minor version; high word: the build
// (its top bit clear on NT systems).
PLATFORM_BASE_API DWORD GetVersion();
// Fills `info` when its dwOSVersionInfoSize is sizeof(OSVERSIONINFOA);
// otherwise FALSE with ERROR_INSUFFICIENT_BUFFER.
PLATFORM_BASE_API BOOL GetVersionExA(OSVERSIONINFOA* info);
}

inline constexpr auto ERROR_SUCCESS = 0u;
inline constexpr auto ERROR_FILE_NOT_FOUND = 2u;
inline constexpr auto ERROR_ACCESS_DENIED = 5u;
inline constexpr auto ERROR_INVALID_HANDLE = 6u;
inline constexpr auto ERROR_NOT_ENOUGH_MEMORY = 8u;
inline constexpr auto ERROR_INVALID_PARAMETER = 87u;
inline constexpr auto ERROR_FILE_EXISTS = 80u;
inline constexpr auto ERROR_MOD_NOT_FOUND = 126u;
inline constexpr auto ERROR_INSUFFICIENT_BUFFER = 122u;
