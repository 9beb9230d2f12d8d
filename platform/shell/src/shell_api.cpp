// The exported shell calls.
#include "platform/shell.h"

#include "opener.h"

#include <cstdint>

extern "C" {

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR directory, INT)
{
    const int result = shell::OpenWithDesktop(verb, file, directory, shell::kOpenerWait);
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(result));
}

UINT WinExec(LPCSTR commandLine, UINT) { return shell::RunCommandLine(commandLine); }

} // extern "C"
