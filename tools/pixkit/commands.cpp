#include "commands.h"

#include "formats.h"
#include "platform/gdi.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string>

namespace pixkit_cli {

namespace {

std::string KnownExtensions()
{
    std::string list;
    for (const ImageFormat& format : ImageFormats()) {
        if (!list.empty())
            list += ", ";
        list += format.extension;
    }
    return list;
}

// Loads fileName into image by its extension; on failure says why on err
// and gives the exit status.
int LoadImage(CDIB& image, const char* fileName, std::ostream& err)
{
    const ImageFormat* format = FindFormat(fileName);
    if (format == nullptr || format->load == nullptr) {
        err << "pixkit: cannot tell the format of '" << fileName << "' (known: " << KnownExtensions() << ")\n";
        return kExitUsage;
    }
    const int loaded = (image.*format->load)(fileName);
    // JPEG reports a broken file with 0 as well, so 0 alone does not mean the
    // file is missing: ask the file system which it was.
    if (loaded == 0 && !std::ifstream(fileName, std::ios::binary).is_open()) {
        err << "pixkit: cannot open '" << fileName << "': " << std::strerror(errno) << '\n';
        return kExitFailure;
    }
    if (loaded == 0 || !image.IsValid()) {
        err << "pixkit: '" << fileName << "' is not a " << format->name << " image that pixkit can read\n";
        return kExitFailure;
    }
    return kExitOk;
}

const char* RowOrder(const CDIB& image)
{
    if (image.GetHeight() < 2)
        return "single row";
    return image.GetAddr(0, 0) == image.GetBits() ? "top-down" : "bottom-up";
}

} // namespace

int RunInfo(const char* fileName, std::ostream& out, std::ostream& err)
{
    CDIB image;
    if (const int status = LoadImage(image, fileName, err); status != kExitOk)
        return status;

    DIBSECTION section{};
    const bool described = GetObjectA(image.GetBitmap(), sizeof section, &section) >= static_cast<int>(sizeof section);
    const bool bitFields = described && section.dsBmih.biCompression == BI_BITFIELDS;

    out << "file: " << fileName << '\n';
    out << "size: " << image.GetWidth() << " x " << image.GetHeight() << '\n';
    out << "depth: " << image.GetBitCount() << " bits per pixel\n";
    out << "rows: " << RowOrder(image) << '\n';
    out << "compression: ";
    if (!described) {
        out << "unknown\n";
    } else if (bitFields) {
        out << std::hex << "bit fields (red 0x" << section.dsBitfields[0] << ", green 0x" << section.dsBitfields[1]
            << ", blue 0x" << section.dsBitfields[2] << ")\n"
            << std::dec;
    } else {
        out << "none\n";
    }
    // Every loader makes a 40-byte header: what follows it is masks, then
    // colours.
    const int colors = (image.GetInfoSize() - 40) / 4 - (bitFields ? 3 : 0);
    out << "colour table: " << colors << " entries\n";
    if (image.IsValidPalette()) {
        PALETTEENTRY entries[256];
        out << "logical palette: " << GetPaletteEntries(image.GetPalette(), 0, 256, entries) << " entries\n";
    } else {
        out << "logical palette: none\n";
    }
    return kExitOk;
}

int RunConvert(const char* input, const char* output, std::ostream& out, std::ostream& err)
{
    const ImageFormat* target = FindFormat(output);
    if (target == nullptr || target->save == nullptr) {
        err << "pixkit: cannot tell the format to write from '" << output << "' (known: " << KnownExtensions()
            << ")\n";
        return kExitUsage;
    }
    CDIB image;
    if (const int status = LoadImage(image, input, err); status != kExitOk)
        return status;
    if ((image.*target->save)(output) == 0) {
        err << "pixkit: cannot write '" << output << "'\n";
        return kExitFailure;
    }
    out << input << " -> " << output << " (" << target->name << ", " << image.GetWidth() << " x "
        << image.GetHeight() << ", " << image.GetBitCount() << " bits)\n";
    return kExitOk;
}

} // namespace pixkit_cli
