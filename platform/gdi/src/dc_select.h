// Selecting objects into a DC, shared by SelectObject and RestoreDC.
#pragma once

#include "handle_table.h"

#include <optional>

namespace gdi {

// SelectObject's work: the previous object of the same kind, the region
// kind (as a handle value) for a region, null when the object cannot be
// selected.
HGDIOBJ selectInto(HandleTable& table, HDC handle, DcObject& dc, HGDIOBJ object);

// The program clip: `logical` (null: none) in the DC's logical coordinates
// combined by `mode` (RGN_COPY, RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF) with
// the current one, no clip counting as the whole surface.  Returns the kind
// of the area the DC may then draw in, or ERROR (nothing changed).
int setProgramClip(HandleTable& table, DcObject& dc, const Region* logical, int mode);
// The kind of the area the DC may draw in, ERROR without a surface.
int drawableKind(HandleTable& table, DcObject& dc);

} // namespace gdi
