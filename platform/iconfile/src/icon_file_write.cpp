// Writing .ico and .cur files.
#include "platform/icon_file.h"

#include "byte_order.h"

namespace iconfile {
namespace {

using detail::Append16;
using detail::Append32;
using detail::RowBytes;

bool IsWritable(const IconImage& image, Kind kind)
{
    if (image.width < 1 || image.width > detail::kMaxSide || image.height < 1 || image.height > detail::kMaxSide ||
        !detail::IsSupportedDepth(image.bitCount))
        return false;
    const auto pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.color.size() != pixels || image.mask.size() != pixels)
        return false;
    if (detail::IsIndexed(image.bitCount)) {
        if (image.palette.empty() || image.palette.size() > (std::size_t{1} << image.bitCount))
            return false;
        for (std::uint32_t index : image.color)
            if (index >= image.palette.size())
                return false;
    } else if (!image.palette.empty()) {
        return false;
    }
    for (std::uint8_t bit : image.mask)
        if (bit > 1)
            return false;
    if (kind == Kind::Cursor &&
        (image.hotspotX < 0 || image.hotspotX >= image.width || image.hotspotY < 0 || image.hotspotY >= image.height))
        return false;
    return true;
}

// Packs one row of values of `bitCount` bits into `out`, padded to 32 bits.
void AppendRow(std::vector<std::uint8_t>& out, const std::uint32_t* values, int width, int bitCount)
{
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(RowBytes(static_cast<std::uint64_t>(width),
                                                         static_cast<std::uint64_t>(bitCount))),
               0);
    std::uint8_t* row = out.data() + start;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = values[x];
        switch (bitCount) {
        case 1:
            row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | ((v & 1u) << (7 - x % 8)));
            break;
        case 4:
            row[x / 2] = static_cast<std::uint8_t>(row[x / 2] | ((v & 0xFu) << (x % 2 == 0 ? 4 : 0)));
            break;
        case 8:
            row[x] = static_cast<std::uint8_t>(v);
            break;
        case 24:
            row[x * 3] = static_cast<std::uint8_t>(v);
            row[x * 3 + 1] = static_cast<std::uint8_t>(v >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(v >> 16);
            break;
        default:
            for (int b = 0; b < 4; ++b)
                row[x * 4 + b] = static_cast<std::uint8_t>(v >> (8 * b));
            break;
        }
    }
}

std::vector<std::uint8_t> ImageBytes(const IconImage& image)
{
    const auto w = static_cast<std::size_t>(image.width);
    const std::uint64_t colorSize = RowBytes(w, static_cast<std::uint64_t>(image.bitCount)) * static_cast<std::uint64_t>(image.height);
    const std::uint64_t maskSize = RowBytes(w, 1) * static_cast<std::uint64_t>(image.height);

    std::vector<std::uint8_t> out;
    Append32(out, detail::kInfoHeaderSize);
    Append32(out, static_cast<std::uint32_t>(image.width));
    Append32(out, static_cast<std::uint32_t>(image.height * 2)); // colour rows and mask rows
    Append16(out, 1);
    Append16(out, static_cast<std::uint32_t>(image.bitCount));
    Append32(out, 0); // no compression
    Append32(out, static_cast<std::uint32_t>(colorSize + maskSize));
    Append32(out, 0);
    Append32(out, 0);
    Append32(out, static_cast<std::uint32_t>(image.palette.size()));
    Append32(out, 0);
    for (std::uint32_t rgb : image.palette)
        Append32(out, rgb & 0x00FFFFFFu);

    std::vector<std::uint32_t> maskValues(w);
    for (int y = image.height - 1; y >= 0; --y)
        AppendRow(out, image.color.data() + static_cast<std::size_t>(y) * w, image.width, image.bitCount);
    for (int y = image.height - 1; y >= 0; --y) {
        for (std::size_t x = 0; x < w; ++x)
            maskValues[x] = image.mask[static_cast<std::size_t>(y) * w + x];
        AppendRow(out, maskValues.data(), image.width, 1);
    }
    return out;
}

} // namespace

IconWriteResult WriteIconFile(const IconFile& file)
{
    IconWriteResult result;
    if (file.images.empty() || file.images.size() > 0xFFFF || (file.kind != Kind::Icon && file.kind != Kind::Cursor)) {
        result.error = IconError::BadImage;
        return result;
    }
    for (const IconImage& image : file.images) {
        if (!IsWritable(image, file.kind)) {
            result.error = IconError::BadImage;
            return result;
        }
    }

    std::vector<std::uint8_t>& out = result.bytes;
    Append16(out, 0);
    Append16(out, static_cast<std::uint32_t>(file.kind));
    Append16(out, static_cast<std::uint32_t>(file.images.size()));

    std::vector<std::vector<std::uint8_t>> images;
    for (const IconImage& image : file.images)
        images.push_back(ImageBytes(image));

    std::uint32_t offset = static_cast<std::uint32_t>(detail::kDirectorySize + detail::kEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = file.images[i];
        out.push_back(static_cast<std::uint8_t>(image.width == 256 ? 0 : image.width));
        out.push_back(static_cast<std::uint8_t>(image.height == 256 ? 0 : image.height));
        // The colour count is given only for palettes of fewer than 256 entries.
        out.push_back(static_cast<std::uint8_t>(image.palette.size() < 256 ? image.palette.size() : 0));
        out.push_back(0);
        if (file.kind == Kind::Cursor) {
            Append16(out, static_cast<std::uint32_t>(image.hotspotX));
            Append16(out, static_cast<std::uint32_t>(image.hotspotY));
        } else {
            Append16(out, 1);
            Append16(out, static_cast<std::uint32_t>(image.bitCount));
        }
        Append32(out, static_cast<std::uint32_t>(images[i].size()));
        Append32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& bytes : images)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return result;
}

} // namespace iconfile
