// JPEG files: load into an image that holds a picture already, so that the
// "left untouched on failure" path runs too.
#include "fuzz_input.h"
#include "pixkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDIB image;
    image.Create(3, 3, 8, nullptr);
    image.LoadJPG(pixkit_fuzz::Input().Hold(data, size));
    if (image.IsValid() && image.GetBitCount() == 24) {
        unsigned long sum = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            sum += image.GetPixel(image.GetWidth() - 1, y);
        (void)sum;
    }
    return 0;
}
