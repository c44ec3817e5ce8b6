#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/codecs/SoundCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    using platform::testing::Chord;
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"mono.wav", platform::EncodeWav16(Chord(8000, 1, 40))},
                           {"stereo.wav", platform::EncodeWav16(Chord(22050, 2, 30))}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::SoundData sound;
    std::string error;
    if (!platform::DecodeWav({data, size}, sound, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(sound.channels == 1 || sound.channels == 2);
    FUZZ_CHECK(sound.rate > 0);
    for (const float s : sound.samples) FUZZ_CHECK(s >= -1.0f && s <= 1.0f);
    // What we decode, we must be able to write and read back with the same layout and length.
    platform::SoundData again;
    FUZZ_CHECK(platform::DecodeWav(platform::EncodeWav16(sound), again, error));
    FUZZ_CHECK(again.rate == sound.rate && again.channels == sound.channels);
    FUZZ_CHECK(again.samples.size() == sound.samples.size());
    return 0;
}
