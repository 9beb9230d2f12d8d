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

struct BrushObject {
    UINT style = 0; // BS_SOLID or BS_NULL
    COLORREF color = 0;
    bool stock = false;
};

struct PenObject {
    UINT style = 0; // PS_SOLID .. PS_INSIDEFRAME
    int width = 0;  // 0 and 1 both draw one pixel wide
    COLORREF color = 0;
    bool stock = false;
};

// What SaveDC keeps and RestoreDC brings back.
struct DcState {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    COLORREF background = RGB(255, 255, 255);
    COLORREF text = RGB(0, 0, 0);
    int backgroundMode = 2;
    int stretchMode = 1;
    std::optional<Region> clip;
    HFONT font = nullptr;
    UINT textAlign = 0;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    POINT position{0, 0};
    int mixMode = 13;
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
    // Drawing lands where both clips (device coordinates) allow.  The
    // system clip is the owner's (a window's visible area) and stays for
    // the DC's life; the program's clip comes and goes with SelectClipRgn.
    std::optional<Region> systemClip;
    std::optional<Region> clip;
    HFONT font = nullptr;   // null or deleted: the stock font
    UINT textAlign = 0;     // TA_* flags
    HBRUSH brush = nullptr; // null or deleted: the stock white brush
    HPEN pen = nullptr;     // null or deleted: the stock black pen
    POINT position{0, 0};   // current position, logical coordinates
    int mixMode = 13;       // R2_COPYPEN
    std::vector<DcState> saved; // SaveDC's stack, oldest first
};

using GdiObject =
    std::variant<BitmapObject, PaletteObject, RegionObject, DcObject, FontObject, BrushObject, PenObject>;

} // namespace gdi
