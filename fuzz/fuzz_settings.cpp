// The settings file: any bytes as sys.con.  Reports go nowhere.
#include "Settings.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0; // fmemopen refuses an empty buffer
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    std::FILE* sink = std::fopen("/dev/null", "w");
    if (file != nullptr && sink != nullptr)
        client::LoadSettings(file, sink);
    if (file != nullptr)
        std::fclose(file);
    if (sink != nullptr)
        std::fclose(sink);
    return 0;
}
