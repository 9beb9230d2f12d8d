// Life of an image: the three creates, Destroy, accessors and the deep copy.
#include "dib_test_support.h"

#include <gtest/gtest.h>

using namespace pixkit_test;

namespace {

TEST(DibLife, NewAndDestroyedObjectsAreEmpty)
{
    CDIB dib;
    auto expectEmpty = [&dib] {
        EXPECT_EQ(dib.IsValid(), 0);
        EXPECT_EQ(dib.IsValidPalette(), 0);
        EXPECT_EQ(dib.GetBitmap(), nullptr);
        EXPECT_EQ(dib.GetBits(), nullptr);
        EXPECT_EQ(dib.GetPalette(), nullptr);
        EXPECT_EQ(dib.GetWidth(), 0);
        EXPECT_EQ(dib.GetHeight(), 0);
        EXPECT_EQ(dib.GetBitCount(), 0);
        EXPECT_EQ(dib.GetBitsSize(), 0);
        EXPECT_EQ(dib.GetInfoSize(), 0);
        EXPECT_EQ(dib.GetAddr(0, 0), nullptr);
        EXPECT_EQ(dib.GetPixel(0, 0), 0u);
    };
    expectEmpty();
    dib.Destroy();
    expectEmpty();

    ASSERT_EQ(dib.Create(5, 4, 8, nullptr), 1);
    EXPECT_EQ(dib.IsValid(), 1);
    EXPECT_EQ(dib.IsValidPalette(), 1);
    dib.Destroy();
    expectEmpty();
    dib.Destroy();
    expectEmpty();
}

TEST(DibLife, CreateFromSizeLaysOutEveryDepth)
{
    struct Case {
        int bits;
        int pitch;    // for width 13
        int infoSize; // header and table
        bool palette;
    } const cases[] = {{1, 4, 48, true},   {4, 8, 104, true},  {8, 16, 1064, true},
                       {16, 28, 40, false}, {24, 40, 40, false}, {32, 52, 40, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        CDIB dib;
        ASSERT_EQ(dib.Create(13, 7, c.bits, nullptr), 1);
        EXPECT_EQ(dib.GetWidth(), 13);
        EXPECT_EQ(dib.GetHeight(), 7);
        EXPECT_EQ(dib.GetBitCount(), c.bits);
        EXPECT_EQ(dib.GetPitch(), c.pitch);
        EXPECT_EQ(dib.GetBitsSize(), c.pitch * 7);
        EXPECT_EQ(dib.GetInfoSize(), c.infoSize);
        EXPECT_EQ(dib.IsValidPalette(), c.palette ? 1 : 0);
        EXPECT_NE(dib.GetBitmap(), nullptr);
        EXPECT_EQ(dib.GetColorNum(), c.bits < 31 ? 1 << c.bits : 0);
    }
}

TEST(DibLife, HeightSignChoosesRowOrder)
{
    CDIB topDown;
    ASSERT_EQ(topDown.Create(3, 2, 24, nullptr), 1);
    EXPECT_EQ(topDown.GetPitch(), 12);
    EXPECT_EQ(topDown.GetBitsSize(), 24);
    EXPECT_EQ(topDown.GetAddr(0, 0), topDown.GetBits());
    EXPECT_EQ(topDown.GetAddr(2, 1), topDown.GetBits() + 12 + 6);

    CDIB bottomUp;
    ASSERT_EQ(bottomUp.Create(3, -2, 24, nullptr), 1);
    EXPECT_EQ(bottomUp.GetHeight(), 2);
    EXPECT_EQ(bottomUp.GetAddr(0, 0), bottomUp.GetBits() + 12);
    EXPECT_EQ(bottomUp.GetAddr(0, 1), bottomUp.GetBits());
}

TEST(DibLife, RefusedHeadersLeaveAnEmptyImage)
{
    struct Case {
        int width;
        int height;
        int bits;
    } const cases[] = {{0, 5, 24}, {5, 0, 24}, {-3, 5, 8}, {5, 5, 0}, {5, 5, -8}, {5, 5, 33}, {5, 5, 7},
                       {5, INT32_MIN, 24}, {INT32_MAX, INT32_MAX, 32}};
    for (const Case& c : cases) {
        CDIB dib;
        ASSERT_EQ(dib.Create(4, 4, 24, nullptr), 1);
        EXPECT_EQ(dib.Create(c.width, c.height, c.bits, nullptr), 0) << c.width << " x " << c.height << " x " << c.bits;
        EXPECT_EQ(dib.IsValid(), 0);
        EXPECT_EQ(dib.GetBits(), nullptr);
    }
}

TEST(DibLife, HeaderBlockTableDecidesPaletteAndInfoSize)
{
    // 8 bits with biClrUsed 0: a full table and a logical palette.
    std::vector<DWORD> colors(256);
    for (DWORD i = 0; i < 256; ++i)
        colors[i] = i * 0x010101;
    CDIB indexed;
    ASSERT_EQ(indexed.Create(MakeBlock(4, 4, 8, BI_RGB, colors)), 1);
    EXPECT_EQ(indexed.GetInfoSize(), 1064);
    EXPECT_EQ(indexed.IsValidPalette(), 1);
    const auto entries = PaletteEntries(indexed.GetPalette());
    ASSERT_EQ(entries.size(), 256u);
    EXPECT_EQ(ColorOf(entries[200]), RGB(200, 200, 200));

    // 16-bit bit fields with biClrUsed 0: three masks and no palette.
    CDIB fields;
    ASSERT_EQ(fields.Create(MakeBlock(4, 4, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F})), 1);
    EXPECT_EQ(fields.GetInfoSize(), 52);
    EXPECT_EQ(fields.IsValidPalette(), 0);

    // The block is adopted even when refused: nothing leaks (checked by the
    // sanitizer build).
    CDIB refused;
    EXPECT_EQ(refused.Create(MakeBlock(4, 4, 8, 1 /* run-length */, colors)), 0);
    EXPECT_EQ(refused.IsValid(), 0);
    EXPECT_EQ(refused.Create(static_cast<BITMAPINFO*>(nullptr)), 0);
}

TEST(DibLife, CreateFromAnotherImageSharesNothing)
{
    const auto palette = DistinctPalette();
    auto original = std::make_unique<CDIB>();
    ASSERT_EQ(original->Create(6, -3, 8, const_cast<PALETTEENTRY*>(palette.data())), 1);
    original->SetPixel(1, 1, 77);

    CDIB copy;
    ASSERT_EQ(copy.Create(original.get()), 1);
    EXPECT_EQ(copy.GetWidth(), 6);
    EXPECT_EQ(copy.GetHeight(), 3);
    EXPECT_EQ(copy.GetInfoSize(), original->GetInfoSize());
    EXPECT_NE(copy.GetBits(), original->GetBits());
    EXPECT_EQ(copy.GetAddr(0, 2), copy.GetBits()); // still bottom-up

    original.reset();
    copy.SetPixel(5, 2, 200);
    EXPECT_EQ(copy.GetPixel(5, 2), 200u);
    EXPECT_EQ(copy.GetPixelColor(5, 2), ColorOf(palette[200]));

    // From itself: the old content goes only after the copy is taken.
    ASSERT_EQ(copy.Create(&copy), 1);
    EXPECT_EQ(copy.GetWidth(), 6);
    EXPECT_EQ(copy.GetIndexColor(9), ColorOf(palette[9]));
}

// Assignment copies header, pixels, bitmap colour table and logical palette,
// so either side can go without harming the other.
TEST(DibLife, AssignmentMakesAnIndependentDeepCopy)
{
    const auto palette = DistinctPalette();
    std::vector<PALETTEENTRY> replaced(256, PALETTEENTRY{10, 20, 30, 0});

    for (const bool destroySource : {true, false}) {
        SCOPED_TRACE(destroySource ? "source destroyed" : "copy destroyed");
        auto source = std::make_unique<CDIB>();
        ASSERT_EQ(source->Create(5, 4, 8, const_cast<PALETTEENTRY*>(palette.data())), 1);
        for (int i = 0; i < 20; ++i)
            source->SetPixel(i % 5, i / 5, static_cast<unsigned long>(i * 11));
        source->SetIndexColor(5, RGB(1, 2, 3));
        source->CreatePalette(replaced.data());

        auto copy = std::make_unique<CDIB>();
        *copy = *source;
        ASSERT_EQ(copy->IsValid(), 1);
        EXPECT_NE(copy->GetBitmap(), source->GetBitmap());
        EXPECT_NE(copy->GetPalette(), source->GetPalette());

        CDIB& survivor = destroySource ? *copy : *source;
        (destroySource ? source : copy).reset();

        EXPECT_EQ(survivor.GetWidth(), 5);
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(survivor.GetPixel(i % 5, i / 5), static_cast<unsigned long>(i * 11));
        EXPECT_EQ(survivor.GetIndexColor(5), RGB(1, 2, 3));
        EXPECT_EQ(survivor.GetIndexColor(6), ColorOf(palette[6]));
        const auto entries = PaletteEntries(survivor.GetPalette());
        ASSERT_EQ(entries.size(), 256u);
        EXPECT_EQ(ColorOf(entries[99]), RGB(10, 20, 30));
        survivor.SetPixel(0, 0, 1);
        EXPECT_EQ(survivor.GetPixel(0, 0), 1u);
    }
}

TEST(DibLife, AssignmentOfEmptyOrPaletteOnlyObjects)
{
    CDIB target;
    ASSERT_EQ(target.Create(4, 4, 24, nullptr), 1);
    CDIB empty;
    target = empty;
    EXPECT_EQ(target.IsValid(), 0);
    EXPECT_EQ(target.IsValidPalette(), 0);

    CDIB paletteOnly;
    const auto palette = DistinctPalette();
    paletteOnly.CreatePalette(const_cast<PALETTEENTRY*>(palette.data()));
    target = paletteOnly;
    EXPECT_EQ(target.IsValid(), 0);
    ASSERT_EQ(target.IsValidPalette(), 1);
    EXPECT_EQ(ColorOf(PaletteEntries(target.GetPalette())[17]), ColorOf(palette[17]));

    CDIB& self = target;
    target = self;
    EXPECT_EQ(target.IsValidPalette(), 1);
}

} // namespace
