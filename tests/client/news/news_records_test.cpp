// The request's wire bytes and stamps, and the answer record's decoding.
#include "NewsRecords.h"
#include "news_wire.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using news::NewsTime;

TEST(NewsRequest, WireBytesFollowTheRecordLayout)
{
    const auto bytes = news::EncodeRequest(news::MakeRequest("20261211093005"));
    ASSERT_EQ(bytes.size(), 44u);
    const std::uint8_t* b = bytes.data();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b)), "TICKER");
    EXPECT_EQ(b[12], 44);
    EXPECT_EQ(b[13] | b[14] | b[15], 0) << "size is little-endian";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 16)), "tickernews");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 28)), "20261211093005");
    for (std::size_t i : {6u, 7u, 11u, 26u, 27u, 42u, 43u})
        EXPECT_EQ(b[i], 0) << "byte " << i << " after a string's NUL";
}

TEST(NewsRequest, StampsFollowTheFourteenDigitFormat)
{
    struct Case {
        NewsTime time;
        const char* stamp;
        const char* midnight;
    } cases[] = {
        {{2026, 12, 11, 9, 30, 5}, "20261211093005", "20261211000000"},
        {{2027, 1, 2, 23, 59, 59}, "20270102235959", "20270102000000"},
        {{999, 3, 4, 5, 6, 7}, " 9990304050607", " 9990304000000"}, // %4d pads with a blank
        {{30827, 12, 31, 23, 59, 59}, "308271231235959", "308271231000000"}, // the clock's last year: 15 digits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(news::FormatStamp(c.time), c.stamp);
        EXPECT_EQ(news::MidnightStamp(c.time), c.midnight);
    }
}

TEST(NewsRequest, OverlongValuesNeverOverrunTheSinceField)
{
    // Out-of-range values would print more than the field holds: the
    // stamp is cut so the field keeps its NUL and the record its size.
    const NewsTime wild{-2000000000, -5, 123456, 0, 0, 0};
    const std::string stamp = news::FormatStamp(wild);
    EXPECT_EQ(stamp.size(), 15u);
    const auto request = news::MakeRequest(std::string(40, '9'));
    EXPECT_EQ(news::FieldText(request.since), std::string(15, '9'));
    EXPECT_EQ(request.since[15], '\0');
    EXPECT_EQ(news::FieldText(request.kind), "tickernews") << "nothing spilled into the next field";
}

TEST(NewsPacket, DecodesEveryFieldFromItsOffset)
{
    news_test::Wire w;
    w.kind = "newsend";
    w.text = "headline";
    w.link = "http://news.example/1";
    w.newCount = -2;
    w.size = 0x01020304;
    const auto bytes = news_test::Record(w);
    const news::NewsPacket p = news::DecodePacket(bytes.data());
    EXPECT_EQ(news::FieldText(p.tag), "TICKER");
    EXPECT_EQ(p.size, 0x01020304);
    EXPECT_EQ(news::FieldText(p.kind), "newsend");
    EXPECT_EQ(news::FieldText(p.text), "headline");
    EXPECT_EQ(news::FieldText(p.link), "http://news.example/1");
    EXPECT_EQ(p.newCount, -2);
}

TEST(NewsPacket, FieldWithoutNulEndsAtItsOwnEnd)
{
    news_test::Wire w;
    const std::string fullText(512, 'T');
    const std::string fullLink(256, 'L');
    w.tag = "TICKERTICKER";
    w.kind = "tickernewsXX";
    w.text = fullText;
    w.link = fullLink;
    const auto bytes = news_test::Record(w);
    const news::NewsPacket p = news::DecodePacket(bytes.data());
    EXPECT_EQ(news::FieldText(p.tag), "TICKERTICKER");
    EXPECT_EQ(news::FieldText(p.kind), "tickernewsXX");
    EXPECT_EQ(news::FieldText(p.text), fullText);
    EXPECT_EQ(news::FieldText(p.link), fullLink);
}

} // namespace
