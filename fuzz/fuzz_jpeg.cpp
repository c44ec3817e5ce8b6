#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"
#include "tests/platform/codecs/JpegWriter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    using platform::testing::JpegKind;
    using platform::testing::WriteJpeg;
    const platform::PixelMap picture = platform::testing::Gradient(7, 5);
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"colour.jpg", WriteJpeg(picture, JpegKind::Colour)},
                           {"grey.jpg", WriteJpeg(picture, JpegKind::Grey)},
                           {"progressive.jpg", WriteJpeg(picture, JpegKind::Progressive)}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::PixelMap picture;
    std::string error;
    if (platform::DecodeJpeg({data, size}, picture, error)) {
        FUZZ_CHECK(!picture.Empty());
    } else {
        FUZZ_CHECK(!error.empty());
    }
    return 0;
}
