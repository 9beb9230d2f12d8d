// ShellExecuteA and WinExec start real programs: fake ones at the front of
// PATH that write down the arguments they got.
#include "opener.h"
#include "platform/shell.h"
#include "shell_test_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using shelltest::ReadFile;
using shelltest::ScopedEnv;
using shelltest::SplitNul;
using shelltest::TempDir;
using shelltest::WaitForFile;
using shelltest::WriteFile;
using shelltest::WriteRecorder;
using Args = std::vector<std::string>;

namespace {

int Open(const char* file, const char* verb = "open", const char* directory = nullptr)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(ShellExecuteA(nullptr, verb, file, nullptr, directory, 5)));
}

class ShellExecTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp_.path().empty());
        const char* path = std::getenv("PATH");
        path_ = std::make_unique<ScopedEnv>("PATH", bin() + ":" + (path ? path : "/usr/bin:/bin"));
    }

    std::string bin() const { return tmp_ / "bin"; }
    std::string args() const { return tmp_ / "args"; }

    // The arguments the fake program got, once it has written them.
    std::optional<Args> Recorded() const
    {
        const std::optional<std::string> text = ReadFile(args());
        return text ? std::optional<Args>(SplitNul(*text)) : std::nullopt;
    }

    TempDir tmp_;
    std::unique_ptr<ScopedEnv> path_;
};

} // namespace

TEST_F(ShellExecTest, OpenerGetsTheAddressAsOneArgument)
{
    WriteRecorder(bin() + "/xdg-open", args());
    const std::string pwned = tmp_ / "pwned";
    const std::string hostile[] = {
        "http://example.com/news?id=7&page=2",
        "http://example.com/a b c",
        "http://example.com/\"quoted\" 'single'",
        "http://example.com/;touch " + pwned + ";",
        "http://example.com/$(touch " + pwned + ")",
        "http://example.com/`touch " + pwned + "`",
        "http://example.com/|touch " + pwned + " && touch " + pwned + " > " + pwned,
        "http://example.com/line\nbreak\ttab",
        "http://example.com/\xEB\x89\xB4\xEC\x8A\xA4", // Korean text in UTF-8
    };
    for (const std::string& address : hostile) {
        SCOPED_TRACE(address);
        ::unlink(args().c_str());
        EXPECT_EQ(Open(address.c_str()), shell::kShellOpened);
        EXPECT_EQ(Recorded(), std::optional<Args>(Args{address}));
    }
    EXPECT_FALSE(ReadFile(pwned)) << "a shell read the address";
    EXPECT_TRUE(shelltest::ChildPids().empty()) << "an opener was left uncollected";
}

TEST_F(ShellExecTest, OpenerExitStatusGivesTheResult)
{
    struct {
        int exitCode;
        int result;
    } const cases[] = {
        {0, shell::kShellOpened}, {1, SE_ERR_NOASSOC}, {2, SE_ERR_FNF}, {3, SE_ERR_NOASSOC}, {4, SE_ERR_NOASSOC},
        {77, SE_ERR_NOASSOC},
    };
    for (const auto& c : cases) {
        WriteRecorder(bin() + "/xdg-open", args(), c.exitCode);
        EXPECT_EQ(Open("http://example.com/"), c.result) << "exit " << c.exitCode;
    }
    WriteFile(bin() + "/xdg-open", "#!/bin/sh\nkill -9 $$\n", true);
    EXPECT_EQ(Open("http://example.com/"), SE_ERR_NOASSOC);
}

TEST_F(ShellExecTest, RefusalsStartNothing)
{
    WriteRecorder(bin() + "/xdg-open", args());
    EXPECT_EQ(Open("http://example.com/", "print"), SE_ERR_NOASSOC);
    EXPECT_EQ(Open("http://example.com/", "edit"), SE_ERR_NOASSOC);
    EXPECT_EQ(Open(""), SE_ERR_FNF);
    EXPECT_EQ(Open(nullptr), SE_ERR_FNF);
    EXPECT_EQ(Open("page.htm", "open", (tmp_ / "no such dir").c_str()), SE_ERR_PNF);
    EXPECT_FALSE(Recorded());

    // A null verb and any case of "open" are the same action.
    EXPECT_EQ(Open("x", nullptr), shell::kShellOpened);
    EXPECT_EQ(Open("y", "OPEN"), shell::kShellOpened);
    EXPECT_EQ(Recorded(), std::optional<Args>(Args{"y"}));
}

TEST_F(ShellExecTest, MissingOpenerIsAnError)
{
    ScopedEnv onlyEmpty("PATH", tmp_ / "empty");
    const int result = Open("http://example.com/");
    EXPECT_LE(result, 32);
    EXPECT_EQ(result, SE_ERR_NOASSOC);

    // Found but not runnable.
    WriteFile(tmp_ / "empty/xdg-open", "#!/bin/sh\n", false);
    EXPECT_EQ(Open("http://example.com/"), SE_ERR_ACCESSDENIED);
}

TEST_F(ShellExecTest, OpenerRunsInTheDirectoryAndHoldsNoneOfOurFiles)
{
    WriteRecorder(bin() + "/xdg-open", args());
    const std::string dir = tmp_ / "work dir";
    std::filesystem::create_directories(dir);

    // A descriptor without close-on-exec, as a careless library leaves one.
    const int fd = ::open(tmp_.path().c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::dup2(fd, 57), 57);
    ::close(fd);

    EXPECT_EQ(Open("page.htm", "open", dir.c_str()), shell::kShellOpened);
    ::close(57);
    EXPECT_EQ(ReadFile(args() + ".cwd"), std::optional<std::string>(dir + "\n"));
    const std::optional<std::string> fds = ReadFile(args() + ".fds");
    ASSERT_TRUE(fds);
    EXPECT_EQ(fds->find("57"), std::string::npos) << *fds;
}

TEST_F(ShellExecTest, OpenerStillRunningCountsAsStartedAndIsCollectedLater)
{
    // The opener waits on a FIFO until the test lets it go.
    const std::string gate = tmp_ / "gate";
    ASSERT_EQ(::mkfifo(gate.c_str(), 0600), 0);
    WriteRecorder(bin() + "/xdg-open", args(), 5, "read line < '" + gate + "'\n");

    EXPECT_EQ(shell::OpenWithDesktop("open", "http://example.com/", nullptr, std::chrono::milliseconds(0)),
              shell::kShellOpened);
    ASSERT_TRUE(WaitForFile(args()));
    EXPECT_EQ(shelltest::ChildPids().size(), 1u);

    {
        std::ofstream release(gate);
        release << "go\n";
    }
    EXPECT_TRUE(shelltest::AllChildrenCollected());
}

TEST_F(ShellExecTest, WinExecSplitsTheCommandLineWithoutAShell)
{
    const std::string program = tmp_ / "my browser/run";
    WriteRecorder(program, args());
    const std::string pwned = tmp_ / "pwned";
    const std::string line = "\"" + program + "\" --new-window \"a b\" c\\\"d ;touch " + pwned + " $(touch " + pwned +
                             ") `touch " + pwned + "` http://example.com/x?a=1&b=2";

    EXPECT_EQ(WinExec(line.c_str(), 5), shell::kProgramStarted);
    const std::optional<std::string> text = WaitForFile(args());
    ASSERT_TRUE(text);
    const Args expected = {"--new-window", "a b", "c\"d", ";touch", pwned, "$(touch", pwned + ")",
                           "`touch", pwned + "`", "http://example.com/x?a=1&b=2"};
    EXPECT_EQ(SplitNul(*text), expected);
    EXPECT_FALSE(ReadFile(pwned));
    EXPECT_TRUE(shelltest::AllChildrenCollected());
}

TEST_F(ShellExecTest, WinExecFindsProgramsOnPath)
{
    WriteRecorder(bin() + "/fake-browser", args());
    EXPECT_EQ(WinExec("  fake-browser http://example.com/", 5), shell::kProgramStarted);
    const std::optional<std::string> text = WaitForFile(args());
    ASSERT_TRUE(text);
    EXPECT_EQ(SplitNul(*text), Args{"http://example.com/"});
    EXPECT_TRUE(shelltest::AllChildrenCollected());
}

TEST_F(ShellExecTest, WinExecFailures)
{
    WriteFile(tmp_ / "not-executable", "#!/bin/sh\n", false);
    WriteFile(tmp_ / "no-interpreter-line", "touch " + (tmp_ / "pwned") + "\n", true);
    struct {
        std::string line;
        UINT result;
    } const cases[] = {
        {"", ERROR_FILE_NOT_FOUND},
        {"   ", ERROR_FILE_NOT_FOUND},
        {"no-such-program-anywhere x", ERROR_FILE_NOT_FOUND},
        {tmp_ / "missing-program", ERROR_FILE_NOT_FOUND},
        {tmp_ / "missing-dir/program", ERROR_PATH_NOT_FOUND},
        {tmp_ / "not-executable", ERROR_ACCESS_DENIED},
        // Not even a file without "#!" is handed to a shell.
        {tmp_ / "no-interpreter-line", ERROR_BAD_FORMAT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinExec(c.line.c_str(), 5), c.result) << c.line;
    EXPECT_EQ(WinExec(nullptr, 5), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(ReadFile(tmp_ / "pwned"));
}
