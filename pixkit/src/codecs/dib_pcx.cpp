// PCX files: 8-bit images with a 256-colour palette, or 24-bit images in
// three planes (red, green, blue lines per row), run-length encoded.
#include "pixkit.h"

#include "codecs/buffered_writer.h"
#include "codecs/pcx_format.h"
#include "core/file_handle.h"
#include "core/logical_palette.h"

#include <memory>

namespace {

// Decodes the rows of a planned file into the freshly made image.  Data that
// ends early leaves the remaining pixels as the image was made.
void DecodePcxRows(CDIB& dib, const pixkit::PcxLoadPlan& plan, const std::uint8_t* code, std::size_t size)
{
    pixkit::PcxLineDecoder decoder(code, size);
    for (int y = 0; y < plan.height; ++y) {
        std::uint8_t* row = dib.GetAddr(0, y);
        if (plan.planes == 1) {
            if (!decoder.DecodeLine(row, plan.width, 1))
                return;
            continue;
        }
        // Red, green, blue lines land in bytes 2, 1, 0 of each pixel.
        for (int plane = 0; plane < 3; ++plane)
            if (!decoder.DecodeLine(row + 2 - plane, plan.width, 3))
                return;
    }
}

} // namespace

// 0 only when the file cannot be opened.  Files that describe no image we can
// hold safely (see PlanPcxLoad) give 1 and an empty object.
int CDIB::LoadPCX(const char* fileName)
{
    Destroy();
    const pixkit::FileHandle file = pixkit::FileHandle::OpenRead(fileName);
    if (!file.IsOpen())
        return 0;

    const std::uint64_t fileSize = file.Size();
    pixkit::PcxHeaderBytes head{};
    if (fileSize < head.size() || file.Read(head.data(), static_cast<DWORD>(head.size())) != head.size())
        return 1;
    const std::optional<pixkit::PcxLoadPlan> plan = pixkit::PlanPcxLoad(pixkit::ParsePcxHeader(head), fileSize);
    if (!plan)
        return 1;

    const auto codeSize = static_cast<DWORD>(plan->readBytes);
    auto code = std::make_unique_for_overwrite<std::uint8_t[]>(codeSize);
    const DWORD got = file.Read(code.get(), codeSize);

    PALETTEENTRY palette[pixkit::kPaletteSize] = {};
    if (plan->hasPalette) {
        std::uint8_t rgb[pixkit::kPcxPaletteSize] = {};
        if (plan->readBytes != plan->codeBytes)
            file.Seek(static_cast<std::uint32_t>(fileSize - pixkit::kPcxPaletteSize));
        file.Read(rgb, sizeof rgb);
        for (unsigned i = 0; i < pixkit::kPaletteSize; ++i)
            palette[i] = PALETTEENTRY{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 0};
    }

    if (!Create(plan->width, plan->height, 8 * plan->planes, plan->hasPalette ? palette : nullptr))
        return 1;
    DecodePcxRows(*this, *plan, code.get(), got);
    return 1;
}

// 0 when there is no image, when its size does not fit the header's 16-bit
// fields, when the file cannot be created or when writing fails; otherwise 1.
int CDIB::SavePCX(const char* fileName)
{
    if (m_pInfo == nullptr || m_nWidth > 0xFFFF || m_nHeight > 0xFFFF)
        return 0;
    const pixkit::FileHandle file = pixkit::FileHandle::CreateWrite(fileName);
    if (!file.IsOpen())
        return 0;
    const int depth = GetBitCount();
    if (depth == 16 || depth == 32)
        ConvertBPP(24);
    if (m_pInfo == nullptr)
        return 0;

    const int planes = GetBitCount() / 8;
    pixkit::BufferedWriter out(file);
    // Bytes per line is the length of one plane line, which is what the lines
    // hold: readers that trust the field (most do) then find the pixels
    // where they are.
    const pixkit::PcxHeaderBytes header = pixkit::BuildPcxHeader(m_nWidth, m_nHeight, planes, m_nWidth);
    out.Write(header.data(), header.size());

    std::vector<std::uint8_t> line;
    line.reserve(static_cast<std::size_t>(m_nWidth) * 2 + 2);
    if (planes == 3) {
        for (int y = 0; y < m_nHeight; ++y) {
            const std::uint8_t* row = GetAddr(0, y);
            line.clear();
            for (int plane = 0; plane < 3; ++plane)
                pixkit::EncodePcxLine(row + 2 - plane, m_nWidth, 3, line);
            out.Write(line.data(), line.size());
        }
    } else if (planes == 1) {
        for (int y = 0; y < m_nHeight; ++y) {
            line.clear();
            pixkit::EncodePcxLine(GetAddr(0, y), m_nWidth, 1, line);
            out.Write(line.data(), line.size());
        }
        PALETTEENTRY entries[pixkit::kPaletteSize];
        pixkit::ReadLogicalPalette(m_hPalette, entries);
        std::uint8_t tail[1 + pixkit::kPcxPaletteSize];
        tail[0] = pixkit::kPcxPaletteMarker;
        for (unsigned i = 0; i < pixkit::kPaletteSize; ++i) {
            tail[1 + 3 * i] = entries[i].peRed;
            tail[2 + 3 * i] = entries[i].peGreen;
            tail[3 + 3 * i] = entries[i].peBlue;
        }
        out.Write(tail, sizeof tail);
    }
    // Other depths (1 and 4 bits) have no PCX form here: the header alone
    // is written, and loads back as no image.
    return out.Finish() ? 1 : 0;
}
