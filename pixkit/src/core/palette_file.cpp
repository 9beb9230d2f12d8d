// Raw palette files: 256 entries of red, green, blue and flags, 1024 bytes,
// no header.
#include "pixkit.h"

#include "core/file_handle.h"
#include "core/logical_palette.h"

// Entries that a short file does not supply are black.  The new palette's
// flags are 0 whatever the file held.
int CDIB::LoadPalette(const char* fileName)
{
    PALETTEENTRY entries[pixkit::kPaletteSize] = {};
    {
        const pixkit::FileHandle file = pixkit::FileHandle::OpenRead(fileName);
        if (!file.IsOpen())
            return 0;
        file.Read(entries, sizeof entries);
    }
    CreatePalette(entries);
    return 1;
}

// A palette of fewer than 256 entries (median cut) is written out to 256
// with black entries of flags 0.
int CDIB::SavePalette(const char* fileName)
{
    if (m_hPalette == nullptr)
        return 0;
    PALETTEENTRY entries[pixkit::kPaletteSize];
    pixkit::ReadLogicalPalette(m_hPalette, entries);
    const pixkit::FileHandle file = pixkit::FileHandle::CreateWrite(fileName);
    if (!file.IsOpen())
        return 0;
    file.Write(entries, sizeof entries);
    return 1;
}
