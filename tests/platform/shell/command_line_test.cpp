// Splitting a command line into arguments, and quoting arguments so that
// the split gives them back.
#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using shell::QuoteArgument;
using shell::QuoteProgramName;
using shell::SplitCommandLine;
using Args = std::vector<std::string>;

struct SplitCase {
    const char* line;
    Args args;
};

TEST(SplitCommandLine, FollowsThePlatformRules)
{
    const SplitCase cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"prog", {"prog"}},
        {"  prog   a\tb  ", {"prog", "a", "b"}},
        // The program name: quotes group, backslashes are plain, even before a quote.
        {"\"C:\\Program Files\\x\" a", {"C:\\Program Files\\x", "a"}},
        {"\"/opt/my app/run\"", {"/opt/my app/run"}},
        {"pro\"g na\"me a", {"prog name", "a"}},
        {"\"dir\\\\\" a", {"dir\\\\", "a"}},
        // Published examples for the later arguments.
        {"p \"abc\" d e", {"p", "abc", "d", "e"}},
        {"p a\\\\b d\"e f\"g h", {"p", "a\\\\b", "de fg", "h"}},
        {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        {"p a\"b\"\" c d", {"p", "ab\" c d"}},
        // Empty quoted arguments survive; an unclosed quote runs to the end.
        {"p \"\" x", {"p", "", "x"}},
        {"p \"open ended", {"p", "open ended"}},
        // Nothing a shell would read means anything here.
        {"p ;rm $(x) `y` | z > w", {"p", ";rm", "$(x)", "`y`", "|", "z", ">", "w"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.args) << "line: " << c.line;
}

TEST(QuoteArgument, SplitGivesEveryArgumentBack)
{
    const Args tricky = {
        "plain", "", "two words", "tab\there", "quote\"inside", "\"", "back\\slash", "trail\\",
        "trail\\\\", "slash before quote\\\"", "\\\\\"", "ends in space ", "a\"b\"\" c", "$(x);`y`",
    };
    std::string line = QuoteProgramName("/opt/my app/prog");
    for (const std::string& a : tricky)
        line += " " + QuoteArgument(a);

    Args expected = {"/opt/my app/prog"};
    expected.insert(expected.end(), tricky.begin(), tricky.end());
    EXPECT_EQ(SplitCommandLine(line), expected) << line;
}

TEST(QuoteArgument, LeavesPlainArgumentsAlone)
{
    EXPECT_EQ(QuoteArgument("--new-window"), "--new-window");
    EXPECT_EQ(QuoteArgument("a\\b"), "a\\b");
    EXPECT_EQ(QuoteArgument("x y"), "\"x y\"");
    EXPECT_EQ(QuoteArgument("a\\ b\\"), "\"a\\ b\\\\\"");
}

TEST(QuoteProgramName, QuotesBlanksAndRefusesQuotes)
{
    EXPECT_EQ(QuoteProgramName("firefox"), "firefox");
    EXPECT_EQ(QuoteProgramName("/opt/a b/c\\"), "\"/opt/a b/c\\\"");
    EXPECT_EQ(SplitCommandLine(QuoteProgramName("/opt/a b/c\\") + " x"), (Args{"/opt/a b/c\\", "x"}));
    EXPECT_EQ(QuoteProgramName("bad\"name"), "");
}
