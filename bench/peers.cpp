#include "peers.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <SDL.h>
#include <SDL_image.h>
#include <jpeglib.h>
#include <libimagequant.h>
#include <stb_image.h>
#include <stb_image_write.h>

namespace pixkit_bench {

std::size_t RawRead(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return 0;
    struct stat st {};
    fstat(fd, &st);
    const auto size = static_cast<std::size_t>(st.st_size);
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, buffer.get() + done, size - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    close(fd);
    return done;
}

long StbLoad(const std::string& path)
{
    int w = 0;
    int h = 0;
    int n = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &n, 3);
    if (pixels == nullptr)
        return 0;
    stbi_image_free(pixels);
    return static_cast<long>(w) * h;
}

bool StbSaveBmp(const std::string& path, int w, int h, const std::uint8_t* rgb)
{
    return stbi_write_bmp(path.c_str(), w, h, 3, rgb) != 0;
}

bool StbSaveTga(const std::string& path, int w, int h, const std::uint8_t* rgb)
{
    stbi_write_tga_with_rle = 0; // uncompressed, as pixkit writes
    return stbi_write_tga(path.c_str(), w, h, 3, rgb) != 0;
}

bool StbSaveJpg(const std::string& path, int w, int h, const std::uint8_t* rgb, int quality)
{
    return stbi_write_jpg(path.c_str(), w, h, 3, rgb, quality) != 0;
}

long SdlLoad(const std::string& path)
{
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (surface == nullptr)
        return 0;
    const long pixels = static_cast<long>(surface->w) * surface->h;
    SDL_FreeSurface(surface);
    return pixels;
}

long LibjpegLoad(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return 0;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    const long pitch = (3L * cinfo.output_width + 3) & ~3L;
    std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[static_cast<std::size_t>(pitch) * cinfo.output_height]);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[16];
        JDIMENSION n = 0;
        while (n < 16 && cinfo.output_scanline + n < cinfo.output_height) {
            rows[n] = pixels.get() + static_cast<std::size_t>(pitch) * (cinfo.output_scanline + n);
            ++n;
        }
        jpeg_read_scanlines(&cinfo, rows, n);
    }
    const long count = static_cast<long>(cinfo.output_width) * cinfo.output_height;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    return count;
}

bool LibjpegSave(const std::string& path, int w, int h, const std::uint8_t* bgr, long pitch, int quality)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[16];
        JDIMENSION n = 0;
        while (n < 16 && cinfo.next_scanline + n < cinfo.image_height) {
            rows[n] = const_cast<JSAMPROW>(bgr + static_cast<std::size_t>(pitch) * (cinfo.next_scanline + n));
            ++n;
        }
        jpeg_write_scanlines(&cinfo, rows, n);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

std::vector<std::uint8_t> ImagequantReduce(const std::vector<std::uint8_t>& rgb, int w, int h)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
    for (std::size_t i = 0, j = 0; i < rgb.size(); i += 3, j += 4) {
        rgba[j] = rgb[i];
        rgba[j + 1] = rgb[i + 1];
        rgba[j + 2] = rgb[i + 2];
        rgba[j + 3] = 255;
    }
    liq_attr* attr = liq_attr_create();
    liq_image* image = liq_image_create_rgba(attr, rgba.data(), w, h, 0);
    liq_result* result = nullptr;
    std::vector<std::uint8_t> out;
    if (liq_image_quantize(image, attr, &result) == LIQ_OK) {
        liq_set_dithering_level(result, 0.0f);
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(w) * h);
        liq_write_remapped_image(result, image, indices.data(), indices.size());
        const liq_palette* palette = liq_get_palette(result);
        out.resize(rgb.size());
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const liq_color& c = palette->entries[indices[i]];
            out[3 * i] = c.r;
            out[3 * i + 1] = c.g;
            out[3 * i + 2] = c.b;
        }
        liq_result_destroy(result);
    }
    liq_image_destroy(image);
    liq_attr_destroy(attr);
    return out;
}

} // namespace pixkit_bench
