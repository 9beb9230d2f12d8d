// TGA files: load, then save (which converts 8-, 16- and 32-bit images).
#include "fuzz_input.h"
#include "pixkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDIB image;
    image.LoadTGA(pixkit_fuzz::Input().Hold(data, size));
    if (image.IsValid())
        image.SaveTGA("/dev/null");
    return 0;
}
