// What a complete answer record asks of the client: nothing, a new ticker
// headline, or the announcement that new news was registered.
#pragma once

#include "NewsRecords.h"

#include <string_view>

namespace news {

enum class NewsAction {
    Ignore,       // wrong tag or size, an unknown kind, or an end of batch with no news
    AddHeadline,  // "tickernews": text and link go to the ticker
    AnnounceNews, // "newsend" with a count above 0: tray animation, refresh, pop-up
};

struct NewsDecision {
    NewsAction action = NewsAction::Ignore;
    // For AddHeadline: the fields up to their NUL, pointing into the packet.
    std::string_view text;
    std::string_view link;
};

NewsDecision DecidePacket(const NewsPacket& packet);

} // namespace news
