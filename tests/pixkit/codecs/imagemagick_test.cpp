// Cross-checks with ImageMagick 6: files it writes load in pixkit as it
// reads them, and files pixkit writes read in it as the same pixels.
#include "file_bytes.h"
#include "pixkit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#ifndef QP_IMAGEMAGICK_CONVERT
#define QP_IMAGEMAGICK_CONVERT ""
#endif

namespace {

using pixkit_test::Bytes;
using pixkit_test::ReadBytes;
using pixkit_test::WriteBytes;

class ImageMagick : public ::testing::Test {
protected:
    void SetUp() override
    {
        struct stat st {};
        if (std::string(QP_IMAGEMAGICK_CONVERT).empty() || stat(QP_IMAGEMAGICK_CONVERT, &st) != 0)
            GTEST_SKIP() << "ImageMagick's convert is not installed";
    }

    // Runs convert with the arguments; true when it exits 0.
    static bool Convert(const std::string& args)
    {
        const std::string command = std::string(QP_IMAGEMAGICK_CONVERT) + " " + args + " 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }

    // What ImageMagick reads from a file: 8-bit red, green, blue triples,
    // top row first.  ImageMagick 6 keeps a Targa file's rows in file order
    // and only notes the origin the file gives; -auto-orient applies it (and
    // does nothing to formats without one).
    static Bytes Pixels(const std::string& file)
    {
        const std::string command =
            std::string(QP_IMAGEMAGICK_CONVERT) + " " + file + " -auto-orient -depth 8 rgb:- 2>/dev/null";
        Bytes out;
        std::FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return out;
        unsigned char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.insert(out.end(), buffer, buffer + n);
        pclose(pipe);
        return out;
    }

    // pixkit's pixels in the same form.
    static Bytes Pixels(const CDIB& image)
    {
        Bytes out;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x) {
                const COLORREF c = image.GetPixelColor(x, y);
                out.push_back(GetRValue(c));
                out.push_back(GetGValue(c));
                out.push_back(GetBValue(c));
            }
        return out;
    }
};

constexpr int kWidth = 37; // odd: lines and rows of odd length everywhere
constexpr int kHeight = 19;

// A picture of smooth gradients with a few sharp edges.
COLORREF Picture(int x, int y)
{
    if ((x / 9 + y / 5) % 4 == 0)
        return RGB(255, 255, 255);
    return RGB(static_cast<BYTE>(x * 255 / kWidth), static_cast<BYTE>(y * 255 / kHeight),
               static_cast<BYTE>(128 + (x - y) * 2));
}

// The same picture reduced to at most 24 colours, for palette formats.
COLORREF FewColours(int x, int y)
{
    return RGB(static_cast<BYTE>((x % 6) * 51), static_cast<BYTE>((y % 4) * 85), 0xC3);
}

void WritePpm(const std::string& path, COLORREF (*colour)(int, int))
{
    std::string header = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
    Bytes file(header.begin(), header.end());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const COLORREF c = colour(x, y);
            file.push_back(GetRValue(c));
            file.push_back(GetGValue(c));
            file.push_back(GetBValue(c));
        }
    WriteBytes(path, file);
}

double MeanAbsError(const Bytes& a, const Bytes& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(static_cast<int>(a[i]) - static_cast<int>(b[i]));
    return sum / static_cast<double>(a.size());
}

TEST_F(ImageMagick, ItsFilesLoadAsItReadsThem)
{
    WritePpm("im_src.ppm", Picture);
    WritePpm("im_src_few.ppm", FewColours);
    struct Case {
        const char* name;
        const char* args;
        const char* file;
        int (CDIB::*load)(const char*);
        std::size_t planesOffset; // where the file names its layout, checked below
        int layout;
    };
    const Case cases[] = {
        {"24-bit PCX", "im_src.ppm -type TrueColor im_24.pcx", "im_24.pcx", &CDIB::LoadPCX, 65, 3},
        {"8-bit PCX", "im_src_few.ppm -type Palette im_8.pcx", "im_8.pcx", &CDIB::LoadPCX, 65, 1},
        {"uncompressed TGA", "im_src.ppm -compress None im.tga", "im.tga", &CDIB::LoadTGA, 2, 2},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Convert(c.args)) << c.name;
        const Bytes file = ReadBytes(c.file);
        ASSERT_GT(file.size(), c.planesOffset) << c.name;
        ASSERT_EQ(file[c.planesOffset], c.layout) << c.name << ": ImageMagick wrote another layout";
        const Bytes expected = Pixels(c.file);
        ASSERT_EQ(expected.size(), 3u * kWidth * kHeight) << c.name;

        CDIB image;
        ASSERT_EQ((image.*c.load)(c.file), 1) << c.name;
        ASSERT_TRUE(image.IsValid()) << c.name;
        ASSERT_EQ(image.GetWidth(), kWidth) << c.name;
        ASSERT_EQ(image.GetHeight(), kHeight) << c.name;
        EXPECT_EQ(Pixels(image), expected) << c.name;
    }
}

TEST_F(ImageMagick, ItReadsPixkitsFilesAsTheSamePixels)
{
    CDIB truecolour;
    ASSERT_TRUE(truecolour.Create(kWidth, kHeight, 24, nullptr));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            truecolour.SetPixelColor(x, y, Picture(x, y));
    const Bytes picture = Pixels(truecolour);

    ASSERT_EQ(truecolour.SavePCX("pk_24.pcx"), 1);
    EXPECT_EQ(Pixels("pk_24.pcx"), picture) << "24-bit PCX";
    ASSERT_EQ(truecolour.SaveTGA("pk.tga"), 1);
    EXPECT_EQ(Pixels("pk.tga"), picture) << "TGA";

    PALETTEENTRY palette[256] = {};
    for (int i = 0; i < 24; ++i)
        palette[i] = PALETTEENTRY{static_cast<BYTE>((i % 6) * 51), static_cast<BYTE>((i / 6) * 85), 0xC3, 0};
    CDIB indexed;
    ASSERT_TRUE(indexed.Create(kWidth, kHeight, 8, palette));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            indexed.SetPixel(x, y, static_cast<unsigned long>((x % 6) + 6 * (y % 4)));
    ASSERT_EQ(indexed.SavePCX("pk_8.pcx"), 1);
    EXPECT_EQ(Pixels("pk_8.pcx"), Pixels(indexed)) << "8-bit PCX";

    // JPEG is lossy: a smooth picture comes back within a small error.
    CDIB smooth;
    ASSERT_TRUE(smooth.Create(64, 48, 24, nullptr));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            smooth.SetPixelColor(x, y, RGB(static_cast<BYTE>(x * 3), static_cast<BYTE>(40 + y * 4), 150));
    ASSERT_EQ(smooth.SaveJPG("pk.jpg"), 1);
    const Bytes decoded = Pixels("pk.jpg");
    ASSERT_EQ(decoded.size(), 3u * 64 * 48);
    EXPECT_LT(MeanAbsError(decoded, Pixels(smooth)), 3.0);
}

} // namespace
