// UTF-8, the encoding of every 8-bit string the platform draws or measures.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace gdi {

inline constexpr char32_t kReplacementChar = 0xFFFD;

struct DecodedChar {
    char32_t cp;
    std::uint32_t offset; // first byte of the character
    std::uint32_t length; // bytes it took, 1 to 4

    bool operator==(const DecodedChar&) const = default;
};

// Decodes the bytes of `text` and nothing beyond them.  A malformed sequence
// (stray continuation byte, overlong form, surrogate, value above U+10FFFF,
// sequence cut short) becomes one U+FFFD per maximal ill-formed subpart, the
// way the Unicode standard recommends, so the next character is never lost.
std::vector<DecodedChar> decodeUtf8(std::string_view text);
std::u32string codePoints(std::string_view text);

} // namespace gdi
