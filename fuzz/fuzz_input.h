// The loaders take file names: each input is written to an anonymous
// in-memory file and handed over by its /proc path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace pixkit_fuzz {

class InputFile {
public:
    InputFile() : m_fd(memfd_create("pixkit-fuzz-input", 0))
    {
        if (m_fd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }

    // Replaces the file's content with the input and returns its name.
    const char* Hold(const std::uint8_t* data, std::size_t size)
    {
        if (ftruncate(m_fd, 0) != 0)
            std::abort();
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = pwrite(m_fd, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<std::size_t>(n);
        }
        return m_path.c_str();
    }

private:
    int m_fd;
    std::string m_path;
};

// One per target process.
inline InputFile& Input()
{
    static InputFile file;
    return file;
}

} // namespace pixkit_fuzz
