#include "graphics/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// The standard error manager with a way back to the decoding call instead of exit(), and a note
// of the warning that the data ended before the picture did.
struct JpegErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf recovery;
    void (*standardMessage)(j_common_ptr, int) = nullptr;
    bool dataEnded = false;
};

void JpegEmitMessage(j_common_ptr decompressor, int level)
{
    auto* errors = reinterpret_cast<JpegErrorManager*>(decompressor->err);
    if (errors->standard.msg_code == JWRN_JPEG_EOF)
        errors->dataEnded = true;
    errors->standardMessage(decompressor, level);
}

[[noreturn]] void JpegErrorExit(j_common_ptr decompressor)
{
    // The standard output routine writes to the standard error stream; the user sees nothing.
    (*decompressor->err->output_message)(decompressor);
    std::longjmp(reinterpret_cast<JpegErrorManager*>(decompressor->err)->recovery, 1);
}

// A progressive picture of a handful of scans is usual; a damaged one may repeat scan headers
// by the thousand, each a pass over the whole picture.
constexpr int kMaxScans = 100;

void JpegLimitScans(j_common_ptr decompressor)
{
    if (!decompressor->is_decompressor)
        return;
    if (reinterpret_cast<j_decompress_ptr>(decompressor)->input_scan_number > kMaxScans)
        std::longjmp(reinterpret_cast<JpegErrorManager*>(decompressor->err)->recovery, 1);
}

// The largest picture held, 24 megapixels (6000 x 4000, a large camera picture): its rows, the
// bitmap made of them and the picture drawn from that stay well within the memory a run may use,
// whatever size a damaged header claims.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{6000} * 4000;

bool IsHeldSize(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width * height <= kMaxPicturePixels;
}

// Everything between the recovery point and the end of decoding. Nothing here has a destructor
// that a jump back could skip: the buffers belong to the caller.
bool DecodeRows(jpeg_decompress_struct* decompressor, JpegErrorManager* errors, jpeg_progress_mgr* progress,
                std::FILE* file, DecodedJpeg* picture, std::vector<std::uint8_t>* row)
{
    if (setjmp(errors->recovery))
        return false;

    jpeg_create_decompress(decompressor);
    decompressor->progress = progress;
    jpeg_stdio_src(decompressor, file);
    jpeg_read_header(decompressor, TRUE);
    // A one-component picture is widened to colour by the decoder; CMYK has no RGB conversion.
    if (decompressor->jpeg_color_space == JCS_CMYK || decompressor->jpeg_color_space == JCS_YCCK)
        return false;
    // Checked before decoding starts: a progressive picture's coefficients for the whole size
    // the header claims are allocated when it starts.
    if (!IsHeldSize(decompressor->image_width, decompressor->image_height))
        return false;
    decompressor->out_color_space = JCS_RGB;
    jpeg_start_decompress(decompressor);
    if (decompressor->output_components != 3)
        return false;

    const std::int64_t width = decompressor->output_width;
    const std::int64_t height = decompressor->output_height;
    const std::int64_t stride = (3 * width + 3) & ~std::int64_t{3};
    if (!IsHeldSize(width, height))
        return false;

    picture->width = static_cast<int>(width);
    picture->height = static_cast<int>(height);
    picture->stride = static_cast<int>(stride);
    picture->bits.assign(static_cast<std::size_t>(stride * height), 0);
    row->assign(static_cast<std::size_t>(3 * width), 0);

    while (decompressor->output_scanline < decompressor->output_height) {
        JSAMPROW rows[1] = {row->data()};
        jpeg_read_scanlines(decompressor, rows, 1);
        // The first scanline lands in the last stored row.
        std::uint8_t* const stored = picture->bits.data() + (height - decompressor->output_scanline) * stride;
        std::uint8_t* out = stored;
        const std::uint8_t* in = row->data();
        for (std::int64_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        if (errors->dataEnded) {
            // Past the end of the data the decoder has nothing more to give: the rows below
            // repeat the last one decoded, without decoding each from nothing (a few bytes of a
            // damaged file would otherwise cost the work of a whole large picture).
            for (std::uint8_t* below = picture->bits.data(); below < stored; below += stride)
                std::copy(stored, stored + stride, below);
            jpeg_abort_decompress(decompressor);
            return true;
        }
    }
    jpeg_finish_decompress(decompressor);
    return true;
}

} // namespace

std::optional<DecodedJpeg> DecodeJpeg(std::FILE* file)
{
    if (!file)
        return std::nullopt;

    jpeg_decompress_struct decompressor{};
    JpegErrorManager errors{};
    decompressor.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = JpegErrorExit;
    errors.standardMessage = errors.standard.emit_message;
    errors.standard.emit_message = JpegEmitMessage;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = JpegLimitScans;

    DecodedJpeg picture;
    std::vector<std::uint8_t> row;
    bool decoded = false;
    try {
        decoded = DecodeRows(&decompressor, &errors, &progress, file, &picture, &row);
    } catch (const std::bad_alloc&) {
        decoded = false;
    }
    // Safe also when creation failed: a decompressor without memory manager is left alone.
    jpeg_destroy_decompress(&decompressor);
    if (!decoded)
        return std::nullopt;
    return picture;
}
