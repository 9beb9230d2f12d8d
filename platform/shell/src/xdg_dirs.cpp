#include "xdg_dirs.h"

#include <cstdlib>
#include <string_view>

namespace shell {

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string HomeDefault(const char* relative)
{
    const std::string home = Env("HOME");
    return IsAbsolute(home) ? home + "/" + relative : std::string();
}

std::string DirVariable(const char* name, const char* homeRelative)
{
    const std::string v = Env(name);
    return IsAbsolute(v) ? v : HomeDefault(homeRelative);
}

std::vector<std::string> DirListVariable(const char* name, std::string_view fallback)
{
    std::string value = Env(name);
    if (value.empty())
        value = fallback;
    std::vector<std::string> dirs;
    std::string_view rest = value;
    while (!rest.empty()) {
        const std::size_t end = rest.find(':');
        const std::string_view item = rest.substr(0, end);
        if (IsAbsolute(item))
            dirs.emplace_back(item);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return dirs;
}

} // namespace

XdgDirs XdgDirsFromEnvironment()
{
    XdgDirs dirs;
    dirs.configHome = DirVariable("XDG_CONFIG_HOME", ".config");
    dirs.configDirs = DirListVariable("XDG_CONFIG_DIRS", "/etc/xdg");
    dirs.dataHome = DirVariable("XDG_DATA_HOME", ".local/share");
    dirs.dataDirs = DirListVariable("XDG_DATA_DIRS", "/usr/local/share:/usr/share");

    const std::string desktopVariable = Env("XDG_CURRENT_DESKTOP");
    std::string_view desktops = desktopVariable;
    while (!desktops.empty()) {
        const std::size_t end = desktops.find(':');
        std::string name(desktops.substr(0, end));
        for (char& c : name)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        // The name becomes part of a file name; one with a slash names none.
        if (!name.empty() && name.find('/') == std::string::npos)
            dirs.desktops.push_back(std::move(name));
        desktops.remove_prefix(end == std::string_view::npos ? desktops.size() : end + 1);
    }
    return dirs;
}

} // namespace shell
