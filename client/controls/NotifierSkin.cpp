#include "NotifierSkin.h"

#include "FrameRegion.h"
#include "platform/user.h"

#include <limits>

namespace notifier {

int ReadableSkinWidth(int width) { return width > 0 ? width - width % 4 : 0; }

HRGN RegionFromSkinPixels(const SkinPixels& skin, COLORREF key)
{
    if (skin.width <= 0 || skin.height <= 0)
        return nullptr;
    const std::size_t rowBytes = static_cast<std::size_t>(skin.width) * 3;
    if (skin.bgr.size() < rowBytes * static_cast<std::size_t>(skin.height))
        return nullptr;
    const auto pixel = [&](int x, int y) -> COLORREF {
        const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) * 3;
        return RGB(skin.bgr[at + 2], skin.bgr[at + 1], skin.bgr[at]);
    };
    return frame_region::MakeRegionFromPixels(skin.width, skin.height, pixel, key & 0x00FFFFFF);
}

SkinPixels ReadSkinPixels(HBITMAP bitmap)
{
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0)
        return {};
    constexpr int kMaxSide = std::numeric_limits<std::uint16_t>::max();
    if (info.bmWidth <= 0 || info.bmHeight == 0 || info.bmWidth > kMaxSide || info.bmHeight > kMaxSide ||
        info.bmHeight < -kMaxSide)
        return {};
    SkinPixels skin;
    skin.width = ReadableSkinWidth(info.bmWidth);
    skin.height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (skin.width == 0)
        return {};
    skin.bgr.resize(static_cast<std::size_t>(skin.width) * 3 * static_cast<std::size_t>(skin.height));

    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = skin.width;
    request.bmiHeader.biHeight = -skin.height; // top row first
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    request.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetWindowDC(nullptr);
    if (screen == nullptr)
        return {};
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(skin.height), skin.bgr.data(), &request,
                                DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines <= 0)
        return {};
    return skin;
}

HRGN BuildSkinRegion(HBITMAP bitmap, COLORREF key) { return RegionFromSkinPixels(ReadSkinPixels(bitmap), key); }

} // namespace notifier
