// The desktop's default handler of HTML pages, found by the XDG mime-apps
// rules, as the two registry values that name it.
#pragma once

#include "xdg_dirs.h"

#include <optional>
#include <string>

namespace shell {

struct HtmlHandler {
    std::string fileType;    // the handler's desktop file id without ".desktop"
    std::string openCommand; // its command line, the address as "%1"
};

// mimeapps.list files are read in order of precedence: for each of
// $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, $XDG_DATA_HOME/applications and
// $XDG_DATA_DIRS/applications, first "<desktop>-mimeapps.list" for each
// current desktop, then "mimeapps.list".  The first desktop file id listed
// under [Default Applications] for text/html whose .desktop file is found
// (in $XDG_DATA_HOME/applications, then $XDG_DATA_DIRS/applications; the
// first found shadows the rest) and usable is the handler.
std::optional<HtmlHandler> FindHtmlHandler(const XdgDirs& dirs);

// Where a desktop file id lives below one applications directory: the id
// itself, or with one '-' read as a subdirectory ("kde-foo.desktop" in
// "kde/foo.desktop").
std::optional<std::string> FindDesktopFile(const XdgDirs& dirs, const std::string& desktopId);

} // namespace shell
