// pixkit: device-independent bitmaps with drawing, blitting and image files.
//
// The one public header of libpixkit.so.  Results are int 1 for success and
// 0 for failure; a loader returns 0 only when its file cannot be opened, and
// IsValid() tells whether an image resulted.
//
// Header blocks handed to CDIB::Create(BITMAPINFO*) are allocated with
// std::malloc: the image takes ownership and releases them with std::free.
#pragma once

#include "platform/base.h"

#if defined(PIXKIT_BUILDING)
#define PIXKIT_API __attribute__((visibility("default")))
#else
#define PIXKIT_API
#endif

class PIXKIT_API CDIB {
public:
    CDIB();
    ~CDIB();
    // Makes this object an independent copy of other: header block, pixels,
    // bitmap colour table and logical palette.  The two share nothing, so
    // each may be destroyed on its own.
    CDIB& operator=(const CDIB& other);
    CDIB(const CDIB&) = delete;

    // --- life ---------------------------------------------------------------
    int Create(BITMAPINFO* info);
    int Create(int width, int height, int bitCount, PALETTEENTRY* palette);
    int Create(CDIB* other);
    void Destroy();

    // --- accessors ----------------------------------------------------------
    int IsValid() const;
    int IsValidPalette() const;
    HBITMAP GetBitmap() const;
    unsigned char* GetBits() const;
    int GetWidth() const;
    int GetHeight() const;
    int GetBitCount() const;
    int GetColorNum() const;
    int GetPitch() const;
    int GetInfoSize() const;
    int GetBitsSize() const;
    HPALETTE GetPalette() const;

    // --- pixels -------------------------------------------------------------
    unsigned char* GetAddr(int x, int y) const;
    unsigned long GetPixel(int x, int y) const;
    void SetPixel(int x, int y, unsigned long value);
    unsigned long GetPixelColor(int x, int y) const;
    void SetPixelColor(int x, int y, unsigned long color);
    unsigned long GetIndexColor(int index) const;
    void SetIndexColor(int index, unsigned long color);
    void CreatePalette(PALETTEENTRY* entries);
    void GetDIB(CDIB* target) const;
    void SetDIB(CDIB* source);
    void CopyToBitmap(HDC dc, HBITMAP bitmap);
    void CopyFromBitmap(HDC dc, HBITMAP bitmap);

    // --- drawing ------------------------------------------------------------
    void Line(int x1, int y1, int x2, int y2, unsigned long color);
    void Rectangle(int left, int top, int right, int bottom, unsigned long color);
    void FillRect(int left, int top, int right, int bottom, unsigned long color);
    void Fill(unsigned long color);

    // --- blitting -----------------------------------------------------------
    void BitBlt(HDC dc, int x, int y, RECT* source);
    void BitBltStretch(HDC dc, int x, int y, RECT* source, int width, int height);
    void TransBlt(HDC dc, int x, int y, unsigned long key, RECT* source);
    void TransBltStretch(HDC dc, int x, int y, unsigned long key, RECT* source, int width, int height);
    void ShowDIB(HDC dc, int x, int y, RECT* source);
    void ShowDIBStretch(HDC dc, int x, int y, RECT* source, int width, int height);

    // --- files --------------------------------------------------------------
    int LoadBMP(const char* fileName);
    int SaveBMP(const char* fileName);
    int LoadPalette(const char* fileName);
    int SavePalette(const char* fileName);
    int LoadPCX(const char* fileName);
    int SavePCX(const char* fileName);
    int LoadTGA(const char* fileName);
    int SaveTGA(const char* fileName);
    int LoadJPG(const char* fileName);
    int SaveJPG(const char* fileName);

    // --- colour reduction ---------------------------------------------------
    void CreatePaletteMedianCut();
    int ConvertBPP(int bitCount);

private:
    BITMAPINFO* m_pInfo;
    unsigned char* m_pBits;
    HBITMAP m_hBitmap;
    HPALETTE m_hPalette;
    int m_nWidth;
    int m_nHeight;
    DWORD m_dwMask[3];
    int m_nShift[3];
    int m_nLoss[3];
};
