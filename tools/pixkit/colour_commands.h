// The colour sub-commands of the pixkit tool:
//
//   pixkit convert --depth N [--palette FILE] IN OUT   depth conversion
//   pixkit quantize [--palette FILE] IN OUT            down to 8 bits
//   pixkit palette IN OUT.pal                          the image's palette
//
// A --palette file (1024 bytes, as SavePalette writes) is loaded before the
// conversion and its colours are used instead of a median-cut palette.
#pragma once

#include <iosfwd>

namespace pixkit_cli {

// Runs the command line when it is one of the commands above and sets
// status; false when the command line is not one of them.
bool RunColourCommand(int argc, char** argv, std::ostream& out, std::ostream& err, int& status);

} // namespace pixkit_cli
