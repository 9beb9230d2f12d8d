// Uncompressed Targa files, bottom row first.
#include "pixkit.h"

#include "codecs/buffered_writer.h"
#include "codecs/tga_format.h"
#include "codecs/true_colour.h"
#include "core/file_handle.h"

// 0 only when the file cannot be opened.  Headers refused by CheckTgaFile
// give 1 and an empty object; a body cut short leaves the rows it lacks as
// the new image held them.
int CDIB::LoadTGA(const char* fileName)
{
    Destroy();
    const pixkit::FileHandle file = pixkit::FileHandle::OpenRead(fileName);
    if (!file.IsOpen())
        return 0;

    const std::uint64_t fileSize = file.Size();
    pixkit::TgaHeaderBytes head{};
    if (file.Read(head.data(), static_cast<DWORD>(head.size())) != head.size())
        return 1;
    const pixkit::TgaHeader header = pixkit::ParseTgaHeader(head);
    if (pixkit::CheckTgaFile(header, fileSize) != pixkit::TgaVerdict::kAccepted)
        return 1;

    // Bottom-up, so the file's first row lands in the bottom row.
    if (!Create(header.width, -header.height, header.bitsPerPixel, nullptr))
        return 1;
    const auto rowBytes = static_cast<DWORD>(header.RowBytes());
    if (header.width % 4 != 0) {
        // Stored rows are padded to 4 bytes, the file's are not.
        const int pitch = GetPitch();
        for (int row = 0; row < header.height; ++row)
            if (file.Read(m_pBits + static_cast<std::ptrdiff_t>(row) * pitch, rowBytes) != rowBytes)
                break;
    } else {
        file.Read(m_pBits, static_cast<DWORD>(header.BodyBytes()));
    }
    return 1;
}

// 0 when there is no image, when it has 1 or 4 bits per pixel (no form of
// ours holds them), when its size does not fit the header's 16-bit fields,
// when the file cannot be created or when writing fails; otherwise 1.
int CDIB::SaveTGA(const char* fileName)
{
    if (m_pInfo == nullptr || m_nWidth > 0xFFFF || m_nHeight > 0xFFFF)
        return 0;
    if (!pixkit::ConvertForTrueColourSave(*this))
        return 0;

    const pixkit::FileHandle file = pixkit::FileHandle::CreateWrite(fileName);
    if (!file.IsOpen())
        return 0;
    pixkit::BufferedWriter out(file, std::size_t{1} << 20);
    const pixkit::TgaHeaderBytes header = pixkit::BuildTgaHeader(m_nWidth, m_nHeight, 24);
    out.Write(header.data(), header.size());
    const auto rowBytes = static_cast<std::size_t>(m_nWidth) * 3;
    for (int y = m_nHeight - 1; y >= 0; --y)
        out.Write(GetAddr(0, y), rowBytes);
    return out.Finish() ? 1 : 0;
}
