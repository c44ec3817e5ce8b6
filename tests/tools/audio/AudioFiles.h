#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/codecs/SoundCodec.h"
#include "platform/files/Files.h"

namespace murkwell::test {

// A file of the data folder the build made, as bytes; empty (with a failure naming it) when missing.
inline std::vector<uint8_t> DataFile(const std::string& relativePath) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(platform::files::ReadAll(std::string(MURKWELL_DATA_DIR) + "/" + relativePath, bytes, error))
        << error << " (the murkwell_data target makes it)";
    return bytes;
}

// A sound of the data folder decoded by the game's own loader for its kind (".wav" or ".ogg").
inline platform::SoundData DataSound(const std::string& relativePath) {
    platform::SoundData sound;
    std::string error;
    const std::vector<uint8_t> bytes = DataFile(relativePath);
    const bool ok = relativePath.ends_with(".ogg") ? platform::DecodeOgg(bytes, sound, error)
                                                   : platform::DecodeWav(bytes, sound, error);
    EXPECT_TRUE(ok) << relativePath << ": " << error;
    return sound;
}

}  // namespace murkwell::test
