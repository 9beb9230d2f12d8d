#include "NewsDispatch.h"

namespace news {

NewsDecision DecidePacket(const NewsPacket& packet)
{
    NewsDecision decision;
    if (FieldText(packet.tag) != kTag || packet.size != static_cast<std::int32_t>(kPacketSize))
        return decision;
    const std::string_view kind = FieldText(packet.kind);
    if (kind == kKindNewsEnd) {
        if (packet.newCount > 0)
            decision.action = NewsAction::AnnounceNews;
    } else if (kind == kKindTickerNews) {
        decision.action = NewsAction::AddHeadline;
        decision.text = FieldText(packet.text);
        decision.link = FieldText(packet.link);
    }
    return decision;
}

} // namespace news
