// Realised fonts, shared by every font object of the same description.
#pragma once

#include "font_instance.h"

#include <memory>

namespace gdi {

// The realised font for the description; null when no face can be opened.
// The last few fonts used stay realised after their objects are deleted,
// so that a font made and deleted in every paint is realised only once.
std::shared_ptr<FontInstance> realizeFont(const LOGFONTA& logfont);

} // namespace gdi
