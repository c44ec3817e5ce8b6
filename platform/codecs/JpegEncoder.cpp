#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "platform/codecs/ImageCodec.h"

namespace platform {
namespace {

// libjpeg reports errors with longjmp. The function that calls setjmp keeps only plain data in its frame
// (the output buffer is released by the session), so a jump never skips a destructor.
struct JpegWriteSession {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump;
    bool created = false;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    ~JpegWriteSession() {
        if (created) jpeg_destroy_compress(&encoder);
        std::free(buffer);
    }
};

[[noreturn]] void OnJpegWriteError(j_common_ptr encoder) {
    std::longjmp(static_cast<JpegWriteSession*>(encoder->client_data)->jump, 1);
}

// Warnings (there are none for a well-formed picture) would only be printed on stderr.
void OnJpegWriteMessage(j_common_ptr, int) {}

bool Compress(JpegWriteSession& s, const PixelMap& pixels, int quality) {
    if (setjmp(s.jump)) return false;
    jpeg_create_compress(&s.encoder);
    s.created = true;
    jpeg_mem_dest(&s.encoder, &s.buffer, &s.size);
    s.encoder.image_width = static_cast<JDIMENSION>(pixels.Width());
    s.encoder.image_height = static_cast<JDIMENSION>(pixels.Height());
    // libjpeg-turbo reads the RGBA rows as they are and skips the fourth byte.
    s.encoder.input_components = 4;
    s.encoder.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&s.encoder);
    jpeg_set_quality(&s.encoder, std::clamp(quality, 1, 100), TRUE);
    // The exact integer transform gives the same bytes with or without the SIMD paths; optimised Huffman
    // tables cost nothing at build time and make the files smaller.
    s.encoder.dct_method = JDCT_ISLOW;
    s.encoder.optimize_coding = TRUE;
    jpeg_start_compress(&s.encoder, TRUE);
    while (s.encoder.next_scanline < s.encoder.image_height) {
        // libjpeg only reads the rows it is given.
        auto row = const_cast<JSAMPROW>(pixels.Row(static_cast<int>(s.encoder.next_scanline)));
        jpeg_write_scanlines(&s.encoder, &row, 1);
    }
    jpeg_finish_compress(&s.encoder);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const PixelMap& pixels, int quality) {
    std::vector<uint8_t> bytes;
    if (pixels.Empty()) return bytes;
    JpegWriteSession session;
    session.encoder.err = jpeg_std_error(&session.errors);
    session.errors.error_exit = OnJpegWriteError;
    session.errors.emit_message = OnJpegWriteMessage;
    session.encoder.client_data = &session;
    if (Compress(session, pixels, quality)) bytes.assign(session.buffer, session.buffer + session.size);
    return bytes;
}

}  // namespace platform
