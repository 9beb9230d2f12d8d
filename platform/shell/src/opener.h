// What ShellExecuteA and WinExec do, with the platform's result values.
#pragma once

#include <chrono>
#include <string>

namespace shell {

// The program the desktop opens files and addresses with.
inline constexpr const char* kDesktopOpener = "xdg-open";

// How long "open" waits for the opener's exit status.  xdg-open hands the
// address to the handler and ends at once on every desktop that has a
// launcher service; on others it may run the browser itself, and then the
// user-interface thread is held no longer than this.
inline constexpr std::chrono::milliseconds kOpenerWait{1000};

// The ShellExecuteA result that stands for success.
inline constexpr int kShellOpened = 42;
// The WinExec result that stands for success.
inline constexpr unsigned kProgramStarted = 33;

// ShellExecuteA's work: verb null or "open" (any case), file not empty,
// directory (if any) an existing directory; then the opener is started with
// the file as its one argument and given `wait` to report.
int OpenWithDesktop(const char* verb, const char* file, const char* directory, std::chrono::milliseconds wait);

// The result for an opener that ended with this raw wait status: exit 0 is
// success; xdg-open's 2 (file missing) gives SE_ERR_FNF; 1 (syntax), 3 (no
// tool), 4 (action failed), any other code or a signal give SE_ERR_NOASSOC.
int OpenerStatusToResult(int waitStatus);

// WinExec's work: split, start, map the failure.
unsigned RunCommandLine(const char* commandLine);

} // namespace shell
