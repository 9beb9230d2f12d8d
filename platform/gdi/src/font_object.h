// Font objects in the handle table and the font a DC draws with.
#pragma once

#include "font_instance.h"
#include "handle_table.h"

namespace gdi {

// The stock font: a sans face, 12 pixels high, for Korean text.
LOGFONTA defaultGuiFont();

// The DC's selected font, or the stock font when it has none or it was deleted.
FontObject& dcFontObject(HandleTable& table, const DcObject& dc);
HFONT dcFontHandle(HandleTable& table, const DcObject& dc);

// The realised font of the object; null when no face can be opened.
FontInstance* realizedFont(FontObject& font);

} // namespace gdi
