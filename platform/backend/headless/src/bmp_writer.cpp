#include "bmp_writer.h"

#include "platform/base.h"

#include <cstring>

namespace headless {
namespace {

template <typename T>
void Put(std::vector<std::uint8_t>& out, const T& value)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

} // namespace

bool WriteBmp(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels)
{
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return false;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
    const std::size_t headerBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);

    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + imageBytes);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfSize = static_cast<DWORD>(headerBytes + imageBytes);
    file.bfOffBits = static_cast<DWORD>(headerBytes);
    Put(out, file);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up, the form every reader takes
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageBytes);
    info.biXPelsPerMeter = 3780; // 96 dpi
    info.biYPelsPerMeter = 3780;
    Put(out, info);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = &pixels[static_cast<std::size_t>(y) * width];
        const std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));       // blue
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));  // green
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16)); // red
        }
        out.resize(start + rowBytes, 0);
    }

    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                     nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(handle, out.data(), static_cast<DWORD>(out.size()), &written, nullptr) != FALSE &&
                    written == out.size();
    CloseHandle(handle);
    if (!ok)
        DeleteFileA(path.c_str());
    return ok;
}

} // namespace headless
