// The pixkit tool's codec rows and colour commands, run as a program.
#include "file_bytes.h"
#include "pixkit.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <sys/wait.h>

namespace {

using pixkit_test::Bytes;
using pixkit_test::ReadBytes;
using pixkit_test::WriteBytes;

// The tool's exit status; its output is dropped.
int Pixkit(const std::string& arguments)
{
    const std::string command = std::string(PIXKIT_TEST_CLI) + " " + arguments + " >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A 24-bit picture of many colours, saved as the BMP file given.  Each test
// uses files of its own: ctest runs them in parallel in one directory.
void SavePicture(CDIB& image, const char* file)
{
    ASSERT_TRUE(image.Create(24, 16, 24, nullptr));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            image.SetPixelColor(x, y,
                                RGB(static_cast<BYTE>(x * 10), static_cast<BYTE>(y * 15), static_cast<BYTE>(x * y)));
    ASSERT_EQ(image.SaveBMP(file), 1);
}

TEST(PixkitCliCodecs, ConvertsBetweenFormatsByExtension)
{
    CDIB picture;
    SavePicture(picture, "clif_in.bmp");
    struct Case {
        const char* file;
        int (CDIB::*load)(const char*);
    };
    const Case cases[] = {
        {"clif_out.pcx", &CDIB::LoadPCX}, {"clif_out.tga", &CDIB::LoadTGA}, {"CLIF_OUT.TGA", &CDIB::LoadTGA}};
    for (const Case& c : cases) {
        ASSERT_EQ(Pixkit(std::string("convert clif_in.bmp ") + c.file), 0) << c.file;
        CDIB back;
        ASSERT_EQ((back.*c.load)(c.file), 1) << c.file;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(back.GetPixelColor(x, y), picture.GetPixelColor(x, y)) << c.file;
    }
    for (const char* jpeg : {"clif_out.jpg", "clif_out.jpeg"}) {
        ASSERT_EQ(Pixkit(std::string("convert clif_in.bmp ") + jpeg), 0) << jpeg;
        CDIB back;
        EXPECT_EQ(back.LoadJPG(jpeg), 1) << jpeg;
        EXPECT_EQ(back.GetWidth(), 24) << jpeg;
    }
}

TEST(PixkitCliCodecs, ConvertDepthAndQuantize)
{
    CDIB picture;
    SavePicture(picture, "clid_in.bmp");
    struct Case {
        std::string arguments;
        int bits;
    };
    const Case cases[] = {
        {"convert --depth 16 clid_in.bmp clid_depth.bmp", 16},
        {"convert --depth 32 clid_in.bmp clid_depth.bmp", 32},
        {"convert --depth 8 clid_in.bmp clid_depth.bmp", 8},
        {"convert --depth 24 clid_in.bmp clid_depth.bmp", 24}, // already 24: kept as it is
        {"quantize clid_in.bmp clid_depth.bmp", 8},
    };
    for (const Case& c : cases) {
        std::remove("clid_depth.bmp");
        ASSERT_EQ(Pixkit(c.arguments), 0) << c.arguments;
        CDIB back;
        ASSERT_EQ(back.LoadBMP("clid_depth.bmp"), 1) << c.arguments;
        EXPECT_EQ(back.GetBitCount(), c.bits) << c.arguments;
    }
}

TEST(PixkitCliCodecs, PaletteFilesAreWrittenAndUsed)
{
    CDIB picture;
    SavePicture(picture, "clip_in.bmp");
    // A 24-bit image has no palette: the tool makes one by median cut.
    ASSERT_EQ(Pixkit("palette clip_in.bmp cli.pal"), 0);
    CDIB reference;
    ASSERT_EQ(reference.LoadBMP("clip_in.bmp"), 1);
    reference.CreatePaletteMedianCut();
    ASSERT_EQ(reference.SavePalette("clip_reference.pal"), 1);
    EXPECT_EQ(ReadBytes("cli.pal"), ReadBytes("clip_reference.pal"));
    EXPECT_EQ(ReadBytes("cli.pal").size(), 1024u);

    // Two colours only: every pixel of the result is one of them.
    Bytes pal(1024, 0);
    pal[4] = 255; // entry 1: red; entry 0 and the rest: black
    WriteBytes("clip_two.pal", pal);
    ASSERT_EQ(Pixkit("quantize --palette clip_two.pal clip_in.bmp clip_two.bmp"), 0);
    CDIB two;
    ASSERT_EQ(two.LoadBMP("clip_two.bmp"), 1);
    ASSERT_EQ(two.GetBitCount(), 8);
    std::set<COLORREF> colours;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            colours.insert(two.GetPixelColor(x, y));
    EXPECT_EQ(colours, (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 0, 0)}));
}

TEST(PixkitCliCodecs, MalformedCommandLinesAreUsageErrors)
{
    CDIB picture;
    SavePicture(picture, "clim_in.bmp");
    for (const char* arguments :
         {"convert --depth 7 clim_in.bmp clim_x.bmp", "convert --depth clim_in.bmp clim_x.bmp",
          "convert --palette clim_in.bmp clim_x.bmp", "quantize clim_in.bmp", "quantize --bogus clim_in.bmp clim_x.bmp",
          "palette --palette a.pal clim_in.bmp b.pal"})
        EXPECT_EQ(Pixkit(arguments), 2) << arguments;
    EXPECT_EQ(Pixkit("quantize no_such.bmp clim_x.bmp"), 1);
    EXPECT_EQ(Pixkit("quantize --palette no_such.pal clim_in.bmp clim_x.bmp"), 1);
}

} // namespace
