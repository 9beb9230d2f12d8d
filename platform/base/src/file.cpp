// Kernel file calls on POSIX descriptors.  A file handle is the descriptor
// plus one, so that descriptor 0 never looks like a null handle.
#include "platform/base.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

DWORD ErrorFromErrno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

HANDLE HandleFromFd(int fd) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1); }

// -1 when the handle names no open descriptor.
int FdFromHandle(HANDLE h)
{
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return -1;
    const std::intptr_t v = reinterpret_cast<std::intptr_t>(h) - 1;
    if (v < 0 || v > INT_MAX)
        return -1;
    const int fd = static_cast<int>(v);
    return fcntl(fd, F_GETFD) == -1 ? -1 : fd;
}

} // namespace

extern "C" {

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, SECURITY_ATTRIBUTES*,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE)
{
    if (fileName == nullptr || *fileName == '\0') {
        t_lastError = ERROR_INVALID_PARAMETER;
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC;
    const bool wantRead = (desiredAccess & GENERIC_READ) != 0;
    const bool wantWrite = (desiredAccess & GENERIC_WRITE) != 0;
    if (wantRead && wantWrite)
        flags |= O_RDWR;
    else if (wantWrite)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;

    switch (creationDisposition) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT | O_TRUNC;
        break;
    case OPEN_EXISTING:
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        flags |= O_TRUNC;
        break;
    default:
        t_lastError = ERROR_INVALID_PARAMETER;
        return INVALID_HANDLE_VALUE;
    }

    const int fd = open(fileName, flags, 0666);
    if (fd < 0) {
        t_lastError = ErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    // Directories open read-only on POSIX but are not files to a caller here.
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        t_lastError = ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    // Sharing is advisory on this platform: a writer that shares nothing takes
    // an exclusive lock, a reader that shares reading takes a shared one.  A
    // lock that cannot be had is not fatal, as no other program honours them.
    if (wantWrite && (shareMode & (FILE_SHARE_READ | FILE_SHARE_WRITE)) == 0)
        (void)flock(fd, LOCK_EX | LOCK_NB);
    else if (wantRead && !wantWrite)
        (void)flock(fd, LOCK_SH | LOCK_NB);
    if (flagsAndAttributes & FILE_FLAG_SEQUENTIAL_SCAN)
        (void)posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    t_lastError = ERROR_SUCCESS;
    return HandleFromFd(fd);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, DWORD* bytesRead, OVERLAPPED*)
{
    if (bytesRead)
        *bytesRead = 0;
    const int fd = FdFromHandle(file);
    if (fd < 0 || (buffer == nullptr && bytesToRead != 0)) {
        t_lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    DWORD total = 0;
    auto* out = static_cast<char*>(buffer);
    while (total < bytesToRead) {
        const ssize_t n = read(fd, out + total, bytesToRead - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            t_lastError = ErrorFromErrno(errno);
            if (bytesRead)
                *bytesRead = total;
            return FALSE;
        }
        if (n == 0)
            break; // end of file: a short read is success, as on the real call
        total += static_cast<DWORD>(n);
    }
    if (bytesRead)
        *bytesRead = total;
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, DWORD* bytesWritten, OVERLAPPED*)
{
    if (bytesWritten)
        *bytesWritten = 0;
    const int fd = FdFromHandle(file);
    if (fd < 0 || (buffer == nullptr && bytesToWrite != 0)) {
        t_lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    DWORD total = 0;
    const auto* in = static_cast<const char*>(buffer);
    while (total < bytesToWrite) {
        const ssize_t n = write(fd, in + total, bytesToWrite - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            t_lastError = ErrorFromErrno(errno);
            if (bytesWritten)
                *bytesWritten = total;
            return FALSE;
        }
        total += static_cast<DWORD>(n);
    }
    if (bytesWritten)
        *bytesWritten = total;
    return TRUE;
}

DWORD GetFileSize(HANDLE file, DWORD* fileSizeHigh)
{
    const int fd = FdFromHandle(file);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0) {
        t_lastError = ERROR_INVALID_HANDLE;
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (fileSizeHigh)
        *fileSizeHigh = static_cast<DWORD>(size >> 32);
    else if (size > 0xFFFFFFFEull)
        return INVALID_FILE_SIZE;
    return static_cast<DWORD>(size);
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod)
{
    const int fd = FdFromHandle(file);
    if (fd < 0) {
        t_lastError = ERROR_INVALID_HANDLE;
        return INVALID_SET_FILE_POINTER;
    }
    off_t offset = distance;
    if (distanceHigh)
        offset = static_cast<off_t>((static_cast<std::uint64_t>(static_cast<DWORD>(*distanceHigh)) << 32) |
                                    static_cast<DWORD>(distance));
    int whence = SEEK_SET;
    if (moveMethod == FILE_CURRENT)
        whence = SEEK_CUR;
    else if (moveMethod == FILE_END)
        whence = SEEK_END;
    const off_t pos = lseek(fd, offset, whence);
    if (pos < 0) {
        t_lastError = ErrorFromErrno(errno);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh)
        *distanceHigh = static_cast<LONG>(static_cast<std::uint64_t>(pos) >> 32);
    t_lastError = ERROR_SUCCESS;
    return static_cast<DWORD>(pos);
}

BOOL CloseHandle(HANDLE object)
{
    const int fd = FdFromHandle(object);
    if (fd < 0) {
        t_lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    close(fd);
    return TRUE;
}

BOOL DeleteFileA(LPCSTR fileName)
{
    if (fileName == nullptr || unlink(fileName) != 0) {
        t_lastError = fileName ? ErrorFromErrno(errno) : ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    return TRUE;
}

DWORD GetLastError() { return t_lastError; }

void SetLastError(DWORD error) { t_lastError = error; }

} // extern "C"
