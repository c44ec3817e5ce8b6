#pragma once

#include <string>
#include <string_view>

namespace platform {

// Code points of UTF-8 text; a malformed sequence becomes U+FFFD and decoding goes on.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(char32_t codePoint);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace platform
