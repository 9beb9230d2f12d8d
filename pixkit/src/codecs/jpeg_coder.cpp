#include "codecs/jpeg_coder.h"

#include "core/dib_header.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h first: it brings the configuration that jerror.h looks at.
#include <jpeglib.h>

#include <jerror.h>

namespace pixkit {
namespace {

constexpr std::size_t kIoBlock = 1u << 16;

// The error manager: fatal errors jump back to the driving function, warnings
// that mean lost picture data are remembered, everything else is silent.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool dataLost;   // the decoder met corrupt data or needed bits that were missing
    bool endReached; // the file ended before its end marker
};

[[noreturn]] void OnFatalError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    switch (err->base.msg_code) {
    case JWRN_JPEG_EOF:
        // Not a loss by itself: a sequential decoder reads ahead past the
        // last bits it needs, and reports a real shortage as a hit marker.
        err->endReached = true;
        break;
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
        err->dataLost = true;
        break;
    default:
        break; // harmless oddities: extraneous bytes, unknown markers, ...
    }
}

void OnOutputMessage(j_common_ptr) {}

void InstallErrorManager(ErrorManager& err)
{
    jpeg_std_error(&err.base);
    err.base.error_exit = OnFatalError;
    err.base.emit_message = OnMessage;
    err.base.output_message = OnOutputMessage;
    err.dataLost = false;
    err.endReached = false;
}

// --- source: blocks read from a kernel file handle ---------------------------

struct FileSource {
    jpeg_source_mgr base;
    HANDLE file;
    JOCTET* buffer;
    bool atEnd;
};

void SourceInit(j_decompress_ptr) {}

boolean SourceFill(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    DWORD got = 0;
    if (!ReadFile(src->file, src->buffer, static_cast<DWORD>(kIoBlock), &got, nullptr) || got == 0) {
        // Out of data: say so and end the picture with a fake end marker,
        // so the decoder finishes with what it has.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->atEnd = true;
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        got = 2;
    }
    src->base.next_input_byte = src->buffer;
    src->base.bytes_in_buffer = got;
    return TRUE;
}

void SourceSkip(j_decompress_ptr cinfo, long count)
{
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    if (count <= 0)
        return;
    while (count > static_cast<long>(src->base.bytes_in_buffer)) {
        count -= static_cast<long>(src->base.bytes_in_buffer);
        SourceFill(cinfo);
        if (src->atEnd)
            return; // nothing left to skip: leave the fake end marker to be read
    }
    src->base.next_input_byte += count;
    src->base.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void SourceTerm(j_decompress_ptr) {}

void UseFileSource(j_decompress_ptr cinfo, HANDLE file)
{
    auto* src = static_cast<FileSource*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(FileSource)));
    src->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kIoBlock));
    src->file = file;
    src->atEnd = false;
    src->base.init_source = SourceInit;
    src->base.fill_input_buffer = SourceFill;
    src->base.skip_input_data = SourceSkip;
    src->base.resync_to_restart = jpeg_resync_to_restart;
    src->base.term_source = SourceTerm;
    src->base.next_input_byte = nullptr;
    src->base.bytes_in_buffer = 0;
    cinfo->src = &src->base;
}

// --- destination: blocks written to a kernel file handle ---------------------

struct FileDestination {
    jpeg_destination_mgr base;
    HANDLE file;
    JOCTET* buffer;
};

void DestinationInit(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
    dest->base.next_output_byte = dest->buffer;
    dest->base.free_in_buffer = kIoBlock;
}

void WriteOrFail(j_compress_ptr cinfo, const JOCTET* data, std::size_t size)
{
    auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
    DWORD put = 0;
    if (size != 0 && (!WriteFile(dest->file, data, static_cast<DWORD>(size), &put, nullptr) || put != size))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

boolean DestinationEmpty(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
    WriteOrFail(cinfo, dest->buffer, kIoBlock);
    dest->base.next_output_byte = dest->buffer;
    dest->base.free_in_buffer = kIoBlock;
    return TRUE;
}

void DestinationTerm(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
    WriteOrFail(cinfo, dest->buffer, kIoBlock - dest->base.free_in_buffer);
}

void UseFileDestination(j_compress_ptr cinfo, HANDLE file)
{
    auto* dest = static_cast<FileDestination*>((*cinfo->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(FileDestination)));
    dest->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kIoBlock));
    dest->file = file;
    dest->base.init_destination = DestinationInit;
    dest->base.empty_output_buffer = DestinationEmpty;
    dest->base.term_destination = DestinationTerm;
    cinfo->dest = &dest->base;
}

// --- decoding ----------------------------------------------------------------

void LimitScans(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kJpegMaxScans)
        ERREXIT(cinfo, JERR_NOT_COMPILED); // any fatal code will do: the caller only sees failure
}

bool SizeAcceptable(const jpeg_decompress_struct& cinfo, std::uint64_t fileSize)
{
    const std::uint64_t pixels = static_cast<std::uint64_t>(cinfo.image_width) * cinfo.image_height;
    return StorageFits(24, cinfo.image_width, cinfo.image_height) && pixels <= fileSize * kJpegMaxPixelsPerFileByte;
}

// Turns one row of another layout into blue, green, red.
void ConvertRow(const JSAMPLE* in, std::uint8_t* out, int width, int components, bool cmyk, bool invertedCmyk)
{
    if (cmyk) {
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            // Adobe writes inverted CMYK: each byte already is 255 - ink.
            unsigned c = in[0], m = in[1], y = in[2], k = in[3];
            if (!invertedCmyk) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            out[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
            out[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
            out[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
        }
        return;
    }
    // Unusual channel counts: the first channel, as grey.
    for (int x = 0; x < width; ++x, in += components, out += 3)
        out[0] = out[1] = out[2] = in[0];
}

// The one function that libjpeg may jump back into.  Everything it touches
// after the jump lives in plain structs it was handed or in volatile locals.
bool DecodeJpeg(JpegReadJob& job, jpeg_decompress_struct& cinfo, ErrorManager& err, jpeg_progress_mgr& progress)
{
    cinfo.err = &err.base;
    InstallErrorManager(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    UseFileSource(&cinfo, job.file);
    jpeg_read_header(&cinfo, TRUE);
    if (!SizeAcceptable(cinfo, job.fileSize)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    const int components = cinfo.num_components;
    bool direct = false;
    bool cmyk = false;
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        cinfo.out_color_space = JCS_EXT_BGR;
        direct = true;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        cmyk = true;
        break;
    default:
        cinfo.out_color_space = cinfo.jpeg_color_space;
        break;
    }
    const bool invertedCmyk = cinfo.saw_Adobe_marker != 0;
    // A file of several scans that ends early may lack whole scans, which no
    // decoder notices; for those, any early end counts as lost data.
    const bool multiScan = jpeg_has_multiple_scans(&cinfo) != FALSE;

    job.width = static_cast<int>(cinfo.image_width);
    job.height = static_cast<int>(cinfo.image_height);
    job.components = components;
    if (!job.prepare(job.context, job)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    job.prepared = true;

    jpeg_start_decompress(&cinfo);
    const int width = job.width;
    JSAMPARRAY scratch = nullptr;
    if (!direct)
        scratch = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                             cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION y = cinfo.output_scanline;
        std::uint8_t* row = job.rowBase + static_cast<std::ptrdiff_t>(y) * job.rowStride;
        if (direct) {
            // Several rows per call let the decoder hand out a whole MCU row.
            JSAMPROW rows[16];
            JDIMENSION n = 0;
            while (n < 16 && y + n < cinfo.output_height) {
                rows[n] = job.rowBase + static_cast<std::ptrdiff_t>(y + n) * job.rowStride;
                ++n;
            }
            jpeg_read_scanlines(&cinfo, rows, n);
        } else {
            jpeg_read_scanlines(&cinfo, scratch, 1);
            ConvertRow(scratch[0], row, width, cinfo.output_components, cmyk, invertedCmyk);
        }
    }
    // Every row is decoded now: only a missing end marker could still be
    // reported, which costs no picture data.
    const bool intact = !err.dataLost && !(multiScan && err.endReached);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return intact;
}

bool EncodeJpeg(const JpegWriteJob& job, jpeg_compress_struct& cinfo, ErrorManager& err)
{
    cinfo.err = &err.base;
    InstallErrorManager(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    UseFileDestination(&cinfo, job.file);
    cinfo.image_width = static_cast<JDIMENSION>(job.width);
    cinfo.image_height = static_cast<JDIMENSION>(job.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, job.quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[16];
        JDIMENSION n = 0;
        while (n < 16 && cinfo.next_scanline + n < cinfo.image_height) {
            rows[n] = const_cast<JSAMPROW>(job.rowBase +
                                           static_cast<std::ptrdiff_t>(cinfo.next_scanline + n) * job.rowStride);
            ++n;
        }
        jpeg_write_scanlines(&cinfo, rows, n);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool ReadJpeg(JpegReadJob& job)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&progress, 0, sizeof progress);
    job.prepared = false;
    return DecodeJpeg(job, cinfo, err, progress);
}

bool WriteJpeg(const JpegWriteJob& job)
{
    if (job.width <= 0 || job.height <= 0 || job.width > JPEG_MAX_DIMENSION || job.height > JPEG_MAX_DIMENSION)
        return false;
    jpeg_compress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    return EncodeJpeg(job, cinfo, err);
}

} // namespace pixkit
