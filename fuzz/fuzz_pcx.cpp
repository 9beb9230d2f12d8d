// PCX files: load, then encode what was loaded.
#include "fuzz_input.h"
#include "pixkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDIB image;
    image.LoadPCX(pixkit_fuzz::Input().Hold(data, size));
    if (image.IsValid())
        image.SavePCX("/dev/null");
    return 0;
}
