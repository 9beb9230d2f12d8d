// Windows bitmap files.
#include "pixkit.h"

#include "core/bmp_layout.h"
#include "core/dib_header.h"
#include "core/file_handle.h"

#include <algorithm>
#include <cstring>

// 0 only when the file cannot be opened.  Everything else gives 1, with an
// image when the headers describe one we can hold safely (see PlanBmpLoad)
// and an empty object otherwise.  Headers of later versions are normalised to
// the plain 40-byte header, so the image saves back as a file every reader
// takes.
int CDIB::LoadBMP(const char* fileName)
{
    Destroy();
    const pixkit::FileHandle file = pixkit::FileHandle::OpenRead(fileName);
    if (!file.IsOpen())
        return 0;

    const std::uint64_t fileSize = file.Size();
    unsigned char head[pixkit::kBmpHeadMax];
    const DWORD headLen = file.Read(head, static_cast<DWORD>(std::min<std::uint64_t>(sizeof head, fileSize)));
    std::optional<pixkit::BmpPlan> plan = pixkit::PlanBmpLoad(head, headLen, fileSize);
    if (!plan)
        return 1;

    Create(plan->block.release());
    if (m_pBits != nullptr && plan->pixelBytes > 0 && file.Seek(plan->pixelOffset))
        file.Read(m_pBits, plan->pixelBytes); // a short file leaves the rest as it was
    return 1;
}

// An empty object has nothing to write: 0, and no file is made.
int CDIB::SaveBMP(const char* fileName)
{
    if (m_pInfo == nullptr || m_pBits == nullptr)
        return 0;
    const pixkit::FileHandle file = pixkit::FileHandle::CreateWrite(fileName);
    if (!file.IsOpen())
        return 0;

    const auto infoSize = static_cast<DWORD>(GetInfoSize());
    const auto bitsSize = static_cast<DWORD>(GetBitsSize());
    unsigned char header[pixkit::kFileHeaderSize] = {'B', 'M'};
    const DWORD fields[2] = {pixkit::kFileHeaderSize + infoSize + bitsSize, pixkit::kFileHeaderSize + infoSize};
    const int offsets[2] = {2, 10};
    for (int f = 0; f < 2; ++f)
        for (int b = 0; b < 4; ++b)
            header[offsets[f] + b] = static_cast<unsigned char>(fields[f] >> (8 * b));

    file.Write(header, sizeof header);
    file.Write(m_pInfo, infoSize);
    file.Write(m_pBits, bitsSize);
    return 1;
}
