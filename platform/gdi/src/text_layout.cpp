#include "text_layout.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace gdi {

namespace {

struct Cell {
    char32_t ch;
    bool underline;
    int advance;
};

struct Range {
    std::size_t begin;
    std::size_t end;
};

bool isLineBreak(char32_t c) { return c == U'\n' || c == U'\r'; }

// Widths are summed in 64 bits and kept within int when stored, so that no
// length of text can overflow them.
int saturate(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2)); }

long long widthOf(const std::vector<Cell>& cells, Range r)
{
    long long width = 0;
    for (std::size_t i = r.begin; i < r.end; ++i)
        width += cells[i].advance;
    return width;
}

// Paragraphs end at "\r\n", "\n" or "\r"; the breaks themselves are not drawn.
std::vector<Range> paragraphs(const std::vector<Cell>& cells)
{
    std::vector<Range> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!isLineBreak(cells[i].ch))
            continue;
        out.push_back({start, i});
        if (cells[i].ch == U'\r' && i + 1 < cells.size() && cells[i + 1].ch == U'\n')
            ++i;
        start = i + 1;
    }
    out.push_back({start, cells.size()});
    return out;
}

// Lines of at most maxWidth.  A line ends after its last word that fits;
// the spaces at such a break belong to neither line.  A word wider than a
// line on its own (long Latin words, Hangul written without spaces) is
// broken between characters.  Every line holds at least one character, so
// a width too small for anything still makes progress.
void wrap(const std::vector<Cell>& cells, Range paragraph, int maxWidth, std::vector<Range>& lines)
{
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t i = paragraph.begin;
    for (;;) {
        long long width = 0;
        bool ink = false; // a non-space character is on the line
        std::size_t breakEnd = none;
        std::size_t breakNext = none;
        std::size_t j = i;
        bool broken = false;
        while (j < paragraph.end) {
            if (cells[j].ch == U' ') {
                if (ink)
                    breakEnd = j;
                while (j < paragraph.end && cells[j].ch == U' ')
                    width += cells[j++].advance;
                if (ink)
                    breakNext = j;
                continue;
            }
            if (ink && width + cells[j].advance > maxWidth) {
                if (breakEnd != none) {
                    lines.push_back({i, breakEnd});
                    i = breakNext;
                } else {
                    lines.push_back({i, j});
                    i = j;
                }
                broken = true;
                break;
            }
            width += cells[j++].advance;
            ink = true;
        }
        if (!broken) {
            lines.push_back({i, paragraph.end});
            return;
        }
    }
}

LaidOutLine makeLine(const std::vector<Cell>& cells, Range r)
{
    LaidOutLine line;
    long long width = 0;
    for (std::size_t i = r.begin; i < r.end; ++i) {
        const Cell& c = cells[i];
        if (c.underline && c.advance > 0)
            line.underlines.push_back({saturate(width), saturate(width + c.advance)});
        line.text.push_back(c.ch);
        width += c.advance;
    }
    line.width = saturate(width);
    return line;
}

// The longest head of the line that leaves room for "..." within maxWidth,
// followed by "...".  When not even the ellipsis fits, the ellipsis alone.
LaidOutLine withEllipsis(const std::vector<Cell>& cells, Range r, int maxWidth, const AdvanceFunction& advance)
{
    int ellipsisWidth = 0;
    for (char32_t c : kEllipsis)
        ellipsisWidth += advance(c);
    std::size_t end = r.begin;
    long long width = ellipsisWidth;
    while (end < r.end && width + cells[end].advance <= maxWidth)
        width += cells[end++].advance;
    LaidOutLine line = makeLine(cells, {r.begin, end});
    line.text.append(kEllipsis);
    line.width = saturate(static_cast<long long>(line.width) + ellipsisWidth);
    return line;
}

} // namespace

PrefixedText resolvePrefixes(std::u32string_view text, UINT format)
{
    PrefixedText out;
    if (format & DT_NOPREFIX) {
        out.text = text;
        out.underlined.assign(text.size(), false);
        return out;
    }
    const bool show = !(format & DT_HIDEPREFIX);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            out.text.push_back(text[i]);
            out.underlined.push_back(false);
            continue;
        }
        if (i + 1 == text.size())
            break; // a lone ampersand at the end marks nothing
        const char32_t next = text[++i];
        out.text.push_back(next);
        out.underlined.push_back(show && next != U'&' && !isLineBreak(next));
    }
    return out;
}

TextLayout layoutText(const TextLayoutRequest& request, const AdvanceFunction& advance)
{
    const UINT format = request.format;
    const bool single = format & DT_SINGLELINE;
    const RECT& rect = request.rect;
    const int rectWidth = saturate(static_cast<long long>(rect.right) - rect.left);
    const int rectHeight = saturate(static_cast<long long>(rect.bottom) - rect.top);

    const PrefixedText prefixed = resolvePrefixes(request.text, format);
    std::vector<Cell> cells;
    cells.reserve(prefixed.text.size());
    for (std::size_t i = 0; i < prefixed.text.size(); ++i)
        cells.push_back({prefixed.text[i], prefixed.underlined[i], std::max(0, advance(prefixed.text[i]))});

    std::vector<Range> ranges;
    if (single) {
        ranges.push_back({0, cells.size()});
    } else {
        for (Range p : paragraphs(cells)) {
            if (format & DT_WORDBREAK)
                wrap(cells, p, rectWidth, ranges);
            else
                ranges.push_back(p);
        }
    }

    // Ellipsis: text that runs past the rectangle's bottom ends with the
    // last whole line that fits, which then shows "..."; a line wider than
    // the rectangle is cut to fit with "...".  Measuring keeps everything.
    const bool ellipsis = (format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT);
    bool cutBelow = false;
    if (ellipsis && !single && request.lineHeight > 0) {
        const std::size_t fit = std::max<std::size_t>(1, static_cast<std::size_t>(std::max(0, rectHeight)) /
                                                             static_cast<std::size_t>(request.lineHeight));
        if (fit < ranges.size()) {
            ranges.resize(fit);
            cutBelow = true;
        }
    }

    TextLayout layout;
    for (std::size_t n = 0; n < ranges.size(); ++n) {
        const Range r = ranges[n];
        const bool last = n + 1 == ranges.size();
        if (ellipsis && ((cutBelow && last) || widthOf(cells, r) > rectWidth))
            layout.lines.push_back(withEllipsis(cells, r, rectWidth, advance));
        else
            layout.lines.push_back(makeLine(cells, r));
    }

    // Vertical placement applies to a single line only; several lines start
    // at the top.
    const int total = saturate(static_cast<long long>(layout.lines.size()) * request.lineHeight);
    long long top = rect.top;
    if (single && (format & DT_VCENTER))
        top = rect.top + (static_cast<long long>(rectHeight) - request.lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = static_cast<long long>(rect.bottom) - request.lineHeight;

    int widest = 0;
    for (std::size_t n = 0; n < layout.lines.size(); ++n) {
        LaidOutLine& line = layout.lines[n];
        line.y = saturate(top + static_cast<long long>(n) * request.lineHeight);
        if (format & DT_CENTER)
            line.x = saturate(rect.left + (static_cast<long long>(rectWidth) - line.width) / 2);
        else if (format & DT_RIGHT)
            line.x = saturate(static_cast<long long>(rect.right) - line.width);
        else
            line.x = rect.left;
        widest = std::max(widest, line.width);
    }
    layout.bounds = {rect.left, rect.top, saturate(static_cast<long long>(rect.left) + widest),
                     saturate(static_cast<long long>(rect.top) + total)};
    if (single && (format & (DT_VCENTER | DT_BOTTOM)) && !(format & DT_CALCRECT))
        layout.result = saturate(top + request.lineHeight - rect.top);
    else
        layout.result = total;
    return layout;
}

} // namespace gdi
