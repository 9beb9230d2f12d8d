#include "font_instance.h"

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

// Larger sizes are drawn at this size; it keeps a hostile font description
// from asking for glyph bitmaps of gigabytes.
constexpr double kMaxEm = 1024.0;
constexpr double kDefaultEm = 12.0;
// The cache of one font is dropped whole when it grows past this many
// glyphs (a few thousand Hangul syllables at most in practice).
constexpr std::size_t kMaxGlyphs = 4096;
// The slant of a synthesised oblique: tan(12 degrees) in 16.16.
constexpr FT_Fixed kObliqueShear = 0x0366A;

int roundToInt(double v) { return static_cast<int>(std::lround(v)); }

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The face's vertical design, in font units.
struct Verticals {
    double ascent = 0;
    double descent = 0;
    double lineGap = 0; // beyond ascent + descent
    double averageWidth = 0;
    double strikeoutPosition = 0;
    double strikeoutSize = 0;
};

Verticals verticalsOf(FT_Face face)
{
    Verticals v;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        v.ascent = os2->usWinAscent;
        v.descent = os2->usWinDescent;
    } else {
        v.ascent = face->ascender;
        v.descent = -face->descender;
    }
    if (v.ascent + v.descent <= 0) {
        v.ascent = face->units_per_EM * 0.8;
        v.descent = face->units_per_EM * 0.2;
    }
    const double line = hhea != nullptr ? hhea->Ascender - hhea->Descender + hhea->Line_Gap : face->height;
    v.lineGap = std::max(0.0, line - (v.ascent + v.descent));
    if (os2 != nullptr && os2->version != 0xFFFF) {
        v.averageWidth = std::max<int>(0, os2->xAvgCharWidth);
        v.strikeoutPosition = os2->yStrikeoutPosition;
        v.strikeoutSize = std::max<int>(0, os2->yStrikeoutSize);
    }
    return v;
}

} // namespace

struct FontInstance::Slot {
    explicit Slot(FaceCandidate c) : candidate(std::move(c)) {}
    ~Slot()
    {
        if (size != nullptr)
            FT_Done_Size(size); // before `file` lets the face go
    }
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;

    FaceCandidate candidate;
    std::shared_ptr<FaceFile> file;
    FT_Size size = nullptr;
    bool tried = false;
    bool embolden = false; // the face is lighter than asked: thicken its strokes
    bool oblique = false;  // the face is upright but italic was asked: slant it
};

FontInstance::~FontInstance() = default;

std::shared_ptr<FontInstance> FontInstance::create(const LOGFONTA& logfont)
{
    return create(logfont, matchFaces(fontRequest(logfont)));
}

std::shared_ptr<FontInstance> FontInstance::create(const LOGFONTA& logfont, FaceMatch match)
{
    std::shared_ptr<FontInstance> font(new FontInstance());
    font->requestedWeight_ = match.weight;
    font->italic_ = logfont.lfItalic != 0;
    font->monochrome_ = logfont.lfQuality == NONANTIALIASED_QUALITY;
    for (FaceCandidate& c : match.faces)
        font->slots_.push_back(std::make_unique<Slot>(std::move(c)));
    if (!font->computeMetrics(logfont))
        return nullptr;
    return font;
}

bool FontInstance::computeMetrics(const LOGFONTA& logfont)
{
    // The primary face is the best one that opens; it alone sets the metrics.
    std::shared_ptr<FaceFile> file;
    for (auto& slot : slots_) {
        file = FaceFile::open(slot->candidate.path, slot->candidate.index);
        if (file) {
            primary_ = slot.get();
            break;
        }
    }
    if (primary_ == nullptr)
        return false;
    FT_Face face = file->face();
    const double upem = face->units_per_EM > 0 ? face->units_per_EM : 1000.0;
    Verticals v = verticalsOf(face);
    // A stand-in for a Korean system face takes that face's square cell,
    // sharing it between ascent and descent as its own design does.
    const FontRequest request = fontRequest(logfont);
    if (request.emSquareCell && !primary_->candidate.isFamily(request.family)) {
        const double total = v.ascent + v.descent;
        v.ascent = upem * v.ascent / total;
        v.descent = upem - v.ascent;
        v.lineGap = 0;
    }

    // A negative height is the character height, a positive one the cell's.
    double em = kDefaultEm;
    if (logfont.lfHeight < 0)
        em = -static_cast<double>(logfont.lfHeight);
    else if (logfont.lfHeight > 0)
        em = logfont.lfHeight * upem / (v.ascent + v.descent);
    em = std::clamp(em, 1.0, kMaxEm);
    const double scale = em / upem;
    emY_ = em;
    emX_ = em;
    if (logfont.lfWidth > 0 && v.averageWidth > 0)
        emX_ = std::clamp(em * logfont.lfWidth / (v.averageWidth * scale), 1.0, kMaxEm);
    const double scaleX = emX_ / upem;
    boldPixels_ = std::max(1, roundToInt(em / 24.0));

    FontMetrics& m = metrics_;
    m.descent = roundToInt(v.descent * scale);
    if (logfont.lfHeight > 0 && em < kMaxEm) {
        m.height = logfont.lfHeight;
        m.ascent = m.height - m.descent;
    } else {
        m.ascent = roundToInt(v.ascent * scale);
        m.height = m.ascent + m.descent;
    }
    m.internalLeading = std::max(0, m.height - roundToInt(em));
    m.externalLeading = roundToInt(v.lineGap * scale);
    m.weight = requestedWeight_;
    m.italic = italic_;
    m.fixedPitch = FT_IS_FIXED_WIDTH(face);
    m.hangul = FT_Get_Char_Index(face, 0xAC00) != 0;

    const double underlineThickness = face->underline_thickness > 0 ? face->underline_thickness : upem / 20.0;
    m.underlineThickness = std::max(1, roundToInt(underlineThickness * scale));
    const double underlineCentre = face->underline_position != 0 ? -face->underline_position : upem / 10.0;
    m.underlineTop = roundToInt(underlineCentre * scale - m.underlineThickness / 2.0);
    // Keep the line inside the cell, below the baseline where there is room.
    const int underlineLow = std::min(1, m.descent);
    m.underlineTop = std::clamp(m.underlineTop, underlineLow, std::max(underlineLow, m.descent - m.underlineThickness));

    if (v.strikeoutSize > 0) {
        m.strikeoutThickness = std::max(1, roundToInt(v.strikeoutSize * scale));
        m.strikeoutTop = roundToInt(v.strikeoutPosition * scale);
    } else {
        m.strikeoutThickness = m.underlineThickness;
        m.strikeoutTop = roundToInt(em * 0.3) + m.strikeoutThickness;
    }
    m.strikeoutTop = std::clamp(m.strikeoutTop, m.strikeoutThickness, std::max(m.strikeoutThickness, m.ascent));

    if (!open(*primary_))
        return false;
    m.maxCharWidth = roundToInt(face->max_advance_width * scaleX);
    m.aveCharWidth = v.averageWidth > 0 ? roundToInt(v.averageWidth * scaleX) : advance(U'x');
    if (primary_->embolden) {
        m.aveCharWidth += boldPixels_;
        m.maxCharWidth += boldPixels_;
    }
    return true;
}

bool FontInstance::open(Slot& slot)
{
    if (slot.tried)
        return slot.size != nullptr;
    slot.tried = true;
    slot.file = FaceFile::open(slot.candidate.path, slot.candidate.index);
    if (!slot.file)
        return false;
    FT_Face face = slot.file->face();
    FT_Size size = nullptr;
    if (FT_New_Size(face, &size) != 0)
        return false;
    if (FT_Activate_Size(size) != 0 ||
        FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(emX_ * 64)),
                         static_cast<FT_F26Dot6>(std::lround(emY_ * 64)), 72, 72) != 0) {
        FT_Done_Size(size);
        return false;
    }
    slot.size = size;
    slot.embolden = requestedWeight_ >= FW_SEMIBOLD && slot.candidate.weight < FW_SEMIBOLD;
    slot.oblique = italic_ && !slot.candidate.italic;
    return true;
}

FontInstance::Located FontInstance::locate(char32_t c)
{
    for (auto& slot : slots_) {
        if (!slot->candidate.covers(c) || !open(*slot))
            continue;
        if (FT_UInt index = FT_Get_Char_Index(slot->file->face(), c); index != 0)
            return {slot.get(), index};
    }
    return {primary_, 0};
}

const FaceCandidate* FontInstance::faceFor(char32_t c)
{
    const Located where = locate(c);
    return where.index != 0 ? &where.slot->candidate : nullptr;
}

const Glyph& FontInstance::glyph(char32_t c)
{
    if (auto it = glyphs_.find(c); it != glyphs_.end())
        return it->second;
    if (glyphs_.size() >= kMaxGlyphs)
        glyphs_.clear();
    Glyph g;
    if (!isControl(c)) {
        const Located where = locate(c);
        g = render(*where.slot, where.index);
    }
    return glyphs_.emplace(c, std::move(g)).first->second;
}

Glyph FontInstance::render(Slot& slot, FT_UInt index)
{
    Glyph g;
    if (!open(slot))
        return g;
    FT_Face face = slot.file->face();
    FT_Activate_Size(slot.size);
    const FT_Int32 flags = FT_LOAD_NO_BITMAP | (monochrome_ ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Glyph(face, index, flags) != 0)
        return g;
    FT_GlyphSlot loaded = face->glyph;
    g.advance = static_cast<int>((loaded->advance.x + 32) >> 6);
    if (loaded->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (slot.embolden) {
            FT_Outline_EmboldenXY(&loaded->outline, boldPixels_ * 64, 0);
            g.advance += boldPixels_;
        }
        if (slot.oblique) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&loaded->outline, &shear);
        }
    }
    if (FT_Render_Glyph(loaded, monochrome_ ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return g;
    const FT_Bitmap& bitmap = loaded->bitmap;
    // The renderer writes rows top first; anything else is not drawn.
    if (bitmap.pitch < 0 || bitmap.buffer == nullptr ||
        (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO))
        return g;
    g.left = loaded->bitmap_left;
    g.top = loaded->bitmap_top;
    g.width = static_cast<int>(bitmap.width);
    g.height = static_cast<int>(bitmap.rows);
    g.coverage.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        std::uint8_t* out = g.coverage.data() + static_cast<std::size_t>(y) * g.width;
        for (int x = 0; x < g.width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                out[x] = row[x];
        }
    }
    return g;
}

} // namespace gdi
