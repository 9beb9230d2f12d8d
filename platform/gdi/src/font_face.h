// Font files opened through FreeType, shared by every font that draws from
// them.  Callers serialise access (all GDI calls run under one lock).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace gdi {

// The process's FreeType library, or null when FreeType cannot start.
FT_Library freetypeLibrary();

class FaceFile {
public:
    // The face `index` of the file at `path`, with its Unicode character
    // map selected; the same object for as long as anyone holds it.  Null
    // when the file cannot be opened or has no Unicode map.
    static std::shared_ptr<FaceFile> open(const std::string& path, int index);

    explicit FaceFile(FT_Face face) : face_(face) {}
    ~FaceFile();
    FaceFile(const FaceFile&) = delete;
    FaceFile& operator=(const FaceFile&) = delete;

    FT_Face face() const { return face_; }

private:
    FT_Face face_;
};

} // namespace gdi
