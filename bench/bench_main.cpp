// pixkit's codecs and colour reduction against peer libraries.
//
//   pixkit_bench [--size N] [--reps N] [DIR]
//
// Makes a photo-like picture of N x N pixels (4096 by default) and an 8-bit
// version of it, writes them as BMP, TGA, PCX and JPEG files in DIR (a new
// temporary directory by default), then times each load and save against its
// peer.  pixkit and its peer run in alternation, --reps times each (7 by
// default) after one warm-up run each, and each side's time is its median;
// files are read from the page cache on both sides.
#include "peers.h"
#include "picture.h"
#include "pixkit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace pixkit_bench;

int g_reps = 7;

// Wall time of one call of fn in milliseconds.  fn returns false on failure,
// which ends the program: a benchmark of a failing call means nothing.
double TimeOnce(const std::string& what, const std::function<bool()>& fn)
{
    const auto start = std::chrono::steady_clock::now();
    const bool ok = fn();
    const auto end = std::chrono::steady_clock::now();
    if (!ok) {
        std::fprintf(stderr, "pixkit_bench: %s failed\n", what.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Row {
    std::string what;
    double pixkitMs;
    std::string peer;
    double peerMs;
};

std::vector<Row> g_rows;

// Times ours and theirs in alternation, after one warm-up call of each, so
// that both see the same background load of a shared machine; each side's
// time is its median.
void Compare(const std::string& what, const std::function<bool()>& ours, const std::string& peer,
             const std::function<bool()>& theirs)
{
    TimeOnce(what + " (pixkit)", ours);
    TimeOnce(what + " (" + peer + ")", theirs);
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < g_reps; ++i) {
        a.push_back(TimeOnce(what + " (pixkit)", ours));
        b.push_back(TimeOnce(what + " (" + peer + ")", theirs));
    }
    g_rows.push_back({what, Median(a), peer, Median(b)});
    std::fprintf(stderr, "  %-28s pixkit %9.1f ms   %-22s %9.1f ms\n", what.c_str(), Median(a), peer.c_str(),
                 Median(b));
}

// pixkit's picture as red, green, blue bytes, top row first.
std::vector<std::uint8_t> Rgb(const CDIB& image)
{
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(image.GetWidth()) * image.GetHeight() * 3);
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const COLORREF c = image.GetPixelColor(x, y);
            out.push_back(GetRValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetBValue(c));
        }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    int size = 4096;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc)
            size = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            g_reps = std::max(1, std::atoi(argv[++i]));
        else
            dir = argv[i];
    }
    if (dir.empty()) {
        char pattern[] = "/tmp/pixkit-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            std::perror("mkdtemp");
            return 1;
        }
        dir = pattern;
    }
    auto file = [&dir](const char* name) { return dir + "/" + name; };
    const int w = size;
    const int h = size;

    std::fprintf(stderr, "making a %d x %d picture in %s\n", w, h, dir.c_str());
    const std::vector<std::uint8_t> rgb = MakePhoto(w, h);
    // A bottom-up 24-bit image, as BMP files usually hold them.
    CDIB photo;
    if (!photo.Create(w, -h, 24, nullptr))
        return 1;
    for (int y = 0; y < h; ++y) {
        unsigned char* row = photo.GetAddr(0, y);
        const std::uint8_t* in = &rgb[static_cast<std::size_t>(y) * w * 3];
        for (int x = 0; x < w; ++x) {
            row[3 * x] = in[3 * x + 2];
            row[3 * x + 1] = in[3 * x + 1];
            row[3 * x + 2] = in[3 * x];
        }
    }
    CDIB indexed;
    indexed = photo;
    if (!indexed.ConvertBPP(8))
        return 1;
    if (!photo.SaveBMP(file("photo.bmp").c_str()) || !photo.SaveTGA(file("photo.tga").c_str()) ||
        !photo.SavePCX(file("photo.pcx").c_str()) || !photo.SaveJPG(file("photo.jpg").c_str()) ||
        !indexed.SavePCX(file("indexed.pcx").c_str()) || !indexed.SaveBMP(file("indexed.bmp").c_str()))
        return 1;

    std::fprintf(stderr, "timing, median of %d runs:\n", g_reps);
    auto load = [](int (CDIB::*member)(const char*), std::string path) {
        return [member, path] {
            CDIB image;
            return (image.*member)(path.c_str()) == 1 && image.IsValid();
        };
    };
    auto stbLoad = [](std::string path) { return [path] { return StbLoad(path) > 0; }; };

    Compare("BMP load 24-bit", load(&CDIB::LoadBMP, file("photo.bmp")), "stb_image", stbLoad(file("photo.bmp")));
    Compare("BMP load 24-bit (floor)", load(&CDIB::LoadBMP, file("photo.bmp")), "raw read of the file",
            [&] { return RawRead(file("photo.bmp")) > 0; });
    Compare("BMP save 24-bit", [&] { return photo.SaveBMP(file("out.bmp").c_str()) == 1; }, "stb_image_write",
            [&] { return StbSaveBmp(file("out_stb.bmp"), w, h, rgb.data()); });
    Compare("TGA load 24-bit", load(&CDIB::LoadTGA, file("photo.tga")), "stb_image", stbLoad(file("photo.tga")));
    Compare("TGA save 24-bit", [&] { return photo.SaveTGA(file("out.tga").c_str()) == 1; }, "stb_image_write",
            [&] { return StbSaveTga(file("out_stb.tga"), w, h, rgb.data()); });
    Compare("PCX load 24-bit", load(&CDIB::LoadPCX, file("photo.pcx")), "SDL2_image",
            [&] { return SdlLoad(file("photo.pcx")) > 0; });
    Compare("PCX load 8-bit", load(&CDIB::LoadPCX, file("indexed.pcx")), "SDL2_image",
            [&] { return SdlLoad(file("indexed.pcx")) > 0; });
    Compare("JPEG load", load(&CDIB::LoadJPG, file("photo.jpg")), "stb_image", stbLoad(file("photo.jpg")));
    Compare("JPEG load (wrapper)", load(&CDIB::LoadJPG, file("photo.jpg")), "libjpeg-turbo direct",
            [&] { return LibjpegLoad(file("photo.jpg")) > 0; });
    Compare("JPEG save", [&] { return photo.SaveJPG(file("out.jpg").c_str()) == 1; }, "stb_image_write",
            [&] { return StbSaveJpg(file("out_stb.jpg"), w, h, rgb.data(), 90); });
    Compare("JPEG save (wrapper)", [&] { return photo.SaveJPG(file("out.jpg").c_str()) == 1; }, "libjpeg-turbo direct",
            [&] {
                return LibjpegSave(file("out_direct.jpg"), w, h, photo.GetAddr(0, 0), -photo.GetPitch(), 90);
            });

    // Colour reduction: each run converts a fresh copy of the photo (the copy
    // is not timed).
    CDIB work;
    std::vector<std::uint8_t> theirs;
    auto convert = [&] {
        work = photo;
        return TimeOnce("ConvertBPP(8)", [&] { return work.ConvertBPP(8) == 1; });
    };
    auto quantise = [&] {
        return TimeOnce("libimagequant", [&] {
            theirs = ImagequantReduce(rgb, w, h);
            return !theirs.empty();
        });
    };
    convert();
    quantise();
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < g_reps; ++i) {
        a.push_back(convert());
        b.push_back(quantise());
    }
    g_rows.push_back({"24 -> 8 bits (median cut)", Median(a), "libimagequant", Median(b)});
    const std::vector<std::uint8_t> ours = Rgb(work);
    const double oursPsnr = Psnr(rgb, ours);
    const double theirPsnr = Psnr(rgb, theirs);

    std::printf("| operation (%d x %d) | pixkit ms | peer | peer ms | pixkit time / peer time |\n", w, h);
    std::printf("|---|---:|---|---:|---:|\n");
    for (const Row& r : g_rows)
        std::printf("| %s | %.1f | %s | %.1f | %.2f |\n", r.what.c_str(), r.pixkitMs, r.peer.c_str(), r.peerMs,
                    r.pixkitMs / r.peerMs);
    std::printf("\nPSNR against the original, 8-bit result: pixkit median cut %.2f dB, libimagequant (no dithering) "
                "%.2f dB\n",
                oursPsnr, theirPsnr);

    for (const char* name : {"photo.bmp", "photo.tga", "photo.pcx", "photo.jpg", "indexed.pcx", "indexed.bmp",
                             "out.bmp", "out_stb.bmp", "out.tga", "out_stb.tga", "out.jpg", "out_stb.jpg",
                             "out_direct.jpg"})
        unlink(file(name).c_str());
    rmdir(dir.c_str());
    return 0;
}
