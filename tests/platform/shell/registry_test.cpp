// The read-only registry: the ".htm" file type and its open command come
// from a fake XDG tree of mimeapps.list and .desktop files.
#include "platform/registry.h"
#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using shelltest::ScopedEnv;
using shelltest::TempDir;
using shelltest::WriteFile;

namespace {

constexpr const char* kHtmlDefault = "[Default Applications]\ntext/html=";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp_.path().empty());
        env_.push_back(std::make_unique<ScopedEnv>("HOME", tmp_ / "home"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", tmp_ / "config"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CONFIG_DIRS", tmp_ / "etc"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_DATA_HOME", tmp_ / "data"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_DATA_DIRS", tmp_ / "usr1" + ":" + tmp_ / "usr2"));
        env_.push_back(std::make_unique<ScopedEnv>("XDG_CURRENT_DESKTOP", std::nullopt));
    }

    void Write(const std::string& rel, const std::string& text) { WriteFile(tmp_ / rel, text); }

    // The default value of a key below HKEY_CLASSES_ROOT, read the way the
    // link opener reads it; nothing when the key cannot be opened.
    static std::optional<std::string> DefaultValue(const std::string& path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != 0)
            return std::nullopt;
        char buffer[260] = {};
        LONG size = sizeof buffer;
        const LONG read = RegQueryValueA(key, nullptr, buffer, &size);
        EXPECT_EQ(RegCloseKey(key), 0);
        if (read != 0)
            return std::nullopt;
        EXPECT_EQ(static_cast<std::size_t>(size), std::string(buffer).size() + 1);
        return std::string(buffer);
    }

    TempDir tmp_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
};

struct HandlerCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files; // below the temporary root
    const char* desktop;                                    // $XDG_CURRENT_DESKTOP, or null
    const char* fileType;                                   // null: no ".htm" key
    const char* command;
};

const HandlerCase kHandlerCases[] = {
    {"url code alone",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "web.desktop\n"},
      {"data/applications/web.desktop", "[Desktop Entry]\nType=Application\nName=Web\nExec=web %u\n"}},
     nullptr, "web", "web \"%1\""},
    {"file code after options",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "org.example.Browser.desktop;\n"},
      {"usr1/applications/org.example.Browser.desktop",
       "[Desktop Entry]\nType=Application\nExec=/opt/browser/bin/browser --new-window %f --private\n"}},
     nullptr, "org.example.Browser", "/opt/browser/bin/browser --new-window \"%1\" --private"},
    {"quoted program and argument",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "spaced.desktop\n"},
      {"data/applications/spaced.desktop",
       "[Desktop Entry]\nType=Application\nExec=\"/opt/My Browser/run\" --profile \"a b\" \"x\\\\\\\\y\" %U\n"}},
     nullptr, "spaced", "\"/opt/My Browser/run\" --profile \"a b\" x\\y \"%1\""},
    {"code inside an argument",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "surf.desktop\n"},
      {"data/applications/surf.desktop", "[Desktop Entry]\nType=Application\nExec=surf --uri=%u\n"}},
     nullptr, "surf", "surf --uri=%1"},
    {"no address code: the address goes last",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "lynx.desktop\n"},
      {"data/applications/lynx.desktop", "[Desktop Entry]\nType=Application\nExec=lynx -nopause\n"}},
     nullptr, "lynx", "lynx -nopause \"%1\""},
    {"percent escape kept, other codes dropped",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "web.desktop\n"},
      {"data/applications/web.desktop",
       "[Desktop Entry]\nType=Application\nIcon=web\nExec=web --zoom=100%% %i %c %k %u\n"}},
     nullptr, "web", "web --zoom=100% \"%1\""},
    {"missing desktop file: the next listed one",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "gone.desktop;second.desktop\n"},
      {"usr2/applications/second.desktop", "[Desktop Entry]\nType=Application\nExec=second %u\n"}},
     nullptr, "second", "second \"%1\""},
    {"broken Exec line: the next listed one",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "broken.desktop;good.desktop\n"},
      {"data/applications/broken.desktop", "[Desktop Entry]\nType=Application\nExec=\"unclosed %u\n"},
      {"data/applications/good.desktop", "[Desktop Entry]\nType=Application\nExec=good %u\n"}},
     nullptr, "good", "good \"%1\""},
    {"ids with a path step or a key separator are skipped",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "../up.desktop;back\\slash.desktop;good.desktop\n"},
      {"data/up.desktop", "[Desktop Entry]\nType=Application\nExec=up %u\n"},
      {"data/applications/back\\slash.desktop", "[Desktop Entry]\nType=Application\nExec=back %u\n"},
      {"data/applications/good.desktop", "[Desktop Entry]\nType=Application\nExec=good %u\n"}},
     nullptr, "good", "good \"%1\""},
    {"hidden user entry shadows the system one",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "web.desktop;other.desktop\n"},
      {"data/applications/web.desktop", "[Desktop Entry]\nType=Application\nHidden=true\nExec=web %u\n"},
      {"usr1/applications/web.desktop", "[Desktop Entry]\nType=Application\nExec=web %u\n"},
      {"usr1/applications/other.desktop", "[Desktop Entry]\nType=Application\nExec=other %u\n"}},
     nullptr, "other", "other \"%1\""},
    {"not an application",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "link.desktop\n"},
      {"data/applications/link.desktop", "[Desktop Entry]\nType=Link\nURL=http://example.com/\n"}},
     nullptr, nullptr, nullptr},
    {"user list beats system lists",
     {{"etc/mimeapps.list", std::string(kHtmlDefault) + "system.desktop\n"},
      {"config/mimeapps.list", std::string(kHtmlDefault) + "mine.desktop\n"},
      {"usr1/applications/system.desktop", "[Desktop Entry]\nType=Application\nExec=system %u\n"},
      {"usr1/applications/mine.desktop", "[Desktop Entry]\nType=Application\nExec=mine %u\n"}},
     nullptr, "mine", "mine \"%1\""},
    {"desktop-specific list first",
     {{"config/mimeapps.list", std::string(kHtmlDefault) + "generic.desktop\n"},
      {"config/xfce-mimeapps.list", std::string(kHtmlDefault) + "xfce.desktop\n"},
      {"usr1/applications/generic.desktop", "[Desktop Entry]\nType=Application\nExec=generic %u\n"},
      {"usr1/applications/xfce.desktop", "[Desktop Entry]\nType=Application\nExec=xfce %u\n"}},
     "XFCE", "xfce", "xfce \"%1\""},
    {"list in the data directories, entry in a vendor subdirectory",
     {{"usr2/applications/mimeapps.list", std::string(kHtmlDefault) + "kde-web.desktop\n"},
      {"usr2/applications/kde/web.desktop", "[Desktop Entry]\nType=Application\nExec=kweb %u\n"}},
     nullptr, "kde-web", "kweb \"%1\""},
    {"other types only",
     {{"config/mimeapps.list", "[Default Applications]\ntext/plain=web.desktop\n[Added Associations]\ntext/html=web.desktop\n"},
      {"data/applications/web.desktop", "[Desktop Entry]\nType=Application\nExec=web %u\n"}},
     nullptr, nullptr, nullptr},
    {"nothing configured", {}, nullptr, nullptr, nullptr},
};

} // namespace

TEST_F(RegistryTest, HtmlHandlerFromTheXdgTree)
{
    for (const HandlerCase& c : kHandlerCases) {
        SCOPED_TRACE(c.name);
        TempDir tree;
        ASSERT_FALSE(tree.path().empty());
        ScopedEnv home("HOME", tree / "home");
        ScopedEnv configHome("XDG_CONFIG_HOME", tree / "config");
        ScopedEnv configDirs("XDG_CONFIG_DIRS", tree / "etc");
        ScopedEnv dataHome("XDG_DATA_HOME", tree / "data");
        ScopedEnv dataDirs("XDG_DATA_DIRS", tree / "usr1" + ":" + tree / "usr2");
        ScopedEnv desktop("XDG_CURRENT_DESKTOP",
                          c.desktop ? std::optional<std::string>(c.desktop) : std::nullopt);
        for (const auto& [rel, text] : c.files)
            WriteFile(tree / rel, text);

        const std::optional<std::string> fileType = DefaultValue(".htm");
        if (c.fileType == nullptr) {
            EXPECT_FALSE(fileType) << *fileType;
            continue;
        }
        ASSERT_TRUE(fileType);
        EXPECT_EQ(*fileType, c.fileType);
        EXPECT_EQ(DefaultValue(*fileType + "\\shell\\open\\command"), std::optional<std::string>(c.command));
    }
}

TEST_F(RegistryTest, UnsafeOrOversizedFilesAreIgnored)
{
    // Relative directories in the variables are ignored, and a list over the
    // size cap is not read at all: only the system list counts.
    ScopedEnv relative("XDG_CONFIG_HOME", std::string("config"));
    Write("home/.config/mimeapps.list", std::string(kHtmlDefault) + std::string(300 * 1024, ' ') + "huge.desktop\n");
    Write("usr1/applications/mimeapps.list", std::string(kHtmlDefault) + "sys.desktop\n");
    Write("usr1/applications/huge.desktop", "[Desktop Entry]\nType=Application\nExec=huge %u\n");
    Write("usr1/applications/sys.desktop", "[Desktop Entry]\nType=Application\nExec=sys %u\n");
    EXPECT_EQ(DefaultValue(".htm"), std::optional<std::string>("sys"));

    // Shrunk under the cap, the home list wins again.
    Write("home/.config/mimeapps.list", std::string(kHtmlDefault) + "huge.desktop\n");
    EXPECT_EQ(DefaultValue(".htm"), std::optional<std::string>("huge"));
}

TEST_F(RegistryTest, FollowsTheDesktopWhileRunning)
{
    Write("data/applications/a.desktop", "[Desktop Entry]\nType=Application\nExec=a %u\n");
    Write("data/applications/b.desktop", "[Desktop Entry]\nType=Application\nExec=b %u\n");
    Write("config/mimeapps.list", std::string(kHtmlDefault) + "a.desktop\n");
    EXPECT_EQ(DefaultValue(".htm"), std::optional<std::string>("a"));
    Write("config/mimeapps.list", std::string(kHtmlDefault) + "b.desktop\n");
    EXPECT_EQ(DefaultValue(".htm"), std::optional<std::string>("b"));
    EXPECT_FALSE(DefaultValue("a\\shell\\open\\command"));
}

TEST_F(RegistryTest, KeyNamesIgnoreCaseAndOtherKeysAreMissing)
{
    Write("config/mimeapps.list", std::string(kHtmlDefault) + "Web.desktop\n");
    Write("data/applications/Web.desktop", "[Desktop Entry]\nType=Application\nExec=web %u\n");
    EXPECT_EQ(DefaultValue(".HTM"), std::optional<std::string>("Web"));
    EXPECT_EQ(DefaultValue("WEB\\Shell\\Open\\Command"), std::optional<std::string>("web \"%1\""));
    for (const char* other : {".html", "Web", "Web\\shell", "http\\shell\\open\\command", ".htm\\x", "\\.htm"})
        EXPECT_FALSE(DefaultValue(other)) << other;
}

TEST_F(RegistryTest, ValueSizesAsPublished)
{
    Write("config/mimeapps.list", std::string(kHtmlDefault) + "web.desktop\n");
    Write("data/applications/web.desktop", "[Desktop Entry]\nType=Application\nExec=web %u\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &key), 0);

    // A null buffer asks for the size, the NUL included.
    LONG size = 0;
    EXPECT_EQ(RegQueryValueA(key, nullptr, nullptr, &size), 0);
    EXPECT_EQ(size, 4);

    // One byte short: ERROR_MORE_DATA, the needed size, the buffer untouched.
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    size = 3;
    EXPECT_EQ(RegQueryValueA(key, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 4);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(8, 'x'));

    // Exactly enough.
    size = 4;
    EXPECT_EQ(RegQueryValueA(key, nullptr, buffer, &size), 0);
    EXPECT_STREQ(buffer, "web");
    EXPECT_EQ(size, 4);

    // A sub key below an open key; the root has no default value.
    EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, "web\\shell\\open\\command", nullptr, &size), 0);
    EXPECT_EQ(size, static_cast<LONG>(sizeof "web \"%1\""));
    EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, nullptr, nullptr, &size), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegQueryValueA(key, nullptr, buffer, nullptr), static_cast<LONG>(ERROR_INVALID_PARAMETER));

    EXPECT_EQ(RegCloseKey(key), 0);
}

TEST_F(RegistryTest, HandlesAndRights)
{
    Write("config/mimeapps.list", std::string(kHtmlDefault) + "web.desktop\n");
    Write("data/applications/web.desktop", "[Desktop Entry]\nType=Application\nExec=web %u\n");

    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_SET_VALUE, &key), static_cast<LONG>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_READ, nullptr), static_cast<LONG>(ERROR_INVALID_PARAMETER));

    // Opening a key again through its handle, then closing both.
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_READ, &key), 0);
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyExA(key, "", 0, KEY_QUERY_VALUE, &again), 0);
    EXPECT_NE(again, key);
    char buffer[16];
    LONG size = sizeof buffer;
    EXPECT_EQ(RegQueryValueA(again, nullptr, buffer, &size), 0);
    EXPECT_STREQ(buffer, "web");
    EXPECT_EQ(RegCloseKey(again), 0);
    EXPECT_EQ(RegCloseKey(key), 0);

    // A closed handle is dead everywhere; the root key cannot be closed away.
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegQueryValueA(key, nullptr, buffer, &size), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegOpenKeyExA(key, nullptr, 0, KEY_READ, &again), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegCloseKey(HKEY_CLASSES_ROOT), 0);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_READ, &key), 0);
    EXPECT_EQ(RegCloseKey(key), 0);
}
