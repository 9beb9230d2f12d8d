#include "NewsAssembler.h"

#include <algorithm>
#include <cstring>

namespace news {

int CNewsAssembler::Feed(const std::uint8_t* data, std::size_t size, const RecordHandler& onRecord)
{
    int records = 0;
    while (size > 0) {
        const std::size_t take = std::min(size, kPacketSize - m_nAssembled);
        std::memcpy(m_assembly.data() + m_nAssembled, data, take);
        m_nAssembled += take;
        data += take;
        size -= take;
        if (m_nAssembled < kPacketSize)
            break;
        // The record is copied out and the buffer emptied before the
        // handler runs, so a handler that feeds more bytes sees a clean
        // state.
        const NewsPacket packet = DecodePacket(m_assembly.data());
        Reset();
        ++records;
        if (onRecord)
            onRecord(packet);
    }
    return records;
}

void CNewsAssembler::Reset()
{
    m_assembly.fill(0);
    m_nAssembled = 0;
}

} // namespace news
