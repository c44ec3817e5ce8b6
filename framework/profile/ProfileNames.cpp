#include "framework/profile/ProfileNames.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "framework/core/Strings.h"
#include "platform/files/Files.h"
#include "platform/text/Utf8.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// Code points that never reach a file name as they are: control codes (C0, DEL and C1), the characters
// other systems refuse in file names, and "%", which starts an escape.
bool NeedsEscape(char32_t c) {
    constexpr std::u32string_view kRefused = U"\"*/:<>?\\|%";
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || kRefused.find(c) != std::u32string_view::npos;
}

// The length of the well-formed UTF-8 sequence at the start of text, with its code point in c; 0 when
// the first byte starts none. A sequence is well formed when it decodes to one code point that encodes
// back to the same bytes (no overlong forms, no surrogates, no stray bytes).
size_t SequenceAt(std::string_view text, char32_t& c) {
    for (size_t length = 1; length <= 4 && length <= text.size(); ++length) {
        const std::string_view bytes = text.substr(0, length);
        const std::u32string decoded = platform::DecodeUtf8(bytes);
        if (decoded.size() == 1 && platform::EncodeUtf8(decoded[0]) == bytes) {
            c = decoded[0];
            return length;
        }
    }
    return 0;
}

// Names that other systems take for a device whatever the extension: "CON.dat" is the console there.
bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    base = UpperCase(base);
    static const std::array<const char*, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end()) return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '0' &&
           base[3] <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool IsProfileName(const std::string& name, std::u32string_view extraBanned) {
    const std::u32string chars = platform::DecodeUtf8(name);
    if (chars.empty() || chars.size() > MaxProfileNameLength) return false;
    if (platform::EncodeUtf8(chars) != name) return false;  // not UTF-8
    return std::all_of(chars.begin(), chars.end(), [&](char32_t c) {
        const bool printable = (c >= 32 && c <= 126) || (c >= 160 && c <= 255);
        return printable && FileNameUnsafeCharacters.find(c) == std::u32string_view::npos &&
               extraBanned.find(c) == std::u32string_view::npos;
    });
}

std::string ProfileFileStem(const std::string& name) {
    // "%" followed by anything but two hex digits is never an escape, so this mark cannot be mistaken for
    // an escaped byte of another name (no device name has two hex digits at its start).
    std::string stem = name.empty() || IsDeviceName(name) ? "%" : "";
    size_t i = 0;
    while (i < name.size()) {
        char32_t c = 0;
        const size_t length = SequenceAt(std::string_view(name).substr(i), c);
        if (length > 0 && !NeedsEscape(c)) {
            stem.append(name, i, length);
            i += length;
            continue;
        }
        // A refused character or a byte of a broken sequence: each of its bytes escaped on its own.
        const size_t count = std::max<size_t>(length, 1);
        for (size_t k = 0; k < count; ++k) {
            const auto byte = static_cast<uint8_t>(name[i + k]);
            stem += '%';
            stem += kHex[byte >> 4];
            stem += kHex[byte & 0xF];
        }
        i += count;
    }
    return stem;
}

std::string ProfileNameOfStem(const std::string& stem) {
    std::string name;
    for (size_t i = 0; i < stem.size(); ++i) {
        if (stem[i] != '%') {
            name += stem[i];
        } else if (i + 2 < stem.size() && HexValue(stem[i + 1]) >= 0 && HexValue(stem[i + 2]) >= 0) {
            name += static_cast<char>(HexValue(stem[i + 1]) * 16 + HexValue(stem[i + 2]));
            i += 2;
        }
        // A "%" without two hex digits only marks an empty or device name.
    }
    return name;
}

std::string FoldProfileName(const std::string& text) {
    std::string folded = text;
    for (size_t i = 0; i < folded.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            // U+00C0 to U+00DE are the Latin-1 capitals (but for U+00D7, the multiplication sign); in UTF-8
            // they differ from their small letters by 0x20 in the second byte.
            auto& next = reinterpret_cast<unsigned char&>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) next = static_cast<unsigned char>(next + 0x20);
            ++i;
        }
    }
    return folded;
}

std::string ProfileFilePath(const std::string& folder, const std::string& name,
                            const std::string& extension) {
    const std::string fileName = ProfileFileStem(name) + "." + extension;
    const std::string exact = folder + fileName;
    if (platform::files::Exists(exact)) return exact;
    std::vector<std::string> entries;
    std::string error;
    if (!platform::files::ListFolder(folder, entries, error)) return exact;
    const std::string wanted = FoldProfileName(fileName);
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
        return FoldProfileName(entry) == wanted;
    });
    return found == entries.end() ? exact : folder + *found;
}
