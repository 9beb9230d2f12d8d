// The XDG base directories that hold the desktop's configuration and its
// applications, from the environment with the published defaults.
#pragma once

#include <string>
#include <vector>

namespace shell {

struct XdgDirs {
    std::string configHome;              // $XDG_CONFIG_HOME, default ~/.config
    std::vector<std::string> configDirs; // $XDG_CONFIG_DIRS, default /etc/xdg
    std::string dataHome;                // $XDG_DATA_HOME, default ~/.local/share
    std::vector<std::string> dataDirs;   // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    std::vector<std::string> desktops;   // $XDG_CURRENT_DESKTOP, lower case
};

// Relative paths in the variables are ignored, as the base-directory rules
// ask; an unset or empty variable takes its default.  Without $HOME the
// home defaults are empty and not searched.
XdgDirs XdgDirsFromEnvironment();

} // namespace shell
