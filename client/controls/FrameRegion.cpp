#include "FrameRegion.h"

#include "pixkit.h"

#include <climits>
#include <cstring>

namespace frame_region {

namespace {

constexpr DWORD kHeaderSize = sizeof(RGNDATAHEADER);
static_assert(kHeaderSize == 32, "the region-data header is 32 bytes");
static_assert(sizeof(RECT) == 16, "a rectangle of region data is 16 bytes");

RGNDATAHEADER EmptyHeader()
{
    RGNDATAHEADER header{};
    header.dwSize = kHeaderSize;
    header.iType = RDH_RECTANGLES;
    header.nCount = 0;
    header.nRgnSize = 0;
    // Bounds start inverted so that the first rectangle sets them.
    header.rcBound = RECT{INT_MAX, INT_MAX, 0, 0};
    return header;
}

} // namespace

void ForEachRun(int width, int height, const PixelSource& pixel, COLORREF key,
                const std::function<void(const RECT&)>& run)
{
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && pixel(x, y) == key)
                ++x;
            if (x == width)
                break;
            const int x0 = x;
            while (x < width && pixel(x, y) != key)
                ++x;
            run(RECT{x0, y, x, y + 1});
            ++x; // the key pixel that ended the run (or past the row's end)
        }
    }
}

RunBlock::RunBlock() : m_bytes(kHeaderSize + kRoomStep * sizeof(RECT)), m_room(kRoomStep)
{
    SetHeader(EmptyHeader());
}

RGNDATAHEADER RunBlock::Header() const
{
    RGNDATAHEADER header;
    std::memcpy(&header, m_bytes.data(), kHeaderSize);
    return header;
}

void RunBlock::SetHeader(const RGNDATAHEADER& header) { std::memcpy(m_bytes.data(), &header, kHeaderSize); }

DWORD RunBlock::Count() const { return Header().nCount; }

RECT RunBlock::Bounds() const { return Header().rcBound; }

void RunBlock::Add(const RECT& run)
{
    RGNDATAHEADER header = Header();
    if (header.nCount >= m_room) {
        m_room += kRoomStep;
        m_bytes.resize(kHeaderSize + static_cast<std::size_t>(m_room) * sizeof(RECT));
    }
    std::memcpy(m_bytes.data() + kHeaderSize + static_cast<std::size_t>(header.nCount) * sizeof(RECT), &run,
                sizeof(RECT));
    ++header.nCount;
    RECT& b = header.rcBound;
    if (run.left < b.left)
        b.left = run.left;
    if (run.top < b.top)
        b.top = run.top;
    if (run.right > b.right)
        b.right = run.right;
    if (run.bottom > b.bottom)
        b.bottom = run.bottom;
    SetHeader(header);
}

void RunBlock::Reset() { SetHeader(EmptyHeader()); }

void RunCollector::Add(const RECT& run)
{
    m_block.Add(run);
    if (m_block.Count() == kRunsPerRegion) {
        m_flush(m_block);
        m_block.Reset();
    }
}

void RunCollector::Finish()
{
    m_flush(m_block);
    m_block.Reset();
}

HRGN MakeRegionFromPixels(int width, int height, const PixelSource& pixel, COLORREF key)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    HRGN result = nullptr;
    bool failed = false;
    RunCollector collector([&](const RunBlock& block) {
        HRGN part = ExtCreateRegion(nullptr, block.DataSize(), block.Data());
        if (!part) {
            failed = true;
            return;
        }
        if (!result) {
            result = part;
            return;
        }
        if (CombineRgn(result, result, part, RGN_OR) == ERROR)
            failed = true;
        DeleteObject(part);
    });
    ForEachRun(width, height, pixel, key, [&](const RECT& run) { collector.Add(run); });
    collector.Finish();
    // A region missing some of its blocks would cut away parts of the
    // window; no region at all leaves it whole.
    if (failed && result) {
        DeleteObject(result);
        result = nullptr;
    }
    return result;
}

} // namespace frame_region

HRGN MakeRegionFromBitmap(CDIB* image, COLORREF key)
{
    if (!image || !image->IsValid())
        return nullptr;
    return frame_region::MakeRegionFromPixels(
        image->GetWidth(), image->GetHeight(),
        [image](int x, int y) { return static_cast<COLORREF>(image->GetPixelColor(x, y)); }, key);
}
