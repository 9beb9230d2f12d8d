#include "colour_commands.h"

#include "commands.h"
#include "formats.h"
#include "pixkit.h"

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace pixkit_cli {

namespace {

struct ColourArgs {
    int depth = 0;                // 0: not given
    const char* palette = nullptr;
    std::vector<const char*> files;
};

// Reads --depth N and --palette FILE anywhere among the arguments after the
// command; false on a malformed option.
bool ParseArgs(int argc, char** argv, bool depthAllowed, ColourArgs& args, std::ostream& err)
{
    for (int i = 2; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--depth") == 0 && depthAllowed) {
            char* end = nullptr;
            const long depth = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : 0;
            if (i + 1 >= argc || *end != '\0' || (depth != 8 && depth != 16 && depth != 24 && depth != 32)) {
                err << "pixkit: --depth takes 8, 16, 24 or 32\n";
                return false;
            }
            args.depth = static_cast<int>(depth);
            ++i;
        } else if (std::strcmp(a, "--palette") == 0) {
            if (i + 1 >= argc) {
                err << "pixkit: --palette takes a file name\n";
                return false;
            }
            args.palette = argv[++i];
        } else if (a[0] == '-' && a[1] == '-') {
            err << "pixkit: unknown option '" << a << "'\n";
            return false;
        } else {
            args.files.push_back(a);
        }
    }
    return true;
}

bool Load(CDIB& image, const char* fileName, std::ostream& err)
{
    const ImageFormat* format = FindFormat(fileName);
    if (format == nullptr) {
        err << "pixkit: cannot tell the format of '" << fileName << "'\n";
        return false;
    }
    const int result = (image.*format->load)(fileName);
    if (!image.IsValid()) {
        err << "pixkit: '" << fileName << "' "
            << (result == 0 ? "cannot be opened" : "is not an image that pixkit can read") << '\n';
        return false;
    }
    return true;
}

bool Save(CDIB& image, const char* fileName, std::ostream& out, std::ostream& err)
{
    const ImageFormat* format = FindFormat(fileName);
    if (format == nullptr) {
        err << "pixkit: cannot tell the format to write from '" << fileName << "'\n";
        return false;
    }
    if ((image.*format->save)(fileName) == 0) {
        err << "pixkit: cannot write '" << fileName << "'\n";
        return false;
    }
    out << "-> " << fileName << " (" << format->name << ", " << image.GetWidth() << " x " << image.GetHeight()
        << ", " << image.GetBitCount() << " bits)\n";
    return true;
}

// Loads the palette file when one is given.
bool UsePalette(CDIB& image, const char* palette, std::ostream& err)
{
    if (palette != nullptr && image.LoadPalette(palette) == 0) {
        err << "pixkit: cannot open palette '" << palette << "'\n";
        return false;
    }
    return true;
}

// Converts to depth; an image already of that depth is left as it is.
bool Convert(CDIB& image, int depth, std::ostream& out, std::ostream& err)
{
    const int from = image.GetBitCount();
    if (from == depth)
        return true;
    if (image.ConvertBPP(depth) == 0) {
        err << "pixkit: cannot convert a " << from << "-bit image to " << depth << " bits\n";
        return false;
    }
    out << from << " -> " << depth << " bits\n";
    return true;
}

int ConvertCommand(const ColourArgs& args, int depth, std::ostream& out, std::ostream& err)
{
    CDIB image;
    if (!Load(image, args.files[0], err) || !UsePalette(image, args.palette, err))
        return kExitFailure;
    if (!Convert(image, depth, out, err) || !Save(image, args.files[1], out, err))
        return kExitFailure;
    return kExitOk;
}

int PaletteCommand(const ColourArgs& args, std::ostream& out, std::ostream& err)
{
    CDIB image;
    if (!Load(image, args.files[0], err))
        return kExitFailure;
    if (!image.IsValidPalette()) {
        image.CreatePaletteMedianCut();
        out << "made a palette by median cut\n";
    }
    if (image.SavePalette(args.files[1]) == 0) {
        err << "pixkit: cannot write '" << args.files[1] << "'\n";
        return kExitFailure;
    }
    out << "-> " << args.files[1] << " (palette)\n";
    return kExitOk;
}

} // namespace

bool RunColourCommand(int argc, char** argv, std::ostream& out, std::ostream& err, int& status)
{
    if (argc < 2)
        return false;
    const std::string command = argv[1];
    const bool hasOptions = [&] {
        for (int i = 2; i < argc; ++i)
            if (std::strncmp(argv[i], "--", 2) == 0)
                return true;
        return false;
    }();
    // A plain "convert IN OUT" is the format conversion, not ours.
    if (!(command == "quantize" || command == "palette" || (command == "convert" && hasOptions)))
        return false;

    ColourArgs args;
    if (!ParseArgs(argc, argv, command == "convert", args, err) || args.files.size() != 2 ||
        (command == "convert" && args.depth == 0) || (command == "palette" && args.palette != nullptr)) {
        err << "usage: pixkit convert --depth N [--palette FILE] IN OUT\n"
               "       pixkit quantize [--palette FILE] IN OUT\n"
               "       pixkit palette IN OUT.pal\n";
        status = kExitUsage;
        return true;
    }
    if (command == "palette")
        status = PaletteCommand(args, out, err);
    else
        status = ConvertCommand(args, command == "convert" ? args.depth : 8, out, err);
    return true;
}

} // namespace pixkit_cli
