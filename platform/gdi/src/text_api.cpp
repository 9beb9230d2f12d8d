// Measuring and drawing text: the calls over font_instance, text_layout and
// text_draw.
#include "platform/gdi.h"
#include "platform/gdi_surface.h"

#include "dc_access.h"
#include "font_object.h"
#include "handle_table.h"
#include "text_draw.h"
#include "text_layout.h"
#include "text_paint.h"
#include "utf8.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

using namespace gdi;

namespace {

// What a text call works with: the DC, its realised font and, for drawing,
// its pixels.
struct TextContext {
    DcObject* dc = nullptr;
    FontObject* font = nullptr;
    FontInstance* instance = nullptr;
    Surface* surface = nullptr;
};

bool resolve(HandleTable& table, HDC dc, bool forDrawing, TextContext& out)
{
    out.dc = table.get<DcObject>(dc);
    if (out.dc == nullptr)
        return false;
    out.font = &dcFontObject(table, *out.dc);
    out.instance = realizedFont(*out.font);
    if (out.instance == nullptr)
        return false;
    if (forDrawing) {
        out.surface = dcSurface(table, *out.dc);
        if (out.surface == nullptr || !out.surface->writable())
            return false;
    }
    return true;
}

// The bytes a call may read: exactly `count`; null text only when empty.
bool textBytes(LPCSTR text, int count, std::string_view& out)
{
    if (count < 0 || (text == nullptr && count > 0))
        return false;
    out = count == 0 ? std::string_view{} : std::string_view(text, static_cast<std::size_t>(count));
    return true;
}

TextStyle styleOf(const DcObject& dc, const FontObject& font)
{
    TextStyle style;
    style.color = dc.text;
    style.background = dc.background;
    style.opaque = dc.backgroundMode == OPAQUE;
    style.underline = font.logfont.lfUnderline != 0;
    style.strikeOut = font.logfont.lfStrikeOut != 0;
    return style;
}

BYTE reportedCharSet(const FontObject& font, const FontMetrics& m)
{
    if (font.logfont.lfCharSet != DEFAULT_CHARSET)
        return font.logfont.lfCharSet;
    return m.hangul ? HANGUL_CHARSET : ANSI_CHARSET;
}

constexpr std::string_view kLatinLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

} // namespace

extern "C" {

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        TextContext c;
        if (metrics == nullptr || !resolve(table, dc, false, c))
            return FALSE;
        const FontMetrics& m = c.instance->metrics();
        TEXTMETRICA tm{};
        tm.tmHeight = m.height;
        tm.tmAscent = m.ascent;
        tm.tmDescent = m.descent;
        tm.tmInternalLeading = m.internalLeading;
        tm.tmExternalLeading = m.externalLeading;
        tm.tmAveCharWidth = m.aveCharWidth;
        tm.tmMaxCharWidth = m.maxCharWidth;
        tm.tmWeight = m.weight;
        tm.tmOverhang = 0;
        tm.tmDigitizedAspectX = 96;
        tm.tmDigitizedAspectY = 96;
        tm.tmFirstChar = 0x20;
        tm.tmLastChar = 0xFF;
        tm.tmDefaultChar = '?';
        tm.tmBreakChar = ' ';
        tm.tmItalic = c.font->logfont.lfItalic != 0;
        tm.tmUnderlined = c.font->logfont.lfUnderline != 0;
        tm.tmStruckOut = c.font->logfont.lfStrikeOut != 0;
        // The bit named "fixed pitch" is set for variable-pitch fonts.
        const int family = c.font->logfont.lfPitchAndFamily & 0xF0;
        tm.tmPitchAndFamily = static_cast<BYTE>((m.fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                                (family != 0 ? family : FF_SWISS));
        tm.tmCharSet = reportedCharSet(*c.font, m);
        *metrics = tm;
        return TRUE;
    });
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        TextContext c;
        std::string_view bytes;
        if (size == nullptr || !textBytes(text, count, bytes) || !resolve(table, dc, false, c))
            return FALSE;
        size->cx = measureText(*c.instance, codePoints(bytes));
        size->cy = c.instance->metrics().height;
        return TRUE;
    });
}

BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, int* fit, int* extents, SIZE* size)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        TextContext c;
        std::string_view bytes;
        if (size == nullptr || !textBytes(text, count, bytes) || !resolve(table, dc, false, c))
            return FALSE;
        long long width = 0;
        int fitted = 0;
        bool fitting = true;
        for (const DecodedChar& ch : decodeUtf8(bytes)) {
            width += c.instance->advance(ch.cp);
            const int clamped = static_cast<int>(std::min<long long>(width, INT_MAX / 2));
            fitting = fitting && width <= maxExtent;
            if (fitting)
                fitted = static_cast<int>(ch.offset + ch.length);
            if (extents != nullptr)
                std::fill_n(extents + ch.offset, ch.length, clamped);
        }
        if (fit != nullptr)
            *fit = fitted;
        size->cx = static_cast<int>(std::min<long long>(width, INT_MAX / 2));
        size->cy = c.instance->metrics().height;
        return TRUE;
    });
}

UINT SetTextAlign(HDC dc, UINT align)
{
    return gdiCall<UINT>(GDI_ERROR, [&](HandleTable& table) -> UINT {
        DcObject* object = table.get<DcObject>(dc);
        const UINT horizontal = align & TA_CENTER;
        const UINT vertical = align & TA_BASELINE;
        // There is no current position to update.
        if (object == nullptr || (align & ~(TA_CENTER | TA_BASELINE)) != 0 || horizontal == 4 || vertical == 16)
            return GDI_ERROR;
        const UINT previous = object->textAlign;
        object->textAlign = align;
        return previous;
    });
}

UINT GetTextAlign(HDC dc)
{
    return gdiCall<UINT>(GDI_ERROR, [&](HandleTable& table) -> UINT {
        DcObject* object = table.get<DcObject>(dc);
        return object != nullptr ? object->textAlign : GDI_ERROR;
    });
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        TextContext c;
        std::string_view bytes;
        if (!textBytes(text, count, bytes) || !resolve(table, dc, true, c))
            return FALSE;
        const std::u32string chars = codePoints(bytes);
        const FontMetrics& m = c.instance->metrics();
        const int width = measureText(*c.instance, chars);
        long long left = static_cast<long long>(x) + c.dc->origin.x;
        long long top = static_cast<long long>(y) + c.dc->origin.y;
        const UINT align = c.dc->textAlign;
        if ((align & TA_CENTER) == TA_CENTER)
            left -= width / 2;
        else if ((align & TA_CENTER) == TA_RIGHT)
            left -= width;
        if ((align & TA_BASELINE) == TA_BASELINE)
            top -= m.ascent;
        else if ((align & TA_BASELINE) == TA_BOTTOM)
            top -= m.height;
        const std::vector<RECT> clip = dcClipRects(*c.dc, *c.surface);
        drawTextLine(*c.surface, clip, *c.instance, chars, left, top, styleOf(*c.dc, *c.font));
        return TRUE;
    });
}

int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format)
{
    return gdiCall(0, [&](HandleTable& table) {
        if (rect == nullptr || text == nullptr || count < -1)
            return 0;
        const std::string_view bytes = count == -1 ? std::string_view(text) : std::string_view(text, count);
        const bool measureOnly = format & DT_CALCRECT;
        TextContext c;
        if (!resolve(table, dc, !measureOnly, c))
            return 0;
        FontInstance& font = *c.instance;
        const FontMetrics& m = font.metrics();
        const std::u32string chars = codePoints(bytes);
        TextLayoutRequest request;
        request.text = chars;
        request.rect = *rect;
        request.format = format;
        request.lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
        const TextLayout layout = layoutText(request, [&](char32_t ch) { return font.advance(ch); });
        if (measureOnly) {
            *rect = layout.bounds;
            return layout.result;
        }

        const POINT origin = c.dc->origin;
        std::vector<RECT> clip = dcClipRects(*c.dc, *c.surface);
        if (!(format & DT_NOCLIP)) {
            auto device = [](long long v) {
                return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
            };
            const RECT box{device(static_cast<long long>(rect->left) + origin.x),
                           device(static_cast<long long>(rect->top) + origin.y),
                           device(static_cast<long long>(rect->right) + origin.x),
                           device(static_cast<long long>(rect->bottom) + origin.y)};
            clip = clipTo(clip, box);
        }
        const TextStyle style = styleOf(*c.dc, *c.font);
        for (const LaidOutLine& line : layout.lines)
            drawTextLine(*c.surface, clip, font, line.text, static_cast<long long>(line.x) + origin.x,
                         static_cast<long long>(line.y) + origin.y, style, line.underlines);
        return layout.result;
    });
}

BOOL GdiGetDialogBaseUnits(HDC dc, SIZE* units)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        TextContext c;
        if (units == nullptr || !resolve(table, dc, false, c))
            return FALSE;
        const int width = measureText(*c.instance, codePoints(kLatinLetters));
        units->cx = (width / 26 + 1) / 2;
        units->cy = c.instance->metrics().height;
        return TRUE;
    });
}

} // extern "C"
