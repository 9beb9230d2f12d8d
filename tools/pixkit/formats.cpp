#include "formats.h"

#include <algorithm>
#include <cctype>

namespace pixkit_cli {

namespace {

constexpr ImageFormat kFormats[] = {
    {".bmp", "BMP", &CDIB::LoadBMP, &CDIB::SaveBMP},
    {".pcx", "PCX", &CDIB::LoadPCX, &CDIB::SavePCX},
    {".tga", "TGA", &CDIB::LoadTGA, &CDIB::SaveTGA},
    {".jpg", "JPEG", &CDIB::LoadJPG, &CDIB::SaveJPG},
    {".jpeg", "JPEG", &CDIB::LoadJPG, &CDIB::SaveJPG},
};

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (suffix.size() > text.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

std::span<const ImageFormat> ImageFormats() { return kFormats; }

const ImageFormat* FindFormat(std::string_view fileName)
{
    for (const ImageFormat& format : kFormats)
        if (EndsWithNoCase(fileName, format.extension))
            return &format;
    return nullptr;
}

} // namespace pixkit_cli
