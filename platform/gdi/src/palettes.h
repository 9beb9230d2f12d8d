#pragma once

#include "handle_table.h"

#include <vector>

namespace gdi {

// The 20 colours of the default palette every DC starts with.
std::vector<PALETTEENTRY> defaultPaletteEntries();

} // namespace gdi
