#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/PixelMap.h"

namespace platform {

// Decoders fill out and return true, or return false with a one-line reason in error; they never crash
// on damaged input. The file forms put the path in front of the reason.
bool DecodePng(std::span<const uint8_t> bytes, PixelMap& out, std::string& error);
bool DecodeJpeg(std::span<const uint8_t> bytes, PixelMap& out, std::string& error);
// PNG or JPEG, told apart by their signatures.
bool DecodeImage(std::span<const uint8_t> bytes, PixelMap& out, std::string& error);
bool LoadImageFile(const std::string& path, PixelMap& out, std::string& error);

// PNG at zlib level 0 … 9; without alpha the picture is stored as 24-bit RGB. The output is the same
// bytes for the same picture (no time stamps).
std::vector<uint8_t> EncodePng(const PixelMap& pixels, int level, bool alpha);
// Writes through a temporary file renamed over the target.
bool SavePng(const std::string& path, const PixelMap& pixels, int level, bool alpha, std::string& error);

// Baseline JPEG at quality 1 … 100, for opaque pictures: the alpha channel is dropped. The output is the
// same bytes for the same picture; an empty picture gives no bytes.
std::vector<uint8_t> EncodeJpeg(const PixelMap& pixels, int quality);

}  // namespace platform
