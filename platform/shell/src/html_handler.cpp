#include "html_handler.h"

#include "desktop_entry.h"
#include "key_file.h"

#include <sys/stat.h>

#include <string_view>
#include <vector>

namespace shell {

namespace {

constexpr std::string_view kHtmlType = "text/html";
constexpr std::string_view kDesktopSuffix = ".desktop";

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> MimeAppsLists(const XdgDirs& dirs)
{
    std::vector<std::string> bases;
    if (!dirs.configHome.empty())
        bases.push_back(dirs.configHome);
    bases.insert(bases.end(), dirs.configDirs.begin(), dirs.configDirs.end());
    if (!dirs.dataHome.empty())
        bases.push_back(dirs.dataHome + "/applications");
    for (const std::string& d : dirs.dataDirs)
        bases.push_back(d + "/applications");

    std::vector<std::string> lists;
    for (const std::string& base : bases) {
        for (const std::string& desktop : dirs.desktops)
            lists.push_back(base + "/" + desktop + "-mimeapps.list");
        lists.push_back(base + "/mimeapps.list");
    }
    return lists;
}

std::vector<std::string> ApplicationDirs(const XdgDirs& dirs)
{
    std::vector<std::string> out;
    if (!dirs.dataHome.empty())
        out.push_back(dirs.dataHome + "/applications");
    for (const std::string& d : dirs.dataDirs)
        out.push_back(d + "/applications");
    return out;
}

// A desktop file id is a file name, and it becomes a registry key name: no
// path steps, no key separator, no control characters.
bool IsUsableDesktopId(std::string_view id)
{
    if (id.size() <= kDesktopSuffix.size() || !id.ends_with(kDesktopSuffix))
        return false;
    for (const char c : id)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

std::optional<std::string> FindDesktopFile(const XdgDirs& dirs, const std::string& desktopId)
{
    for (const std::string& dir : ApplicationDirs(dirs)) {
        const std::string direct = dir + "/" + desktopId;
        if (IsRegularFile(direct))
            return direct;
        for (std::size_t dash = desktopId.find('-'); dash != std::string::npos; dash = desktopId.find('-', dash + 1)) {
            std::string nested = desktopId;
            nested[dash] = '/';
            if (IsRegularFile(dir + "/" + nested))
                return dir + "/" + nested;
        }
    }
    return std::nullopt;
}

std::optional<HtmlHandler> FindHtmlHandler(const XdgDirs& dirs)
{
    for (const std::string& listPath : MimeAppsLists(dirs)) {
        const std::optional<std::string> text = ReadSmallFile(listPath);
        if (!text)
            continue;
        const std::optional<std::string> value = KeyFile::Parse(*text).Find("Default Applications", kHtmlType);
        if (!value)
            continue;
        for (const std::string& id : SplitList(*value)) {
            if (!IsUsableDesktopId(id))
                continue;
            const std::optional<std::string> path = FindDesktopFile(dirs, id);
            if (!path)
                continue;
            const std::optional<std::string> entry = ReadSmallFile(*path);
            if (!entry)
                continue;
            std::optional<std::string> command = OpenCommandFromDesktopEntry(*entry);
            if (!command)
                continue;
            return HtmlHandler{id.substr(0, id.size() - kDesktopSuffix.size()), std::move(*command)};
        }
    }
    return std::nullopt;
}

} // namespace shell
