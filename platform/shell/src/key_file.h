// The desktop's small INI-like text files (mimeapps.list, .desktop files):
// read with a size cap, then looked up by group and key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Larger files are not the small configuration files we read; they are
// ignored rather than read in part.
inline constexpr std::size_t kMaxKeyFileBytes = 256 * 1024;

// The contents of a regular file of at most `maxBytes`, or nothing when it
// is missing, unreadable, not a regular file (a FIFO would block) or larger.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes = kMaxKeyFileBytes);

class KeyFile {
public:
    // Lines are "[Group]", "Key=Value" (blanks around '=' ignored), comments
    // starting with '#' and blank lines; anything else is skipped.
    static KeyFile Parse(std::string_view text);

    // The raw value of `key` in the first group named `group`, when present.
    // A repeated key gives its first value.  Keys are compared exactly, so
    // "Exec" does not match a localised "Exec[ko]".
    std::optional<std::string> Find(std::string_view group, std::string_view key) const;

    bool HasGroup(std::string_view group) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Group {
        std::string name;
        std::vector<Entry> entries;
    };
    const Group* FindGroup(std::string_view group) const;
    std::vector<Group> groups_;
};

// A string value with its escapes resolved: \s space, \n, \t, \r, \\; any
// other backslash stays as it is.
std::string UnescapeValue(std::string_view value);

// A list value split at ';', empty items dropped.
std::vector<std::string> SplitList(std::string_view value);

} // namespace shell
