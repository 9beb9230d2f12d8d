// What each kind of answer record asks of the client.
#include "NewsDispatch.h"
#include "news_wire.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using news::NewsAction;
using news_test::Wire;

news::NewsDecision Decide(const std::array<std::uint8_t, 800>& bytes, news::NewsPacket& keep)
{
    keep = news::DecodePacket(bytes.data());
    return news::DecidePacket(keep);
}

TEST(NewsDispatch, DecisionForEachKindOfRecord)
{
    struct Case {
        const char* name;
        Wire wire;
        NewsAction action;
    } cases[] = {
        {"headline", Wire{.text = "t", .link = "l"}, NewsAction::AddHeadline},
        {"new news", Wire{.kind = "newsend", .newCount = 1}, NewsAction::AnnounceNews},
        {"much new news", Wire{.kind = "newsend", .newCount = 0x7FFFFFFF}, NewsAction::AnnounceNews},
        {"end with no news", Wire{.kind = "newsend", .newCount = 0}, NewsAction::Ignore},
        {"end with a negative count", Wire{.kind = "newsend", .newCount = -1}, NewsAction::Ignore},
        {"a count on a headline is no news", Wire{.text = "t", .newCount = 5}, NewsAction::AddHeadline},
        {"size 799", Wire{.size = 799}, NewsAction::Ignore},
        {"size 44", Wire{.size = 44}, NewsAction::Ignore},
        {"negative size", Wire{.size = -800}, NewsAction::Ignore},
        {"other tag", Wire{.tag = "TICKET"}, NewsAction::Ignore},
        {"lower-case tag", Wire{.tag = "ticker"}, NewsAction::Ignore},
        {"longer tag", Wire{.tag = "TICKERS"}, NewsAction::Ignore},
        {"tag without NUL", Wire{.tag = "TICKERTICKER"}, NewsAction::Ignore},
        {"empty tag", Wire{.tag = ""}, NewsAction::Ignore},
        {"unknown kind", Wire{.kind = "weather", .newCount = 3}, NewsAction::Ignore},
        {"kind without NUL", Wire{.kind = "tickernewsXY"}, NewsAction::Ignore},
        {"kind in capitals", Wire{.kind = "NEWSEND", .newCount = 3}, NewsAction::Ignore},
    };
    for (const Case& c : cases) {
        news::NewsPacket packet;
        EXPECT_EQ(Decide(news_test::Record(c.wire), packet).action, c.action) << c.name;
    }
}

TEST(NewsDispatch, HeadlineCarriesItsFieldsUpToTheirNul)
{
    news::NewsPacket packet;
    const auto decision = Decide(news_test::Record(Wire{.text = "\xB4\xBA\xBD\xBA headline", .link = "http://a/b?c=1"}), packet);
    ASSERT_EQ(decision.action, NewsAction::AddHeadline);
    EXPECT_EQ(decision.text, "\xB4\xBA\xBD\xBA headline") << "8-bit text passes unchanged";
    EXPECT_EQ(decision.link, "http://a/b?c=1");
}

TEST(NewsDispatch, FieldsWithoutNulStopAtTheirOwnEnd)
{
    // A full headline must not run on into the link, nor a full link into
    // the count.
    const std::string text(512, 'h');
    const std::string link(256, 'k');
    news::NewsPacket packet;
    const auto decision = Decide(news_test::Record(Wire{.text = text, .link = link, .newCount = 0x41414141}), packet);
    ASSERT_EQ(decision.action, NewsAction::AddHeadline);
    EXPECT_EQ(decision.text, text);
    EXPECT_EQ(decision.link, link);
}

TEST(NewsDispatch, TagMatchesUpToItsNul)
{
    // Bytes after the tag's NUL carry no meaning (the wire helper fills
    // them with 0x5A).
    auto bytes = news_test::Record(Wire{.text = "t"});
    bytes[7] = 'Q';
    bytes[11] = 'Z';
    news::NewsPacket packet;
    EXPECT_EQ(Decide(bytes, packet).action, NewsAction::AddHeadline);
}

} // namespace
