// The savers of formats that hold only 24-bit pictures (TGA and JPEG here)
// convert 8-, 16- and 32-bit images in place first; the image stays
// converted afterwards.
#pragma once

#include "pixkit.h"

namespace pixkit {

// True when the image is, or has now become, a 24-bit image to save.
inline bool ConvertForTrueColourSave(CDIB& image)
{
    if (!image.IsValid())
        return false;
    const int depth = image.GetBitCount();
    if (depth == 8 || depth == 16 || depth == 32)
        image.ConvertBPP(24);
    return image.IsValid() && image.GetBitCount() == 24;
}

} // namespace pixkit
