#pragma once

#include <cstdint>
#include <vector>

#include "platform/PixelMap.h"

namespace platform::testing {

enum class JpegKind { Colour, Grey, Progressive, Cmyk };

// A JPEG written with libjpeg itself at quality 95 from the picture's colours (its alpha is dropped; a
// grey picture takes the green channel). The game never writes JPEGs; the tests and fuzz seeds need them.
std::vector<uint8_t> WriteJpeg(const PixelMap& picture, JpegKind kind);

}  // namespace platform::testing
