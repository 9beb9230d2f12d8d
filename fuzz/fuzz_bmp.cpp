// BMP files: load, read a few pixels' colours, convert to 24 bits and save.
#include "fuzz_input.h"
#include "pixkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDIB image;
    image.LoadBMP(pixkit_fuzz::Input().Hold(data, size));
    if (image.IsValid()) {
        // Corners and the centre: colour reads go through the colour table
        // at 8 bits or less, the channel layout at 16.
        const int w = image.GetWidth();
        const int h = image.GetHeight();
        unsigned long sum = 0;
        for (int y : {0, h / 2, h - 1})
            for (int x : {0, w / 2, w - 1})
                sum += image.GetPixelColor(x, y);
        (void)sum;
        // The conversion goes pixel by pixel: keep it to small images, so the
        // fuzzer spends its time on headers rather than on big blank ones.
        if (static_cast<long long>(w) * h <= 65536)
            image.ConvertBPP(24);
        image.SaveBMP("/dev/null");
    }
    return 0;
}
