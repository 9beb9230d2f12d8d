// Fonts and text through the API: font objects, measuring, TextOutA and
// DrawTextA.  Pixels are checked by where ink lands, never by exact grey
// levels.
#include "platform/gdi.h"
#include "platform/gdi_surface.h"

#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace gditest;

namespace {

using Font = std::unique_ptr<HFONT__, ObjectDeleter>;

constexpr COLORREF kGrey = RGB(200, 200, 200);
constexpr COLORREF kInk = RGB(0, 0, 160);
constexpr COLORREF kPaper = RGB(255, 255, 0);

Font makeFont(const char* face, LONG height = -12, LONG weight = FW_NORMAL, BYTE underline = 0, BYTE strike = 0)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strike;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return Font(CreateFontIndirectA(&lf));
}

// A 32-bit canvas filled grey, with the text colours set and a font selected.
struct Scene {
    Canvas canvas;
    Font font;

    explicit Scene(const char* face = "Arial", int w = 160, int h = 60, LONG height = -12) : canvas(w, h)
    {
        for (int i = 0; i < w * h; ++i)
            std::memcpy(canvas.dib.bits + 4 * i, "\xC8\xC8\xC8\x00", 4);
        font = makeFont(face, height);
        SelectObject(dc(), font.get());
        SetTextColor(dc(), kInk);
        SetBkColor(dc(), kPaper);
        SetBkMode(dc(), TRANSPARENT);
    }
    HDC dc() const { return canvas.dc.get(); }
    COLORREF at(int x, int y) const
    {
        const std::uint8_t* p = canvas.dib.bits + 4 * (y * canvas.width + x);
        return RGB(p[2], p[1], p[0]);
    }
    bool inked(int x, int y) const { return at(x, y) != kGrey; }
    int inkIn(RECT r) const
    {
        int n = 0;
        for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, canvas.height); ++y)
            for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, canvas.width); ++x)
                n += inked(x, y);
        return n;
    }
    int inkTotal() const { return inkIn({0, 0, canvas.width, canvas.height}); }
    int inkOutside(RECT r) const { return inkTotal() - inkIn(r); }
    // Rows [top, bottom) that carry any ink, as {first, last + 1}; {0, 0} when none.
    std::pair<int, int> inkRows() const
    {
        int first = -1, last = -1;
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x)
                if (inked(x, y)) {
                    if (first < 0)
                        first = y;
                    last = y;
                }
        return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
    }
    SIZE extent(const char* text) const
    {
        SIZE s{};
        GetTextExtentPoint32A(dc(), text, static_cast<int>(std::strlen(text)), &s);
        return s;
    }
    TEXTMETRICA metrics() const
    {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc(), &tm);
        return tm;
    }
};

TEST(FontObjects, LifecycleSelectionAndRecords)
{
    Canvas canvas(4, 4);
    HDC dc = canvas.dc.get();
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(GetObjectType(stock), OBJ_FONT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), stock);

    LOGFONTA lf{};
    lf.lfHeight = -15;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    std::strcpy(lf.lfFaceName, "굴림");
    HFONT a = CreateFontIndirectA(&lf);
    HFONT b = CreateFontA(-15, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "굴림");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(a, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(GetObjectA(a, sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(std::memcmp(&back, &lf, sizeof back), 0);
    EXPECT_EQ(GetObjectA(b, sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(std::memcmp(&back, &lf, sizeof back), 0);
    LONG height = 0; // a short buffer gets the head of the record
    EXPECT_EQ(GetObjectA(a, sizeof height, &height), static_cast<int>(sizeof height));
    EXPECT_EQ(height, -15);

    EXPECT_EQ(SelectObject(dc, a), stock);
    EXPECT_EQ(SelectObject(dc, b), a);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), b);

    // Deleting the selected font leaves the DC on the stock font, still drawing.
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_EQ(GetObjectType(b), 0u);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), stock);
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_TRUE(DeleteObject(a));
    // The stock font ignores deletion.
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetObjectType(stock), OBJ_FONT);
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), stock);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST(TextMetrics, ReportTheSelectedFont)
{
    Scene s("Arial");
    const TEXTMETRICA normal = s.metrics();
    EXPECT_EQ(normal.tmHeight, normal.tmAscent + normal.tmDescent);
    EXPECT_EQ(normal.tmHeight - normal.tmInternalLeading, 12);
    EXPECT_EQ(normal.tmWeight, FW_NORMAL);
    EXPECT_EQ(s.extent("x").cy, normal.tmHeight);

    Font styled = makeFont("Arial", 20, FW_BOLD, 1, 1);
    SelectObject(s.dc(), styled.get());
    const TEXTMETRICA tm = s.metrics();
    EXPECT_EQ(tm.tmHeight, 20);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_TRUE(tm.tmUnderlined);
    EXPECT_TRUE(tm.tmStruckOut);
    EXPECT_GT(tm.tmAveCharWidth, normal.tmAveCharWidth);
    EXPECT_EQ(GetDeviceCaps(s.dc(), LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(s.dc(), BITSPIXEL), 32);
    EXPECT_FALSE(GetTextMetricsA(s.dc(), nullptr));
}

TEST(TextExtent, CountsBytesAndGrowsWithTheText)
{
    Scene s("굴림");
    const char text[] = "새로운 뉴스가 ABC";
    SIZE size{};
    int previous = -1;
    for (int n = 0; n <= static_cast<int>(std::strlen(text)); ++n) {
        if ((text[n] & 0xC0) == 0x80)
            continue; // whole characters only: a cut one measures as U+FFFD
        ASSERT_TRUE(GetTextExtentPoint32A(s.dc(), text, n, &size));
        EXPECT_GE(size.cx, previous) << n;
        EXPECT_EQ(size.cy, s.metrics().tmHeight);
        previous = size.cx;
    }
    // Only `count` bytes are read: the rest may be anything.
    ASSERT_TRUE(GetTextExtentPoint32A(s.dc(), "AB", 1, &size));
    EXPECT_EQ(size.cx, s.extent("A").cx);
    // A malformed byte measures as the replacement character.
    EXPECT_EQ(s.extent("\xFF").cx, s.extent("\xEF\xBF\xBD").cx);
    EXPECT_GT(s.extent("\xFF").cx, 0);
    EXPECT_FALSE(GetTextExtentPoint32A(s.dc(), "A", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(s.dc(), nullptr, 1, &size));
    EXPECT_TRUE(GetTextExtentPoint32A(s.dc(), nullptr, 0, &size));
    EXPECT_EQ(size.cx, 0);

    // Fit and per-byte extents, for callers that place a caret.
    const char mixed[] = "a한b";
    int fit = 0;
    int extents[5] = {};
    const int upToHangul = s.extent("a한").cx;
    ASSERT_TRUE(GetTextExtentExPointA(s.dc(), mixed, 5, upToHangul, &fit, extents, &size));
    EXPECT_EQ(fit, 4);
    EXPECT_EQ(extents[0], s.extent("a").cx);
    EXPECT_EQ(extents[1], upToHangul);
    EXPECT_EQ(extents[3], upToHangul);
    EXPECT_EQ(extents[4], size.cx);
}

TEST(TextOut, TransparentDrawsOnlyGlyphsInsideTheCell)
{
    Scene s;
    const SIZE cell = s.extent("Hello");
    ASSERT_TRUE(TextOutA(s.dc(), 20, 10, "Hello", 5));
    const RECT box{20, 10, 20 + cell.cx, 10 + cell.cy};
    EXPECT_GT(s.inkIn(box), 30);
    EXPECT_EQ(s.inkOutside({box.left - 1, box.top, box.right + 1, box.bottom}), 0);
    EXPECT_LT(s.inkIn(box), cell.cx * cell.cy / 2); // background shows between the glyphs
    // Full-coverage pixels are exactly the text colour.
    bool solid = false;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            solid = solid || s.at(x, y) == kInk;
    EXPECT_TRUE(solid);
}

TEST(TextOut, OpaqueFillsTheCellWithTheBackgroundFirst)
{
    Scene s;
    SetBkMode(s.dc(), OPAQUE);
    const SIZE cell = s.extent("Hello");
    ASSERT_TRUE(TextOutA(s.dc(), 20, 10, "Hello", 5));
    const RECT box{20, 10, 20 + cell.cx, 10 + cell.cy};
    EXPECT_EQ(s.inkIn(box), cell.cx * cell.cy); // no grey left inside
    EXPECT_EQ(s.inkOutside({box.left - 1, box.top, box.right + 1, box.bottom}), 0);
    EXPECT_EQ(s.at(box.left, box.top), kPaper);
}

TEST(TextOut, AlignmentMovesTheCell)
{
    struct Case {
        UINT align;
        int dx; // cell's left minus x, in cell widths (0, -1) or halves (-0.5 as -2)
        int dy; // 0: top at y, 1: bottom at y, 2: baseline at y
    };
    const Case cases[] = {{TA_LEFT | TA_TOP, 0, 0},
                          {TA_RIGHT | TA_TOP, -1, 0},
                          {TA_CENTER | TA_BOTTOM, -2, 1},
                          {TA_LEFT | TA_BASELINE, 0, 2}};
    for (const Case& c : cases) {
        Scene s;
        SetBkMode(s.dc(), OPAQUE);
        ASSERT_NE(SetTextAlign(s.dc(), c.align), GDI_ERROR);
        EXPECT_EQ(GetTextAlign(s.dc()), c.align);
        const SIZE cell = s.extent("Hi");
        const TEXTMETRICA tm = s.metrics();
        ASSERT_TRUE(TextOutA(s.dc(), 80, 30, "Hi", 2));
        const int left = c.dx == 0 ? 80 : c.dx == -1 ? 80 - cell.cx : 80 - cell.cx / 2;
        const int top = c.dy == 0 ? 30 : c.dy == 1 ? 30 - cell.cy : 30 - tm.tmAscent;
        const RECT box{left, top, left + cell.cx, top + cell.cy};
        EXPECT_EQ(s.inkIn(box), cell.cx * cell.cy) << c.align;
        EXPECT_EQ(s.inkOutside(box), 0) << c.align;
    }
    Scene s;
    EXPECT_EQ(SetTextAlign(s.dc(), TA_UPDATECP), GDI_ERROR);
}

TEST(TextOut, UnderlineAndStrikeOutAreLinesAcrossTheText)
{
    // Spaces have no glyphs, so only the lines show.
    struct Case {
        BYTE underline;
        BYTE strike;
    };
    for (const Case c : {Case{1, 0}, Case{0, 1}, Case{0, 0}}) {
        Scene s;
        Font f = makeFont("Arial", -20, FW_NORMAL, c.underline, c.strike);
        SelectObject(s.dc(), f.get());
        const SIZE cell = s.extent("    ");
        const TEXTMETRICA tm = s.metrics();
        ASSERT_TRUE(TextOutA(s.dc(), 10, 10, "    ", 4));
        const int baseline = 10 + tm.tmAscent;
        if (!c.underline && !c.strike) {
            EXPECT_EQ(s.inkTotal(), 0);
            continue;
        }
        const auto [first, last] = s.inkRows();
        ASSERT_LT(first, last);
        if (c.underline) {
            EXPECT_GE(first, baseline);
            EXPECT_LE(last, 10 + cell.cy);
        } else {
            EXPECT_LT(last, baseline);
            EXPECT_GE(first, 10 + tm.tmInternalLeading);
        }
        // Each line is solid across exactly the text's width.
        EXPECT_EQ(s.inkTotal(), (last - first) * cell.cx);
        EXPECT_EQ(s.inkIn({10, first, 10 + cell.cx, last}), (last - first) * cell.cx);
    }
}

TEST(TextOut, ClientFacesDrawHangul)
{
    // Each syllable has its own shape; a face without Hangul would draw the
    // same missing-character box for both.
    auto pixels = [](const char* face, const char* text) {
        Scene s(face, 40, 30);
        EXPECT_TRUE(TextOutA(s.dc(), 5, 5, text, static_cast<int>(std::strlen(text))));
        const SIZE cell = s.extent(text);
        EXPECT_EQ(s.inkOutside({4, 5, 6 + cell.cx, 5 + cell.cy}), 0) << face;
        std::vector<COLORREF> out;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                out.push_back(s.at(x, y));
        return out;
    };
    for (const char* face : {"굴림", "Arial", "Arial Black"}) {
        const auto han = pixels(face, "한");
        const auto geul = pixels(face, "글");
        EXPECT_NE(han, geul) << face << ": no Hangul glyphs (is fonts-nanum installed?)";
        EXPECT_GT(std::count_if(han.begin(), han.end(), [](COLORREF c) { return c != kGrey; }), 20) << face;
    }
}

TEST(TextOut, RespectsTheClipRegionAndPaletteDestinations)
{
    Scene s;
    Rgn left(CreateRectRgn(0, 0, 40, 60));
    SelectClipRgn(s.dc(), left.get());
    SetBkMode(s.dc(), OPAQUE);
    ASSERT_TRUE(TextOutA(s.dc(), 20, 10, "Clipped text", 12));
    EXPECT_GT(s.inkIn({20, 0, 40, 60}), 0);
    EXPECT_EQ(s.inkOutside({0, 0, 40, 60}), 0);

    // A palette surface shows no grey levels: each pixel is the background
    // entry or the text's nearest entry.
    Canvas indexed(80, 30, 8, {RGB(200, 200, 200), RGB(0, 0, 0), RGB(0, 0, 160), RGB(255, 255, 255)});
    std::memset(indexed.dib.bits, 0, 80 * 30);
    Font f = makeFont("굴림");
    SelectObject(indexed.dc.get(), f.get());
    SetBkMode(indexed.dc.get(), TRANSPARENT);
    SetTextColor(indexed.dc.get(), RGB(0, 0, 150));
    ASSERT_TRUE(TextOutA(indexed.dc.get(), 2, 2, "뉴스 News", 11));
    int text = 0;
    for (int i = 0; i < 80 * 30; ++i) {
        ASSERT_TRUE(indexed.dib.bits[i] == 0 || indexed.dib.bits[i] == 2) << i;
        text += indexed.dib.bits[i] == 2;
    }
    EXPECT_GT(text, 30);
}

TEST(TextOut, LandsInWindowMemoryAtTheDcsOrigin)
{
    std::vector<std::uint32_t> memory(100 * 40, 0x00C8C8C8u);
    Rgn clip(CreateRectRgn(10, 0, 100, 40));
    Dc dc(GdiCreateSurfaceDC(memory.data(), 100, 40, 400, clip.get(), 30, 5));
    ASSERT_TRUE(dc);
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), RGB(1, 2, 3));
    SIZE cell{};
    GetTextExtentPoint32A(dc.get(), "Win", 3, &cell);
    // Logical (-25, 0) is memory (5, 5); the clip starts at memory x 10.
    ASSERT_TRUE(TextOutA(dc.get(), -25, 0, "Win", 3));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool inCell = x >= 10 && x < 5 + cell.cx && y >= 5 && y < 5 + cell.cy;
            EXPECT_EQ(memory[y * 100 + x] != 0x00C8C8C8u, inCell) << x << "," << y;
        }
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing)
{
    Scene s;
    RECT r{5, 7, 6, 8};
    const int h = DrawTextA(s.dc(), "Measure me", -1, &r, DT_SINGLELINE | DT_CALCRECT);
    const SIZE size = s.extent("Measure me");
    EXPECT_EQ(h, size.cy);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 7);
    EXPECT_EQ(r.right, 5 + size.cx);
    EXPECT_EQ(r.bottom, 7 + size.cy);
    EXPECT_EQ(s.inkTotal(), 0);
    // Ampersands count in GetTextExtentPoint32A but not in DrawTextA.
    EXPECT_GT(s.extent("&Measure me").cx, size.cx);
    RECT prefixed{0, 0, 1, 1};
    DrawTextA(s.dc(), "&Measure me", -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefixed.right, size.cx);
    EXPECT_EQ(DrawTextA(s.dc(), "x", -1, nullptr, 0), 0);
    EXPECT_EQ(DrawTextA(s.dc(), "x", -2, &r, 0), 0);
}

TEST(DrawText, SingleLineCentredBothWays)
{
    Scene s("Arial", 160, 60);
    SetBkMode(s.dc(), OPAQUE);
    RECT r{10, 10, 150, 50};
    const int h = DrawTextA(s.dc(), "Mid", 3, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    const SIZE cell = s.extent("Mid");
    const int top = 10 + (40 - cell.cy) / 2;
    const int left = 10 + (140 - cell.cx) / 2;
    EXPECT_EQ(h, top + cell.cy - 10);
    EXPECT_EQ(s.inkIn({left, top, left + cell.cx, top + cell.cy}), cell.cx * cell.cy);
    EXPECT_EQ(s.inkOutside({left, top, left + cell.cx, top + cell.cy}), 0);
}

TEST(DrawText, WordBreakWrapsIntoLines)
{
    Scene s("굴림", 200, 80);
    const char text[] = "새로운 뉴스가 등록";
    const int lineHeight = s.metrics().tmHeight;
    RECT r{0, 0, s.extent("새로운 뉴스가").cx + 2, 80};
    const int h = DrawTextA(s.dc(), text, -1, &r, DT_WORDBREAK);
    EXPECT_EQ(h, 2 * lineHeight);
    EXPECT_GT(s.inkIn({0, 0, 200, lineHeight}), 20);
    EXPECT_GT(s.inkIn({0, lineHeight, 200, 2 * lineHeight}), 20);
    EXPECT_EQ(s.inkOutside(r), 0);
    RECT measured = r;
    EXPECT_EQ(DrawTextA(s.dc(), text, -1, &measured, DT_WORDBREAK | DT_CALCRECT), 2 * lineHeight);
    EXPECT_EQ(measured.bottom, 2 * lineHeight);
    EXPECT_LE(measured.right, r.right);
}

TEST(DrawText, EndEllipsisShowsDotsWhereTheTextIsCut)
{
    Scene s("Arial", 160, 40, -20);
    const TEXTMETRICA tm = s.metrics();
    const RECT r{10, 5, 90, 5 + tm.tmHeight};
    RECT box = r;
    DrawTextA(s.dc(), "WWWWWWWWWWWWWW", -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(s.inkOutside(r), 0);
    // The last inked columns are the dots: ink only near the baseline, where
    // a 'W' would reach up to the cap height.
    int right = -1;
    for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y)
            if (s.inked(x, y))
                right = x;
    ASSERT_GT(right, r.left);
    const int baseline = r.top + tm.tmAscent;
    for (int y = r.top; y < baseline - tm.tmAscent / 3; ++y)
        EXPECT_FALSE(s.inked(right, y)) << y;

    Scene plain("Arial", 160, 40, -20);
    box = r;
    DrawTextA(plain.dc(), "WWWWWWWWWWWWWW", -1, &box, DT_SINGLELINE);
    EXPECT_EQ(plain.inkOutside(r), 0); // clipped to the rectangle even without the ellipsis
    EXPECT_GT(plain.inkIn({r.right - 8, r.top, r.right, baseline - tm.tmAscent / 3}), 0);
}

TEST(DrawText, AmpersandPrefixes)
{
    auto draw = [](const char* text, UINT format) {
        auto s = std::make_unique<Scene>("Arial", 60, 30, -16);
        RECT r{2, 2, 58, 28};
        DrawTextA(s->dc(), text, -1, &r, DT_SINGLELINE | format);
        return s;
    };
    // "&&" draws what a plain '&' draws.
    auto doubled = draw("R&&D", 0);
    auto literal = draw("R&D", DT_NOPREFIX);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(doubled->at(x, y), literal->at(x, y)) << x << "," << y;

    // "&A" is "A" with an underline below the baseline, and only there.
    auto marked = draw("&Ax", 0);
    auto bare = draw("Ax", 0);
    const TEXTMETRICA tm = bare->metrics();
    const int baseline = 2 + tm.tmAscent;
    const int aWidth = bare->extent("A").cx;
    int extra = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            if (marked->at(x, y) == bare->at(x, y))
                continue;
            ++extra;
            EXPECT_GE(y, baseline) << x << "," << y;
            EXPECT_LT(x, 2 + aWidth) << x << "," << y;
        }
    EXPECT_GE(extra, aWidth - 2);
    // DT_NOPREFIX draws the ampersand itself instead.
    auto raw = draw("&Ax", DT_NOPREFIX);
    EXPECT_GT(raw->inkTotal(), bare->inkTotal());
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip)
{
    for (UINT noClip : {0u, DT_NOCLIP}) {
        Scene s("Arial", 160, 40, -20);
        RECT r{10, 10, 40, 20}; // shorter and narrower than the text
        DrawTextA(s.dc(), "Overflowing", -1, &r, noClip);
        if (noClip)
            EXPECT_GT(s.inkOutside(r), 0);
        else
            EXPECT_EQ(s.inkOutside(r), 0);
        EXPECT_GT(s.inkIn(r), 0);
    }
}

TEST(DrawText, OpaqueFillsTheLinesNotTheRectangle)
{
    Scene s("Arial", 160, 60);
    SetBkMode(s.dc(), OPAQUE);
    RECT r{0, 0, 160, 60};
    const int h = DrawTextA(s.dc(), "one\nthree", -1, &r, 0);
    const int line = s.metrics().tmHeight;
    EXPECT_EQ(h, 2 * line);
    const int one = s.extent("one").cx;
    const int three = s.extent("three").cx;
    EXPECT_EQ(s.inkTotal(), (one + three) * line);
    EXPECT_EQ(s.inkIn({0, 0, one, line}), one * line);
    EXPECT_EQ(s.inkIn({0, line, three, 2 * line}), three * line);
}

TEST(DrawText, ThePopUpsAnnouncement)
{
    // The notifier's font, flags and text rectangle.
    Scene s("Arial Black", 200, 83, -12);
    SetTextColor(s.dc(), RGB(255, 255, 255));
    RECT r{10, 20, 190, 63};
    const int h = DrawTextA(s.dc(), "새로운 뉴스가\n 등록되었습니다.", -1, &r, 0x8015);
    const int line = s.metrics().tmHeight;
    EXPECT_EQ(h, 2 * line);
    EXPECT_GT(s.inkIn({10, 20, 190, 20 + line}), 40);
    EXPECT_GT(s.inkIn({10, 20 + line, 190, 20 + 2 * line}), 40);
    EXPECT_EQ(s.inkOutside(r), 0);
    // Each line is centred: the ink's left and right margins match.
    int minX = 200, maxX = -1;
    for (int y = 20; y < 20 + line; ++y)
        for (int x = 10; x < 190; ++x)
            if (s.inked(x, y)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_NEAR(minX - 10, 189 - maxX, 3);
}

TEST(DialogBaseUnits, ComeFromTheFontsLetters)
{
    Scene s("굴림");
    SIZE units{};
    ASSERT_TRUE(GdiGetDialogBaseUnits(s.dc(), &units));
    const SIZE letters = s.extent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(units.cx, (letters.cx / 26 + 1) / 2);
    EXPECT_EQ(units.cy, s.metrics().tmHeight);
    EXPECT_GE(units.cx, 5);
    EXPECT_LE(units.cx, 8);
    EXPECT_FALSE(GdiGetDialogBaseUnits(nullptr, &units));
}

// The Korean system faces have no internal leading: their cell is the em
// square.  Dialogs laid out in those faces rely on it, so a stand-in keeps
// it (a 12-pixel em, 9 points at 96 dpi, is a 12-pixel cell), while a Latin
// face keeps its own taller cell.
TEST(DialogBaseUnits, KoreanSystemFaceStandInsKeepASquareCell)
{
    for (const char* face : {"굴림", "Gulim", "돋움"}) {
        Scene s(face);
        SIZE units{};
        ASSERT_TRUE(GdiGetDialogBaseUnits(s.dc(), &units)) << face;
        EXPECT_EQ(s.metrics().tmHeight, 12) << face;
        EXPECT_EQ(s.metrics().tmInternalLeading, 0) << face;
        EXPECT_EQ(s.metrics().tmAscent + s.metrics().tmDescent, 12) << face;
        EXPECT_EQ(units.cy, 12) << face;
        EXPECT_GT(s.metrics().tmDescent, 0) << face;
    }
    Scene latin("Arial");
    EXPECT_GT(latin.metrics().tmHeight, 12);
}

} // namespace
