// quillpost_artgen: draws the client's bitmaps, icons and cursor into a
// directory.
//
//   quillpost_artgen OUTPUT_DIR
//
// The main window's size follows the dialog base units of its font as the
// GDI measures them, so the frame always fits the window the program makes.
#include "artwork.h"
#include "frame_layout.h"

#include <cstdio>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "quillpost_artgen: cannot make %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    const std::optional<artgen::BaseUnits> units = artgen::MeasureDialogBaseUnits();
    if (!units) {
        std::fprintf(stderr, "quillpost_artgen: the dialog font's base units cannot be measured\n");
        return 1;
    }
    const artgen::FrameLayout layout = artgen::ComputeFrameLayout(*units);
    const std::vector<std::string> failed = artgen::WriteArtwork(directory, layout);
    for (const std::string& name : failed)
        std::fprintf(stderr, "quillpost_artgen: %s could not be drawn or written\n", name.c_str());
    return failed.empty() ? 0 : 1;
}
