// The news server's two records: the 44-byte request the client sends and
// the 800-byte answer record, both with 32-bit little-endian integers and
// NUL-terminated 8-bit strings in fixed fields.  The structs hold the wire
// layout; encoding and decoding go byte by byte, so the host's byte order
// and padding never leak onto the wire.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace news {

inline constexpr std::size_t kRequestSize = 44;
inline constexpr std::size_t kPacketSize = 800;

inline constexpr std::string_view kTag = "TICKER";
inline constexpr std::string_view kKindTickerNews = "tickernews";
inline constexpr std::string_view kKindNewsEnd = "newsend";

struct NewsRequest {
    char tag[12];
    std::int32_t size;
    char kind[12];
    char since[16];
};

struct NewsPacket {
    char tag[12];
    std::int32_t size;
    char kind[12];
    char text[512];
    char link[256];
    std::int32_t newCount;
};

static_assert(sizeof(NewsRequest) == kRequestSize);
static_assert(sizeof(NewsPacket) == kPacketSize);
static_assert(offsetof(NewsPacket, link) == 540 && offsetof(NewsPacket, newCount) == 796);

// A string field up to its first NUL, or the whole field when it has none.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N])
{
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string_view(field, length);
}

// A local date and time, as the clock gives it.
struct NewsTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// The `since` stamp of `time`: "%4d%02d%02d%02d%02d%02d", cut to the 15
// characters the field holds beside its NUL should a value be out of range.
std::string FormatStamp(const NewsTime& time);
// The stamp of midnight at the start of `time`'s day.
std::string MidnightStamp(const NewsTime& time);

// A request for everything since `since`.  A stamp longer than the field
// allows is cut so the field keeps its NUL; the bytes after a string's NUL
// are zero.
NewsRequest MakeRequest(std::string_view since);
std::array<std::uint8_t, kRequestSize> EncodeRequest(const NewsRequest& request);

// The record held in 800 wire bytes.  Every byte pattern decodes; whether
// the record means anything is for DecidePacket.
NewsPacket DecodePacket(const std::uint8_t* bytes);

} // namespace news
