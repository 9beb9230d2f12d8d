// Icon and cursor files: read, then turn every image read into pixels.
#include "platform/icon_file.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto result = iconfile::ReadIconFile(std::span<const std::uint8_t>(data, size));
    if (result.error == iconfile::IconError::None)
        for (const auto& image : result.file.images)
            (void)iconfile::ToArgb(image);
    return 0;
}
