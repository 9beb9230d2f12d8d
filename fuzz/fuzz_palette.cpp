// Raw palette files: load into an 8-bit image, draw through the palette
// (nearest colours), convert to 24 bits through it and save it back.
#include "fuzz_input.h"
#include "pixkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDIB image;
    if (!image.Create(4, 4, 8, nullptr))
        return 0;
    if (!image.LoadPalette(pixkit_fuzz::Input().Hold(data, size)))
        return 0;
    for (int i = 0; i < 16; ++i)
        image.SetPixelColor(i % 4, i / 4, 0x10204Fu * static_cast<unsigned long>(i));
    image.SavePalette("/dev/null");
    image.ConvertBPP(24);
    return 0;
}
