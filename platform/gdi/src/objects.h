// The GDI objects that handles name.  The handle table owns them.
#pragma once

#include "platform/gdi.h"
#include "region.h"
#include "surface.h"

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace gdi {

struct BitmapObject {
    enum class Kind { DibSection, ColorDdb, MonoDdb };

    Kind kind;
    Surface surface;
    BITMAPINFOHEADER header{}; // DIB sections: the header they were made from
    HDC selectedInto = nullptr; // the memory DC holding it, if any
    bool stock = false;         // never deleted, may sit in any number of DCs
};

struct PaletteObject {
    std::vector<PALETTEENTRY> entries;
    bool stock = false;
};

struct RegionObject {
    Region region;
};

class FontInstance;

struct FontObject {
    LOGFONTA logfont{};
    // Realised on first use and shared with other fonts of the same
    // description; the object keeps its faces and glyphs alive.
    std::shared_ptr<FontInstance> instance;
    bool stock = false;
};

struct DcObject {
    // Set for a DC over caller-owned memory (gdi_surface.h); a memory DC
    // draws into its selected bitmap instead.
    std::optional<Surface> external;
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    COLORREF background = RGB(255, 255, 255);
    COLORREF text = RGB(0, 0, 0);
    int backgroundMode = 2; // OPAQUE
    int stretchMode = 1;    // BLACKONWHITE
    POINT origin{0, 0};     // device position of logical (0, 0)
    std::optional<Region> clip; // device coordinates
    HFONT font = nullptr;   // null or deleted: the stock font
    UINT textAlign = 0;     // TA_* flags
};

using GdiObject = std::variant<BitmapObject, PaletteObject, RegionObject, DcObject, FontObject>;

} // namespace gdi
