#include "registry_keys.h"

namespace shell {

namespace {

constexpr std::string_view kHtmKey = ".htm";
constexpr std::string_view kOpenCommandSuffix = "\\shell\\open\\command";

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::string JoinKeyPath(std::string_view parent, std::string_view sub)
{
    if (parent.empty())
        return std::string(sub);
    if (sub.empty())
        return std::string(parent);
    std::string path(parent);
    path += '\\';
    path += sub;
    return path;
}

std::optional<RegistryKey> ClassesRootKey(std::string_view path, const std::optional<HtmlHandler>& handler)
{
    if (path.empty())
        return RegistryKey{"", std::nullopt};
    if (!handler)
        return std::nullopt;
    if (SameName(path, kHtmKey))
        return RegistryKey{std::string(path), handler->fileType};
    if (SameName(path, handler->fileType + std::string(kOpenCommandSuffix)))
        return RegistryKey{std::string(path), handler->openCommand};
    return std::nullopt;
}

} // namespace shell
