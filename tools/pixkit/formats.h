// The image formats the pixkit tool reads and writes, chosen by file name
// extension.  Adding a format is adding one row to the table in formats.cpp.
#pragma once

#include "pixkit.h"

#include <span>
#include <string_view>

namespace pixkit_cli {

struct ImageFormat {
    const char* extension; // lower case, with the dot
    const char* name;
    int (CDIB::*load)(const char* fileName);
    int (CDIB::*save)(const char* fileName);
};

std::span<const ImageFormat> ImageFormats();

// The format whose extension ends fileName, compared without regard to case;
// null when there is none.
const ImageFormat* FindFormat(std::string_view fileName);

} // namespace pixkit_cli
