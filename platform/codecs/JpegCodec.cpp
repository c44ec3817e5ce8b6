#include <csetjmp>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "platform/codecs/ImageCodec.h"
#include "platform/codecs/ImageLimits.h"

#ifndef JCS_EXTENSIONS
#error "the JPEG decoder needs libjpeg-turbo's RGBA output"
#endif

namespace platform {
namespace {

// A progressive picture may hold any number of scans, each of which costs a pass over the whole picture;
// real pictures use about ten.
constexpr int kMaxScans = 500;
// The decoder's own buffers (the coefficients of a progressive picture) on top of the pixels.
constexpr long kMaxDecoderMemory = 512L << 20;

// libjpeg reports errors with longjmp. The functions below that call setjmp keep only plain data in their
// frames (the pixels are the caller's), so a jump never skips a destructor.
struct JpegSession {
    jpeg_decompress_struct decoder{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump;
    bool created = false;
    char reason[JMSG_LENGTH_MAX + 32] = "";
};

[[noreturn]] void OnJpegError(j_common_ptr decoder) {
    auto* session = static_cast<JpegSession*>(decoder->client_data);
    char message[JMSG_LENGTH_MAX];
    decoder->err->format_message(decoder, message);
    std::snprintf(session->reason, sizeof session->reason, "damaged JPEG: %s", message);
    std::longjmp(session->jump, 1);
}

// libjpeg warns and carries on for damaged data (filling the rest of the picture with grey); we would
// rather refuse the picture. Trace messages (level 0 and up) are ignored.
void OnJpegMessage(j_common_ptr decoder, int level) {
    if (level < 0) OnJpegError(decoder);
}

void OnJpegProgress(j_common_ptr decoder) {
    auto* session = static_cast<JpegSession*>(decoder->client_data);
    if (session->decoder.input_scan_number <= kMaxScans) return;
    std::snprintf(session->reason, sizeof session->reason, "damaged JPEG: more than %d scans", kMaxScans);
    std::longjmp(session->jump, 1);
}

class JpegHandle {
public:
    JpegHandle() {
        session.decoder.err = jpeg_std_error(&session.errors);
        session.errors.error_exit = OnJpegError;
        session.errors.emit_message = OnJpegMessage;
        session.decoder.client_data = &session;
        session.progress.progress_monitor = OnJpegProgress;
    }
    ~JpegHandle() {
        if (session.created) jpeg_destroy_decompress(&session.decoder);
    }
    JpegHandle(const JpegHandle&) = delete;
    JpegHandle& operator=(const JpegHandle&) = delete;

    JpegSession session;
};

bool ReadJpegHeader(JpegSession& s, std::span<const uint8_t> bytes) {
    if (setjmp(s.jump)) return false;
    jpeg_create_decompress(&s.decoder);
    s.created = true;
    s.decoder.progress = &s.progress;
    s.decoder.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&s.decoder, bytes.data(), bytes.size());
    jpeg_read_header(&s.decoder, TRUE);
    if (s.decoder.jpeg_color_space == JCS_CMYK || s.decoder.jpeg_color_space == JCS_YCCK) {
        std::snprintf(s.reason, sizeof s.reason, "CMYK JPEG pictures are not supported");
        return false;
    }
    s.decoder.out_color_space = JCS_EXT_RGBA;
    jpeg_calc_output_dimensions(&s.decoder);
    return true;
}

bool ReadJpegPixels(JpegSession& s, PixelMap& pixels) {
    if (setjmp(s.jump)) return false;
    jpeg_start_decompress(&s.decoder);
    if (s.decoder.output_width != static_cast<JDIMENSION>(pixels.Width()) ||
        s.decoder.output_height != static_cast<JDIMENSION>(pixels.Height()) ||
        s.decoder.output_components != 4) {
        std::snprintf(s.reason, sizeof s.reason, "the JPEG decoder gave an unexpected pixel layout");
        return false;
    }
    while (s.decoder.output_scanline < s.decoder.output_height) {
        JSAMPROW row = pixels.Row(static_cast<int>(s.decoder.output_scanline));
        if (jpeg_read_scanlines(&s.decoder, &row, 1) != 1) {
            std::snprintf(s.reason, sizeof s.reason, "the JPEG decoder stopped early");
            return false;
        }
    }
    jpeg_finish_decompress(&s.decoder);
    return true;
}

bool Fail(const JpegSession& session, std::string& error) {
    error = session.reason;
    return false;
}

}  // namespace

bool DecodeJpeg(std::span<const uint8_t> bytes, PixelMap& out, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    JpegHandle handle;
    if (!ReadJpegHeader(handle.session, bytes)) return Fail(handle.session, error);
    const jpeg_decompress_struct& header = handle.session.decoder;
    if (!codecs::CheckImageSize(header.output_width, header.output_height, error)) return false;
    PixelMap pixels(static_cast<int>(header.output_width), static_cast<int>(header.output_height));
    if (!ReadJpegPixels(handle.session, pixels)) return Fail(handle.session, error);
    out = std::move(pixels);
    return true;
}

}  // namespace platform
