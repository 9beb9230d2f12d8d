#include "codecs/buffered_writer.h"

#include <algorithm>

namespace pixkit {

BufferedWriter::BufferedWriter(const FileHandle& file, std::size_t blockSize)
    : m_file(file), m_blockSize(std::max<std::size_t>(blockSize, 1))
{
    m_buffer.reserve(m_blockSize);
}

void BufferedWriter::Write(const void* data, std::size_t size)
{
    const auto* in = static_cast<const std::uint8_t*>(data);
    if (m_buffer.size() + size > m_blockSize)
        Flush();
    if (size >= m_blockSize)
        WriteThrough(in, size);
    else
        m_buffer.insert(m_buffer.end(), in, in + size);
}

bool BufferedWriter::Finish()
{
    Flush();
    return !m_failed;
}

void BufferedWriter::Flush()
{
    WriteThrough(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
}

void BufferedWriter::WriteThrough(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kMaxCall = std::size_t{1} << 30;
    while (size > 0 && !m_failed) {
        const auto chunk = static_cast<DWORD>(std::min(size, kMaxCall));
        if (m_file.Write(data, chunk) != chunk)
            m_failed = true;
        data += chunk;
        size -= chunk;
    }
}

} // namespace pixkit
