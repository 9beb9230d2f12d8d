#include "NewsAssembler.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace news {

int CNewsAssembler::Feed(const std::uint8_t* data, std::size_t size, const RecordHandler& onRecord)
{
    std::vector<NewsPacket> complete;
    while (size > 0) {
        const std::size_t take = std::min(size, kPacketSize - m_nAssembled);
        std::memcpy(m_assembly.data() + m_nAssembled, data, take);
        m_nAssembled += take;
        data += take;
        size -= take;
        if (m_nAssembled < kPacketSize)
            break;
        complete.push_back(DecodePacket(m_assembly.data()));
        Reset();
    }
    if (onRecord)
        for (const NewsPacket& packet : complete)
            onRecord(packet);
    return static_cast<int>(complete.size());
}

void CNewsAssembler::Reset()
{
    m_assembly.fill(0);
    m_nAssembled = 0;
}

} // namespace news
