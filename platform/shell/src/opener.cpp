#include "opener.h"

#include "command_line.h"
#include "platform/shell.h"
#include "spawn.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <string_view>

namespace shell {

namespace {

bool IsOpenVerb(const char* verb)
{
    if (verb == nullptr)
        return true;
    const std::string_view v(verb);
    if (v.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        char c = v[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != "open"[i])
            return false;
    }
    return true;
}

bool IsDirectory(const char* path)
{
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int OpenerSpawnErrorToResult(int error)
{
    switch (error) {
    case ENOENT: return SE_ERR_NOASSOC; // no opener on this desktop
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    case ENOMEM: return SE_ERR_OOM;
    case EAGAIN: return 0; // out of processes
    default: return SE_ERR_NOASSOC;
    }
}

// ENOENT means the program or a directory on its way is missing; which
// one is told by the directory part of a name with a path.
unsigned ProgramSpawnErrorToResult(int error, const std::string& program)
{
    switch (error) {
    case ENOENT: {
        const std::size_t slash = program.rfind('/');
        if (slash != std::string::npos && slash > 0 && !IsDirectory(program.substr(0, slash).c_str()))
            return ERROR_PATH_NOT_FOUND;
        return ERROR_FILE_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN: return 0;
    default: return ERROR_FILE_NOT_FOUND;
    }
}

} // namespace

int OpenerStatusToResult(int waitStatus)
{
    if (WIFEXITED(waitStatus)) {
        switch (WEXITSTATUS(waitStatus)) {
        case 0: return kShellOpened;
        case 2: return SE_ERR_FNF;
        default: return SE_ERR_NOASSOC;
        }
    }
    return SE_ERR_NOASSOC;
}

int OpenWithDesktop(const char* verb, const char* file, const char* directory, std::chrono::milliseconds wait)
{
    if (!IsOpenVerb(verb))
        return SE_ERR_NOASSOC;
    if (file == nullptr || *file == '\0')
        return SE_ERR_FNF;
    if (directory != nullptr && *directory == '\0')
        directory = nullptr;
    if (directory != nullptr && !IsDirectory(directory))
        return SE_ERR_PNF;

    const SpawnResult child = Spawn({kDesktopOpener, file}, directory);
    if (child.error != 0)
        return OpenerSpawnErrorToResult(child.error);
    const std::optional<int> status = WaitForExit(child, wait);
    // Still running: it has the address and is busy with it.
    return status ? OpenerStatusToResult(*status) : kShellOpened;
}

unsigned RunCommandLine(const char* commandLine)
{
    if (commandLine == nullptr)
        return ERROR_FILE_NOT_FOUND;
    const std::vector<std::string> argv = SplitCommandLine(commandLine);
    if (argv.empty() || argv.front().empty())
        return ERROR_FILE_NOT_FOUND;
    const SpawnResult child = Spawn(argv, nullptr);
    if (child.error != 0)
        return ProgramSpawnErrorToResult(child.error, argv.front());
    return kProgramStarted;
}

} // namespace shell
