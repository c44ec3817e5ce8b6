#pragma once

#include <cstdint>
#include <span>
#include <string>

// The data folder's hand-written and generated text files (the game text table, font glyph files) as
// UTF-8 text: a byte-order mark is dropped, and bytes that are not UTF-8 are read as Windows-1252, the
// encoding of older files. UTF-16 and UTF-32 cannot be read that way; they are refused with a reason, as is
// anything else holding NUL bytes.
bool DecodeTextFile(std::span<const uint8_t> bytes, std::string& text, std::string& error);
// The file at path (matched ignoring case when it is not found as written); false with a reason.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);
