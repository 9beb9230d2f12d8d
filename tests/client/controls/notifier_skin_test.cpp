// The notifier's shape from its skin pixels: key pixels cut out, only whole
// groups of four columns read, short pixel data refused.
#include "NotifierSkin.h"

#include <gtest/gtest.h>

using namespace notifier;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

SkinPixels Skin(int width, int height, COLORREF fill)
{
    SkinPixels skin;
    skin.width = width;
    skin.height = height;
    for (int i = 0; i < width * height; ++i) {
        skin.bgr.push_back(GetBValue(fill));
        skin.bgr.push_back(GetGValue(fill));
        skin.bgr.push_back(GetRValue(fill));
    }
    return skin;
}

void Paint(SkinPixels& skin, int x, int y, COLORREF color)
{
    const std::size_t at = (static_cast<std::size_t>(y) * skin.width + x) * 3;
    skin.bgr[at] = GetBValue(color);
    skin.bgr[at + 1] = GetGValue(color);
    skin.bgr[at + 2] = GetRValue(color);
}

} // namespace

TEST(NotifierSkin, OnlyWholeGroupsOfFourColumnsAreRead)
{
    struct Case {
        int width, readable;
    } cases[] = {{200, 200}, {201, 200}, {203, 200}, {204, 204}, {3, 0}, {0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadableSkinWidth(c.width), c.readable) << c.width;
}

TEST(NotifierSkin, KeyPixelsAreCutOutOfTheSkinsRectangle)
{
    SkinPixels skin = Skin(8, 4, RGB(20, 40, 60));
    // Notches in the top and bottom edges, and one pixel inside.
    Paint(skin, 0, 0, kMagenta);
    Paint(skin, 1, 0, kMagenta);
    Paint(skin, 7, 3, kMagenta);
    Paint(skin, 4, 2, kMagenta);
    Paint(skin, 5, 2, RGB(255, 0, 254)); // near the key is not the key

    HRGN region = RegionFromSkinPixels(skin, kMagenta);
    ASSERT_NE(region, nullptr);
    int inside = 0;
    for (int y = -1; y <= 4; ++y)
        for (int x = -1; x <= 8; ++x) {
            const bool key = (y == 0 && x < 2) || (x == 7 && y == 3) || (x == 4 && y == 2);
            const bool want = x >= 0 && x < 8 && y >= 0 && y < 4 && !key;
            EXPECT_EQ(PtInRegion(region, x, y) != 0, want) << x << "," << y;
            inside += want;
        }
    EXPECT_EQ(inside, 28);
    DeleteObject(region);
}

TEST(NotifierSkin, NothingToCutGivesNoRegion)
{
    EXPECT_EQ(RegionFromSkinPixels(SkinPixels{}, kMagenta), nullptr);
    SkinPixels shortData = Skin(8, 4, RGB(1, 2, 3));
    shortData.bgr.resize(shortData.bgr.size() - 1);
    EXPECT_EQ(RegionFromSkinPixels(shortData, kMagenta), nullptr) << "pixel data shorter than its size";
    EXPECT_EQ(ReadSkinPixels(nullptr).width, 0);
}
