// The peer libraries, called the way a careful user of each would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pixkit_bench {

// Reads the whole file into a freshly allocated buffer: the floor of any
// loader.  Returns the bytes read.
std::size_t RawRead(const std::string& path);

// stb_image: decodes to RGB; returns width x height (0 on failure).
long StbLoad(const std::string& path);
bool StbSaveBmp(const std::string& path, int w, int h, const std::uint8_t* rgb);
bool StbSaveTga(const std::string& path, int w, int h, const std::uint8_t* rgb);
bool StbSaveJpg(const std::string& path, int w, int h, const std::uint8_t* rgb, int quality);

// SDL2_image: IMG_Load into a surface; returns width x height.
long SdlLoad(const std::string& path);

// libjpeg-turbo directly: decoding to blue-green-red rows of the given
// pitch, encoding from them with the same settings pixkit uses.
long LibjpegLoad(const std::string& path);
bool LibjpegSave(const std::string& path, int w, int h, const std::uint8_t* bgr, long pitch, int quality);

// libimagequant without dithering (as median cut has none): quantises the
// RGB picture to at most 256 colours and gives the result back as RGB.
std::vector<std::uint8_t> ImagequantReduce(const std::vector<std::uint8_t>& rgb, int w, int h);

} // namespace pixkit_bench
