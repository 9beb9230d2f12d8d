// JPEG files through libjpeg: 24-bit blue-green-red images, top row first.
#include "pixkit.h"

#include "codecs/jpeg_coder.h"
#include "codecs/true_colour.h"
#include "core/file_handle.h"

namespace {

bool MakeJpegImage(void* context, pixkit::JpegReadJob& job)
{
    auto* dib = static_cast<CDIB*>(context);
    if (!dib->Create(job.width, job.height, 24, nullptr))
        return false;
    job.rowBase = dib->GetAddr(0, 0);
    job.rowStride = dib->GetPitch();
    return true;
}

} // namespace

// 1 when the whole picture was read from intact data.  A file that cannot be
// opened, is no JPEG or asks for a size we refuse gives 0 and leaves the
// object as it was; a failure after that leaves a 24-bit image of the file's
// size whose pixels are unspecified.
int CDIB::LoadJPG(const char* fileName)
{
    const pixkit::FileHandle file = pixkit::FileHandle::OpenRead(fileName);
    if (!file.IsOpen())
        return 0;
    pixkit::JpegReadJob job;
    job.file = file.Get();
    job.fileSize = file.Size();
    job.prepare = MakeJpegImage;
    job.context = this;
    return pixkit::ReadJpeg(job) ? 1 : 0;
}

// 8-, 16- and 32-bit images are converted to 24 bits first and stay so.
// 0 for an empty or 1- or 4-bit image, a file that cannot be created or any
// coder failure.  The picture is written top row first whatever the row order
// of the storage.
int CDIB::SaveJPG(const char* fileName)
{
    if (!pixkit::ConvertForTrueColourSave(*this))
        return 0;

    const pixkit::FileHandle file = pixkit::FileHandle::CreateWrite(fileName);
    if (!file.IsOpen())
        return 0;
    pixkit::JpegWriteJob job;
    job.file = file.Get();
    job.width = m_nWidth;
    job.height = m_nHeight;
    job.rowBase = GetAddr(0, 0);
    job.rowStride = m_pInfo->bmiHeader.biHeight > 0 ? -static_cast<std::ptrdiff_t>(GetPitch()) : GetPitch();
    return pixkit::WriteJpeg(job) ? 1 : 0;
}
