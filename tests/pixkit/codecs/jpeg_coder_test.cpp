// The libjpeg driver on plain pixel buffers and files.
#include "codecs/jpeg_coder.h"

#include "core/file_handle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace pixkit {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A picture held in a plain buffer with padded rows, as an image stores it.
struct Picture {
    int width = 0;
    int height = 0;
    std::ptrdiff_t pitch = 0;
    Bytes bytes;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), pitch((3 * w + 3) & ~3), bytes(static_cast<std::size_t>(pitch * h), 0)
    {
    }
    std::uint8_t* Pixel(int x, int y) { return &bytes[static_cast<std::size_t>(y * pitch + 3 * x)]; }
};

// A smooth picture: gradients that JPEG keeps well.
Picture Smooth(int w, int h)
{
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* px = p.Pixel(x, y);
            px[0] = static_cast<std::uint8_t>(40 + 150 * x / w);         // blue
            px[1] = static_cast<std::uint8_t>(30 + 180 * y / h);         // green
            px[2] = static_cast<std::uint8_t>(200 - 100 * (x + y) / (w + h)); // red
        }
    return p;
}

bool Save(const std::string& path, Picture& p, bool bottomUp = false)
{
    const FileHandle file = FileHandle::CreateWrite(path.c_str());
    JpegWriteJob job;
    job.file = file.Get();
    job.width = p.width;
    job.height = p.height;
    job.rowBase = bottomUp ? p.Pixel(0, p.height - 1) : p.Pixel(0, 0);
    job.rowStride = bottomUp ? -p.pitch : p.pitch;
    return WriteJpeg(job);
}

struct LoadResult {
    bool ok = false;
    bool prepared = false;
    int components = 0;
    Picture picture;
};

LoadResult Load(const std::string& path)
{
    LoadResult result;
    const FileHandle file = FileHandle::OpenRead(path.c_str());
    EXPECT_TRUE(file.IsOpen()) << path;
    JpegReadJob job;
    job.file = file.Get();
    job.fileSize = file.Size();
    job.context = &result;
    job.prepare = [](void* context, JpegReadJob& j) {
        auto* r = static_cast<LoadResult*>(context);
        r->picture = Picture(j.width, j.height);
        std::fill(r->picture.bytes.begin(), r->picture.bytes.end(), 0x5A);
        j.rowBase = r->picture.Pixel(0, 0);
        j.rowStride = r->picture.pitch;
        return true;
    };
    result.ok = ReadJpeg(job);
    result.prepared = job.prepared;
    result.components = job.components;
    return result;
}

double MeanAbsError(Picture& a, Picture& b)
{
    double sum = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int c = 0; c < 3; ++c)
                sum += std::abs(a.Pixel(x, y)[c] - b.Pixel(x, y)[c]);
    return sum / (3.0 * a.width * a.height);
}

// Writes a JPEG of another colour space straight through libjpeg.
void SaveRaw(const std::string& path, int w, int h, int components, J_COLOR_SPACE space, const Bytes& pixels,
             bool progressive = false)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < h; ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[static_cast<std::size_t>(y * w * components)]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

TEST(JpegCoder, RoundTripKeepsTheSmoothPictureInBlueGreenRedOrder)
{
    Picture original = Smooth(37, 23); // odd width: padded rows on both sides
    ASSERT_TRUE(Save("coder_roundtrip.jpg", original));
    LoadResult loaded = Load("coder_roundtrip.jpg");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.components, 3);
    ASSERT_EQ(loaded.picture.width, 37);
    ASSERT_EQ(loaded.picture.height, 23);
    EXPECT_LT(MeanAbsError(original, loaded.picture), 3.0);
    // The padding after each row is left alone.
    EXPECT_EQ(loaded.picture.bytes[3 * 37], 0x5A);
}

TEST(JpegCoder, NegativeStrideWritesBottomUpStorageTopRowFirst)
{
    Picture p(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            // Storage row 0 (the picture's bottom row when bottom-up) is blue.
            std::uint8_t* px = p.Pixel(x, y);
            px[0] = y < 8 ? 255 : 0;
            px[2] = y < 8 ? 0 : 255;
        }
    ASSERT_TRUE(Save("coder_bottomup.jpg", p, /*bottomUp=*/true));
    LoadResult loaded = Load("coder_bottomup.jpg");
    ASSERT_TRUE(loaded.ok);
    const std::uint8_t* top = loaded.picture.Pixel(4, 1);
    const std::uint8_t* bottom = loaded.picture.Pixel(4, 14);
    EXPECT_GT(top[2], 200);
    EXPECT_LT(top[0], 60);
    EXPECT_GT(bottom[0], 200);
    EXPECT_LT(bottom[2], 60);
}

TEST(JpegCoder, GreyPicturesExpandToThreeEqualBytes)
{
    const int w = 21;
    const int h = 9;
    Bytes grey(static_cast<std::size_t>(w * h));
    for (int i = 0; i < w * h; ++i)
        grey[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 255 / (w * h));
    SaveRaw("coder_grey.jpg", w, h, 1, JCS_GRAYSCALE, grey);
    LoadResult loaded = Load("coder_grey.jpg");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.components, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* px = loaded.picture.Pixel(x, y);
            ASSERT_EQ(px[0], px[1]);
            ASSERT_EQ(px[1], px[2]);
            ASSERT_NEAR(px[0], grey[static_cast<std::size_t>(y * w + x)], 6);
        }
}

TEST(JpegCoder, AdobeCmykTurnsIntoRgb)
{
    // Adobe files store inverted ink: 255 means none.  White, then red.
    const Bytes cmyk = {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 255, 0, 0, 255};
    Bytes pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            pixels.insert(pixels.end(), cmyk.begin() + (x < 8 ? 0 : 8), cmyk.begin() + (x < 8 ? 4 : 12));
    SaveRaw("coder_cmyk.jpg", 16, 8, 4, JCS_CMYK, pixels);
    LoadResult loaded = Load("coder_cmyk.jpg");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.components, 4);
    const std::uint8_t* white = loaded.picture.Pixel(2, 4);
    const std::uint8_t* red = loaded.picture.Pixel(13, 4);
    EXPECT_GT(white[0], 245);
    EXPECT_GT(white[1], 245);
    EXPECT_GT(white[2], 245);
    EXPECT_GT(red[2], 240);
    EXPECT_LT(red[1], 15);
    EXPECT_LT(red[0], 15);
}

TEST(JpegCoder, RefusesFilesBeforeMakingAnImage)
{
    Picture p = Smooth(64, 48);
    ASSERT_TRUE(Save("coder_valid.jpg", p));
    const Bytes valid = ReadAll("coder_valid.jpg");

    // Find the frame header to give it a size the file cannot back.
    std::size_t sof = 0;
    for (std::size_t i = 2; i + 9 < valid.size(); ++i)
        if (valid[i] == 0xFF && valid[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    Bytes huge = valid;
    huge[sof + 5] = 0xEA; // height 60000
    huge[sof + 6] = 0x60;
    huge[sof + 7] = 0xEA; // width 60000
    huge[sof + 8] = 0x60;
    Bytes wide = valid;
    wide[sof + 7] = 0x7F; // width 32767 x 48 rows: 1.5 M pixels in a file of a few KB
    wide[sof + 8] = 0xFF;

    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"a BMP", {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0}},
        {"start marker only", {0xFF, 0xD8}},
        {"header cut inside the tables", Bytes(valid.begin(), valid.begin() + 40)},
        {"60000 x 60000 claimed", huge},
        {"more pixels than the file could code", wide},
    };
    for (const Case& c : cases) {
        WriteAll("coder_refused.jpg", c.bytes);
        const LoadResult r = Load("coder_refused.jpg");
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.prepared) << c.name;
    }
}

TEST(JpegCoder, DataCutShortOrCorruptIsAFailureAfterTheImageWasMade)
{
    // Texture, so that the coded data dwarfs the tables before it.
    Picture p = Smooth(256, 256);
    for (std::size_t i = 0; i < p.bytes.size(); ++i)
        p.bytes[i] = static_cast<std::uint8_t>(p.bytes[i] + (i * 7919 % 61));
    ASSERT_TRUE(Save("coder_whole.jpg", p));
    const Bytes whole = ReadAll("coder_whole.jpg");
    ASSERT_GT(whole.size(), 20000u);

    // An end marker in the middle of the coded data.
    Bytes garbled = whole;
    garbled[whole.size() / 2] = 0xFF;
    garbled[whole.size() / 2 + 1] = 0xD9;

    // A progressive file that lacks its last scans decodes without a
    // complaint from the decoder, blurred.
    Bytes packed;
    for (int y = 0; y < p.height; ++y)
        packed.insert(packed.end(), p.Pixel(0, y), p.Pixel(0, y) + 3 * p.width);
    SaveRaw("coder_progressive.jpg", p.width, p.height, 3, JCS_RGB, packed, /*progressive=*/true);
    const Bytes progressive = ReadAll("coder_progressive.jpg");
    ASSERT_TRUE(Load("coder_progressive.jpg").ok);
    std::size_t lastScan = 0;
    for (std::size_t i = 0; i + 1 < progressive.size(); ++i)
        if (progressive[i] == 0xFF && progressive[i + 1] == 0xDA)
            lastScan = i;
    ASSERT_GT(lastScan, progressive.size() / 2);

    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"cut in the middle", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2))},
        {"garbled data", garbled},
        {"progressive without its last scans",
         Bytes(progressive.begin(), progressive.begin() + static_cast<std::ptrdiff_t>(lastScan))},
    };
    for (const Case& c : cases) {
        WriteAll("coder_broken.jpg", c.bytes);
        const LoadResult r = Load("coder_broken.jpg");
        EXPECT_TRUE(r.prepared) << c.name;
        EXPECT_FALSE(r.ok) << c.name;
    }

    // Only the end marker missing: every row was there to decode.
    WriteAll("coder_broken.jpg", Bytes(whole.begin(), whole.end() - 2));
    EXPECT_TRUE(Load("coder_broken.jpg").ok);
}

TEST(JpegCoder, AFileThatRefusesBytesFailsTheWrite)
{
    Picture p = Smooth(300, 300);
    EXPECT_FALSE(Save("/dev/full", p));
}

} // namespace
} // namespace pixkit
