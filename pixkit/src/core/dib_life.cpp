// Life of a CDIB: construction, the three ways to create an image, the deep
// copy and Destroy.
#include "pixkit.h"

#include "core/dib_header.h"
#include "core/gdi_scope.h"
#include "core/logical_palette.h"

#include <cstdlib>
#include <cstring>
#include <limits>

using pixkit::HeaderBlockPtr;

namespace {

constexpr DWORD kDefaultMasks16[3] = {0x7C00, 0x03E0, 0x001F};
constexpr DWORD kDefaultMasks32[3] = {0xFF0000, 0x00FF00, 0x0000FF};

} // namespace

CDIB::CDIB()
    : m_pInfo(nullptr), m_pBits(nullptr), m_hBitmap(nullptr), m_hPalette(nullptr), m_nWidth(0), m_nHeight(0),
      m_dwMask{0, 0, 0}, m_nShift{0, 0, 0}, m_nLoss{0, 0, 0}
{
}

CDIB::~CDIB() { Destroy(); }

void CDIB::Destroy()
{
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap); // the pixel storage goes with it
    std::free(m_pInfo);
    if (m_hPalette != nullptr)
        DeleteObject(m_hPalette);
    m_pInfo = nullptr;
    m_pBits = nullptr;
    m_hBitmap = nullptr;
    m_hPalette = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
}

int CDIB::Create(BITMAPINFO* info)
{
    Destroy();
    if (info == nullptr)
        return 0;
    m_pInfo = info;
    const BITMAPINFOHEADER& h = info->bmiHeader;

    // Our accessors report sizes as int: refuse what they could not describe
    // before the platform is asked for the storage.
    const std::int64_t storage = pixkit::DibStorageSize(h);
    if (h.biSize < pixkit::kInfoHeaderSize || storage <= 0 || storage > std::numeric_limits<int>::max()) {
        Destroy();
        return 0;
    }

    const std::uint64_t colors = pixkit::DibColorEntries(h);
    if (colors >= 1 && colors <= pixkit::kPaletteSize) {
        PALETTEENTRY entries[pixkit::kPaletteSize] = {};
        const RGBQUAD* table = pixkit::DibColors(info);
        for (std::uint64_t i = 0; i < colors; ++i) {
            entries[i].peRed = table[i].rgbRed;
            entries[i].peGreen = table[i].rgbGreen;
            entries[i].peBlue = table[i].rgbBlue;
        }
        CreatePalette(entries);
    }

    void* bits = nullptr;
    m_hBitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_hBitmap == nullptr || bits == nullptr) {
        Destroy();
        return 0;
    }
    m_pBits = static_cast<unsigned char*>(bits);
    m_nWidth = h.biWidth;
    m_nHeight = static_cast<int>(pixkit::DibAbsHeight(h));

    const DWORD* masks = nullptr;
    DIBSECTION section{};
    if (h.biCompression == BI_RGB && h.biBitCount == 16) {
        masks = kDefaultMasks16;
    } else if (h.biCompression == BI_RGB && (h.biBitCount == 24 || h.biBitCount == 32)) {
        masks = kDefaultMasks32;
    } else if (h.biCompression == BI_BITFIELDS) {
        // The masks in effect are the bitmap's; should the platform not report
        // them, the ones after the header are the same by construction.
        if (GetObjectA(m_hBitmap, sizeof section, &section) < static_cast<int>(sizeof section))
            std::memcpy(section.dsBitfields, pixkit::DibTable(info), sizeof section.dsBitfields);
        masks = section.dsBitfields;
    }
    if (masks != nullptr) {
        for (int c = 0; c < 3; ++c) {
            const pixkit::ChannelLayout layout = pixkit::ChannelFromMask(masks[c]);
            m_dwMask[c] = masks[c];
            m_nShift[c] = layout.shift;
            m_nLoss[c] = layout.loss;
        }
    }
    return 1;
}

int CDIB::Create(int width, int height, int bitCount, PALETTEENTRY* palette)
{
    Destroy();
    if (bitCount <= 0 || bitCount > 32 || height == std::numeric_limits<int>::min())
        return 0;
    const bool indexed = bitCount <= 8;
    const DWORD colors = indexed ? DWORD{1} << bitCount : 0;
    HeaderBlockPtr block = pixkit::AllocHeaderBlock(indexed ? pixkit::kInfoHeaderSize + 4 * colors : 44);
    if (!block)
        return 0;

    BITMAPINFOHEADER& h = block->bmiHeader;
    h.biSize = pixkit::kInfoHeaderSize;
    h.biWidth = width;
    h.biHeight = -height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = BI_RGB;
    h.biClrUsed = colors;

    // Without a palette an indexed image gets a grey ramp from black to white,
    // which is also what a grey-scale file means by its indices.
    RGBQUAD* table = pixkit::DibTable(block.get());
    for (DWORD i = 0; i < colors; ++i) {
        if (palette != nullptr) {
            table[i] = {palette[i].peBlue, palette[i].peGreen, palette[i].peRed, 0};
        } else {
            const auto grey = static_cast<BYTE>(colors > 1 ? i * 255 / (colors - 1) : 0);
            table[i] = {grey, grey, grey, 0};
        }
    }
    return Create(block.release());
}

int CDIB::Create(CDIB* other)
{
    if (other == nullptr || other->m_pInfo == nullptr) {
        Destroy();
        return 0;
    }
    const auto size = static_cast<std::size_t>(pixkit::DibInfoSize(other->m_pInfo->bmiHeader));
    HeaderBlockPtr copy = pixkit::AllocHeaderBlock(size);
    if (!copy) {
        Destroy();
        return 0;
    }
    std::memcpy(copy.get(), other->m_pInfo, size);
    // When other is this object, Create destroys the original only after the
    // copy has been taken.
    return Create(copy.release());
}

CDIB& CDIB::operator=(const CDIB& other)
{
    if (this == &other)
        return *this;
    Destroy();
    if (other.m_pInfo != nullptr && Create(const_cast<CDIB*>(&other))) {
        std::memcpy(m_pBits, other.m_pBits, static_cast<std::size_t>(other.GetBitsSize()));
        if (other.m_pInfo->bmiHeader.biBitCount <= 8) {
            // The bitmap colour table may differ from the header's after
            // SetIndexColor: carry it over entry for entry.
            RGBQUAD colors[pixkit::kPaletteSize] = {};
            UINT count = 0;
            {
                pixkit::MemoryDC from(nullptr, other.m_hBitmap);
                if (from.IsReady())
                    count = GetDIBColorTable(from.Get(), 0, pixkit::kPaletteSize, colors);
            }
            if (count > 0) {
                pixkit::MemoryDC to(nullptr, m_hBitmap);
                if (to.IsReady())
                    SetDIBColorTable(to.Get(), 0, count, colors);
            }
        }
    }
    // The logical palette may have been replaced since the image was made, or
    // exist without an image.
    if (m_hPalette != nullptr) {
        DeleteObject(m_hPalette);
        m_hPalette = nullptr;
    }
    if (other.m_hPalette != nullptr) {
        PALETTEENTRY entries[pixkit::kPaletteSize];
        const unsigned count = pixkit::ReadLogicalPalette(other.m_hPalette, entries);
        m_hPalette = pixkit::MakeLogicalPalette(entries, count);
    }
    for (int c = 0; c < 3; ++c) {
        m_dwMask[c] = other.m_dwMask[c];
        m_nShift[c] = other.m_nShift[c];
        m_nLoss[c] = other.m_nLoss[c];
    }
    return *this;
}
