#pragma once

#include <cstdint>
#include <string>

namespace platform::codecs {

// A damaged or hostile header must not cost gigabytes: pictures larger than this are refused before
// anything is allocated. The largest picture the game draws is a 1024 x 768 screen, so these limits
// leave plenty of room.
constexpr uint64_t kMaxImageSide = 16384;
constexpr uint64_t kMaxImageBytes = uint64_t{256} << 20;

// False with a reason when the picture would not fit the limits above (or has no pixels at all).
bool CheckImageSize(uint64_t width, uint64_t height, std::string& error);

}  // namespace platform::codecs
