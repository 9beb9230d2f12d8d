// The shell calls that open things for the user: ShellExecuteA hands a file
// or an address to the desktop's opener, WinExec starts a command line.
// Neither goes through a command shell: arguments reach the started
// program exactly as given, so no text can be read as a command.
#pragma once

#include "platform/base.h"
#include "platform/registry.h"
#include "platform/shell_export.h"

// ShellExecuteA results at or below 32 are errors.  The values are the
// published ones; SE_ERR_DLLNOTFOUND is 32, which is why only results above
// 32 mean success.
inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_PNF = 3;
inline constexpr int SE_ERR_ACCESSDENIED = 5;
inline constexpr int SE_ERR_OOM = 8;
inline constexpr int SE_ERR_SHARE = 26;
inline constexpr int SE_ERR_ASSOCINCOMPLETE = 27;
inline constexpr int SE_ERR_DDETIMEOUT = 28;
inline constexpr int SE_ERR_DDEFAIL = 29;
inline constexpr int SE_ERR_DDEBUSY = 30;
inline constexpr int SE_ERR_NOASSOC = 31;
inline constexpr int SE_ERR_DLLNOTFOUND = 32;

// WinExec results at or below 31 are errors (0: out of resources).
inline constexpr UINT ERROR_PATH_NOT_FOUND = 3;
inline constexpr UINT ERROR_BAD_FORMAT = 11;

extern "C" {
// verb "open" (any case) or null: the desktop's opener (`xdg-open`, found on
// PATH) is started with `file` as its one argument, in `directory` when one
// is given.  The call waits a moment for the opener's exit status
// (xdg-open normally hands over and ends at once): an opener that ends with
// an error gives the matching error value, one that is still running then
// counts as started.  `parameters` and `show` are not used: the opener takes
// exactly one argument and the desktop decides how the result is shown.
// Success gives a value above 32 (42), to be read as an integer.
PLATFORM_SHELL_API HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                           LPCSTR directory, INT show);

// Splits `commandLine` into arguments by the platform's command-line rules
// (double quotes group, backslashes escape only before a quote; the program
// name takes quotes but no escapes), finds the program on PATH unless it
// names a path, and starts it.  Returns 33 once it has started, otherwise 0,
// ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED or
// ERROR_BAD_FORMAT.  `show` is not used.
PLATFORM_SHELL_API UINT WinExec(LPCSTR commandLine, UINT show);
}
