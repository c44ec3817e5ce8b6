#include "platform/codecs/ImageCodec.h"

#include <algorithm>
#include <array>

#include "platform/codecs/ImageLimits.h"
#include "platform/files/Files.h"

namespace platform {

namespace codecs {

bool CheckImageSize(uint64_t width, uint64_t height, std::string& error) {
    if (width == 0 || height == 0) {
        error = "the picture has no pixels";
        return false;
    }
    if (width > kMaxImageSide || height > kMaxImageSide || width * height * 4 > kMaxImageBytes) {
        error = "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
        return false;
    }
    return true;
}

}  // namespace codecs

namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::array<uint8_t, 3> kJpegSignature = {0xff, 0xd8, 0xff};

template <size_t N>
bool StartsWith(std::span<const uint8_t> bytes, const std::array<uint8_t, N>& signature) {
    return bytes.size() >= N && std::equal(signature.begin(), signature.end(), bytes.begin());
}

}  // namespace

bool DecodeImage(std::span<const uint8_t> bytes, PixelMap& out, std::string& error) {
    if (StartsWith(bytes, kPngSignature)) return DecodePng(bytes, out, error);
    if (StartsWith(bytes, kJpegSignature)) return DecodeJpeg(bytes, out, error);
    error = bytes.empty() ? "the file is empty" : "not a PNG or JPEG picture";
    return false;
}

bool LoadImageFile(const std::string& path, PixelMap& out, std::string& error) {
    std::vector<uint8_t> bytes;
    // The file layer's reasons already name the path.
    if (!files::ReadAll(path, bytes, error)) return false;
    if (DecodeImage(bytes, out, error)) return true;
    error = path + ": " + error;
    return false;
}

}  // namespace platform
