// The keys the read-only registry holds below HKEY_CLASSES_ROOT, given the
// desktop's HTML handler.  Plain logic; the API adds handles.
#pragma once

#include "html_handler.h"

#include <optional>
#include <string>
#include <string_view>

namespace shell {

struct RegistryKey {
    std::string path;                        // below HKEY_CLASSES_ROOT, "" for the root
    std::optional<std::string> defaultValue; // nothing when the key has none
};

// "" (the root itself), ".htm" and "<file type>\shell\open\command" exist,
// compared without regard to ASCII case; the two named keys only while
// there is a handler.  Every other path is missing.
std::optional<RegistryKey> ClassesRootKey(std::string_view path, const std::optional<HtmlHandler>& handler);

// `sub` below `parent`, with the key separator between them.
std::string JoinKeyPath(std::string_view parent, std::string_view sub);

} // namespace shell
