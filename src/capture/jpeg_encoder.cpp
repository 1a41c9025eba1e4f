#include "capture/jpeg_encoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

#include "common/utf16.h"

namespace vix {
namespace {

// libjpeg's own handler prints and ends the process; ours jumps back to
// Compress with the message kept.
struct ErrorManager {
    jpeg_error_mgr pub;  // first: the library hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* e = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, e->message);
    std::longjmp(e->jump, 1);
}

// Warnings go nowhere: there is no console to print them on.
void OnMessage(j_common_ptr) {}

constexpr std::size_t kBufferBytes = 64 << 10;

struct Destination {
    jpeg_destination_mgr pub;  // first, as above
    ByteSink* sink;
    bool sinkFailed;
    JOCTET buffer[kBufferBytes];
};

void StartBuffer(j_compress_ptr info) {
    auto* d = reinterpret_cast<Destination*>(info->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = kBufferBytes;
}

void PassOn(j_compress_ptr info, std::size_t count) {
    auto* d = reinterpret_cast<Destination*>(info->dest);
    if (!d->sink->Write({d->buffer, count})) {
        d->sinkFailed = true;
        ERREXIT(info, JERR_FILE_WRITE);
    }
}

boolean FlushFullBuffer(j_compress_ptr info) {
    PassOn(info, kBufferBytes);
    StartBuffer(info);
    return TRUE;
}

void FlushLastBuffer(j_compress_ptr info) {
    PassOn(info, kBufferBytes - info->dest->free_in_buffer);
}

struct Compressor {
    jpeg_compress_struct info;
    ErrorManager error;
    Destination destination;
};

// The library's error handler jumps back here, so this frame holds nothing
// that needs destroying.
bool Compress(Compressor& c, const PixelView& picture, int quality) {
    if (setjmp(c.error.jump)) return false;
    jpeg_create_compress(&c.info);
    c.info.dest = &c.destination.pub;
    c.info.image_width = static_cast<JDIMENSION>(picture.width);
    c.info.image_height = static_cast<JDIMENSION>(picture.height);
    // The bitmap's own byte order: no copy of the pixels is needed.
    c.info.input_components = kBytesPerPixel;
    c.info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    c.info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&c.info, TRUE);
    constexpr JDIMENSION kRowsAtOnce = 16;
    JSAMPROW rows[kRowsAtOnce];
    while (c.info.next_scanline < c.info.image_height) {
        const JDIMENSION first = c.info.next_scanline;
        const JDIMENSION count = std::min(kRowsAtOnce, c.info.image_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            // The library only reads the rows it is given.
            rows[i] = const_cast<JSAMPROW>(picture.Row(static_cast<int>(first + i)));
        jpeg_write_scanlines(&c.info, rows, count);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

ImageError TooLarge(const PixelView& picture) {
    return {ImageError::kTooLarge, L"The picture (" + std::to_wstring(picture.width) + L" x " +
                                       std::to_wstring(picture.height) +
                                       L" pixels) is too large for a JPEG file, which holds at "
                                       L"most 65,500 pixels each way."};
}

ImageError Failure(const Compressor& c, const PixelView& picture) {
    if (c.destination.sinkFailed)
        return {ImageError::kSink, L"The picture could not be stored (not enough memory)."};
    switch (c.error.pub.msg_code) {
        case JERR_OUT_OF_MEMORY:
            return {ImageError::kNoMemory, L"There is not enough memory to encode the picture."};
        case JERR_IMAGE_TOO_BIG: return TooLarge(picture);
        default:
            return {ImageError::kEncoder,
                    L"The JPEG encoder failed: " + FromUtf8(c.error.message) + L"."};
    }
}

}  // namespace

int JpegQualityOf(int jpgQualitySetting) { return std::clamp(jpgQualitySetting, 0, 10) * 10; }

std::optional<ImageError> JpegToStream(const PixelView& picture, int quality, ByteSink& out) {
    if (picture.empty()) return ImageError{ImageError::kEmpty, L"There is no picture to save."};
    // Zeroed, so that destroying is safe however early the library fails.
    std::unique_ptr<Compressor> c(new (std::nothrow) Compressor());
    if (!c)
        return ImageError{ImageError::kNoMemory,
                          L"There is not enough memory to encode the picture."};
    c->info.err = jpeg_std_error(&c->error.pub);
    c->error.pub.error_exit = OnError;
    c->error.pub.output_message = OnMessage;
    c->destination.pub.init_destination = StartBuffer;
    c->destination.pub.empty_output_buffer = FlushFullBuffer;
    c->destination.pub.term_destination = FlushLastBuffer;
    c->destination.sink = &out;
    // Room for as many bytes as the picture's own (more than a baseline file
    // of it takes in practice): the sink is had once and never copied as it
    // grows. Pages a sink leaves unwritten cost nothing.
    const std::size_t samples =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
    out.Expect(samples + kBufferBytes);

    const bool done = Compress(*c, picture, std::clamp(quality, 0, 100));
    jpeg_destroy_compress(&c->info);
    if (!done) return Failure(*c, picture);
    return std::nullopt;
}

}  // namespace vix
