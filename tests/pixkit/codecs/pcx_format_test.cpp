// The PCX run-length code, header and load plan, without any image.
#include "codecs/pcx_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace pixkit {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const Bytes& line)
{
    Bytes out;
    EncodePcxLine(line.data(), static_cast<int>(line.size()), 1, out);
    return out;
}

Bytes Repeat(std::uint8_t value, std::size_t n) { return Bytes(n, value); }


struct EncodeCase {
    const char* name;
    Bytes line;
    Bytes code;
};

TEST(PcxLineCode, EncodesRunsLiteralsAndEscapes)
{
    const EncodeCase cases[] = {
        {"100 equal bytes split 63 + 37", Repeat(0x10, 100), {0xFF, 0x10, 0xE5, 0x10}},
        {"exactly 63", Repeat(0x42, 63), {0xFF, 0x42}},
        {"64 leaves a lone last byte", Repeat(0x42, 64), {0xFF, 0x42, 0x42}},
        {"lone high byte is escaped", {0xC5}, {0xC1, 0xC5}},
        {"lone 0xC0 is escaped", {0xC0}, {0xC1, 0xC0}},
        {"lone 0xBF is literal", {0xBF}, {0xBF}},
        {"lone low byte", {0x10}, {0x10}},
        {"two equal bytes", {0x10, 0x10}, {0xC2, 0x10}},
        {"mixed", {1, 2, 2, 0xFF, 3}, {1, 0xC2, 2, 0xC1, 0xFF, 3}},
        {"empty line", {}, {}},
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(Encode(c.line), c.code) << c.name;
}

TEST(PcxLineCode, DecodesWhatItEncodesAtEveryStride)
{
    // A line with every byte value, runs of many lengths and high bytes.
    Bytes line;
    for (int v = 0; v < 256; ++v)
        line.insert(line.end(), static_cast<std::size_t>(v % 70 + 1), static_cast<std::uint8_t>(v));
    for (std::ptrdiff_t stride : {1, 3}) {
        Bytes spread(line.size() * stride, 0xAA);
        for (std::size_t i = 0; i < line.size(); ++i)
            spread[i * stride] = line[i];
        Bytes code;
        EncodePcxLine(spread.data(), static_cast<int>(line.size()), stride, code);

        Bytes decoded(line.size() * stride, 0x55);
        PcxLineDecoder decoder(code.data(), code.size());
        ASSERT_TRUE(decoder.DecodeLine(decoded.data(), static_cast<int>(line.size()), stride));
        EXPECT_EQ(decoder.Remaining(), 0u);
        for (std::size_t i = 0; i < line.size(); ++i) {
            ASSERT_EQ(decoded[i * stride], line[i]) << "stride " << stride << " pixel " << i;
            for (std::ptrdiff_t k = 1; k < stride; ++k)
                ASSERT_EQ(decoded[i * stride + k], 0x55) << "bytes between pixels are not touched";
        }
    }
}

TEST(PcxLineCode, RunsStopAtTheLineEnd)
{
    // A run of 10 for a line of 4 fills the line; the next line starts with
    // the next code byte; a run of count 0 writes nothing.
    const Bytes code = {0xCA, 0x07, 0xC0, 0x99, 0x01, 0xC3, 0x02};
    PcxLineDecoder decoder(code.data(), code.size());
    Bytes first(5, 0xEE);
    ASSERT_TRUE(decoder.DecodeLine(first.data(), 4, 1));
    EXPECT_EQ(first, (Bytes{7, 7, 7, 7, 0xEE}));
    Bytes second(4, 0xEE);
    ASSERT_TRUE(decoder.DecodeLine(second.data(), 4, 1));
    EXPECT_EQ(second, (Bytes{1, 2, 2, 2}));
}

TEST(PcxLineCode, DataEndingEarlyLeavesTheRestUntouched)
{
    struct Case {
        const char* name;
        Bytes code;
        Bytes expected;
    };
    const Case cases[] = {
        {"no data", {}, {0xEE, 0xEE, 0xEE}},
        {"one literal", {5}, {5, 0xEE, 0xEE}},
        {"count byte without its value", {5, 0xC2}, {5, 0xEE, 0xEE}},
    };
    for (const Case& c : cases) {
        Bytes line(3, 0xEE);
        PcxLineDecoder decoder(c.code.data(), c.code.size());
        EXPECT_FALSE(decoder.DecodeLine(line.data(), 3, 1)) << c.name;
        EXPECT_EQ(line, c.expected) << c.name;
        EXPECT_FALSE(decoder.DecodeLine(line.data(), 3, 1)) << c.name << ": stays at the end";
    }
}

TEST(PcxHeader, WritesTheLibrarysFieldsAndReadsSignedCorners)
{
    const PcxHeaderBytes h = BuildPcxHeader(5, 300, 1, 5);
    Bytes expected(128, 0);
    expected[0] = 0x0A;
    expected[1] = 5;
    expected[2] = 1;
    expected[3] = 8;
    expected[8] = 4;                    // x max = width - 1
    expected[10] = 299 & 0xFF;          // y max = height - 1
    expected[11] = 299 >> 8;
    expected[12] = 5;                   // resolution fields hold the size
    expected[14] = 300 & 0xFF;
    expected[15] = 300 >> 8;
    expected[64] = 1;                   // reserved byte is 1
    expected[65] = 1;                   // planes
    expected[66] = 5;                   // bytes per line
    EXPECT_EQ(Bytes(h.begin(), h.end()), expected);

    PcxHeaderBytes raw{};
    raw[4] = 0xFE; raw[5] = 0xFF;   // x min -2
    raw[6] = 0x0A; raw[7] = 0x00;   // y min 10
    raw[8] = 0x02; raw[9] = 0x00;   // x max 2
    raw[10] = 0x00; raw[11] = 0x80; // y max -32768
    raw[65] = 3;
    const PcxHeader parsed = ParsePcxHeader(raw);
    EXPECT_EQ(parsed.xMin, -2);
    EXPECT_EQ(parsed.yMin, 10);
    EXPECT_EQ(parsed.xMax, 2);
    EXPECT_EQ(parsed.yMax, -32768);
    EXPECT_EQ(parsed.planes, 3);
    EXPECT_EQ(parsed.Width(), 5);
    EXPECT_LE(parsed.Height(), 0);
}

PcxHeader Header(int xMin, int yMin, int xMax, int yMax, int planes)
{
    PcxHeader h;
    h.xMin = xMin;
    h.yMin = yMin;
    h.xMax = xMax;
    h.yMax = yMax;
    h.planes = planes;
    return h;
}

TEST(PcxLoadPlan, AcceptsSoundFilesAndRefusesHostileOnes)
{
    struct Case {
        const char* name;
        PcxHeader header;
        std::uint64_t fileSize;
        bool accepted;
    };
    const Case cases[] = {
        {"8-bit 4 x 2 with palette", Header(0, 0, 3, 1, 1), 896 + 4, true},
        {"8-bit with offset corners", Header(10, 20, 13, 21, 1), 896 + 4, true},
        {"24-bit 4 x 2", Header(0, 0, 3, 1, 3), 128 + 6, true},
        {"8-bit file shorter than header + palette", Header(0, 0, 3, 1, 1), 895, false},
        {"8-bit with no code bytes", Header(0, 0, 0, 0, 1), 896, false},
        {"24-bit shorter than its header", Header(0, 0, 0, 0, 3), 100, false},
        {"x max below x min", Header(5, 0, 3, 1, 1), 2000, false},
        {"y max below y min", Header(0, 5, 3, 1, 3), 2000, false},
        {"two planes", Header(0, 0, 3, 1, 2), 2000, false},
        {"four planes", Header(0, 0, 3, 1, 4), 2000, false},
        {"zero planes", Header(0, 0, 3, 1, 0), 2000, false},
        {"full 16-bit range in a small file", Header(-32768, -32768, 32767, 32767, 1), 5000, false},
        {"full 16-bit range beyond 1 GiB", Header(-32768, -32768, 32767, 32767, 3), 0xFFFFFFFFull, false},
        {"a file of 4 GiB", Header(0, 0, 3, 1, 3), 0x100000000ull, false},
        // 63 pixels per 2 code bytes at best: 1000 x 1000 needs >= 31747 bytes.
        {"more pixels than the code can hold", Header(0, 0, 999, 999, 1), 896 + 31746, false},
        {"just enough code for the pixels", Header(0, 0, 999, 999, 1), 896 + 31747, true},
    };
    for (const Case& c : cases) {
        const std::optional<PcxLoadPlan> plan = PlanPcxLoad(c.header, c.fileSize);
        EXPECT_EQ(plan.has_value(), c.accepted) << c.name;
    }
}

TEST(PcxLoadPlan, LocatesCodeAndPalette)
{
    const std::optional<PcxLoadPlan> paletted = PlanPcxLoad(Header(10, 20, 13, 21, 1), 896 + 40);
    ASSERT_TRUE(paletted);
    EXPECT_EQ(paletted->width, 4);
    EXPECT_EQ(paletted->height, 2);
    EXPECT_EQ(paletted->planes, 1);
    EXPECT_TRUE(paletted->hasPalette);
    EXPECT_EQ(paletted->codeBytes, 40u); // the 0x0C marker is part of the code bytes

    const std::optional<PcxLoadPlan> planar = PlanPcxLoad(Header(0, 0, 3, 1, 3), 128 + 1000000);
    ASSERT_TRUE(planar);
    EXPECT_FALSE(planar->hasPalette);
    EXPECT_EQ(planar->codeBytes, 1000000u);
    // 24 pixel bytes never need a megabyte of code: only a bounded part is read.
    EXPECT_EQ(planar->readBytes, 2u * 24 + 65536);
}

} // namespace
} // namespace pixkit
