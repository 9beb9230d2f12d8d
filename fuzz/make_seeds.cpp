// Writes one tiny seed file per fuzz target into the directory given: each
// image made by the library's own savers, so that the fuzzers start from
// files the loaders accept, and a short news answer stream.
#include "pixkit.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    auto path = [&dir](const char* name) { return dir + "/" + name; };

    CDIB picture;
    if (!picture.Create(9, 5, 24, nullptr))
        return 1;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            picture.SetPixelColor(x, y, RGB(static_cast<BYTE>(x * 28), static_cast<BYTE>(y * 60), x == y ? 255 : 0));

    int ok = 1;
    ok &= picture.SaveBMP(path("bmp/seed24.bmp").c_str());
    ok &= picture.SaveTGA(path("tga/seed24.tga").c_str());
    ok &= picture.SavePCX(path("pcx/seed24.pcx").c_str());
    ok &= picture.SaveJPG(path("jpeg/seed.jpg").c_str());

    CDIB indexed;
    if (!indexed.Create(&picture))
        return 1;
    indexed.SetDIB(&picture);
    ok &= indexed.ConvertBPP(8);
    ok &= indexed.SaveBMP(path("bmp/seed8.bmp").c_str());
    ok &= indexed.SavePCX(path("pcx/seed8.pcx").c_str());
    ok &= indexed.SavePalette(path("palette/seed.pal").c_str());

    CDIB sixteen;
    if (!sixteen.Create(&picture))
        return 1;
    sixteen.SetDIB(&picture);
    ok &= sixteen.ConvertBPP(16);
    ok &= sixteen.SaveBMP(path("bmp/seed16.bmp").c_str());

    // 16- and 32-bit TGA files (the saver always writes 24 bits).
    for (int bits : {16, 32}) {
        unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 0, 8};
        header[16] = static_cast<unsigned char>(bits);
        const std::string name = path(bits == 16 ? "tga/seed16.tga" : "tga/seed32.tga");
        std::FILE* f = std::fopen(name.c_str(), "wb");
        if (f == nullptr)
            return 1;
        std::fwrite(header, 1, sizeof header, f);
        for (int i = 0; i < 3 * 2 * bits / 8; ++i)
            std::fputc(i * 37 & 0xFF, f);
        std::fclose(f);
    }
    // The news answer stream: a headline and an end of batch with news,
    // each read as one chunk of 805 bytes (a length byte of 115, times 7).
    {
        std::FILE* f = std::fopen(path("packets/seed.bin").c_str(), "wb");
        if (f == nullptr)
            return 1;
        for (const char* kind : {"tickernews", "newsend"}) {
            unsigned char record[805] = {};
            std::snprintf(reinterpret_cast<char*>(record), 12, "TICKER");
            record[12] = 0x20; // 800, little-endian
            record[13] = 0x03;
            std::snprintf(reinterpret_cast<char*>(record + 16), 12, "%s", kind);
            std::snprintf(reinterpret_cast<char*>(record + 28), 512, "headline");
            std::snprintf(reinterpret_cast<char*>(record + 540), 256, "http://news.example/1");
            record[796] = 1;
            std::fputc(115, f);
            std::fwrite(record, 1, sizeof record, f);
        }
        std::fclose(f);
    }
    return ok ? 0 : 1;
}
