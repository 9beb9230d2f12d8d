#include "codecs/pcx_format.h"

#include "core/dib_header.h"

#include <algorithm>
#include <cstring>

namespace pixkit {
namespace {

int ReadSigned16(const PcxHeaderBytes& b, std::size_t at)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)));
}

void Write16(PcxHeaderBytes& b, std::size_t at, int value)
{
    b[at] = static_cast<std::uint8_t>(value & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void EmitRun(std::uint8_t value, int count, std::vector<std::uint8_t>& out)
{
    if (count > 1 || value >= 0xC0)
        out.push_back(static_cast<std::uint8_t>(0xC0 | count));
    out.push_back(value);
}

} // namespace

PcxHeader ParsePcxHeader(const PcxHeaderBytes& bytes)
{
    PcxHeader h;
    h.xMin = ReadSigned16(bytes, 4);
    h.yMin = ReadSigned16(bytes, 6);
    h.xMax = ReadSigned16(bytes, 8);
    h.yMax = ReadSigned16(bytes, 10);
    h.planes = bytes[65];
    return h;
}

PcxHeaderBytes BuildPcxHeader(int width, int height, int planes, int bytesPerLine)
{
    PcxHeaderBytes b{};
    b[0] = 0x0A; // manufacturer
    b[1] = 5;    // version
    b[2] = 1;    // run-length encoded
    b[3] = 8;    // bits per pixel per plane
    Write16(b, 4, 0);
    Write16(b, 6, 0);
    Write16(b, 8, width - 1);
    Write16(b, 10, height - 1);
    // The resolution fields carry the size, and the reserved byte holds 1:
    // that is what files from this library have always looked like.
    Write16(b, 12, width);
    Write16(b, 14, height);
    b[64] = 1;
    b[65] = static_cast<std::uint8_t>(planes);
    Write16(b, 66, bytesPerLine);
    return b;
}

void EncodePcxLine(const std::uint8_t* line, int width, std::ptrdiff_t stride, std::vector<std::uint8_t>& out)
{
    if (width <= 0)
        return;
    std::uint8_t value = line[0];
    int count = 1;
    const std::uint8_t* p = line + stride;
    for (int x = 1; x < width; ++x, p += stride) {
        const std::uint8_t b = *p;
        if (b == value && count < 63) {
            ++count;
        } else {
            EmitRun(value, count, out);
            value = b;
            count = 1;
        }
    }
    EmitRun(value, count, out);
}

bool PcxLineDecoder::DecodeLine(std::uint8_t* dst, int width, std::ptrdiff_t stride)
{
    const std::uint8_t* next = m_next;
    const std::uint8_t* const end = m_end;
    int x = 0;
    bool complete = true;
    if (stride == 1) {
        while (x < width) {
            if (next == end) {
                complete = false;
                break;
            }
            const std::uint8_t c = *next++;
            if (c < 0xC0) {
                dst[x++] = c;
                continue;
            }
            if (next == end) {
                complete = false;
                break;
            }
            const std::uint8_t v = *next++;
            const int count = std::min(c & 0x3F, width - x);
            std::memset(dst + x, v, static_cast<std::size_t>(count));
            x += count;
        }
    } else {
        std::uint8_t* out = dst;
        while (x < width) {
            if (next == end) {
                complete = false;
                break;
            }
            const std::uint8_t c = *next++;
            if (c < 0xC0) {
                *out = c;
                out += stride;
                ++x;
                continue;
            }
            if (next == end) {
                complete = false;
                break;
            }
            const std::uint8_t v = *next++;
            const int count = std::min(c & 0x3F, width - x);
            for (int i = 0; i < count; ++i, out += stride)
                *out = v;
            x += count;
        }
    }
    m_next = next;
    return complete;
}

std::optional<PcxLoadPlan> PlanPcxLoad(const PcxHeader& header, std::uint64_t fileSize)
{
    PcxLoadPlan plan;
    plan.planes = header.planes;
    if (fileSize > 0xFFFFFFFFu)
        return std::nullopt;
    if (plan.planes == 1) {
        if (fileSize < kPcxPalettedOverhead)
            return std::nullopt;
        plan.codeBytes = fileSize - kPcxPalettedOverhead;
        plan.hasPalette = true;
    } else if (plan.planes == 3) {
        if (fileSize < kPcxHeaderSize)
            return std::nullopt;
        plan.codeBytes = fileSize - kPcxHeaderSize;
    } else {
        return std::nullopt;
    }
    const std::int64_t width = header.Width();
    const std::int64_t height = header.Height();
    if (!StorageFits(8 * plan.planes, width, height))
        return std::nullopt;
    const std::uint64_t pixelBytes = static_cast<std::uint64_t>(plan.planes * width * height);
    if (!PcxDataCanHold(plan.codeBytes, pixelBytes))
        return std::nullopt;
    plan.readBytes = std::min<std::uint64_t>(plan.codeBytes, 2 * pixelBytes + 65536);
    plan.width = static_cast<int>(width);
    plan.height = static_cast<int>(height);
    return plan;
}

} // namespace pixkit
