// A platform file handle that closes itself, and the two ways the library's
// codecs open files: shared reading of an existing file with the
// sequential-scan hint, and unshared writing of a file created anew.
#pragma once

#include "platform/base.h"

#include <cstdint>

namespace pixkit {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : m_h(h) {}
    ~FileHandle()
    {
        if (IsOpen())
            CloseHandle(m_h);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE Get() const { return m_h; }

    static FileHandle OpenRead(const char* fileName)
    {
        return FileHandle(CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    }
    static FileHandle CreateWrite(const char* fileName)
    {
        return FileHandle(
            CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    // Bytes actually transferred; a short read at the end of the file is not
    // an error.
    DWORD Read(void* buffer, DWORD bytes) const
    {
        DWORD done = 0;
        ReadFile(m_h, buffer, bytes, &done, nullptr);
        return done;
    }
    DWORD Write(const void* buffer, DWORD bytes) const
    {
        DWORD done = 0;
        WriteFile(m_h, buffer, bytes, &done, nullptr);
        return done;
    }
    bool Seek(std::uint32_t offset) const
    {
        LONG high = 0;
        SetLastError(ERROR_SUCCESS);
        return SetFilePointer(m_h, static_cast<LONG>(offset), &high, FILE_BEGIN) != INVALID_SET_FILE_POINTER ||
               GetLastError() == ERROR_SUCCESS;
    }
    // The file's length, 0 when it cannot be had.
    std::uint64_t Size() const
    {
        DWORD high = 0;
        SetLastError(ERROR_SUCCESS);
        const DWORD low = GetFileSize(m_h, &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != ERROR_SUCCESS)
            return 0;
        return (std::uint64_t{high} << 32) | low;
    }

private:
    HANDLE m_h;
};

} // namespace pixkit
