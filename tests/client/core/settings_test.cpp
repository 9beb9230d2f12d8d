// The settings file: three lines read through an 80-byte buffer, defaults
// for what is empty or missing, the port read like atoi.
#include "Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ReadAll(std::FILE* f)
{
    std::rewind(f);
    std::string text;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    return text;
}

struct Outcome {
    client::Settings settings;
    std::string report;
};

Outcome LoadFromText(const std::string& contents)
{
    const std::string path = "settings_test.con";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << contents;
    }
    File report(std::tmpfile());
    Outcome outcome{client::LoadSettings(path.c_str(), report.get()), ReadAll(report.get())};
    std::remove(path.c_str());
    return outcome;
}

TEST(Settings, FileContentsGiveTheirValuesOrTheDefaults)
{
    const std::string host = client::kDefaultServerHost;
    const std::string hundred = std::string(79, 'h') + std::string(21, 't');
    struct Case {
        const char* name;
        std::string contents;
        std::string host;
        std::string titleBmp;
        int port;
        int fgetsErrors;
    } cases[] = {
        {"three lines", "news.example.org\nSkin.bmp\n4000\n", "news.example.org", "Skin.bmp", 4000, 0},
        {"no final line feed", "h\nt.bmp\n4000", "h", "t.bmp", 4000, 0},
        {"port of letters", "h\nt\nabc\n", "h", "t", 12348, 0},
        {"port zero", "h\nt\n0\n", "h", "t", 12348, 0},
        {"negative port", "h\nt\n-5\n", "h", "t", 12348, 0},
        {"number then letters", "h\nt\n123abc\n", "h", "t", 123, 0},
        {"blanks and sign before the port", "h\nt\n \t+80x\n", "h", "t", 80, 0},
        {"digits beyond int hold at the top", "h\nt\n99999999999999999999\n", "h", "t", 2147483647, 0},
        {"blanks and tabs stay in the values", " h \n\tt.bmp\t\n1\n", " h ", "\tt.bmp\t", 1, 0},
        {"empty first line", "\nt.bmp\n5\n", host, "t.bmp", 5, 0},
        {"one line only", "only.host\n", "only.host", "Title.bmp", 12348, 2},
        {"empty file", "", host, "Title.bmp", 12348, 3},
        {"a 100-byte first line spills into the next", hundred + "\nreal.bmp\n777\n", std::string(79, 'h'),
         std::string(21, 't'), 12348, 0},
        {"a line of exactly 79 bytes ends in its line feed's read", std::string(79, 'x') + "\nt\n9\n",
         std::string(79, 'x'), "", 12348, 0},
        {"Windows line ends", "h\r\nt.bmp\r\n81\r\n", "h", "t.bmp", 81, 0},
        {"lines after the third are not read", "h\nt\n1\nextra\n", "h", "t", 1, 0},
    };
    for (const auto& c : cases) {
        const Outcome o = LoadFromText(c.contents);
        // A 79-byte line leaves its line feed to a read of its own, which
        // gives an empty title, then the default.
        const std::string title = c.titleBmp.empty() ? "Title.bmp" : c.titleBmp;
        EXPECT_EQ(o.settings.host, c.host) << c.name;
        EXPECT_EQ(o.settings.titleBmp, title) << c.name;
        EXPECT_EQ(o.settings.port, c.port) << c.name;
        std::string errors;
        for (int i = 0; i < c.fgetsErrors; ++i)
            errors += "fgets error\n";
        EXPECT_EQ(o.report, errors) << c.name;
    }
}

TEST(Settings, AMissingFileGivesEveryDefaultSilently)
{
    File report(std::tmpfile());
    const client::Settings s = client::LoadSettings("no-such-directory/sys.con", report.get());
    EXPECT_EQ(s.host, client::kDefaultServerHost);
    EXPECT_FALSE(s.host.empty());
    EXPECT_EQ(s.titleBmp, "Title.bmp");
    EXPECT_EQ(s.port, 12348);
    EXPECT_EQ(ReadAll(report.get()), "");
}

TEST(Settings, TheDefaultNameIsSysConInTheCurrentDirectory)
{
    {
        std::ofstream out("sys.con", std::ios::trunc);
        out << "from.cwd\nTitle2.bmp\n9000\n";
    }
    const client::Settings s = client::LoadSettings();
    std::remove("sys.con");
    EXPECT_EQ(s.host, "from.cwd");
    EXPECT_EQ(s.titleBmp, "Title2.bmp");
    EXPECT_EQ(s.port, 9000);
}

TEST(Settings, PortLineReadsLikeAtoi)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},          {"42", 42},       {"  42", 42},          {"\t\v\f\r 7", 7}, {"-12", -12}, {"+12", 12},
        {"+-1", 0},       {"4 2", 4},       {"0x10", 0},           {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},    {"2147483647", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(client::ParsePortLine(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
