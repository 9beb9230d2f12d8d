#include "font_match.h"

#include "utf8.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace gdi {

namespace {

bool fontconfigReady()
{
    static const bool ready = FcInit() == FcTrue;
    return ready;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lower(x) == lower(y);
           });
}

bool isHangul(char32_t c)
{
    return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F);
}

bool isKoreanFaceName(std::string_view face)
{
    for (char32_t c : codePoints(face))
        if (isHangul(c))
            return true;
    static constexpr std::array<std::string_view, 10> latinNames{
        "gulim", "gulimche", "dotum", "dotumche", "batang", "batangche", "gungsuh", "gungsuhche",
        "malgun gothic", "new gulim"};
    return std::any_of(latinNames.begin(), latinNames.end(), [&](std::string_view n) { return equalNoCase(n, face); });
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

const FcChar8* fcString(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

std::vector<FaceCandidate> sortedFaces(const std::string& family, const FontRequest& request, int weight)
{
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    if (!pattern)
        return {};
    FcPattern* p = pattern.get();
    FcPatternAddString(p, FC_FAMILY, fcString(family.empty() ? request.generic : family));
    FcPatternAddInteger(p, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(p, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p, FC_SCALABLE, FcTrue);
    if (request.korean)
        FcPatternAddString(p, FC_LANG, reinterpret_cast<const FcChar8*>("ko"));
    if (!FcConfigSubstitute(nullptr, p, FcMatchPattern))
        return {};
    FcDefaultSubstitute(p);

    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> set(FcFontSort(nullptr, p, FcTrue, nullptr, &result));
    std::vector<FaceCandidate> out;
    if (!set)
        return out;
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        FcBool scalable = FcFalse;
        if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable)
            continue;
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr)
            continue;
        FaceCandidate c;
        c.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(font, FC_INDEX, 0, &c.index);
        FcChar8* name = nullptr;
        for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &name) == FcResultMatch; ++n)
            c.families.emplace_back(reinterpret_cast<const char*>(name));
        int fcWeight = FC_WEIGHT_REGULAR;
        if (FcPatternGetInteger(font, FC_WEIGHT, 0, &fcWeight) == FcResultMatch)
            c.weight = FcWeightToOpenType(fcWeight);
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(font, FC_SLANT, 0, &slant);
        c.italic = slant != FC_SLANT_ROMAN;
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch && charset != nullptr)
            c.charset = std::shared_ptr<FcCharSet>(FcCharSetCopy(charset), FcCharSetDestroy);
        out.push_back(std::move(c));
    }
    return out;
}

} // namespace

FontRequest fontRequest(const LOGFONTA& logfont)
{
    FontRequest r;
    const std::size_t length = strnlen(logfont.lfFaceName, LF_FACESIZE);
    r.family.assign(logfont.lfFaceName, length);
    const int pitch = logfont.lfPitchAndFamily & 0x03;
    const int family = logfont.lfPitchAndFamily & 0xF0;
    if (pitch == FIXED_PITCH || family == FF_MODERN)
        r.generic = "monospace";
    else if (family == FF_ROMAN)
        r.generic = "serif";
    else
        r.generic = "sans-serif";
    r.weight = logfont.lfWeight <= 0 ? FW_NORMAL : std::min<int>(logfont.lfWeight, 1000);
    r.italic = logfont.lfItalic != 0;
    r.emSquareCell = isKoreanFaceName(r.family);
    r.korean = logfont.lfCharSet == HANGUL_CHARSET || logfont.lfCharSet == JOHAB_CHARSET || r.emSquareCell;
    return r;
}

std::optional<WeightedFamily> splitWeightSuffix(std::string_view face)
{
    struct Suffix {
        std::string_view word;
        int weight;
    };
    static constexpr std::array<Suffix, 8> suffixes{{{" Black", FW_BLACK},
                                                     {" Heavy", FW_HEAVY},
                                                     {" ExtraBold", FW_EXTRABOLD},
                                                     {" SemiBold", FW_SEMIBOLD},
                                                     {" Bold", FW_BOLD},
                                                     {" Medium", FW_MEDIUM},
                                                     {" Light", FW_LIGHT},
                                                     {" Thin", FW_THIN}}};
    for (const Suffix& s : suffixes) {
        if (face.size() > s.word.size() && equalNoCase(face.substr(face.size() - s.word.size()), s.word))
            return WeightedFamily{std::string(face.substr(0, face.size() - s.word.size())), s.weight};
    }
    return std::nullopt;
}

bool FaceCandidate::covers(char32_t c) const
{
    return !charset || FcCharSetHasChar(charset.get(), c);
}

bool FaceCandidate::isFamily(std::string_view name) const
{
    return std::any_of(families.begin(), families.end(), [&](const std::string& f) { return equalNoCase(f, name); });
}

FaceMatch matchFaces(const FontRequest& request)
{
    if (!fontconfigReady())
        return {};
    FaceMatch match{sortedFaces(request.family, request, request.weight), request.weight};
    if (request.family.empty() || (!match.faces.empty() && match.faces.front().isFamily(request.family)))
        return match;
    if (auto split = splitWeightSuffix(request.family)) {
        const int weight = std::max(request.weight, split->weight);
        std::vector<FaceCandidate> heavier = sortedFaces(split->family, request, weight);
        if (!heavier.empty())
            return {std::move(heavier), weight};
    }
    return match;
}

} // namespace gdi
