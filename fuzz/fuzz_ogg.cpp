#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/codecs/SoundCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"
#include "tests/platform/codecs/OggPages.h"

namespace {

void CheckSound(const platform::SoundData& sound) {
    FUZZ_CHECK(sound.channels == 1 || sound.channels == 2);
    for (const float s : sound.samples) FUZZ_CHECK(s >= -1.0f && s <= 1.0f);
}

void Check(const std::vector<uint8_t>& bytes) {
    platform::SoundData sound;
    std::string error;
    const bool decoded = platform::DecodeOgg(bytes, sound, error);
    if (decoded) {
        CheckSound(sound);
    } else {
        FUZZ_CHECK(!error.empty());
    }

    // The streaming side, as the mixer uses it: small reads, then a loop back to the start.
    auto stream = platform::OggStream::Open(std::make_shared<const std::vector<uint8_t>>(bytes), error);
    if (!stream) {
        FUZZ_CHECK(!error.empty());
        return;
    }
    std::vector<float> block(2 * 333);
    int64_t frames = 0;
    while (const int got = stream->Read(block.data(), 333)) {
        FUZZ_CHECK(got > 0 && got <= 333);
        frames += got;
    }
    // Streaming gives what decoding whole gives.
    if (decoded) FUZZ_CHECK(frames == sound.Frames() && stream->Error().empty());
    if (stream->Rewind()) {
        const int got = stream->Read(block.data(), 333);
        FUZZ_CHECK(got >= 0 && got <= 333);
    }
}

}  // namespace

// libvorbisfile 1.3.7 loses its list of stream serial numbers when a later part of a chained stream has
// bad headers: a few bytes per failed open, which nothing outside the library can free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libvorbisfile.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    using platform::testing::Chord;
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"mono.ogg", platform::EncodeOggVorbis(Chord(8000, 1, 3000), 0.0f)},
                           {"stereo.ogg", platform::EncodeOggVorbis(Chord(22050, 2, 3000), 0.2f)},
                           {"surround.ogg", platform::EncodeOggVorbis(Chord(11025, 3, 1500), 0.0f)}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    Check(bytes);
    // Mutated pages would almost never pass their checksums (and libogg is not instrumented, so the fuzzer
    // cannot learn them): a second pass with the checksums set reaches the Vorbis decoder behind them.
    if (platform::testing::FixPageChecksums(bytes)) Check(bytes);
    return 0;
}
