// BMP files whose headers lie or ask for what no image should get.  Each
// must give an empty image without reading or writing out of bounds.
#pragma once

#include "bmp_builder.h"

#include <climits>
#include <functional>
#include <string>

namespace pixkit_test {

inline void Patch32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A valid 8-bit file of 4 x 2 pixels with a full table.
inline BmpFields ValidIndexed()
{
    BmpFields f;
    f.bitCount = 8;
    f.colors = TestColors(256);
    f.pixels = Bytes(8, 3);
    return f;
}

inline BmpFields With(const std::function<void(BmpFields&)>& change)
{
    BmpFields f = ValidIndexed();
    change(f);
    return f;
}

struct HostileBmp {
    std::string name;
    Bytes bytes;
};

inline std::vector<HostileBmp> HostileBmps()
{
    std::vector<HostileBmp> cases;
    auto add = [&](std::string name, Bytes bytes) { cases.push_back({std::move(name), std::move(bytes)}); };
    auto addFields = [&](std::string name, const std::function<void(BmpFields&)>& change) {
        add(std::move(name), BuildBmp(With(change)));
    };
    auto addPatched = [&](std::string name, std::size_t at, std::uint32_t value) {
        Bytes b = BuildBmp(ValidIndexed());
        Patch32(b, at, value);
        add(std::move(name), std::move(b));
    };
    const Bytes valid = BuildBmp(ValidIndexed());

    add("empty file", {});
    add("shorter than the file header", Bytes(valid.begin(), valid.begin() + 10));
    add("file header only", Bytes(valid.begin(), valid.begin() + 14));
    add("info header cut short", Bytes(valid.begin(), valid.begin() + 14 + 20));
    add("table cut short", Bytes(valid.begin(), valid.begin() + 14 + 40 + 100));

    addPatched("offset inside the file header", 10, 2);
    addPatched("offset before the table", 10, 14 + 40);
    addPatched("offset inside the table", 10, 14 + 40 + 4 * 255);
    addPatched("offset beyond the end", 10, static_cast<std::uint32_t>(valid.size() + 100));
    addPatched("offset 0xFFFFFFFF", 10, 0xFFFFFFFFu);

    addFields("OS/2 core header (biSize 12)", [](BmpFields& f) { f.infoSize = 12; });
    addFields("biSize 64", [](BmpFields& f) { f.infoSize = 64; });
    addFields("biSize 0", [](BmpFields& f) { f.infoSize = 0; });
    addPatched("biSize 0xFFFFFFF0", 14, 0xFFFFFFF0u);
    addPatched("biSize 124 claimed by a 40-byte header", 14, 124);
    addPatched("biSize 41", 14, 41);

    addFields("table longer than the room before the pixels", [](BmpFields& f) {
        f.bitCount = 4;
        f.colors = TestColors(2);
    });
    addFields("biClrUsed 257", [](BmpFields& f) {
        f.clrUsed = 257;
        f.colors = TestColors(257);
    });
    addFields("biClrUsed 0xFFFFFFFF", [](BmpFields& f) { f.clrUsed = 0xFFFFFFFFu; });
    addFields("biClrUsed 0x40000000 at 24 bits", [](BmpFields& f) {
        f.bitCount = 24;
        f.clrUsed = 0x40000000u;
        f.colors.clear();
        f.pixels = Bytes(24);
    });
    addFields("biClrUsed 300 at 24 bits", [](BmpFields& f) {
        f.bitCount = 24;
        f.clrUsed = 300;
        f.colors = TestColors(300);
        f.pixels = Bytes(24);
    });

    addFields("width 0", [](BmpFields& f) { f.width = 0; });
    addFields("negative width", [](BmpFields& f) { f.width = -4; });
    addFields("height 0", [](BmpFields& f) { f.height = 0; });
    addFields("height INT_MIN", [](BmpFields& f) { f.height = INT_MIN; });
    addFields("width and height INT_MAX at 32 bits", [](BmpFields& f) {
        f.bitCount = 32;
        f.colors.clear();
        f.width = INT_MAX;
        f.height = INT_MAX;
    });
    addFields("storage just over 1 GiB", [](BmpFields& f) {
        f.width = 32769; // pitch 32772 at 8 bits
        f.height = -32768;
    });
    addFields("30000 x 30000 pixels in a tiny file", [](BmpFields& f) {
        f.bitCount = 24;
        f.colors.clear();
        f.width = 30000;
        f.height = 30000;
    });
    addFields("75 MB of pixels promised by a tiny file", [](BmpFields& f) {
        f.bitCount = 24;
        f.colors.clear();
        f.width = 5000;
        f.height = -5000;
    });

    for (std::uint16_t bits : {0, 2, 3, 7, 64, 0xFFFF})
        addFields("bit count " + std::to_string(bits), [bits](BmpFields& f) { f.bitCount = bits; });
    addFields("planes 0", [](BmpFields& f) { f.planes = 0; });
    addFields("planes 3", [](BmpFields& f) { f.planes = 3; });

    for (std::uint32_t compression : {1u, 2u, 4u, 5u, 7u, 0x80000000u})
        addFields("compression " + std::to_string(compression),
                  [compression](BmpFields& f) { f.compression = compression; });
    addFields("run-length 4-bit", [](BmpFields& f) {
        f.bitCount = 4;
        f.compression = 2;
        f.colors = TestColors(16);
    });
    addFields("bit fields at 24 bits", [](BmpFields& f) {
        f.bitCount = 24;
        f.compression = 3;
        f.colors.clear();
        f.masks = {0xFF0000, 0xFF00, 0xFF};
        f.pixels = Bytes(24);
    });
    addFields("bit fields at 8 bits", [](BmpFields& f) {
        f.compression = 3;
        f.masks = {0xE0, 0x1C, 0x03};
    });
    addFields("alpha bit fields with a 52-byte header", [](BmpFields& f) {
        f.infoSize = 52;
        f.bitCount = 32;
        f.compression = 6;
        f.colors.clear();
        f.masks = {0xFF0000, 0xFF00, 0xFF};
        f.pixels = Bytes(32);
    });
    addFields("bit fields whose masks lie beyond the offset", [](BmpFields& f) {
        f.bitCount = 16;
        f.compression = 3;
        f.colors.clear();
        f.masks = {0xF800, 0x07E0, 0x001F};
        f.bfOffBits = 14 + 40 + 4;
        f.pixels = Bytes(16);
    });
    return cases;
}

} // namespace pixkit_test
