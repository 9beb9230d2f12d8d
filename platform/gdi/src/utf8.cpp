#include "utf8.h"

#include <string>

namespace gdi {

namespace {

struct LeadInfo {
    int continuation; // bytes that must follow, -1 for a byte that cannot start a character
    unsigned char low; // accepted range of the first continuation byte
    unsigned char high;
};

// The lead byte decides how many bytes follow and narrows the first of them,
// which is what rules out overlong forms, surrogates and values past U+10FFFF.
LeadInfo leadInfo(unsigned char b)
{
    if (b < 0x80)
        return {0, 0, 0};
    if (b >= 0xC2 && b <= 0xDF)
        return {1, 0x80, 0xBF};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF};
    if (b == 0xED)
        return {2, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {2, 0x80, 0xBF};
    if (b == 0xF0)
        return {3, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return {3, 0x80, 0xBF};
    if (b == 0xF4)
        return {3, 0x80, 0x8F};
    return {-1, 0, 0};
}

} // namespace

std::vector<DecodedChar> decodeUtf8(std::string_view text)
{
    std::vector<DecodedChar> out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const LeadInfo info = leadInfo(lead);
        const auto start = static_cast<std::uint32_t>(i);
        if (info.continuation == 0) {
            out.push_back({lead, start, 1});
            ++i;
            continue;
        }
        if (info.continuation < 0) {
            out.push_back({kReplacementChar, start, 1});
            ++i;
            continue;
        }
        char32_t cp = lead & (0x3F >> info.continuation);
        std::size_t j = i + 1;
        int taken = 0;
        for (; taken < info.continuation && j < n; ++taken, ++j) {
            const auto b = static_cast<unsigned char>(text[j]);
            const unsigned char low = taken == 0 ? info.low : 0x80;
            const unsigned char high = taken == 0 ? info.high : 0xBF;
            if (b < low || b > high)
                break;
            cp = (cp << 6) | (b & 0x3F);
        }
        const auto length = static_cast<std::uint32_t>(j - i);
        out.push_back({taken == info.continuation ? cp : kReplacementChar, start, length});
        i = j;
    }
    return out;
}

std::u32string codePoints(std::string_view text)
{
    std::u32string out;
    for (const DecodedChar& c : decodeUtf8(text))
        out.push_back(c.cp);
    return out;
}

} // namespace gdi
