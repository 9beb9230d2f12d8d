#include "picture.h"

#include <algorithm>
#include <cmath>

namespace pixkit_bench {

namespace {

// Cheap hashed noise in [-1, 1).
float Noise(std::uint32_t x, std::uint32_t y, std::uint32_t salt)
{
    std::uint32_t h = x * 374761393u + y * 668265263u + salt * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFF) / 32768.0f - 1.0f;
}

// Noise smoothed over cells of the given size: texture at that scale.
float ValueNoise(int x, int y, int cell, std::uint32_t salt)
{
    const int cx = x / cell;
    const int cy = y / cell;
    const float fx = static_cast<float>(x % cell) / static_cast<float>(cell);
    const float fy = static_cast<float>(y % cell) / static_cast<float>(cell);
    const auto ux = static_cast<std::uint32_t>(cx);
    const auto uy = static_cast<std::uint32_t>(cy);
    const float a = Noise(ux, uy, salt);
    const float b = Noise(ux + 1, uy, salt);
    const float c = Noise(ux, uy + 1, salt);
    const float d = Noise(ux + 1, uy + 1, salt);
    const float top = a + (b - a) * fx;
    const float bottom = c + (d - c) * fx;
    return top + (bottom - top) * fy;
}

std::uint8_t Clamp(float v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f)); }

} // namespace

std::vector<std::uint8_t> MakePhoto(int width, int height)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = &rgb[static_cast<std::size_t>(y) * width * 3];
        for (int x = 0; x < width; ++x, out += 3) {
            const float u = static_cast<float>(x) / w;
            const float v = static_cast<float>(y) / h;
            // Sky to ground, a sun-like disc, and rolling shapes.
            const float dx = u - 0.7f;
            const float dy = v - 0.3f;
            const float sun = std::max(0.0f, 1.0f - std::sqrt(dx * dx + dy * dy) * 5.0f);
            const float hills = std::sin(u * 9.0f + std::sin(v * 4.0f) * 2.0f) * 0.5f + 0.5f;
            const float texture = ValueNoise(x, y, 64, 1) * 18.0f + ValueNoise(x, y, 9, 2) * 10.0f;
            const float grain = Noise(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 3) * 5.0f;
            const bool ground = v > 0.55f + 0.08f * hills;
            float r, g, b;
            if (ground) {
                r = 70 + 60 * hills + 40 * v;
                g = 110 + 50 * hills - 30 * v;
                b = 40 + 30 * u;
            } else {
                r = 90 + 120 * v + 150 * sun;
                g = 140 + 70 * v + 110 * sun;
                b = 230 - 60 * v + 20 * sun;
            }
            out[0] = Clamp(r + texture + grain);
            out[1] = Clamp(g + texture * 0.8f + grain);
            out[2] = Clamp(b + texture * 0.6f + grain);
        }
    }
    return rgb;
}

double Psnr(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double d = static_cast<double>(a[i]) - static_cast<double>(b[i]);
        sum += d * d;
    }
    const double mse = sum / static_cast<double>(a.size());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace pixkit_bench
