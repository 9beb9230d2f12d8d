// Writing a 32-bit BGRX image (top row first) as a 24-bit BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

bool WriteBmp(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels);

} // namespace headless
