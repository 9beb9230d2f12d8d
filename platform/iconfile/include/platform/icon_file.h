// Icon (.ico) and cursor (.cur) files: a directory of images, each a
// BITMAPINFOHEADER-based colour ("XOR") bitmap followed by a one-bit
// transparency ("AND") mask.  Plain logic over bytes; no platform needed.
//
// Images are held top row first.  For 1, 4 and 8 bits per pixel `color`
// holds palette indices; for 24 and 32 bits it holds 0xAARRGGBB (24-bit
// images are read with alpha 0xFF and written without it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace iconfile {

enum class Kind : std::uint16_t { Icon = 1, Cursor = 2 };

struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 32;                  // 1, 4, 8, 24 or 32
    std::vector<std::uint32_t> palette; // 0x00RRGGBB; indexed depths only
    std::vector<std::uint32_t> color;   // width * height values, top row first
    std::vector<std::uint8_t> mask;     // width * height values: 1 = transparent
    int hotspotX = 0;                   // cursors only
    int hotspotY = 0;
};

struct IconFile {
    Kind kind = Kind::Icon;
    std::vector<IconImage> images;
};

enum class IconError {
    None,
    Truncated,        // a size or offset points past the end of the data
    BadDirectory,     // reserved word, type or count not those of an icon or cursor
    BadImageHeader,   // an image header that is not a plain BITMAPINFOHEADER image
    UnsupportedImage, // a PNG-compressed image, or a compression other than none
    BadImage,         // a pixel index beyond the palette; in writing also sizes or
                      // values that do not fit the image's depth
};

struct IconReadResult {
    IconError error = IconError::None;
    IconFile file;
};

struct IconWriteResult {
    IconError error = IconError::None;
    std::vector<std::uint8_t> bytes;
};

// Parses a whole .ico or .cur file.  Every size and offset is checked
// against the data before anything is read or allocated.
IconReadResult ReadIconFile(std::span<const std::uint8_t> data);

// Lays out a file: the directory, then each image's header, palette, colour
// rows and mask rows, bottom row first as the format stores them.
IconWriteResult WriteIconFile(const IconFile& file);

// The image as 0xAARRGGBB pixels, top row first, for display: a 32-bit image
// with any alpha uses its alpha; otherwise the mask decides (transparent where
// it is 1; pixels that would invert the screen also come out transparent).
std::vector<std::uint32_t> ToArgb(const IconImage& image);

const char* IconErrorText(IconError error);

} // namespace iconfile
