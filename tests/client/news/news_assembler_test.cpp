// The answer stream cut into records across reads of any size.
#include "NewsAssembler.h"
#include "news_wire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using news_test::Wire;

struct Assembly : ::testing::Test {
    news::CNewsAssembler assembler;
    std::vector<std::string> headlines; // text of each record handed on, in order

    int Feed(const std::uint8_t* data, std::size_t size)
    {
        return assembler.Feed(data, size, [this](const news::NewsPacket& p) {
            headlines.emplace_back(news::FieldText(p.text));
        });
    }
    int Feed(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count)
    {
        return Feed(bytes.data() + from, count);
    }

    bool RestIsZero() const
    {
        const auto& buf = assembler.Buffer();
        return std::all_of(buf.begin() + static_cast<long>(assembler.Assembled()), buf.end(),
                           [](std::uint8_t b) { return b == 0; });
    }
};

TEST_F(Assembly, RecordSplitAtEveryByteIsHandedOnOnceWhole)
{
    std::vector<std::uint8_t> stream;
    news_test::Append(stream, Wire{.text = "one", .link = "l1"});
    news_test::Append(stream, Wire{.text = "two", .link = "l2"});
    for (std::size_t cut = 1; cut < 800; ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        headlines.clear();
        EXPECT_EQ(Feed(stream, 0, cut), 0);
        EXPECT_EQ(assembler.Assembled(), cut);
        // The rest of the first record and the same cut into the second.
        EXPECT_EQ(Feed(stream, cut, 800), 1);
        EXPECT_EQ(assembler.Assembled(), cut);
        EXPECT_EQ(Feed(stream, 800 + cut, 800 - cut), 1);
        EXPECT_EQ(assembler.Assembled(), 0u);
        EXPECT_EQ(headlines, (std::vector<std::string>{"one", "two"}));
    }
}

TEST_F(Assembly, ReadsOfTheBoundaryCases)
{
    // Edge cases of how a read meets a record boundary: the state after
    // each read, and how many records it completed.
    struct Step {
        std::size_t bytes;
        int records;
        std::size_t assembled;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"three reads make one record", {{300, 0, 300}, {300, 0, 600}, {200, 1, 0}}},
        {"a read past the boundary keeps the rest", {{400, 0, 400}, {500, 1, 100}}},
        {"a read of exactly one record", {{800, 1, 0}}},
        {"several records in one read", {{2450, 3, 50}, {750, 1, 0}}},
        {"a read of nothing changes nothing", {{10, 0, 10}, {0, 0, 10}, {790, 1, 0}}},
    };
    std::vector<std::uint8_t> stream;
    for (int i = 0; i < 5; ++i)
        news_test::Append(stream, Wire{.text = "r"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        assembler.Reset();
        std::size_t at = 0;
        for (const Step& s : c.steps) {
            EXPECT_EQ(Feed(stream, at, s.bytes), s.records) << "after " << at;
            at += s.bytes;
            EXPECT_EQ(assembler.Assembled(), s.assembled);
            EXPECT_TRUE(RestIsZero()) << "no stale bytes behind the gathered ones";
            EXPECT_TRUE(std::equal(stream.begin() + static_cast<long>(at - s.assembled), stream.begin() + static_cast<long>(at),
                                   assembler.Buffer().begin()))
                << "the gathered bytes are the last ones read";
        }
    }
}

TEST_F(Assembly, AnyReadSizesGiveTheSameRecordsInOrder)
{
    std::vector<std::uint8_t> stream;
    std::vector<std::string> sent;
    for (int i = 0; i < 7; ++i) {
        sent.push_back("headline " + std::to_string(i));
        news_test::Append(stream, Wire{.text = sent.back()});
    }
    for (unsigned seed = 1; seed <= 20; ++seed) {
        headlines.clear();
        unsigned state = seed;
        std::size_t at = 0;
        while (at < stream.size()) {
            state = state * 1103515245u + 12345u;
            const std::size_t n = std::min<std::size_t>(1 + (state >> 8) % 1700, stream.size() - at);
            Feed(stream, at, n);
            at += n;
        }
        EXPECT_EQ(headlines, sent) << "seed " << seed;
        EXPECT_EQ(assembler.Assembled(), 0u);
    }
}

TEST_F(Assembly, ResetDropsAnUnfinishedRecord)
{
    std::vector<std::uint8_t> stream;
    news_test::Append(stream, Wire{.text = "stale"});
    news_test::Append(stream, Wire{.text = "fresh"});
    Feed(stream, 0, 500);
    assembler.Reset();
    EXPECT_EQ(assembler.Assembled(), 0u);
    EXPECT_TRUE(RestIsZero());
    EXPECT_EQ(Feed(stream, 800, 800), 1);
    EXPECT_EQ(headlines, std::vector<std::string>{"fresh"});
}

TEST_F(Assembly, HandlerThatReadsAgainAppendsBehindTheWholeRead)
{
    // A handler may run a nested message loop that delivers the next read
    // while bytes of the current one are still to be gathered.
    std::vector<std::uint8_t> stream;
    for (const char* text : {"first", "second", "third"})
        news_test::Append(stream, Wire{.text = text});
    Feed(stream, 0, 400);
    bool nested = false;
    assembler.Feed(stream.data() + 400, 500, [&](const news::NewsPacket& p) {
        headlines.emplace_back(news::FieldText(p.text));
        if (!nested) {
            nested = true;
            Feed(stream, 900, 700);
        }
    });
    EXPECT_EQ(headlines, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(assembler.Assembled(), 0u);
    EXPECT_EQ(Feed(stream, 1600, 800), 1);
    EXPECT_EQ(headlines.back(), "third");
}

} // namespace
