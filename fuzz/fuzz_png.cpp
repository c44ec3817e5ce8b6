#include <zlib.h>

#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"

namespace {

uint32_t BigEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// Mutated chunks would almost never pass libpng's checksums (and libpng is not instrumented, so the
// fuzzer cannot learn them): a second pass with the checksums set reaches what lies behind them.
bool FixChunkChecksums(std::vector<uint8_t>& png) {
    bool changed = false;
    for (size_t pos = 8; pos + 12 <= png.size();) {
        const uint32_t length = BigEndian32(&png[pos]);
        if (length > png.size() - pos - 12) break;
        const uint32_t crc = static_cast<uint32_t>(crc32(0, &png[pos + 4], length + 4));
        uint8_t* stored = &png[pos + 8 + length];
        changed = changed || BigEndian32(stored) != crc;
        for (int i = 0; i < 4; ++i) stored[i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
        pos += 12 + length;
    }
    return changed;
}

void Check(const std::vector<uint8_t>& bytes) {
    platform::PixelMap picture;
    std::string error;
    if (!platform::DecodePng(bytes, picture, error)) {
        FUZZ_CHECK(!error.empty());
        return;
    }
    FUZZ_CHECK(!picture.Empty());
    // What we decode, we must be able to write and read back unchanged.
    if (picture.Width() * picture.Height() > 65536) return;
    platform::PixelMap again;
    FUZZ_CHECK(platform::DecodePng(platform::EncodePng(picture, 1, true), again, error));
    FUZZ_CHECK(again == picture);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const platform::PixelMap picture = platform::testing::Gradient(7, 5);
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"rgba.png", platform::EncodePng(picture, 6, true)},
                           {"rgb.png", platform::EncodePng(picture, 0, false)}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    Check(bytes);
    if (FixChunkChecksums(bytes)) Check(bytes);
    return 0;
}
