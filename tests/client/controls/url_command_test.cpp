// The link opener's string work and its steps, without the platform.
#include "UrlCommand.h"
#include "UrlLink.h"
#include "command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

using client::BuildOpenCommand;
using client::IsAddressFitForCommandLine;
using client::kUrlCommandBuffer;

namespace {

const std::string kAddress = "http://news.example.kr/view.php?id=42&c=1";
constexpr int kShellNoAssociation = 31;

struct CommandCase {
    const char* name;
    std::string registered;
    std::optional<std::string> command;
};

} // namespace

TEST(BuildOpenCommand, PutsTheAddressWhereThePlaceholderWas)
{
    const CommandCase cases[] = {
        {"quoted placeholder after a space: program, the space, then the bare address",
         "\"/opt/My Browser/run\" --new-window \"%1\"", "\"/opt/My Browser/run\" --new-window " + kAddress},
        {"unquoted placeholder: the options after it are dropped", "browser %1 --private --profile x",
         "browser " + kAddress},
        {"no placeholder: the address follows the last character directly", "browser -url", "browser -url" + kAddress},
        {"quoted placeholder wins over an earlier bare one", "browser --x=%1 \"%1\" -y", "browser --x=%1 " + kAddress},
        {"placeholder inside an argument", "surf --uri=%1", "surf --uri=" + kAddress},
        {"UTF-8 in the command", "\"/opt/\xEB\xB8\x8C\xEB\x9D\xBC\xEC\x9A\xB0\xEC\xA0\x80/run\" \"%1\"",
         "\"/opt/\xEB\xB8\x8C\xEB\x9D\xBC\xEC\x9A\xB0\xEC\xA0\x80/run\" " + kAddress},
        {"empty registered command", "", std::nullopt},
        {"nothing before the quoted placeholder", "\"%1\" --x", std::nullopt},
        {"only blanks before the placeholder", " \t %1", std::nullopt},
    };
    for (const CommandCase& c : cases)
        EXPECT_EQ(BuildOpenCommand(c.registered, kAddress), c.command) << c.name;
}

TEST(BuildOpenCommand, RefusesWhatDoesNotFitTheBuffer)
{
    const std::string registered = "browser \"%1\"";
    const std::size_t room = kUrlCommandBuffer - 1 - std::strlen("browser ");
    const std::string fits = "http://x/" + std::string(room - 9, 'a');
    ASSERT_EQ(std::strlen("browser ") + fits.size() + 1, kUrlCommandBuffer);
    const std::optional<std::string> command = BuildOpenCommand(registered, fits);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->size() + 1, kUrlCommandBuffer);
    EXPECT_EQ(*command, "browser " + fits);

    // One byte more is refused rather than cut into another address.
    EXPECT_FALSE(BuildOpenCommand(registered, fits + "b"));
    // The limit counts the kept part of the command too.
    EXPECT_FALSE(BuildOpenCommand("browser2 \"%1\"", fits));
}

TEST(BuildOpenCommand, TheAddressStaysOneArgument)
{
    // Addresses from the network, split the way the started program splits
    // its command line: whatever is accepted arrives as one argument.
    const std::string registered = "\"/opt/My Browser/run\" --new-window \"%1\" --private";
    const std::string accepted[] = {
        kAddress,
        "http://x/;rm$(id)`id`|cat>y&z",
        "http://x/\\\\server\\share\\",
        "http://x/'single'",
        "http://x/%22%20encoded%22",
        "http://x/\xED\x95\x9C\xEA\xB8\x80",
    };
    for (const std::string& address : accepted) {
        const std::optional<std::string> command = BuildOpenCommand(registered, address);
        ASSERT_TRUE(command) << address;
        EXPECT_EQ(shell::SplitCommandLine(*command),
                  (std::vector<std::string>{"/opt/My Browser/run", "--new-window", address}))
            << *command;
    }

    // Anything that would split the address, end it or make it an option is
    // refused.
    const std::string refused[] = {
        "",
        "http://x/\" --remote-debugging-port=9222 \"",
        "http://x/a b",
        "http://x/a\tb",
        "http://x/a\nb",
        "http://x/a\rb",
        "http://x/\x7F",
        "--gpu-launcher=evil",
        "-private",
    };
    for (const std::string& address : refused) {
        EXPECT_FALSE(IsAddressFitForCommandLine(address)) << address;
        EXPECT_FALSE(BuildOpenCommand(registered, address)) << address;
    }
}

namespace {

// Stand-ins for the platform calls, recording what OpenUrl asked of them.
struct FakePlatform {
    int shellResult = 0;
    std::map<std::string, std::string> registry; // key below HKEY_CLASSES_ROOT -> default value
    int runResult = 33;
    std::vector<std::string> shellOpened;
    std::vector<std::string> keysRead;
    std::vector<std::string> ran;

    client::UrlOpenCalls Calls()
    {
        return {
            [this](LPCSTR address, int show) {
                EXPECT_EQ(show, 5);
                shellOpened.emplace_back(address ? address : "(null)");
                return shellResult;
            },
            [this](HKEY root, LPCSTR subKey, LPSTR output) -> LONG {
                EXPECT_EQ(root, HKEY_CLASSES_ROOT);
                keysRead.emplace_back(subKey);
                const auto it = registry.find(subKey);
                if (it == registry.end())
                    return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
                std::memcpy(output, it->second.c_str(), it->second.size() + 1);
                return static_cast<LONG>(ERROR_SUCCESS);
            },
            [this](LPCSTR commandLine, int show) {
                EXPECT_EQ(show, 5);
                ran.emplace_back(commandLine);
                return runResult;
            },
        };
    }
};

} // namespace

TEST(OpenUrlSteps, OnlyResultsAbove32AreSuccess)
{
    struct {
        int shellResult;
        bool fallback;
    } const cases[] = {{0, true}, {2, true}, {31, true}, {32, true}, {33, false}, {42, false}};
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.shellResult = c.shellResult;
        platform.registry = {{".htm", "web"}, {"web\\shell\\open\\command", "web \"%1\""}};
        const int result = client::OpenUrlThrough(platform.Calls(), kAddress.c_str(), 5);
        EXPECT_EQ(platform.shellOpened, std::vector<std::string>{kAddress});
        if (c.fallback) {
            EXPECT_EQ(result, 33) << c.shellResult;
            EXPECT_EQ(platform.keysRead, (std::vector<std::string>{".htm", "web\\shell\\open\\command"}));
            EXPECT_EQ(platform.ran, std::vector<std::string>{"web " + kAddress});
        } else {
            EXPECT_EQ(result, c.shellResult);
            EXPECT_TRUE(platform.keysRead.empty());
            EXPECT_TRUE(platform.ran.empty());
        }
    }
}

TEST(OpenUrlSteps, FailedFallbackGivesTheShellsError)
{
    struct {
        const char* name;
        std::map<std::string, std::string> registry;
        std::string address;
    } const cases[] = {
        {"no .htm key", {}, kAddress},
        {"no open command", {{".htm", "web"}}, kAddress},
        {"empty open command", {{".htm", "web"}, {"web\\shell\\open\\command", ""}}, kAddress},
        {"address with a quote", {{".htm", "web"}, {"web\\shell\\open\\command", "web \"%1\""}}, "http://x/\"a"},
        {"address too long",
         {{".htm", "web"}, {"web\\shell\\open\\command", "web \"%1\""}},
         "http://x/" + std::string(kUrlCommandBuffer, 'a')},
        // The type name plus "\shell\open\command" would overflow the key buffer.
        {"file type name too long", {{".htm", std::string(250, 't')}}, kAddress},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.shellResult = kShellNoAssociation;
        platform.registry = c.registry;
        EXPECT_EQ(client::OpenUrlThrough(platform.Calls(), c.address.c_str(), 5), kShellNoAssociation) << c.name;
        EXPECT_TRUE(platform.ran.empty()) << c.name;
    }
}

TEST(OpenUrlSteps, ProgramStartFailureIsReturned)
{
    FakePlatform platform;
    platform.shellResult = 31;
    platform.runResult = 2;
    platform.registry = {{".htm", "web"}, {"web\\shell\\open\\command", "web %1"}};
    EXPECT_EQ(client::OpenUrlThrough(platform.Calls(), kAddress.c_str(), 5), 2);
    EXPECT_EQ(platform.ran, std::vector<std::string>{"web " + kAddress});
}
