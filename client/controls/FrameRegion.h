// The outline of the main window, cut from its frame bitmap: every pixel
// that is not the key colour belongs to the window.  The region is built
// from one-pixel-high rectangles, one per horizontal run, gathered in
// region-data blocks that are turned into regions a bounded number of
// rectangles at a time and united.
#pragma once

#include "platform/gdi.h"

#include <cstddef>
#include <functional>
#include <vector>

class CDIB;

namespace frame_region {

// Rectangles handed to one region call at most.
inline constexpr DWORD kRunsPerRegion = 2000;
// The block's room grows by this many rectangles when it is full.
inline constexpr DWORD kRoomStep = 100;

// Colour (COLORREF) of the pixel at x, y, y counted from the top row.
using PixelSource = std::function<COLORREF(int x, int y)>;

// Calls `run` for each horizontal run of pixels whose colour differs from
// `key`, row by row from the top, left to right: (x0, y, x1, y + 1) where
// x1 is the first key pixel after the run or the row's end.
void ForEachRun(int width, int height, const PixelSource& pixel, COLORREF key,
                const std::function<void(const RECT&)>& run);

// A region-data block: a header (rectangles, their count and bounds)
// followed by room for rectangles, growing in steps of kRoomStep.
class RunBlock {
public:
    RunBlock();

    void Add(const RECT& run);
    // Empties the block (count 0, bounds back to their start); keeps the room.
    void Reset();

    DWORD Count() const;
    DWORD Room() const { return m_room; }
    RECT Bounds() const;
    const RGNDATA* Data() const { return reinterpret_cast<const RGNDATA*>(m_bytes.data()); }
    // Header plus the whole room, as the region call is told.
    DWORD DataSize() const { return static_cast<DWORD>(m_bytes.size()); }

private:
    RGNDATAHEADER Header() const;
    void SetHeader(const RGNDATAHEADER& header);

    std::vector<std::byte> m_bytes;
    DWORD m_room = 0;
};

// Gathers runs in a RunBlock and hands the block to `flush` each time it
// holds kRunsPerRegion rectangles, and once more at Finish (even when it is
// empty), emptying it after each hand-over.
class RunCollector {
public:
    using Flush = std::function<void(const RunBlock& block)>;
    explicit RunCollector(Flush flush) : m_flush(std::move(flush)) {}

    void Add(const RECT& run);
    void Finish();

private:
    RunBlock m_block;
    Flush m_flush;
};

// The region of the pixels of a `width` x `height` image that differ from
// `key`, or null when the size is not positive or no region could be made.
// Every pixel the key colour gives an empty region.
HRGN MakeRegionFromPixels(int width, int height, const PixelSource& pixel, COLORREF key);

} // namespace frame_region

// The region of `image`'s pixels that differ from `key`; null when there is
// no valid image.  The caller owns the region.
HRGN MakeRegionFromBitmap(CDIB* image, COLORREF key);
