// The artwork the build draws: every file is there with its exact size and
// depth, the lit faces are lit, the icons and the cursor parse and are what
// the program asks for, and the generator draws the same bytes every time.
#include "artwork_test_support.h"

#include "platform/icon_file.h"

#include <gtest/gtest.h>

#include <set>

using namespace res_test;

namespace {

struct BitmapCase {
    const char* name;
    int width;
    int height;
};

const BitmapCase kBitmaps[] = {
    {"bitmap_131.bmp", 13, 13}, {"bitmap_135.bmp", 13, 13},  {"bitmap_142.bmp", 13, 13},
    {"bitmap_145.bmp", 13, 13}, {"bitmap_132.bmp", 27, 39},  {"bitmap_137.bmp", 27, 39},
    {"bitmap_144.bmp", 27, 39}, {"bitmap_148.bmp", 27, 39},  {"bitmap_133.bmp", 28, 39},
    {"bitmap_134.bmp", 28, 39}, {"bitmap_146.bmp", 28, 39},  {"bitmap_147.bmp", 28, 39},
    {"bitmap_136.bmp", 26, 39}, {"bitmap_143.bmp", 26, 39},  {"bitmap_150.bmp", 24, 29},
    {"bitmap_173.bmp", 205, 29}, {"bitmap_180.bmp", 200, 83},
};

TEST(ArtworkFiles, BitmapsHaveTheirSizesAt24Bits)
{
    for (const BitmapCase& c : kBitmaps) {
        const auto dib = LoadArtwork(c.name);
        ASSERT_TRUE(dib->IsValid()) << c.name;
        EXPECT_EQ(dib->GetWidth(), c.width) << c.name;
        EXPECT_EQ(dib->GetHeight(), c.height) << c.name;
        EXPECT_EQ(dib->GetBitCount(), 24) << c.name;
    }
}

TEST(ArtworkFiles, FrameIsTheDialogsSizeInPixels)
{
    const SIZE units = DialogBaseUnits();
    ASSERT_GT(units.cx, 0);
    ASSERT_GT(units.cy, 0);
    const auto frame = LoadArtwork("Frame.bmp");
    ASSERT_TRUE(frame->IsValid());
    // 160 x 303 dialog units.
    EXPECT_EQ(frame->GetWidth(), 160 * units.cx / 4);
    EXPECT_EQ(frame->GetHeight(), 303 * units.cy / 8);
    EXPECT_EQ(frame->GetBitCount(), 24);
}

TEST(ArtworkFiles, TitleFitsBetweenItsPlaceAndTheMinimiseButton)
{
    const SIZE units = DialogBaseUnits();
    const auto title = LoadArtwork("Title.bmp");
    ASSERT_TRUE(title->IsValid());
    EXPECT_EQ(title->GetBitCount(), 24);
    EXPECT_GT(title->GetWidth(), 100);
    EXPECT_LE(25 + title->GetWidth(), 227);             // painted at (25, 0); the minimise button is at x 227
    EXPECT_LE(title->GetHeight(), 23 * units.cy / 8); // above the main pane
}

// Normal and lit faces of each skin button.
const std::pair<const char*, const char*> kFacePairs[] = {
    {"bitmap_135.bmp", "bitmap_142.bmp"}, {"bitmap_131.bmp", "bitmap_145.bmp"},
    {"bitmap_132.bmp", "bitmap_148.bmp"}, {"bitmap_137.bmp", "bitmap_144.bmp"},
    {"bitmap_134.bmp", "bitmap_147.bmp"}, {"bitmap_136.bmp", "bitmap_143.bmp"},
    {"bitmap_133.bmp", "bitmap_146.bmp"},
};

TEST(ArtworkFiles, LitFacesAreVisiblyBrighter)
{
    for (const auto& [normalName, litName] : kFacePairs) {
        const auto normal = LoadArtwork(normalName);
        const auto lit = LoadArtwork(litName);
        ASSERT_TRUE(normal->IsValid() && lit->IsValid()) << normalName;
        ASSERT_EQ(normal->GetWidth(), lit->GetWidth()) << normalName;
        ASSERT_EQ(normal->GetHeight(), lit->GetHeight()) << normalName;
        int changed = 0;
        long sumNormal = 0;
        long sumLit = 0;
        const int pixels = normal->GetWidth() * normal->GetHeight();
        for (int y = 0; y < normal->GetHeight(); ++y) {
            for (int x = 0; x < normal->GetWidth(); ++x) {
                const auto a = static_cast<COLORREF>(normal->GetPixelColor(x, y));
                const auto b = static_cast<COLORREF>(lit->GetPixelColor(x, y));
                changed += a != b;
                sumNormal += Luminance(a);
                sumLit += Luminance(b);
            }
        }
        EXPECT_GT(changed, pixels / 2) << normalName << " and " << litName;
        EXPECT_GT(sumLit / pixels, sumNormal / pixels + 20) << litName << " is not lit up";
    }
}

TEST(ArtworkFiles, NotifierSkinHasMagentaNotchesInTopAndBottomEdges)
{
    const COLORREF magenta = RGB(255, 0, 255);
    const auto skin = LoadArtwork("bitmap_180.bmp");
    ASSERT_TRUE(skin->IsValid());
    const int w = skin->GetWidth();
    const int h = skin->GetHeight();
    for (int y : {0, h - 1}) {
        int keyed = 0;
        for (int x = 0; x < w; ++x)
            keyed += IsKey(*skin, x, y, magenta);
        EXPECT_GT(keyed, 10) << "row " << y;
        EXPECT_LT(keyed, w - 10) << "row " << y;
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_TRUE(IsKey(*skin, x, y, magenta)) << x << ", " << y;
    // The text rectangle 10, 20, 190, 63 lies whole on the card.
    for (int y = 20; y < 63; ++y)
        for (int x = 10; x < 190; ++x)
            ASSERT_FALSE(IsKey(*skin, x, y, magenta)) << x << ", " << y;
}

struct IconCase {
    const char* name;
    iconfile::Kind kind;
    std::vector<int> sides; // one square image per entry
};

const IconCase kIcons[] = {
    {"icon_128.ico", iconfile::Kind::Icon, {16, 32}},
    {"icon_154.ico", iconfile::Kind::Icon, {16}},
    {"icon_155.ico", iconfile::Kind::Icon, {16}},
    {"icon_159.ico", iconfile::Kind::Icon, {16}},
    {"icon_160.ico", iconfile::Kind::Icon, {16}},
    {"icon_161.ico", iconfile::Kind::Icon, {16}},
    {"icon_162.ico", iconfile::Kind::Icon, {16}},
    {"icon_163.ico", iconfile::Kind::Icon, {16}},
    {"icon_164.ico", iconfile::Kind::Icon, {16}},
    {"cursor_157.cur", iconfile::Kind::Cursor, {32}},
};

iconfile::IconReadResult ReadArtworkIcon(const char* name)
{
    return iconfile::ReadIconFile(ReadFile(ArtworkDir() / name));
}

TEST(ArtworkFiles, IconsAndCursorParseWithTheirSizes)
{
    for (const IconCase& c : kIcons) {
        const iconfile::IconReadResult read = ReadArtworkIcon(c.name);
        ASSERT_EQ(read.error, iconfile::IconError::None) << c.name << ": " << iconfile::IconErrorText(read.error);
        EXPECT_EQ(read.file.kind, c.kind) << c.name;
        ASSERT_EQ(read.file.images.size(), c.sides.size()) << c.name;
        for (std::size_t i = 0; i < c.sides.size(); ++i) {
            EXPECT_EQ(read.file.images[i].width, c.sides[i]) << c.name;
            EXPECT_EQ(read.file.images[i].height, c.sides[i]) << c.name;
            // Something shows, and something is clear around it.
            int opaque = 0;
            for (std::uint8_t bit : read.file.images[i].mask)
                opaque += bit == 0;
            EXPECT_GT(opaque, c.sides[i] * c.sides[i] / 6) << c.name;
            EXPECT_LT(opaque, c.sides[i] * c.sides[i]) << c.name;
        }
    }
}

TEST(ArtworkFiles, CursorIsMonochromeWithItsHotSpotAtTheFingertip)
{
    const iconfile::IconReadResult read = ReadArtworkIcon("cursor_157.cur");
    ASSERT_EQ(read.error, iconfile::IconError::None);
    ASSERT_EQ(read.file.images.size(), 1u);
    const iconfile::IconImage& hand = read.file.images[0];
    EXPECT_EQ(hand.bitCount, 1);
    EXPECT_EQ(hand.hotspotX, 5);
    EXPECT_EQ(hand.hotspotY, 0);
    // The hot spot is a drawn pixel of the topmost row the hand reaches.
    EXPECT_EQ(hand.mask[static_cast<std::size_t>(hand.hotspotY * hand.width + hand.hotspotX)], 0);
    for (int y = 0; y < hand.hotspotY; ++y)
        for (int x = 0; x < hand.width; ++x)
            EXPECT_EQ(hand.mask[static_cast<std::size_t>(y * hand.width + x)], 1) << x << ", " << y;
    // Nothing inverts the screen: clear pixels have colour 0.
    for (std::size_t i = 0; i < hand.mask.size(); ++i) {
        if (hand.mask[i] == 1) {
            EXPECT_EQ(hand.color[i], 0u) << i;
        }
    }
}

TEST(ArtworkFiles, AnimationFramesAreSixDifferentPictures)
{
    std::set<std::vector<std::uint32_t>> frames;
    for (const char* name :
         {"icon_159.ico", "icon_160.ico", "icon_161.ico", "icon_162.ico", "icon_163.ico", "icon_164.ico"}) {
        const iconfile::IconReadResult read = ReadArtworkIcon(name);
        ASSERT_EQ(read.error, iconfile::IconError::None) << name;
        frames.insert(iconfile::ToArgb(read.file.images[0]));
    }
    EXPECT_EQ(frames.size(), 6u);
}

TEST(ArtworkFiles, ImageMagickIdentifiesIconsAndCursor)
{
    const std::string identify = QP_TEST_IM_IDENTIFY;
    if (identify.empty())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    for (const IconCase& c : kIcons) {
        const CommandResult r = RunCommand(identify + " -format '%m %w %h\\n' " + Quote(ArtworkDir() / c.name) + " 2>&1");
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.output;
        std::string expected;
        for (int side : c.sides)
            expected += std::string(c.kind == iconfile::Kind::Cursor ? "CUR " : "ICO ") + std::to_string(side) + " " +
                        std::to_string(side) + "\n";
        EXPECT_EQ(r.output, expected) << c.name;
    }
}

TEST(ArtworkFiles, GeneratorDrawsTheSameBytesAgain)
{
    const std::filesystem::path again = ScratchDir();
    const CommandResult r = RunCommand(std::string(QP_TEST_ARTGEN) + " " + Quote(again) + " 2>&1");
    ASSERT_EQ(r.status, 0) << r.output;
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ArtworkDir())) {
        const std::filesystem::path name = entry.path().filename();
        EXPECT_EQ(ReadFile(again / name), ReadFile(entry.path())) << name;
        ++compared;
    }
    int written = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(again))
        ++written;
    EXPECT_EQ(written, compared);
    EXPECT_EQ(compared, 29); // 17 bitmaps, 9 icons, the cursor, Frame.bmp and Title.bmp
}

} // namespace
