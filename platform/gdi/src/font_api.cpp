// Font objects and the stock objects.
#include "platform/gdi.h"

#include "font_object.h"
#include "handle_table.h"

#include <cstring>

using namespace gdi;

namespace {

HFONT addFont(const LOGFONTA& logfont)
{
    return gdiCall<HFONT>(nullptr, [&](HandleTable& table) -> HFONT {
        FontObject font;
        font.logfont = logfont;
        // Readers stop at 32 bytes anyway; a terminated copy is what
        // GetObjectA should hand back.
        font.logfont.lfFaceName[LF_FACESIZE - 1] = '\0';
        return asHandle<HFONT>(table.add(std::move(font)));
    });
}

} // namespace

extern "C" {

HFONT CreateFontIndirectA(const LOGFONTA* logfont)
{
    if (logfont == nullptr)
        return nullptr;
    return addFont(*logfont);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR faceName)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr)
        std::memcpy(lf.lfFaceName, faceName, strnlen(faceName, LF_FACESIZE - 1));
    return addFont(lf);
}

HGDIOBJ GetStockObject(int which)
{
    return gdiCall<HGDIOBJ>(nullptr, [&](HandleTable& table) -> HGDIOBJ {
        return table.stock(which);
    });
}

} // extern "C"
