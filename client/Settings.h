// The client's settings file, "sys.con": the news server's host (line 1),
// the title bitmap's file name (line 2) and the server's port (line 3).
// Plain file reading with no windowing, so it runs anywhere.
#pragma once

#include <cstdio>
#include <string>

namespace client {

inline constexpr const char* kSettingsFileName = "sys.con";
inline constexpr const char* kDefaultTitleBmp = "Title.bmp";
inline constexpr int kDefaultPort = 12348;
// The news server used when the file names none; set at configure time
// (QP_DEFAULT_NEWS_HOST).
extern const char* const kDefaultServerHost;

struct Settings {
    std::string host;
    std::string titleBmp;
    int port = 0;
};

// Reads the settings from `path` (by default "sys.con" in the current
// directory) and fills what is empty, missing or not a positive port with
// the defaults.  Each line that cannot be read writes "fgets error\n" to
// `report`, and reading goes on with the next one.
Settings LoadSettings(const char* path = kSettingsFileName, std::FILE* report = stdout);

// The same from an open stream (read from its current position).
Settings LoadSettings(std::FILE* file, std::FILE* report);

// The port line's number: leading white space, an optional sign, then
// decimal digits up to the first other character; no digits give 0.  A
// number beyond the range of int is held at its nearest end.
int ParsePortLine(const std::string& line);

} // namespace client
