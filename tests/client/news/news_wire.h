// Builds answer records byte by byte as the server sends them, apart from
// the code under test.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace news_test {

struct Wire {
    std::string_view tag = "TICKER";
    std::int32_t size = 800;
    std::string_view kind = "tickernews";
    std::string_view text{};
    std::string_view link{};
    std::int32_t newCount = 0;
};

inline void PutLe(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// A string longer than its field fills it with no NUL; the rest of the
// record is 0x5A filler, so a reader that runs past a NUL or a field end
// picks up bytes that show.
inline std::array<std::uint8_t, 800> Record(const Wire& w)
{
    std::array<std::uint8_t, 800> bytes;
    bytes.fill(0x5A);
    const auto put = [&](std::size_t at, std::size_t field, std::string_view s) {
        const std::size_t n = s.size() < field ? s.size() : field;
        std::memcpy(&bytes[at], s.data(), n);
        if (n < field)
            bytes[at + n] = 0;
    };
    put(0, 12, w.tag);
    PutLe(&bytes[12], w.size);
    put(16, 12, w.kind);
    put(28, 512, w.text);
    put(540, 256, w.link);
    PutLe(&bytes[796], w.newCount);
    return bytes;
}

inline void Append(std::vector<std::uint8_t>& stream, const Wire& w)
{
    const auto bytes = Record(w);
    stream.insert(stream.end(), bytes.begin(), bytes.end());
}

} // namespace news_test
