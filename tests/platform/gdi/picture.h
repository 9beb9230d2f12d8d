// Pixel maps of small canvases as text, one character per pixel, so that
// shapes can be compared exactly and failures show the whole picture.
#pragma once

#include "gdi_test_support.h"

#include <map>
#include <string>

namespace gditest {

// Rows separated by '\n'; colours missing from `legend` show as '?'.
inline std::string picture(const Canvas& c, const std::map<COLORREF, char>& legend)
{
    std::string out;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const auto it = legend.find(c.at(x, y));
            out += it != legend.end() ? it->second : '?';
        }
        out += '\n';
    }
    return out;
}

// Joins rows written one per argument, for readable expectations.
template <class... Rows>
std::string rows(const Rows&... r)
{
    return ((std::string(r) + '\n') + ...);
}

struct BrushDeleter {
    void operator()(void* h) const { DeleteObject(h); }
};
using Brush = std::unique_ptr<HBRUSH__, BrushDeleter>;
using Pen = std::unique_ptr<HPEN__, BrushDeleter>;

} // namespace gditest
