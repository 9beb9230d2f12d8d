// Desktop entries (.desktop files): whether one is a usable application and
// the command line its Exec key gives, in the platform's command-line form.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The text that stands for the address in a registered open command.
inline constexpr std::string_view kAddressPlaceholder = "%1";

// The Exec value (string escapes already resolved) split into arguments by
// the desktop-entry quoting rules: blanks separate, double quotes group, and
// inside quotes a backslash escapes '"', '`', '$' and '\'.  Field codes:
// %u %U %f %F become `marker` in place, %% becomes %, every other code is
// dropped, and an argument made of dropped codes only disappears.  When no
// address code is present, `marker` is added as a last argument of its own,
// which is what launchers do with such an entry.  Nothing when the value
// is empty, has an unclosed quote or a control character, or names no
// program.
std::optional<std::vector<std::string>> SplitExec(std::string_view exec, char marker);

// The registered open command for a desktop entry: the program and its
// arguments joined by the platform's command-line rules, the address placed
// as "%1" (quoted when it stands alone, as registered commands have it).
// Nothing when the entry is hidden, is not an application or has no usable
// Exec line.
std::optional<std::string> OpenCommandFromDesktopEntry(std::string_view fileText);

} // namespace shell
