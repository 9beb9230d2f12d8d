// Collects small writes and hands them to a file in large blocks.
#pragma once

#include "core/file_handle.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixkit {

// The first write the file refuses is remembered and later writes are
// dropped; Finish() tells whether every byte arrived.
class BufferedWriter {
public:
    explicit BufferedWriter(const FileHandle& file, std::size_t blockSize = std::size_t{1} << 16);

    void Put(std::uint8_t byte)
    {
        if (m_buffer.size() == m_blockSize)
            Flush();
        m_buffer.push_back(byte);
    }
    void Write(const void* data, std::size_t size);
    bool Finish();

private:
    void Flush();
    void WriteThrough(const std::uint8_t* data, std::size_t size);

    const FileHandle& m_file;
    std::size_t m_blockSize;
    std::vector<std::uint8_t> m_buffer;
    bool m_failed = false;
};

} // namespace pixkit
