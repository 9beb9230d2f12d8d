// The pictures the benchmarks work on, made in memory.
#pragma once

#include <cstdint>
#include <vector>

namespace pixkit_bench {

// A photo-like picture: smooth gradients and shapes under fine texture and
// noise, so that no codec gets an easy ride.  Top row first, 3 bytes a
// pixel in red, green, blue order, no padding.
std::vector<std::uint8_t> MakePhoto(int width, int height);

// Peak signal-to-noise ratio in dB between two pictures of the same layout.
double Psnr(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

} // namespace pixkit_bench
