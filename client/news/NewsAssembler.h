// Cuts the answer stream of the news server into consecutive 800-byte
// records.  Reads arrive in any sizes; every record completed by a read is
// handed on in stream order, and the bytes of an unfinished one wait for
// the next read.
#pragma once

#include "NewsRecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace news {

class CNewsAssembler {
public:
    using RecordHandler = std::function<void(const NewsPacket&)>;

    // Takes `size` bytes of the stream (none for a read of nothing) and
    // calls `onRecord` for each record they complete.  Returns how many
    // records that was.  The whole read is taken in before the first
    // handler runs, so a handler that feeds the next read itself appends
    // it behind this one.
    int Feed(const std::uint8_t* data, std::size_t size, const RecordHandler& onRecord);

    // Drops a partly gathered record, as when the stream it came from has
    // ended and a new connection begins.
    void Reset();

    // Bytes gathered towards the record under way, 0 to 799.
    std::size_t Assembled() const { return m_nAssembled; }
    // The gathered bytes; the rest of the buffer is zero.
    const std::array<std::uint8_t, kPacketSize>& Buffer() const { return m_assembly; }

private:
    std::array<std::uint8_t, kPacketSize> m_assembly{};
    // The next free byte of m_assembly is at this index.
    std::size_t m_nAssembled = 0;
};

} // namespace news
