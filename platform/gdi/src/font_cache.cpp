#include "font_cache.h"

#include "immortal.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <string>

namespace gdi {

namespace {

constexpr std::size_t kKeptFonts = 16;

struct FontCache {
    std::map<std::string, std::weak_ptr<FontInstance>> realised;
    std::deque<std::shared_ptr<FontInstance>> recent; // most recent at the front
};

FontCache& fontCache()
{
    static Immortal<FontCache> cache;
    return cache.get();
}

// What decides the faces, the size and the rendering; underline and
// strike-out are drawn by the caller and do not count.
std::string keyOf(const LOGFONTA& lf)
{
    std::string key = std::to_string(lf.lfHeight) + '/' + std::to_string(lf.lfWidth) + '/' +
                      std::to_string(lf.lfWeight) + '/' + std::to_string(lf.lfItalic != 0) + '/' +
                      std::to_string(lf.lfCharSet) + '/' + std::to_string(lf.lfQuality == NONANTIALIASED_QUALITY) +
                      '/' + std::to_string(lf.lfPitchAndFamily) + '/';
    const std::size_t length = strnlen(lf.lfFaceName, LF_FACESIZE);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = lf.lfFaceName[i];
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return key;
}

void touch(FontCache& cache, const std::shared_ptr<FontInstance>& font)
{
    auto it = std::find(cache.recent.begin(), cache.recent.end(), font);
    if (it != cache.recent.end())
        cache.recent.erase(it);
    cache.recent.push_front(font);
    if (cache.recent.size() > kKeptFonts)
        cache.recent.pop_back();
}

} // namespace

std::shared_ptr<FontInstance> realizeFont(const LOGFONTA& logfont)
{
    FontCache& cache = fontCache();
    const std::string key = keyOf(logfont);
    std::shared_ptr<FontInstance> font;
    if (auto it = cache.realised.find(key); it != cache.realised.end())
        font = it->second.lock();
    if (!font) {
        font = FontInstance::create(logfont);
        if (!font)
            return nullptr;
        std::erase_if(cache.realised, [](const auto& entry) { return entry.second.expired(); });
        cache.realised[key] = font;
    }
    touch(cache, font);
    return font;
}

} // namespace gdi
