// CDIB::LoadJPG and CDIB::SaveJPG on files.
#include "file_bytes.h"
#include "pixkit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

using pixkit_test::Bytes;
using pixkit_test::ReadBytes;
using pixkit_test::WriteBytes;

COLORREF SmoothColour(int x, int y, int w, int h)
{
    return RGB(static_cast<BYTE>(200 - 100 * (x + y) / (w + h)), static_cast<BYTE>(30 + 180 * y / h),
               static_cast<BYTE>(40 + 150 * x / w));
}

void FillSmooth(CDIB& image)
{
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.SetPixelColor(x, y, SmoothColour(x, y, w, h));
}

double MeanAbsError(const CDIB& a, const CDIB& b)
{
    double sum = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const COLORREF p = a.GetPixelColor(x, y);
            const COLORREF q = b.GetPixelColor(x, y);
            sum += std::abs(GetRValue(p) - GetRValue(q)) + std::abs(GetGValue(p) - GetGValue(q)) +
                   std::abs(GetBValue(p) - GetBValue(q));
        }
    return sum / (3.0 * a.GetWidth() * a.GetHeight());
}

void SaveGreyJpeg(const std::string& path, int w, int h)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    Bytes row(static_cast<std::size_t>(w));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < w; ++x)
            row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>((x * 255) / w);
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

TEST(JpegFiles, RoundTripGivesATopDownTwentyFourBitImageCloseToTheOriginal)
{
    CDIB image;
    ASSERT_TRUE(image.Create(45, 30, 24, nullptr));
    FillSmooth(image);
    ASSERT_EQ(image.SaveJPG("jpg_round.jpg"), 1);

    CDIB loaded;
    ASSERT_EQ(loaded.LoadJPG("jpg_round.jpg"), 1);
    EXPECT_EQ(loaded.GetBitCount(), 24);
    ASSERT_EQ(loaded.GetWidth(), 45);
    ASSERT_EQ(loaded.GetHeight(), 30);
    EXPECT_EQ(loaded.GetAddr(0, 0), loaded.GetBits()) << "top-down";
    EXPECT_LT(MeanAbsError(image, loaded), 3.0);
}

TEST(JpegFiles, BottomUpImagesAreSavedTheRightWayUp)
{
    // A bottom-up image, as a TGA load makes: red top half, blue bottom half.
    CDIB image;
    ASSERT_TRUE(image.Create(16, -16, 24, nullptr));
    ASSERT_NE(image.GetAddr(0, 0), image.GetBits());
    image.FillRect(0, 0, 16, 8, RGB(255, 0, 0));
    image.FillRect(0, 8, 16, 16, RGB(0, 0, 255));
    ASSERT_EQ(image.SaveJPG("jpg_bottomup.jpg"), 1);
    CDIB loaded;
    ASSERT_EQ(loaded.LoadJPG("jpg_bottomup.jpg"), 1);
    EXPECT_GT(GetRValue(loaded.GetPixelColor(8, 2)), 200);
    EXPECT_GT(GetBValue(loaded.GetPixelColor(8, 13)), 200);
}

TEST(JpegFiles, WidthFiveDecodesIntoFifteenBytesAndOnePaddingByte)
{
    CDIB image;
    ASSERT_TRUE(image.Create(5, 4, 24, nullptr));
    image.Fill(RGB(0x30, 0x90, 0xC0));
    ASSERT_EQ(image.SaveJPG("jpg_w5.jpg"), 1);
    CDIB loaded;
    ASSERT_EQ(loaded.LoadJPG("jpg_w5.jpg"), 1);
    ASSERT_EQ(loaded.GetPitch(), 16);
    // Every row's 15 pixel bytes are the colour, blue first; the 16th is
    // padding that decoding leaves alone.
    for (int y = 0; y < 4; ++y) {
        const unsigned char* row = loaded.GetBits() + 16 * y;
        for (int x = 0; x < 5; ++x) {
            EXPECT_NEAR(row[3 * x], 0xC0, 3);
            EXPECT_NEAR(row[3 * x + 1], 0x90, 3);
            EXPECT_NEAR(row[3 * x + 2], 0x30, 3);
        }
        EXPECT_EQ(row[15], 0) << "row " << y;
    }
}

TEST(JpegFiles, GreyPicturesLoadWithEqualBlueGreenAndRed)
{
    SaveGreyJpeg("jpg_grey.jpg", 33, 7);
    CDIB loaded;
    ASSERT_EQ(loaded.LoadJPG("jpg_grey.jpg"), 1);
    EXPECT_EQ(loaded.GetBitCount(), 24);
    bool varied = false;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 33; ++x) {
            const unsigned char* p = loaded.GetAddr(x, y);
            ASSERT_EQ(p[0], p[1]);
            ASSERT_EQ(p[1], p[2]);
            varied = varied || p[0] != loaded.GetAddr(0, 0)[0];
        }
    EXPECT_TRUE(varied) << "the ramp survived";
}

TEST(JpegFiles, AFileThatIsNoJpegLeavesTheImageUntouched)
{
    CDIB image;
    ASSERT_TRUE(image.Create(3, 3, 8, nullptr));
    image.SetPixel(1, 1, 77);
    unsigned char* const bits = image.GetBits();

    WriteBytes("jpg_not.jpg", Bytes{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(image.LoadJPG("jpg_not.jpg"), 0);
    EXPECT_EQ(image.LoadJPG("no_such_dir/none.jpg"), 0);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.GetBits(), bits);
    EXPECT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.GetPixel(1, 1), 77u);
}

TEST(JpegFiles, CutOrCorruptFilesFailAfterTheImageIsMade)
{
    CDIB image;
    ASSERT_TRUE(image.Create(128, 96, 24, nullptr));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 128; ++x)
            image.SetPixelColor(
                x, y, RGB(static_cast<BYTE>(x * 37 + y), static_cast<BYTE>(y * 91), static_cast<BYTE>(x ^ y)));
    ASSERT_EQ(image.SaveJPG("jpg_whole.jpg"), 1);
    const Bytes whole = ReadBytes("jpg_whole.jpg");

    Bytes garbled = whole;
    garbled[whole.size() * 2 / 3] = 0xFF;
    garbled[whole.size() * 2 / 3 + 1] = 0xD9;
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"cut in two", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2))},
        {"end marker inside the data", garbled},
    };
    for (const Case& c : cases) {
        WriteBytes("jpg_broken.jpg", c.bytes);
        CDIB loaded;
        EXPECT_EQ(loaded.LoadJPG("jpg_broken.jpg"), 0) << c.name;
        ASSERT_TRUE(loaded.IsValid()) << c.name;
        EXPECT_EQ(loaded.GetWidth(), 128) << c.name;
        EXPECT_EQ(loaded.GetHeight(), 96) << c.name;
        EXPECT_EQ(loaded.GetBitCount(), 24) << c.name;
    }

    // A header cut short fails before anything is made.
    WriteBytes("jpg_broken.jpg", Bytes(whole.begin(), whole.begin() + 100));
    CDIB kept;
    ASSERT_TRUE(kept.Create(2, 2, 32, nullptr));
    EXPECT_EQ(kept.LoadJPG("jpg_broken.jpg"), 0);
    EXPECT_EQ(kept.GetBitCount(), 32);
}

TEST(JpegFiles, SavingConvertsOtherDepthsWhetherOrNotTheFileIsWritten)
{
    for (int bits : {8, 16, 32}) {
        CDIB image;
        ASSERT_TRUE(image.Create(4, 4, bits, nullptr));
        image.Fill(RGB(255, 255, 255));
        EXPECT_EQ(image.SaveJPG("no_such_dir/x.jpg"), 0) << bits;
        EXPECT_EQ(image.GetBitCount(), 24) << bits;
    }
    CDIB image;
    ASSERT_TRUE(image.Create(64, 64, 16, nullptr));
    EXPECT_EQ(image.SaveJPG("/dev/full"), 0);
    EXPECT_EQ(image.GetBitCount(), 24);

    CDIB oneBit;
    ASSERT_TRUE(oneBit.Create(8, 8, 1, nullptr));
    EXPECT_EQ(oneBit.SaveJPG("jpg_1bit.jpg"), 0);
    CDIB empty;
    EXPECT_EQ(empty.SaveJPG("jpg_empty.jpg"), 0);
}

} // namespace
