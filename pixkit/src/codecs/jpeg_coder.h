// JPEG reading and writing on libjpeg(-turbo), on open kernel file handles.
//
// Pixels are 3 bytes each in blue, green, red order; rows are addressed by a
// base and a signed stride, so top-down and bottom-up storage both work.
// libjpeg reports fatal errors by calling a function that must not return:
// ours jumps back into the one plain function that drives the coder, which
// holds no C++ objects with destructors.
#pragma once

#include "platform/base.h"

#include <cstddef>
#include <cstdint>

namespace pixkit {

// Files are coded at this quality with the default 2 x 2 chroma subsampling
// (4:2:0) and the standard Huffman tables.
inline constexpr int kJpegQuality = 90;

// Pixels a file may ask for per byte of its size.  A Huffman-coded file
// spends at least 1 bit per 8 x 8 block of its first component, so it cannot
// picture more than 512 pixels per byte; twice that leaves room.  Larger
// claims (extreme arithmetic-coded files, or lies) are refused.
inline constexpr std::uint64_t kJpegMaxPixelsPerFileByte = 1024;
// Progressive files with more scans than this are refused: legitimate ones
// use about ten, hostile ones thousands to make decoding crawl.
inline constexpr int kJpegMaxScans = 1000;

struct JpegReadJob {
    // In: the open file and its size.
    HANDLE file = nullptr;
    std::uint64_t fileSize = 0;
    // Called once the header is known and acceptable: makes room for a
    // width x height picture and sets rowBase and rowStride.  Returns false
    // to give up.
    bool (*prepare)(void* context, JpegReadJob& job) = nullptr;
    void* context = nullptr;

    // Out of the header, for prepare.
    int width = 0;
    int height = 0;
    int components = 0;

    // Set by prepare: row y of the picture lives at rowBase + y * rowStride.
    std::uint8_t* rowBase = nullptr;
    std::ptrdiff_t rowStride = 0;

    // Out: true once prepare has run (the caller's image was replaced).
    bool prepared = false;
};

// Reads the file into the rows that prepare provides.  True only when every
// row was decoded from intact data; false for a file that is not a JPEG, a
// refused size, an error or data that was cut short or corrupt.
bool ReadJpeg(JpegReadJob& job);

struct JpegWriteJob {
    HANDLE file = nullptr;
    const std::uint8_t* rowBase = nullptr;
    std::ptrdiff_t rowStride = 0;
    int width = 0;
    int height = 0;
    int quality = kJpegQuality;
};

// Writes the picture as a baseline colour JPEG.  False on any error,
// including a file that refused the bytes.
bool WriteJpeg(const JpegWriteJob& job);

} // namespace pixkit
