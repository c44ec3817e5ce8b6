#pragma once

#include <ogg/ogg.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace platform::testing {

// Sets the checksum of every whole Ogg page found in the bytes, so that deliberately damaged data gets
// past libogg's page checks and reaches the Vorbis decoder. True when any checksum changed.
inline bool FixPageChecksums(std::vector<uint8_t>& bytes) {
    bool changed = false;
    size_t pos = 0;
    while (pos + 27 <= bytes.size()) {
        if (std::memcmp(&bytes[pos], "OggS", 4) != 0) {
            ++pos;
            continue;
        }
        const size_t headerLength = 27 + size_t{bytes[pos + 26]};
        if (pos + headerLength > bytes.size()) break;
        size_t bodyLength = 0;
        for (size_t i = 27; i < headerLength; ++i) bodyLength += bytes[pos + i];
        if (pos + headerLength + bodyLength > bytes.size()) break;
        uint8_t before[4];
        std::memcpy(before, &bytes[pos + 22], 4);
        ogg_page page{&bytes[pos], static_cast<long>(headerLength), &bytes[pos + headerLength],
                      static_cast<long>(bodyLength)};
        ogg_page_checksum_set(&page);
        changed = changed || std::memcmp(before, &bytes[pos + 22], 4) != 0;
        pos += headerLength + bodyLength;
    }
    return changed;
}

}  // namespace platform::testing
