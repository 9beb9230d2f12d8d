// A font realised at one size: its faces in fallback order, its metrics and
// its rendered glyphs.  Not thread-safe; every GDI call runs under one lock.
#pragma once

#include "font_face.h"
#include "font_match.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace gdi {

struct FontMetrics {
    int height = 0; // ascent + descent: the cell
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0; // cell height minus the character (em) height
    int externalLeading = 0; // room the face's designer wants between lines
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool fixedPitch = false;
    bool hangul = false;       // the primary face has Hangul
    int underlineTop = 0;      // rows from the baseline down to the underline's top row
    int underlineThickness = 1;
    int strikeoutTop = 0;      // rows from the baseline up to the strike-out's top row
    int strikeoutThickness = 1;
};

struct Glyph {
    int advance = 0; // how far the pen moves
    int left = 0;    // from the pen to the bitmap's left column
    int top = 0;     // from the baseline up to the bitmap's top row
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // width * height, top row first
};

class FontInstance {
public:
    // Null when no face at all can be opened.
    static std::shared_ptr<FontInstance> create(const LOGFONTA& logfont);
    // The same with the faces already chosen, best first.
    static std::shared_ptr<FontInstance> create(const LOGFONTA& logfont, FaceMatch match);

    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;
    ~FontInstance();

    const FontMetrics& metrics() const { return metrics_; }
    // The character from the first face that has it, or the primary face's
    // missing-character shape.  Control characters draw nothing and take no
    // room.  The reference stays valid until the next call.
    const Glyph& glyph(char32_t c);
    int advance(char32_t c) { return glyph(c).advance; }
    // The face that draws the character, null when none has it.
    const FaceCandidate* faceFor(char32_t c);

private:
    struct Slot;
    struct Located {
        Slot* slot = nullptr;
        FT_UInt index = 0;
    };

    FontInstance() = default;
    bool open(Slot& slot);
    Located locate(char32_t c);
    Glyph render(Slot& slot, FT_UInt index);
    bool computeMetrics(const LOGFONTA& logfont);

    std::vector<std::unique_ptr<Slot>> slots_;
    Slot* primary_ = nullptr;
    double emX_ = 12.0; // character size in pixels, across and up
    double emY_ = 12.0;
    int requestedWeight_ = FW_NORMAL;
    bool italic_ = false;
    bool monochrome_ = false;
    int boldPixels_ = 1;
    FontMetrics metrics_;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

} // namespace gdi
