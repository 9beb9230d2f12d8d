// Cross-checks with ImageMagick: files it writes load in pixkit as it reads
// them, and files pixkit writes read back in it as the same pixels.
#include "bmp_builder.h"
#include "dib_test_support.h"

#include <gtest/gtest.h>

#include <map>

using namespace pixkit_test;

namespace {

constexpr int kWidth = 13; // rows need padding at every depth
constexpr int kHeight = 7;

// A picture with a few flat colours and a gradient column every fourth pixel.
std::vector<COLORREF> Picture()
{
    const COLORREF flat[] = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),   RGB(255, 255, 0),
                             RGB(0, 255, 255), RGB(255, 0, 255), RGB(128, 64, 32), RGB(10, 20, 30),
                             RGB(200, 200, 200), RGB(0, 0, 0)};
    std::vector<COLORREF> picture;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            picture.push_back(x % 4 != 0 ? flat[(x * 3 + y * 5) % 10]
                                         : RGB(static_cast<BYTE>(x * 19), static_cast<BYTE>(y * 36),
                                               static_cast<BYTE>(x * y * 7)));
    return picture;
}

void WritePpm(const std::filesystem::path& path, const std::vector<COLORREF>& picture)
{
    const std::string head = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
    Bytes bytes(head.begin(), head.end());
    for (COLORREF c : picture)
        bytes.insert(bytes.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    WriteFile(path, bytes);
}

class ImageMagick : public testing::Test {
protected:
    void SetUp() override
    {
        m_convert = PIXKIT_TEST_IM_CONVERT;
        if (m_convert.empty())
            GTEST_SKIP() << "ImageMagick's convert is not installed";
        m_dir = ScratchDir();
    }

    // Runs convert with these arguments; true when it succeeded.
    bool Convert(const std::string& arguments) const
    {
        return RunCommand(m_convert + " " + arguments + " 2>&1").status == 0;
    }

    // The pixels ImageMagick reads from file, rows from the top.
    std::vector<COLORREF> ReadBack(const std::filesystem::path& file) const
    {
        const CommandResult r = RunCommand(m_convert + " " + Quote(file) + " -depth 8 rgb:-");
        EXPECT_EQ(r.status, 0);
        std::vector<COLORREF> out;
        for (std::size_t i = 0; i + 2 < r.output.size(); i += 3)
            out.push_back(RGB(static_cast<BYTE>(r.output[i]), static_cast<BYTE>(r.output[i + 1]),
                              static_cast<BYTE>(r.output[i + 2])));
        return out;
    }

    std::filesystem::path Path(const std::string& name) const { return m_dir / name; }

    std::string m_convert;
    std::filesystem::path m_dir;
};

// Channel widths of a stored pixel; colours are compared on their top bits,
// as ImageMagick widens 5- and 6-bit channels by repeating their bits and
// pixkit by zero low bits.
struct Widths {
    int r = 8, g = 8, b = 8;
};

void ExpectSameColours(const std::vector<COLORREF>& pixkit, const std::vector<COLORREF>& magick, Widths w)
{
    ASSERT_EQ(pixkit.size(), magick.size());
    auto top = [](BYTE v, int bits) { return v >> (8 - bits) << (8 - bits); };
    for (std::size_t i = 0; i < pixkit.size(); ++i) {
        const COLORREF m = magick[i];
        const COLORREF expected = RGB(static_cast<BYTE>(top(GetRValue(m), w.r)),
                                      static_cast<BYTE>(top(GetGValue(m), w.g)),
                                      static_cast<BYTE>(top(GetBValue(m), w.b)));
        ASSERT_EQ(pixkit[i], expected) << "pixel " << i % kWidth << "," << i / kWidth << std::hex
                                       << ", ImageMagick reads 0x" << m;
    }
}

TEST_F(ImageMagick, ItsFilesLoadAsItReadsThem)
{
    struct Case {
        const char* name;
        std::string options; // between the input and the output file
        int bits;
        Widths widths;
        bool exact; // the file holds the picture without loss
    } const cases[] = {
        {"8-bit palette", "-type Palette -compress None BMP3:", 8, {}, true},
        {"24-bit", "-type TrueColor BMP3:", 24, {}, true},
        {"32-bit v5 bit fields with alpha", "-alpha set -define bmp:format=bmp4 BMP:", 32, {}, true},
        {"16-bit 5-6-5", "-define bmp:subtype=RGB565 BMP:", 16, {5, 6, 5}, false},
        {"16-bit 5-5-5", "-define bmp:subtype=RGB555 BMP:", 16, {5, 5, 5}, false},
    };
    const auto picture = Picture();
    WritePpm(Path("in.ppm"), picture);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = Path("magick.bmp");
        ASSERT_TRUE(Convert(Quote(Path("in.ppm")) + " " + c.options + Quote(file)));
        const auto magick = ReadBack(file);
        if (c.exact) {
            ASSERT_EQ(magick, picture);
        }

        CDIB dib;
        ASSERT_EQ(dib.LoadBMP(file.string().c_str()), 1);
        ASSERT_EQ(dib.IsValid(), 1);
        EXPECT_EQ(dib.GetWidth(), kWidth);
        EXPECT_EQ(dib.GetHeight(), kHeight);
        EXPECT_EQ(dib.GetBitCount(), c.bits);
        ExpectSameColours(Colors(dib), magick, c.widths);
    }
}

TEST_F(ImageMagick, ItsOneAndFourBitFilesLoadWithSizeAndColourTable)
{
    WritePpm(Path("in.ppm"), Picture());
    for (const int bits : {1, 4}) {
        SCOPED_TRACE(bits);
        const auto file = Path("low.bmp");
        ASSERT_TRUE(Convert(Quote(Path("in.ppm")) + " -type Palette -colors " + std::to_string(1 << bits) +
                            " -compress None BMP3:" + Quote(file)));
        const Bytes bytes = ReadFile(file);
        ASSERT_EQ(Get16(bytes, 28), bits);
        const std::uint32_t colors = Get32(bytes, 46) != 0 ? Get32(bytes, 46) : 1u << bits;

        CDIB dib;
        ASSERT_EQ(dib.LoadBMP(file.string().c_str()), 1);
        ASSERT_EQ(dib.IsValid(), 1);
        EXPECT_EQ(dib.GetWidth(), kWidth);
        EXPECT_EQ(dib.GetHeight(), kHeight);
        EXPECT_EQ(dib.GetBitCount(), bits);
        EXPECT_EQ(dib.GetInfoSize(), static_cast<int>(40 + 4 * colors));
        for (std::uint32_t i = 0; i < colors; ++i) {
            const std::size_t at = 54 + 4 * i;
            EXPECT_EQ(dib.GetIndexColor(static_cast<int>(i)), RGB(bytes[at + 2], bytes[at + 1], bytes[at]));
        }
        // Every colour ImageMagick shows is in the table.
        for (COLORREF c : ReadBack(file)) {
            bool found = false;
            for (std::uint32_t i = 0; i < colors && !found; ++i)
                found = dib.GetIndexColor(static_cast<int>(i)) == c;
            ASSERT_TRUE(found) << std::hex << c;
        }
        EXPECT_EQ(dib.GetPixel(5, 3), 0u); // pixel access stops at 8 bits
    }
}

TEST_F(ImageMagick, TopDownFileLoadsAsItReadsIt)
{
    const auto picture = Picture();
    BmpFields f;
    f.width = kWidth;
    f.height = -kHeight;
    f.bitCount = 24;
    const int pitch = 40;
    f.pixels = Bytes(pitch * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const COLORREF c = picture[y * kWidth + x];
            unsigned char* p = &f.pixels[y * pitch + 3 * x];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    const auto file = Path("topdown.bmp");
    WriteFile(file, BuildBmp(f));
    ASSERT_EQ(ReadBack(file), picture);

    CDIB dib;
    ASSERT_EQ(dib.LoadBMP(file.string().c_str()), 1);
    EXPECT_EQ(dib.GetAddr(0, 0), dib.GetBits());
    EXPECT_EQ(Colors(dib), picture);
}

TEST_F(ImageMagick, PixkitFilesReadBackAsTheSamePixels)
{
    const auto picture = Picture();
    // The picture's colours as an 8-bit palette.
    std::map<COLORREF, int> seen;
    std::vector<PALETTEENTRY> palette(256, PALETTEENTRY{0, 0, 0, 0});
    for (COLORREF c : picture)
        if (seen.emplace(c, static_cast<int>(seen.size())).second)
            palette[seen[c]] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
    ASSERT_LE(seen.size(), 256u);

    struct Case {
        const char* name;
        std::function<int(CDIB&, int height)> create;
        Widths widths;
    } const cases[] = {
        {"8-bit", [&](CDIB& d, int h) { return d.Create(kWidth, h, 8, palette.data()); }, {}},
        {"16-bit 5-5-5", [](CDIB& d, int h) { return d.Create(kWidth, h, 16, nullptr); }, {5, 5, 5}},
        {"16-bit 5-6-5 bit fields",
         [](CDIB& d, int h) { return d.Create(MakeBlock(kWidth, -h, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F})); },
         {5, 6, 5}},
        {"24-bit", [](CDIB& d, int h) { return d.Create(kWidth, h, 24, nullptr); }, {}},
        {"32-bit", [](CDIB& d, int h) { return d.Create(kWidth, h, 32, nullptr); }, {}},
    };
    for (const Case& c : cases)
        for (const int height : {kHeight, -kHeight}) { // top-down, bottom-up
            SCOPED_TRACE(testing::Message() << c.name << (height > 0 ? ", top-down" : ", bottom-up"));
            CDIB dib;
            ASSERT_EQ(c.create(dib, height), 1);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    dib.SetPixelColor(x, y, picture[y * kWidth + x]);
            const auto file = Path("pixkit.bmp");
            ASSERT_EQ(dib.SaveBMP(file.string().c_str()), 1);
            const auto mine = Colors(dib);
            ExpectSameColours(mine, ReadBack(file), c.widths);
            if (c.widths.g == 8) {
                EXPECT_EQ(mine, picture);
            }
        }
}

} // namespace
