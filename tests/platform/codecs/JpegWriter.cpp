#include "tests/platform/codecs/JpegWriter.h"

#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace platform::testing {

std::vector<uint8_t> WriteJpeg(const PixelMap& picture, JpegKind kind) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(picture.Width());
    encoder.image_height = static_cast<JDIMENSION>(picture.Height());
    encoder.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
    encoder.in_color_space = kind == JpegKind::Grey   ? JCS_GRAYSCALE
                             : kind == JpegKind::Cmyk ? JCS_CMYK
                                                      : JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    if (kind == JpegKind::Progressive) jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(picture.Width()) * 4);
    while (encoder.next_scanline < encoder.image_height) {
        const uint8_t* from = picture.Row(static_cast<int>(encoder.next_scanline));
        for (int x = 0; x < picture.Width(); ++x) {
            const uint8_t* p = from + x * 4;
            const int components = encoder.input_components;
            if (components == 1) {
                row[x] = p[1];
            } else {
                for (int c = 0; c < components; ++c) row[x * components + c] = c < 3 ? p[c] : 0;
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&encoder, &pointer, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace platform::testing
