// Draws every picture of the client and writes it into one directory:
// bitmap_<id>.bmp, icon_<id>.ico, cursor_<id>.cur, and the skin files
// "Frame.bmp" and "Title.bmp" that the program reads from its working
// directory.
#pragma once

#include "frame_layout.h"

#include <filesystem>
#include <string>
#include <vector>

namespace artgen {

// Names of the files that fail to be drawn or written; empty on success.
std::vector<std::string> WriteArtwork(const std::filesystem::path& directory, const FrameLayout& layout);

} // namespace artgen
