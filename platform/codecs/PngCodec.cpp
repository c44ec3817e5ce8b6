#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/codecs/ImageCodec.h"
#include "platform/codecs/ImageLimits.h"
#include "platform/files/Files.h"

namespace platform {
namespace {

// libpng reports errors with longjmp. The functions below that call setjmp keep only plain data in their
// frames; the pixels, the row lists and every string live in their callers, so a jump never skips a
// destructor.
struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::span<const uint8_t> in;
    size_t pos = 0;
    std::vector<uint8_t>* out = nullptr;
    char reason[160] = "";
};

void OnPngError(png_structp png, png_const_charp message) {
    auto* session = static_cast<PngSession*>(png_get_error_ptr(png));
    std::snprintf(session->reason, sizeof session->reason, "%s", message);
    png_longjmp(png, 1);
}

// Whatever libpng can work around (a bad ancillary chunk, an odd profile) does not stop the picture.
void OnPngWarning(png_structp, png_const_charp) {}

void OnPngRead(png_structp png, png_bytep to, size_t count) {
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    if (count > session->in.size() - session->pos) png_error(png, "the data ends early");
    std::memcpy(to, session->in.data() + session->pos, count);
    session->pos += count;
}

void OnPngWrite(png_structp png, png_bytep from, size_t count) {
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    session->out->insert(session->out->end(), from, from + count);
}

void OnPngFlush(png_structp) {}

class PngHandle {
public:
    explicit PngHandle(bool writing) : writing_(writing) {
        session.png = writing
                          ? png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, OnPngError, OnPngWarning)
                          : png_create_read_struct(PNG_LIBPNG_VER_STRING, &session, OnPngError, OnPngWarning);
        if (session.png) session.info = png_create_info_struct(session.png);
    }
    ~PngHandle() {
        if (writing_) {
            png_destroy_write_struct(&session.png, &session.info);
        } else {
            png_destroy_read_struct(&session.png, &session.info, nullptr);
        }
    }
    PngHandle(const PngHandle&) = delete;
    PngHandle& operator=(const PngHandle&) = delete;

    bool Created() const { return session.png && session.info; }

    PngSession session;

private:
    bool writing_;
};

bool ReadPngHeader(PngSession& s, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_read_fn(s.png, &s, OnPngRead);
    // Private chunks mean nothing to us; not keeping them leaves less for damaged data to reach.
    png_set_keep_unknown_chunks(s.png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_read_info(s.png, s.info);
    width = png_get_image_width(s.png, s.info);
    height = png_get_image_height(s.png, s.info);
    return true;
}

// Every colour type and depth comes out as 8-bit RGBA rows of exactly width * 4 bytes.
bool ReadPngPixels(PngSession& s, png_bytepp rows) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    const int colorType = png_get_color_type(s.png, s.info);
    const int bitDepth = png_get_bit_depth(s.png, s.info);
    const bool transparentColour = png_get_valid(s.png, s.info, PNG_INFO_tRNS) != 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(s.png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(s.png);
    if (transparentColour) png_set_tRNS_to_alpha(s.png);
    if (bitDepth == 16) png_set_scale_16(s.png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(s.png);
    if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !transparentColour) {
        png_set_add_alpha(s.png, 0xff, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    if (png_get_rowbytes(s.png, s.info) != static_cast<size_t>(png_get_image_width(s.png, s.info)) * 4) {
        png_error(s.png, "unexpected pixel layout");
    }
    png_read_image(s.png, rows);
    png_read_end(s.png, nullptr);
    return true;
}

bool WritePng(PngSession& s, const PixelMap& pixels, int level, bool alpha, png_bytepp rows) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_set_write_fn(s.png, &s, OnPngWrite, OnPngFlush);
    png_set_compression_level(s.png, level);
    png_set_IHDR(s.png, s.info, pixels.Width(), pixels.Height(), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(s.png, s.info);
    // Drops the fourth byte of every pixel, so the RGBA rows go out as RGB.
    if (!alpha) png_set_filler(s.png, 0, PNG_FILLER_AFTER);
    png_write_image(s.png, rows);
    png_write_end(s.png, nullptr);
    return true;
}

template <typename Pixels>
std::vector<png_bytep> RowPointers(Pixels& pixels) {
    std::vector<png_bytep> rows(static_cast<size_t>(pixels.Height()));
    for (int y = 0; y < pixels.Height(); ++y) rows[y] = const_cast<png_bytep>(pixels.Row(y));
    return rows;
}

bool Fail(const PngSession& session, std::string& error) {
    error = std::string("damaged PNG: ") + session.reason;
    return false;
}

}  // namespace

bool DecodePng(std::span<const uint8_t> bytes, PixelMap& out, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        error = "not a PNG file";
        return false;
    }
    PngHandle handle(false);
    if (!handle.Created()) {
        error = "out of memory for the PNG decoder";
        return false;
    }
    handle.session.in = bytes;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    if (!ReadPngHeader(handle.session, width, height)) return Fail(handle.session, error);
    if (!codecs::CheckImageSize(width, height, error)) return false;
    PixelMap pixels(static_cast<int>(width), static_cast<int>(height));
    std::vector<png_bytep> rows = RowPointers(pixels);
    if (!ReadPngPixels(handle.session, rows.data())) return Fail(handle.session, error);
    out = std::move(pixels);
    return true;
}

std::vector<uint8_t> EncodePng(const PixelMap& pixels, int level, bool alpha) {
    std::vector<uint8_t> bytes;
    if (pixels.Empty()) return bytes;
    PngHandle handle(true);
    if (!handle.Created()) return bytes;
    handle.session.out = &bytes;
    std::vector<png_bytep> rows = RowPointers(pixels);
    // libpng copies each row before it changes anything, so the const rows are only read.
    if (!WritePng(handle.session, pixels, std::clamp(level, 0, 9), alpha, rows.data())) bytes.clear();
    return bytes;
}

bool SavePng(const std::string& path, const PixelMap& pixels, int level, bool alpha, std::string& error) {
    const std::vector<uint8_t> bytes = EncodePng(pixels, level, alpha);
    if (bytes.empty()) {
        error = path + (pixels.Empty() ? ": the picture is empty" : ": the PNG encoder failed");
        return false;
    }
    return files::WriteAtomic(path, bytes, error);
}

}  // namespace platform
