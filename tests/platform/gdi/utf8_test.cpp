// UTF-8 decoding of the strings text calls receive.
#include "utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace gdi {

void PrintTo(const DecodedChar& c, std::ostream* os)
{
    *os << "{U+" << std::hex << static_cast<unsigned>(c.cp) << std::dec << " @" << c.offset << " x" << c.length
        << "}";
}

} // namespace gdi

using gdi::DecodedChar;
using gdi::decodeUtf8;

namespace {

struct Case {
    const char* name;
    std::string bytes;
    std::vector<DecodedChar> expected; // code point, offset, length
};

TEST(Utf8, DecodesValidAndReplacesEachMalformedSubpart)
{
    constexpr char32_t R = gdi::kReplacementChar;
    const Case cases[] = {
        {"ascii", "Ab", {{U'A', 0, 1}, {U'b', 1, 1}}},
        {"two, three and four bytes", "\xC3\xA9\xED\x95\x9C\xF0\x9F\x98\x80",
         {{0xE9, 0, 2}, {0xD55C, 2, 3}, {0x1F600, 5, 4}}},
        {"stray continuation byte", "\x80" "A", {{R, 0, 1}, {U'A', 1, 1}}},
        {"overlong two-byte form", "\xC0\xAF", {{R, 0, 1}, {R, 1, 1}}},
        {"overlong three-byte form", "\xE0\x80\xAF", {{R, 0, 1}, {R, 1, 1}, {R, 2, 1}}},
        {"surrogate", "\xED\xA0\x80", {{R, 0, 1}, {R, 1, 1}, {R, 2, 1}}},
        {"above U+10FFFF", "\xF4\x90\x80\x80", {{R, 0, 1}, {R, 1, 1}, {R, 2, 1}, {R, 3, 1}}},
        {"sequence broken by a new character", "\xED\x95" "A", {{R, 0, 2}, {U'A', 2, 1}}},
        {"sequence cut by the end of the text", "A\xF0\x9F\x98", {{U'A', 0, 1}, {R, 1, 3}}},
        {"bytes that never occur", "\xFE\xFF", {{R, 0, 1}, {R, 1, 1}}},
        {"NUL is a character like any other", std::string("a\0b", 3), {{U'a', 0, 1}, {0, 1, 1}, {U'b', 2, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeUtf8(c.bytes), c.expected) << c.name;
}

TEST(Utf8, NeverReadsPastTheGivenBytes)
{
    // The view ends inside a valid sequence; the bytes after it must not
    // complete it.
    const std::string whole = "\xED\x95\x9C";
    EXPECT_EQ(decodeUtf8(std::string_view(whole).substr(0, 2)),
              (std::vector<DecodedChar>{{gdi::kReplacementChar, 0, 2}}));
    EXPECT_TRUE(decodeUtf8({}).empty());
}

} // namespace
