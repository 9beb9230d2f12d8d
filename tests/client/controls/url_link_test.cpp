// CUrlLink on the real shell and registry: a fake xdg-open at the front of
// PATH, a fake XDG tree whose default HTML handler is a fake browser.
#include "UrlLink.h"
#include "platform/shell.h"
#include "shell_test_support.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
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

const std::string kAddress = "http://news.example.kr/view.php?id=42&c=1";

class UrlLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp_.path().empty());
        const char* path = std::getenv("PATH");
        env_.push_back(std::make_unique<ScopedEnv>("PATH", bin() + ":" + (path ? path : "/usr/bin:/bin")));
        env_.push_back(std::make_unique<ScopedEnv>("HOME", tmp_ / "home"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", tmp_ / "config"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CONFIG_DIRS", tmp_ / "etc"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_DATA_HOME", tmp_ / "data"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_DATA_DIRS", tmp_ / "usr"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CURRENT_DESKTOP", std::nullopt));
    }

    std::string bin() const { return tmp_ / "bin"; }
    std::string openerArgs() const { return tmp_ / "opener-args"; }
    std::string browserArgs() const { return tmp_ / "browser-args"; }
    std::string browser() const { return tmp_ / "My Browser/run"; }

    void Opener(int exitCode) { WriteRecorder(bin() + "/xdg-open", openerArgs(), exitCode); }

    // The desktop's default HTML handler: the fake browser, with `execArgs`
    // after the program on its Exec line.
    void Handler(const std::string& execArgs)
    {
        WriteRecorder(browser(), browserArgs());
        WriteFile(tmp_ / "config/mimeapps.list", "[Default Applications]\ntext/html=fake-browser.desktop\n");
        WriteFile(tmp_ / "data/applications/fake-browser.desktop",
                  "[Desktop Entry]\nType=Application\nName=Fake\nExec=\"" + browser() + "\" " + execArgs + "\n");
    }

    TempDir tmp_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
};

} // namespace

TEST_F(UrlLinkTest, TheShellOpensTheAddress)
{
    Opener(0);
    Handler("%u");
    CUrlLink link;
    EXPECT_EQ(link.OpenUrl(kAddress.c_str(), 5), 42);
    const std::optional<std::string> got = ReadFile(openerArgs());
    ASSERT_TRUE(got);
    EXPECT_EQ(SplitNul(*got), Args{kAddress});
}

TEST_F(UrlLinkTest, FallsBackToTheRegisteredBrowser)
{
    struct {
        const char* name;
        int openerExit; // -1: no opener on PATH at all
    } const cases[] = {{"opener finds no tool", 3}, {"opener fails", 4}, {"no opener", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::unlink(browserArgs().c_str());
        ::unlink((bin() + "/xdg-open").c_str());
        if (c.openerExit >= 0)
            Opener(c.openerExit);
        Handler("--new-window %u --private");

        CUrlLink link;
        EXPECT_EQ(link.OpenUrl(kAddress.c_str(), 5), 33);
        // The options after the placeholder are dropped, the address is one argument.
        const std::optional<std::string> got = WaitForFile(browserArgs());
        ASSERT_TRUE(got);
        EXPECT_EQ(SplitNul(*got), (Args{"--new-window", kAddress}));
    }
    EXPECT_TRUE(shelltest::AllChildrenCollected());
}

TEST_F(UrlLinkTest, ShellErrorWhenTheFallbackCannotRun)
{
    Opener(2); // SE_ERR_FNF
    CUrlLink link;
    // No handler registered.
    EXPECT_EQ(link.OpenUrl(kAddress.c_str(), 5), SE_ERR_FNF);

    // A handler, but addresses that would bring their own arguments.
    Handler("%u");
    for (const char* hostile : {"http://x/\" --remote-debugging-port=9222 \"", "http://x/a --gpu-launcher=evil",
                                "--gpu-launcher=evil"})
        EXPECT_EQ(link.OpenUrl(hostile, 5), SE_ERR_FNF) << hostile;
    EXPECT_EQ(link.OpenUrl(nullptr, 5), SE_ERR_FNF);
}

TEST_F(UrlLinkTest, ReadRegDefault)
{
    Handler("%u");
    CUrlLink link;
    char buffer[CUrlLink::kRegValueBuffer];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(link.ReadRegDefault(HKEY_CLASSES_ROOT, ".htm", buffer), 0);
    EXPECT_STREQ(buffer, "fake-browser");

    // The name and the value share one buffer.
    std::strcat(buffer, "\\shell\\open\\command");
    EXPECT_EQ(link.ReadRegDefault(HKEY_CLASSES_ROOT, buffer, buffer), 0);
    EXPECT_EQ(std::string(buffer), "\"" + browser() + "\" \"%1\"");

    // A missing key, or a value longer than the buffer: the error, the output untouched.
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(link.ReadRegDefault(HKEY_CLASSES_ROOT, ".html", buffer), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '#'));
    Handler("--profile=" + std::string(300, 'p') + " %u");
    EXPECT_EQ(link.ReadRegDefault(HKEY_CLASSES_ROOT, "fake-browser\\shell\\open\\command", buffer), ERROR_MORE_DATA);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '#'));
}
