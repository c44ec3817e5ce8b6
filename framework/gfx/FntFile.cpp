#include "framework/gfx/FntFile.h"

#include <cstdio>

#include "platform/files/Files.h"

namespace {

struct Field {
    const char* key;
    int width;
    int FntGlyph::*member;
};

constexpr Field kId{"id=", 5, &FntGlyph::id};
constexpr Field kGlyphFields[] = {
    {"x=", 4, &FntGlyph::x},
    {"y=", 4, &FntGlyph::y},
    {"width=", 3, &FntGlyph::width},
    {"height=", 3, &FntGlyph::height},
    {"xoffset=", 3, &FntGlyph::xOffset},
    {"yoffset=", 3, &FntGlyph::yOffset},
    {"xadvance=", 3, &FntGlyph::xAdvance},
};
constexpr Field kTextureW{"scaleW=", 4, nullptr};
constexpr Field kTextureH{"scaleH=", 4, nullptr};
constexpr Field kScale{"scaleF=", 4, nullptr};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view line, std::string_view prefix, bool ignoreCase = false) {
    if (line.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (ignoreCase ? Lower(line[i]) != Lower(prefix[i]) : line[i] != prefix[i]) return false;
    }
    return true;
}

// Where the value of key starts: the key must begin the line or follow a blank, so that "x=" is never
// found inside another key.
size_t FindValue(const std::string& line, std::string_view key, bool ignoreCase) {
    for (size_t at = 0; at + key.size() <= line.size(); ++at) {
        if ((at == 0 || IsBlank(line[at - 1])) &&
            StartsWith(std::string_view(line).substr(at), key, ignoreCase)) {
            return at + key.size();
        }
    }
    return std::string::npos;
}

class LineReader {
public:
    LineReader(const std::string& line, size_t number, std::string& error)
        : line_(line), number_(number), error_(error) {}

    // The number at the start of the field: blanks, a sign, digits and, with fraction, a decimal part;
    // anything after the number inside the field is ignored, as the next key often starts there.
    bool Read(const Field& field, double& value, bool fraction = false, bool ignoreCase = false) {
        const size_t start = FindValue(line_, field.key, ignoreCase);
        if (start == std::string::npos) return Fail("has no \"" + std::string(field.key) + "\" field");
        const size_t end = std::min(line_.size(), start + field.width);
        size_t i = start;
        while (i < end && IsBlank(line_[i])) ++i;
        const bool negative = i < end && line_[i] == '-';
        if (i < end && (line_[i] == '-' || line_[i] == '+')) ++i;
        double number = 0;
        int digits = 0;
        for (; i < end && IsDigit(line_[i]); ++i, ++digits) number = number * 10 + (line_[i] - '0');
        if (fraction && i < end && line_[i] == '.') {
            double unit = 0.1;
            for (++i; i < end && IsDigit(line_[i]); ++i, ++digits, unit /= 10)
                number += (line_[i] - '0') * unit;
        }
        if (digits == 0) return Fail("has no number after \"" + std::string(field.key) + "\"");
        if (i == start + field.width && i < line_.size() && IsDigit(line_[i])) {
            return Fail("has a number after \"" + std::string(field.key) + "\" longer than its " +
                        std::to_string(field.width) + "-character field");
        }
        value = negative ? -number : number;
        return true;
    }

    bool ReadInt(const Field& field, int& value) {
        double number = 0;
        if (!Read(field, number)) return false;
        value = static_cast<int>(number);
        return true;
    }

    bool Fail(const std::string& reason) {
        error_ = "line " + std::to_string(number_) + " " + reason;
        return false;
    }

private:
    const std::string& line_;
    size_t number_;
    std::string& error_;
};

bool ReadGlyph(LineReader& reader, FntGlyph& glyph) {
    for (const Field& field : kGlyphFields) {
        if (!reader.ReadInt(field, glyph.*field.member)) return false;
    }
    if (glyph.x < 0 || glyph.y < 0 || glyph.width < 0 || glyph.height < 0) {
        return reader.Fail("places a glyph at a negative position or gives it a negative size");
    }
    return true;
}

}  // namespace

bool ParseFnt(std::string_view text, FntFile& out, std::string& error) {
    out = FntFile{};
    const std::vector<std::string> lines = platform::files::SplitLines(std::string(text));
    size_t next = 0;
    const auto more = [&] { return next < lines.size(); };

    if (!more()) {
        error = "the file is empty";
        return false;
    }
    if (StartsWith(lines[next], "scalef", true)) {
        LineReader reader(lines[next], next + 1, error);
        if (!reader.Read(kScale, out.scale, true, true)) return false;
        if (out.scale <= 0) return reader.Fail("gives a scale that is not above 0");
        ++next;
    }
    if (more() && StartsWith(lines[next], "info")) ++next;
    if (!more()) {
        error = "the file ends before its common line";
        return false;
    }
    {
        // The page size is only an estimate of the memory the page takes: a line without it reads as 0.
        const std::string& line = lines[next];
        LineReader reader(line, next + 1, error);
        const auto readIfThere = [&](const Field& field, int& value) {
            return FindValue(line, field.key, false) == std::string::npos || reader.ReadInt(field, value);
        };
        if (!readIfThere(kTextureW, out.textureW) || !readIfThere(kTextureH, out.textureH)) return false;
        if (out.textureW < 0 || out.textureH < 0) return reader.Fail("gives a negative page size");
        ++next;
    }
    if (more() && StartsWith(lines[next], "page")) ++next;
    if (more() && StartsWith(lines[next], "chars")) ++next;

    // The glyphs are what is there: the count the file announces is not held against it, and lines that
    // are not character lines (no id) are passed over like those with no positive id.
    for (; more() && !StartsWith(lines[next], "kerning"); ++next) {
        const std::string& line = lines[next];
        LineReader reader(line, next + 1, error);
        if (StartsWith(line, "page")) return reader.Fail("names a second page; a font has one page");
        if (FindValue(line, kId.key, false) == std::string::npos) continue;
        FntGlyph glyph;
        if (!reader.ReadInt(kId, glyph.id)) return false;
        if (glyph.id <= 0) continue;
        if (!ReadGlyph(reader, glyph)) return false;
        out.glyphs.push_back(glyph);
    }
    return true;
}

namespace {

bool Fits(int value, int width) {
    return static_cast<int>(std::to_string(value).size()) <= width;
}

// "key=value" with the value padded to the field's width and a blank after it.
std::string Padded(const Field& field, int value) {
    std::string number = std::to_string(value);
    number.resize(std::max<size_t>(number.size(), field.width), ' ');
    return std::string(field.key) + number + " ";
}

}  // namespace

bool FormatFnt(const FntFile& font, const std::string& face, int size, int lineHeight, int base,
               const std::string& pageFile, std::string& text, std::string& error) {
    if (!Fits(font.textureW, kTextureW.width) || !Fits(font.textureH, kTextureH.width)) {
        error = "the page is larger than " + std::string(kTextureW.width, '9') + " pixels";
        return false;
    }
    text.clear();
    if (font.scale != 1.0) {
        char scale[16];
        std::snprintf(scale, sizeof scale, "%.2f", font.scale);
        if (!(font.scale > 0 && font.scale < 10)) {
            error = "the scale " + std::string(scale) + " does not fit its field";
            return false;
        }
        text += std::string(kScale.key) + scale + "\n";
    }
    text +=
        "info face=\"" + face + "\" size=" + std::to_string(size) +
        " bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 smooth=1 aa=1 padding=0,0,0,0 spacing=2,2\n";
    text += "common lineHeight=" + std::to_string(lineHeight) + " base=" + std::to_string(base) + " " +
            Padded(kTextureW, font.textureW) + Padded(kTextureH, font.textureH) + "pages=1 packed=0\n";
    text += "page id=0 file=\"" + pageFile + "\"\n";
    text += "chars count=" + std::to_string(font.glyphs.size()) + "\n";
    for (const FntGlyph& glyph : font.glyphs) {
        if (glyph.id <= 0 || !Fits(glyph.id, kId.width)) {
            error = "the character code " + std::to_string(glyph.id) + " does not fit its field";
            return false;
        }
        std::string line = "char " + Padded(kId, glyph.id);
        for (const Field& field : kGlyphFields) {
            const int value = glyph.*field.member;
            if (!Fits(value, field.width)) {
                error = "character " + std::to_string(glyph.id) + ": \"" + field.key + "\" " +
                        std::to_string(value) + " does not fit its " + std::to_string(field.width) +
                        "-character field";
                return false;
            }
            line += Padded(field, value);
        }
        text += line + "page=0  chnl=15\n";
    }
    return true;
}
