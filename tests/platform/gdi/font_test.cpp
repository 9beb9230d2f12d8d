// Font matching and realised fonts, on the faces tools/setup.sh installs.
#include "font_cache.h"
#include "font_instance.h"
#include "font_match.h"
#include "text_draw.h"
#include "text_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace gdi;

namespace {

LOGFONTA logFont(const char* face, LONG height = -12, LONG weight = FW_NORMAL, BYTE italic = 0)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// The faces the client's fonts come from must be installed, or nothing
// below means anything.
class Fonts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const auto& [family, package] : {std::pair{"NanumGothic", "fonts-nanum"},
                                              std::pair{"Liberation Sans", "fonts-liberation2"}}) {
            FontRequest request;
            request.family = family;
            request.generic = "sans-serif";
            const FaceMatch match = matchFaces(request);
            if (match.faces.empty() || !match.faces.front().isFamily(family))
                missing_ += std::string(family) + " (install " + package + ", see tools/setup.sh) ";
        }
    }
    void SetUp() override { ASSERT_TRUE(missing_.empty()) << "missing fonts: " << missing_; }

    static std::string missing_;
};
std::string Fonts::missing_;

// Pixels with any ink when `text` is drawn black on white at (4, 4).
struct Ink {
    int width;
    int height;
    std::vector<bool> on;
    bool at(int x, int y) const { return on[static_cast<std::size_t>(y) * width + x]; }
    int count() const { return static_cast<int>(std::count(on.begin(), on.end(), true)); }
};

Ink inkOf(FontInstance& font, std::u32string_view text, int width = 120, int height = 40)
{
    Surface s = Surface::allocate({width, height, width * 4, true}, PixelFormat::standard(32));
    const RECT all{0, 0, width, height};
    fillArea(s, {&all, 1}, all, RGB(255, 255, 255));
    drawTextLine(s, {&all, 1}, font, text, 4, 4, TextStyle{});
    Ink ink{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ink.on.push_back(s.color(x, y) != RGB(255, 255, 255));
    return ink;
}

TEST(FontRequestTest, ReadsTheDescription)
{
    struct Case {
        const char* face;
        BYTE charSet;
        BYTE pitchAndFamily;
        bool korean;
        const char* generic;
    };
    const Case cases[] = {
        {"굴림", DEFAULT_CHARSET, 0, true, "sans-serif"},
        {"Gulim", DEFAULT_CHARSET, 0, true, "sans-serif"},
        {"Arial", DEFAULT_CHARSET, 0, false, "sans-serif"},
        {"Arial", HANGUL_CHARSET, 0, true, "sans-serif"},
        {"", DEFAULT_CHARSET, FF_ROMAN, false, "serif"},
        {"", DEFAULT_CHARSET, FIXED_PITCH | FF_SWISS, false, "monospace"},
    };
    for (const Case& c : cases) {
        LOGFONTA lf = logFont(c.face);
        lf.lfCharSet = c.charSet;
        lf.lfPitchAndFamily = c.pitchAndFamily;
        const FontRequest r = fontRequest(lf);
        EXPECT_EQ(r.family, c.face);
        EXPECT_EQ(r.korean, c.korean) << c.face;
        EXPECT_EQ(r.generic, c.generic) << c.face;
    }

    // A face name filling all 32 bytes without a NUL is read no further.
    LOGFONTA full = logFont("");
    std::memset(full.lfFaceName, 'x', LF_FACESIZE);
    EXPECT_EQ(fontRequest(full).family, std::string(LF_FACESIZE, 'x'));
    EXPECT_EQ(fontRequest(logFont("a", -12, 0)).weight, FW_NORMAL);
}

TEST(FontRequestTest, SplitsWeightWordsOffFamilyNames)
{
    EXPECT_EQ(splitWeightSuffix("Arial Black")->family, "Arial");
    EXPECT_EQ(splitWeightSuffix("Arial Black")->weight, FW_BLACK);
    EXPECT_EQ(splitWeightSuffix("Foo semibold")->weight, FW_SEMIBOLD);
    EXPECT_FALSE(splitWeightSuffix("Arial"));
    EXPECT_FALSE(splitWeightSuffix("Black"));
}

TEST_F(Fonts, TheClientsFacesDrawLatinAndHangul)
{
    struct Case {
        const char* face;
        LONG weight;
        const char* latinFamily; // expected primary family
    };
    const Case cases[] = {
        {"굴림", FW_NORMAL, "NanumGothic"},
        {"Arial", FW_NORMAL, "Liberation Sans"},
        {"Arial Black", FW_NORMAL, "Liberation Sans"},
        {"Arial Black", FW_BOLD, "Liberation Sans"},
    };
    for (const Case& c : cases) {
        auto font = FontInstance::create(logFont(c.face, -12, c.weight));
        ASSERT_TRUE(font) << c.face;
        const FaceCandidate* latin = font->faceFor(U'A');
        const FaceCandidate* hangul = font->faceFor(U'한');
        ASSERT_NE(latin, nullptr) << c.face;
        ASSERT_NE(hangul, nullptr) << c.face << ": no face has Hangul (install fonts-nanum)";
        EXPECT_TRUE(latin->isFamily(c.latinFamily)) << c.face << " drew Latin from " << latin->path;
        EXPECT_GT(inkOf(*font, U"한글").count(), 20) << c.face;
        EXPECT_GT(inkOf(*font, U"Ab").count(), 10) << c.face;
    }
    // "Arial Black" is heavier than "Arial".
    auto arial = FontInstance::create(logFont("Arial"));
    auto black = FontInstance::create(logFont("Arial Black"));
    EXPECT_GT(inkOf(*black, U"Heavy").count(), inkOf(*arial, U"Heavy").count());
}

TEST_F(Fonts, HeightSelectsCharacterOrCellHeight)
{
    for (LONG h : {8, 12, 16, 30}) {
        auto byEm = FontInstance::create(logFont("Arial", -h));
        auto byCell = FontInstance::create(logFont("Arial", h));
        const FontMetrics& em = byEm->metrics();
        const FontMetrics& cell = byCell->metrics();
        EXPECT_EQ(em.height - em.internalLeading, h);
        EXPECT_EQ(em.height, em.ascent + em.descent);
        EXPECT_EQ(cell.height, h);
        EXPECT_EQ(cell.height, cell.ascent + cell.descent);
        EXPECT_LE(cell.height - cell.internalLeading, h);
        // Sensible widths: a Latin sans face averages about half its height.
        EXPECT_GE(em.aveCharWidth * 4, h) << h;
        EXPECT_LE(em.aveCharWidth * 4, h * 3) << h;
        EXPECT_GE(em.maxCharWidth, em.aveCharWidth);
    }
    auto zero = FontInstance::create(logFont("Arial", 0));
    EXPECT_EQ(zero->metrics().height, FontInstance::create(logFont("Arial", -12))->metrics().height);
    // Absurd sizes are capped rather than honoured with huge bitmaps.
    auto huge = FontInstance::create(logFont("Arial", -2000000000));
    ASSERT_TRUE(huge);
    EXPECT_LE(huge->metrics().height, 2048);
}

TEST_F(Fonts, ExtentsGrowWithTextAndSize)
{
    auto small = FontInstance::create(logFont("굴림", -12));
    auto large = FontInstance::create(logFont("굴림", -24));
    const std::u32string text = U"뉴스 News 123";
    int previous = 0;
    for (std::size_t n = 1; n <= text.size(); ++n) {
        const int w = measureText(*small, text.substr(0, n));
        EXPECT_GE(w, previous);
        previous = w;
    }
    EXPECT_GT(measureText(*large, text), measureText(*small, text) * 3 / 2);
    EXPECT_EQ(small->advance(U'\n'), 0);
    EXPECT_GT(small->advance(U'\uFFFD'), 0);
}

TEST_F(Fonts, SynthesisedBoldThickensAndWidens)
{
    // The regular NanumGothic face, asked for bold: it must be emboldened.
    FontRequest request;
    request.family = "NanumGothic";
    request.generic = "sans-serif";
    FaceMatch regular = matchFaces(request);
    ASSERT_FALSE(regular.faces.empty());
    regular.faces.resize(1);
    FaceMatch bold = regular;
    bold.weight = FW_BOLD;
    auto plain = FontInstance::create(logFont("NanumGothic"), regular);
    auto thick = FontInstance::create(logFont("NanumGothic", -12, FW_BOLD), bold);
    EXPECT_EQ(thick->advance(U'l'), plain->advance(U'l') + 1);
    EXPECT_GT(inkOf(*thick, U"lll").count(), inkOf(*plain, U"lll").count());
}

TEST_F(Fonts, ItalicWithoutAnItalicFaceLeansRight)
{
    // No Korean face here has an italic; the upright one is slanted.
    auto upright = FontInstance::create(logFont("굴림", -24));
    auto italic = FontInstance::create(logFont("굴림", -24, FW_NORMAL, 1));
    auto lean = [](const Ink& ink) {
        // Mean ink column of the top rows minus that of the bottom rows.
        double top = 0, bottom = 0;
        int nTop = 0, nBottom = 0;
        for (int y = 0; y < ink.height; ++y)
            for (int x = 0; x < ink.width; ++x) {
                if (!ink.at(x, y))
                    continue;
                if (y < 14) {
                    top += x;
                    ++nTop;
                } else if (y > 20) {
                    bottom += x;
                    ++nBottom;
                }
            }
        return top / std::max(nTop, 1) - bottom / std::max(nBottom, 1);
    };
    // A vertical bar: upright it has no lean, slanted it leans a few pixels.
    EXPECT_NEAR(lean(inkOf(*upright, U"l")), 0.0, 0.75);
    EXPECT_GT(lean(inkOf(*italic, U"l")), 1.0);
}

TEST_F(Fonts, RealisedFontsAreSharedByDescription)
{
    const LOGFONTA lf = logFont("Arial", -13);
    std::shared_ptr<FontInstance> a = realizeFont(lf);
    std::shared_ptr<FontInstance> b = realizeFont(lf);
    EXPECT_EQ(a, b);
    LOGFONTA underlined = lf;
    underlined.lfUnderline = 1; // drawn by the caller: same glyphs
    EXPECT_EQ(realizeFont(underlined), a);
    EXPECT_NE(realizeFont(logFont("Arial", -14)), a);
    // A font measured by its last holder, dropped and realised again
    // measures the same.
    b.reset();
    const int width = measureText(*a, U"glyphs 글자");
    a.reset();
    EXPECT_GT(width, 0);
    auto again = realizeFont(lf);
    EXPECT_EQ(measureText(*again, U"glyphs 글자"), width);
}

} // namespace
