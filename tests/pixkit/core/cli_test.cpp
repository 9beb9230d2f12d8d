// The pixkit command-line tool, run as a program.
#include "dib_test_support.h"

#include <gtest/gtest.h>

using namespace pixkit_test;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Pixkit(const std::string& arguments, const std::filesystem::path& dir)
{
    const auto errFile = dir / "stderr.txt";
    const CommandResult r = RunCommand(std::string(PIXKIT_TEST_CLI) + " " + arguments + " 2>" + Quote(errFile));
    const Bytes err = ReadFile(errFile);
    return {r.status, r.output, std::string(err.begin(), err.end())};
}

TEST(PixkitCli, InfoDescribesAnImage)
{
    const auto dir = ScratchDir();
    CDIB dib;
    ASSERT_EQ(dib.Create(13, 7, 8, nullptr), 1);
    ASSERT_EQ(dib.SaveBMP((dir / "in.bmp").string().c_str()), 1);

    const CliRun r = Pixkit("info " + Quote(dir / "in.bmp"), dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* line : {"size: 13 x 7\n", "depth: 8 bits per pixel\n", "rows: top-down\n",
                             "compression: none\n", "colour table: 256 entries\n", "logical palette: 256 entries\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << " missing from:\n" << r.out;

    CDIB fields;
    ASSERT_EQ(fields.Create(MakeBlock(4, 3, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F})), 1);
    ASSERT_EQ(fields.SaveBMP((dir / "fields.bmp").string().c_str()), 1);
    const CliRun f = Pixkit("info " + Quote(dir / "fields.bmp"), dir);
    EXPECT_EQ(f.status, 0) << f.err;
    for (const char* line : {"rows: bottom-up\n", "compression: bit fields (red 0xf800, green 0x7e0, blue 0x1f)\n",
                             "colour table: 0 entries\n", "logical palette: none\n"})
        EXPECT_NE(f.out.find(line), std::string::npos) << line << " missing from:\n" << f.out;
}

TEST(PixkitCli, ConvertWritesTheSamePixels)
{
    const auto dir = ScratchDir();
    CDIB dib;
    ASSERT_EQ(dib.Create(5, -3, 24, nullptr), 1);
    for (int i = 0; i < 15; ++i)
        dib.SetPixelColor(i % 5, i / 5, RGB(static_cast<BYTE>(i * 16), 7, 200));
    ASSERT_EQ(dib.SaveBMP((dir / "in.bmp").string().c_str()), 1);

    const CliRun r = Pixkit("convert " + Quote(dir / "in.bmp") + " " + Quote(dir / "OUT.BMP"), dir);
    ASSERT_EQ(r.status, 0) << r.err;
    CDIB back;
    ASSERT_EQ(back.LoadBMP((dir / "OUT.BMP").string().c_str()), 1);
    EXPECT_EQ(Colors(back), Colors(dib));
}

TEST(PixkitCli, FailuresSayWhyAndExitNonZero)
{
    const auto dir = ScratchDir();
    WriteFile(dir / "text.bmp", Bytes{'h', 'e', 'l', 'l', 'o', '\n'});
    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 24, nullptr), 1);
    ASSERT_EQ(dib.SaveBMP((dir / "ok.bmp").string().c_str()), 1);

    struct Case {
        std::string arguments;
        int status;
        const char* message; // part of what stderr says
    } const cases[] = {
        {"info " + Quote(dir / "missing.bmp"), 1, "cannot open"},
        {"info " + Quote(dir / "text.bmp"), 1, "is not a BMP image"},
        {"info " + Quote(dir / "ok.xyz"), 2, "cannot tell the format"},
        {"convert " + Quote(dir / "missing.bmp") + " " + Quote(dir / "out.bmp"), 1, "cannot open"},
        {"convert " + Quote(dir / "ok.bmp") + " " + Quote(dir / "no dir" / "out.bmp"), 1, "cannot write"},
        {"convert " + Quote(dir / "ok.bmp") + " " + Quote(dir / "out.xyz"), 2, "cannot tell the format"},
        {"", 2, "usage:"},
        {"info", 2, "usage:"},
        {"frobnicate " + Quote(dir / "ok.bmp"), 2, "usage:"},
        {"convert " + Quote(dir / "ok.bmp"), 2, "usage:"},
    };
    for (const Case& c : cases) {
        const CliRun r = Pixkit(c.arguments, dir);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << " said: " << r.err;
        EXPECT_EQ(r.out, "") << c.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
}

} // namespace
