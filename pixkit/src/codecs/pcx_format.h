// PCX files: the 128-byte header and the run-length code of one line.
//
// A code byte below 0xC0 is one pixel byte; a byte of 0xC0 or above holds a
// count in its low 6 bits and is followed by the value repeated count times.
// Each line (one plane of one row) is coded on its own.
#pragma once

#include <array>
#include <optional>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixkit {

inline constexpr std::size_t kPcxHeaderSize = 128;
// An 8-bit file ends with the marker 0x0C and 256 red, green, blue triples.
inline constexpr std::uint8_t kPcxPaletteMarker = 0x0C;
inline constexpr std::size_t kPcxPaletteSize = 768;
// Header plus palette: the least an 8-bit file can hold.
inline constexpr std::size_t kPcxPalettedOverhead = kPcxHeaderSize + kPcxPaletteSize;

using PcxHeaderBytes = std::array<std::uint8_t, kPcxHeaderSize>;

// The header fields the reader takes.
struct PcxHeader {
    int xMin = 0;
    int yMin = 0;
    int xMax = 0;
    int yMax = 0;
    int planes = 0;

    // May be 0 or negative for a header whose maximum lies below its minimum.
    std::int64_t Width() const { return static_cast<std::int64_t>(xMax) - xMin + 1; }
    std::int64_t Height() const { return static_cast<std::int64_t>(yMax) - yMin + 1; }
};

PcxHeader ParsePcxHeader(const PcxHeaderBytes& bytes);

// The header written for an image of this size: planes is 1 for 8-bit and 3
// for 24-bit images (0 for depths that have no PCX form), bytesPerLine the
// length of one plane line.  Width and height must fit 16 bits.
PcxHeaderBytes BuildPcxHeader(int width, int height, int planes, int bytesPerLine);

// Appends the code of one line to out.  The line's bytes are line[0],
// line[stride], ... line[(width - 1) * stride].
void EncodePcxLine(const std::uint8_t* line, int width, std::ptrdiff_t stride, std::vector<std::uint8_t>& out);

// Walks through encoded data, one line at a time.
class PcxLineDecoder {
public:
    PcxLineDecoder(const std::uint8_t* data, std::size_t size) : m_next(data), m_end(data + size) {}

    // Decodes one line of width pixels into dst[0], dst[stride], ...; the
    // part of a run that passes the line's end is dropped.  Returns false when
    // the data ends before the line is complete (the pixels not reached are
    // left as they were).
    bool DecodeLine(std::uint8_t* dst, int width, std::ptrdiff_t stride);

    std::size_t Remaining() const { return static_cast<std::size_t>(m_end - m_next); }

private:
    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
};

// True when code bytes could hold a picture of this many pixel bytes: no
// code does better than 63 pixels for 2 bytes.  Keeps a small file from
// asking for a huge image.
constexpr bool PcxDataCanHold(std::uint64_t codeBytes, std::uint64_t pixelBytes)
{
    return pixelBytes <= (codeBytes * 63 + 1) / 2;
}

// What a loader makes of a file: the image and where its data lies.
struct PcxLoadPlan {
    int width = 0;
    int height = 0;
    int planes = 0;            // 1: 8-bit with a palette, 3: 24-bit
    std::uint64_t codeBytes = 0; // encoded lines, from offset 128 on
    // The part of the code worth reading: valid lines never need more than
    // 2 bytes a pixel, so a file padded beyond that is not read to its end.
    std::uint64_t readBytes = 0;
    bool hasPalette = false;     // the last 768 bytes of the file
};

// Decides how a file of fileSize bytes with this header is loaded, or that it
// makes no image: a plane count other than 1 or 3, a maximum below its
// minimum, an 8-bit file too short for its palette, a file of 4 GiB or more,
// storage beyond the library's limit, or more pixels than the code bytes
// could describe.
std::optional<PcxLoadPlan> PlanPcxLoad(const PcxHeader& header, std::uint64_t fileSize);

} // namespace pixkit
