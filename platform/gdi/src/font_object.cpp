#include "font_object.h"

#include "font_cache.h"

#include <cstring>

namespace gdi {

LOGFONTA defaultGuiFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    // The Korean system's own dialog face; it matches a Korean sans face here.
    static constexpr char face[] = "굴림";
    static_assert(sizeof face <= LF_FACESIZE);
    std::memcpy(lf.lfFaceName, face, sizeof face);
    return lf;
}

HFONT dcFontHandle(HandleTable& table, const DcObject& dc)
{
    return table.get<FontObject>(dc.font) != nullptr ? dc.font : table.stockFont();
}

FontObject& dcFontObject(HandleTable& table, const DcObject& dc)
{
    return *table.get<FontObject>(dcFontHandle(table, dc));
}

FontInstance* realizedFont(FontObject& font)
{
    if (!font.instance)
        font.instance = realizeFont(font.logfont);
    return font.instance.get();
}

} // namespace gdi
