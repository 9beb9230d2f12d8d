// From a font description to the font files that draw it, through
// fontconfig: the best face first, then the faces fontconfig ranks after it
// that cover further characters, which a glyph falls back on when the faces
// before lack it.
#pragma once

#include "platform/gdi.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

struct FontRequest {
    std::string family;  // the face name; empty when none was given
    std::string generic; // "sans-serif", "serif" or "monospace"
    int weight = FW_NORMAL;
    bool italic = false;
    bool korean = false; // prefer faces with Hangul as the primary face
    // The face named is one of the Korean system faces, whose character cell
    // is their em square (no internal leading).  Whatever face stands in for
    // it keeps that cell, so text and dialog units measure as they were laid
    // out for it.
    bool emSquareCell = false;
};

// The face name is read up to its NUL or its 32 bytes, whichever is first.
// Hangul face names (e.g. "굴림"), the Latin names of the Korean system faces
// and the Korean character sets ask for a Korean face: no such face exists
// here under those names, and one with Hangul metrics beats a Latin one.
FontRequest fontRequest(const LOGFONTA& logfont);

// A family name ending in a weight word, such as "Arial Black": the family
// without it and the weight the word stands for.
struct WeightedFamily {
    std::string family;
    int weight;
};
std::optional<WeightedFamily> splitWeightSuffix(std::string_view face);

struct FaceCandidate {
    std::string path;
    int index = 0;
    std::vector<std::string> families;
    int weight = FW_NORMAL; // 100 to 1000, the FW_* scale
    bool italic = false;    // an italic or oblique face
    std::shared_ptr<FcCharSet> charset; // null when fontconfig did not say

    // Whether fontconfig says the face has the character (true when it did
    // not say; the face itself is the final judge).
    bool covers(char32_t c) const;
    bool isFamily(std::string_view name) const; // any of its names, ignoring case
};

struct FaceMatch {
    std::vector<FaceCandidate> faces; // best first; empty when there is no scalable face at all
    int weight = FW_NORMAL;           // the weight asked for in the end
};

// When no face of the requested name exists and the name ends in a weight
// word, the family without it is asked for at that weight, so that
// "Arial Black" becomes a heavy Arial rather than the default face.
FaceMatch matchFaces(const FontRequest& request);

} // namespace gdi
