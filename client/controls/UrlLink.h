// CUrlLink: opens a web address in the user's browser, through the shell's
// "open" action and, when that fails, through the command line registered
// for opening ".htm" files.  No window and no state: made for one call.
#pragma once

#include "platform/base.h"
#include "platform/registry.h"

#include <functional>

class CUrlLink {
public:
    // Each registry value is read into a buffer of this many bytes, and
    // ReadRegDefault's output must have room for as many.
    static constexpr int kRegValueBuffer = 260;

    CUrlLink();
    virtual ~CUrlLink();

    // Greater than 32 on success (the result of the shell or of the
    // program start); otherwise the error value of the last step tried:
    // the shell's, whenever the registry holds no usable command or the
    // address cannot be put into one.
    int OpenUrl(LPCSTR address, int showCommand);

    // The default value of `subKey` below `root` into `output` (room for
    // kRegValueBuffer bytes); returns the registry's result, 0 on success.
    // On failure `output` is unchanged.  `output` may be the buffer that
    // holds `subKey`.
    LONG ReadRegDefault(HKEY root, LPCSTR subKey, LPSTR output);
};

namespace client {

// The platform calls OpenUrl makes, so that its steps can run against
// stand-ins.
struct UrlOpenCalls {
    std::function<int(LPCSTR address, int showCommand)> shellOpen;
    std::function<LONG(HKEY root, LPCSTR subKey, LPSTR output)> readRegDefault;
    std::function<int(LPCSTR commandLine, int showCommand)> run;
};

// OpenUrl's steps over the given calls.
int OpenUrlThrough(const UrlOpenCalls& calls, LPCSTR address, int showCommand);

} // namespace client
