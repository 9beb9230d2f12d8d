#include "bitmaps.h"

#include "dib_header.h"

namespace gdi {

BitmapObject makeMonoBitmap(int width, int height)
{
    const int pitch = *dibPitch(1, width);
    Surface surface = Surface::allocate({width, height, pitch, true}, PixelFormat::monochrome());
    surface.setMonochrome(true);
    return BitmapObject{BitmapObject::Kind::MonoDdb, std::move(surface)};
}

BitmapObject makeColorBitmap(int width, int height)
{
    return BitmapObject{BitmapObject::Kind::ColorDdb,
                        Surface::allocate({width, height, width * 4, true}, PixelFormat::standard(32))};
}

bool ddbSizeAcceptable(int width, int height, int bpp)
{
    const auto pitch = dibPitch(bpp, width);
    return pitch && height > 0 &&
           static_cast<std::uint64_t>(*pitch) * static_cast<std::uint64_t>(height) <= kMaxDibStorage;
}

int ddbWidthBytes(int width, int bpp)
{
    return static_cast<int>(((static_cast<long long>(width) * bpp + 15) / 16) * 2);
}

} // namespace gdi
