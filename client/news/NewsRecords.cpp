#include "NewsRecords.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace news {
namespace {

template <std::size_t N>
void PutText(char (&field)[N], std::string_view text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

void PutInt(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt(const std::uint8_t* in)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

std::string Stamp(int year, int month, int day, int hour, int minute, int second)
{
    // Large enough for six ints of any value, so snprintf never cuts; the
    // cut to the field happens where the stamp is put into a request.
    char buffer[80];
    const int n = std::snprintf(buffer, sizeof buffer, "%4d%02d%02d%02d%02d%02d", year, month, day, hour, minute,
                                second);
    if (n < 0)
        return std::string();
    return std::string(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof(NewsRequest::since) - 1));
}

} // namespace

std::string FormatStamp(const NewsTime& t)
{
    return Stamp(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string MidnightStamp(const NewsTime& t)
{
    return Stamp(t.year, t.month, t.day, 0, 0, 0);
}

NewsRequest MakeRequest(std::string_view since)
{
    NewsRequest request{};
    PutText(request.tag, kTag);
    request.size = static_cast<std::int32_t>(kRequestSize);
    PutText(request.kind, kKindTickerNews);
    PutText(request.since, since);
    return request;
}

std::array<std::uint8_t, kRequestSize> EncodeRequest(const NewsRequest& request)
{
    std::array<std::uint8_t, kRequestSize> bytes{};
    std::memcpy(&bytes[0], request.tag, sizeof request.tag);
    PutInt(&bytes[12], request.size);
    std::memcpy(&bytes[16], request.kind, sizeof request.kind);
    std::memcpy(&bytes[28], request.since, sizeof request.since);
    return bytes;
}

NewsPacket DecodePacket(const std::uint8_t* bytes)
{
    NewsPacket packet{};
    std::memcpy(packet.tag, bytes, sizeof packet.tag);
    packet.size = GetInt(bytes + 12);
    std::memcpy(packet.kind, bytes + 16, sizeof packet.kind);
    std::memcpy(packet.text, bytes + 28, sizeof packet.text);
    std::memcpy(packet.link, bytes + 540, sizeof packet.link);
    packet.newCount = GetInt(bytes + 796);
    return packet;
}

} // namespace news
