#include "font_face.h"

#include "immortal.h"

#include <map>
#include <utility>

namespace gdi {

namespace {

using FaceKey = std::pair<std::string, int>;
using FaceCache = std::map<FaceKey, std::weak_ptr<FaceFile>>;

FaceCache& faceCache()
{
    static Immortal<FaceCache> cache;
    return cache.get();
}

} // namespace

FT_Library freetypeLibrary()
{
    // Never released: faces may outlive every ordinary static.
    static const FT_Library library = [] {
        FT_Library l = nullptr;
        return FT_Init_FreeType(&l) == 0 ? l : nullptr;
    }();
    return library;
}

std::shared_ptr<FaceFile> FaceFile::open(const std::string& path, int index)
{
    FaceCache& cache = faceCache();
    const FaceKey key{path, index};
    if (auto it = cache.find(key); it != cache.end()) {
        if (auto alive = it->second.lock())
            return alive;
        cache.erase(it);
    }
    FT_Library library = freetypeLibrary();
    if (library == nullptr)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), index, &face) != 0)
        return nullptr;
    std::shared_ptr<FaceFile> file;
    try {
        file = std::make_shared<FaceFile>(face);
    } catch (...) {
        FT_Done_Face(face);
        throw;
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0)
        return nullptr;
    cache[key] = file;
    return file;
}

FaceFile::~FaceFile()
{
    FT_Done_Face(face_);
}

} // namespace gdi
