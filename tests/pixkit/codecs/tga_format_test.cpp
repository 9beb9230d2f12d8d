// The Targa header and the rule deciding which files are loaded.
#include "codecs/tga_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixkit {
namespace {

TEST(TgaHeader, WritesUncompressedTrueColourAndReadsSizeAndDepth)
{
    const TgaHeaderBytes h = BuildTgaHeader(0x1234, 3, 24);
    const std::vector<std::uint8_t> expected = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x34, 0x12, 3, 0, 24, 8};
    EXPECT_EQ(std::vector<std::uint8_t>(h.begin(), h.end()), expected);

    TgaHeaderBytes raw{};
    raw[0] = 7;   // ID length: not consulted
    raw[2] = 10;  // run-length type: not consulted
    raw[12] = 0xFF;
    raw[13] = 0xFF;
    raw[14] = 2;
    raw[16] = 32;
    const TgaHeader parsed = ParseTgaHeader(raw);
    EXPECT_EQ(parsed.width, 65535);
    EXPECT_EQ(parsed.height, 2);
    EXPECT_EQ(parsed.bitsPerPixel, 32);
    EXPECT_EQ(parsed.RowBytes(), 65535u * 4);
    EXPECT_EQ(parsed.BodyBytes(), 65535u * 8);
}

TgaHeader Header(int width, int height, int bits)
{
    TgaHeader h;
    h.width = width;
    h.height = height;
    h.bitsPerPixel = bits;
    return h;
}

TEST(TgaHeader, AcceptsSoundFilesAndRefusesHostileOnes)
{
    struct Case {
        const char* name;
        TgaHeader header;
        std::uint64_t fileSize;
        TgaVerdict verdict;
    };
    const Case cases[] = {
        {"24-bit 3 x 2 complete", Header(3, 2, 24), 18 + 18, TgaVerdict::kAccepted},
        {"8-bit complete", Header(5, 5, 8), 18 + 25, TgaVerdict::kAccepted},
        {"16-bit complete", Header(5, 5, 16), 18 + 50, TgaVerdict::kAccepted},
        {"32-bit with trailing bytes", Header(2, 2, 32), 18 + 16 + 500, TgaVerdict::kAccepted},
        {"body missing one row of two", Header(4, 2, 24), 18 + 12, TgaVerdict::kAccepted},
        {"body less than half there", Header(4, 2, 24), 18 + 11, TgaVerdict::kBodyMissing},
        {"header only", Header(4, 2, 24), 18, TgaVerdict::kBodyMissing},
        {"65535 square in a tiny file", Header(65535, 65535, 8), 1000, TgaVerdict::kTooLarge},
        {"32-bit 65535 square", Header(65535, 65535, 32), 0xFFFFFFFFull, TgaVerdict::kTooLarge},
        {"zero width", Header(0, 5, 24), 1000, TgaVerdict::kEmpty},
        {"zero height", Header(5, 0, 24), 1000, TgaVerdict::kEmpty},
        {"1 bit", Header(8, 1, 1), 1000, TgaVerdict::kBadDepth},
        {"15 bits", Header(4, 4, 15), 1000, TgaVerdict::kBadDepth},
        {"0 bits", Header(4, 4, 0), 1000, TgaVerdict::kBadDepth},
        {"255 bits", Header(4, 4, 255), 100000, TgaVerdict::kBadDepth},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckTgaFile(c.header, c.fileSize), c.verdict) << c.name;
}

} // namespace
} // namespace pixkit
