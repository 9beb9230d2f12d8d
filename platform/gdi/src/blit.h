// The pixel loop shared by every blit: destination pixels inside the clip
// rectangles and the two axis maps get rop(convert(source), destination).
#pragma once

#include "pixel_convert.h"
#include "rop.h"
#include "stretch.h"
#include "surface.h"

#include <span>

namespace gdi {

// `clip` is in destination surface coordinates.  `source` may be null when
// the operation does not read it; `pattern` is the brush's raw value for
// operations that read one.  A source that shares storage with the
// destination is copied first, so overlapping copies read the old pixels.
void runBlit(Surface& destination, std::span<const RECT> clip, const AxisMap& columns, const AxisMap& rows,
             const Surface* source, const PixelConverter* convert, const RasterOp& rop, std::uint32_t pattern = 0);

} // namespace gdi
