#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>

#include "platform/codecs/ImageCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"

namespace platform {
namespace {

using testing::DamageOffsets;
using testing::Flipped;
using testing::Gradient;
using testing::Truncated;

bool Decodes(const std::vector<uint8_t>& bytes, PixelMap& out, std::string& error) {
    error.clear();
    return DecodePng(bytes, out, error);
}

// A PNG in any layout, written with libpng itself, from samples listed row by row.
struct RawPng {
    int width = 0;
    int height = 0;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    std::vector<unsigned> samples;
    std::vector<png_color> palette;
    std::vector<uint8_t> paletteAlpha;
    bool transparentColour = false;
    png_color_16 transparent{};
    bool interlaced = false;

    std::vector<uint8_t> Encode() const;
};

RawPng Layout(int width, int height, int colorType, int bitDepth) {
    RawPng raw;
    raw.width = width;
    raw.height = height;
    raw.colorType = colorType;
    raw.bitDepth = bitDepth;
    return raw;
}

void AppendBytes(png_structp png, png_bytep data, size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

int ChannelsOf(int colorType) {
    switch (colorType) {
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        case PNG_COLOR_TYPE_RGB:
            return 3;
        case PNG_COLOR_TYPE_RGB_ALPHA:
            return 4;
        default:
            return 1;
    }
}

std::vector<uint8_t> RawPng::Encode() const {
    const int channels = ChannelsOf(colorType);
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height));
    size_t next = 0;
    for (auto& row : rows) {
        row.assign((static_cast<size_t>(width) * channels * bitDepth + 7) / 8, 0);
        for (int i = 0; i < width * channels; ++i) {
            const unsigned v = samples.at(next++);
            if (bitDepth == 16) {
                row[i * 2] = static_cast<uint8_t>(v >> 8);
                row[i * 2 + 1] = static_cast<uint8_t>(v);
            } else {
                const int bit = i * bitDepth;
                row[bit / 8] |= static_cast<uint8_t>(v << (8 - bitDepth - bit % 8));
            }
        }
    }
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendBytes, nullptr);
    png_set_IHDR(png, info, width, height, bitDepth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!paletteAlpha.empty()) {
        png_set_tRNS(png, info, paletteAlpha.data(), static_cast<int>(paletteAlpha.size()), nullptr);
    }
    if (transparentColour) png_set_tRNS(png, info, nullptr, 0, &transparent);
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

PixelMap DecodeOrFail(const std::vector<uint8_t>& bytes) {
    PixelMap out;
    std::string error;
    EXPECT_TRUE(Decodes(bytes, out, error)) << error;
    return out;
}

std::vector<std::string> ChunkTypes(const std::vector<uint8_t>& png) {
    std::vector<std::string> types;
    for (size_t pos = 8; pos + 8 <= png.size();) {
        const uint32_t length = png[pos] << 24 | png[pos + 1] << 16 | png[pos + 2] << 8 | png[pos + 3];
        types.emplace_back(reinterpret_cast<const char*>(&png[pos + 4]), 4);
        pos += 12 + length;
    }
    return types;
}

// Rewrites the picture size in the header and fixes its checksum, as a hostile file would.
std::vector<uint8_t> WithHeaderSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const uint32_t crc = static_cast<uint32_t>(crc32(0, &png[12], 17));
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return png;
}

TEST(PngRoundTrip, RgbaSurvivesEveryLevel) {
    const PixelMap picture = Gradient(37, 23);
    for (int level = 0; level <= 9; ++level) {
        EXPECT_EQ(DecodeOrFail(EncodePng(picture, level, true)), picture) << "level " << level;
    }
}

TEST(PngRoundTrip, RgbKeepsColoursAndMakesEveryPixelOpaque) {
    const PixelMap picture = Gradient(31, 17);
    for (int level = 0; level <= 9; ++level) {
        const PixelMap decoded = DecodeOrFail(EncodePng(picture, level, false));
        ASSERT_EQ(decoded.Width(), picture.Width());
        ASSERT_EQ(decoded.Height(), picture.Height());
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                Rgba expected = picture.At(x, y);
                expected.a = 255;
                ASSERT_EQ(decoded.At(x, y), expected) << x << "," << y << " level " << level;
            }
        }
    }
}

TEST(PngRoundTrip, RgbFileStoresThreeChannels) {
    const std::vector<uint8_t> png = EncodePng(Gradient(8, 8), 6, false);
    EXPECT_EQ(png[25], PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(EncodePng(Gradient(8, 8), 6, true)[25], PNG_COLOR_TYPE_RGB_ALPHA);
}

TEST(PngEncode, SamePictureGivesSameBytesWithoutTimeOrText) {
    const PixelMap picture = Gradient(64, 48);
    const std::vector<uint8_t> first = EncodePng(picture, 9, true);
    EXPECT_EQ(first, EncodePng(picture, 9, true));
    EXPECT_EQ(ChunkTypes(first), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

TEST(PngEncode, LevelControlsCompression) {
    const PixelMap picture = Gradient(128, 128);
    const size_t stored = EncodePng(picture, 0, true).size();
    const size_t best = EncodePng(picture, 9, true).size();
    EXPECT_GT(stored, 128u * 128u * 4u);
    EXPECT_LT(best * 4, stored);
    EXPECT_EQ(EncodePng(picture, 42, true), EncodePng(picture, 9, true));
}

TEST(PngEncode, EmptyPictureGivesNoBytes) {
    EXPECT_TRUE(EncodePng(PixelMap(), 6, true).empty());
}

TEST(PngLayouts, PaletteWithPartialTransparency) {
    RawPng raw = Layout(4, 2, PNG_COLOR_TYPE_PALETTE, 8);
    raw.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    raw.paletteAlpha = {255, 128, 0};
    raw.samples = {0, 1, 2, 3, 3, 2, 1, 0};
    const PixelMap decoded = DecodeOrFail(raw.Encode());
    EXPECT_EQ(decoded.At(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(decoded.At(1, 0), (Rgba{0, 255, 0, 128}));
    EXPECT_EQ(decoded.At(2, 0), (Rgba{0, 0, 255, 0}));
    EXPECT_EQ(decoded.At(3, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(decoded.At(0, 1), (Rgba{255, 255, 255, 255}));
}

TEST(PngLayouts, PackedPaletteOfOddWidth) {
    for (const int depth : {1, 2, 4}) {
        RawPng raw = Layout(5, 2, PNG_COLOR_TYPE_PALETTE, depth);
        raw.palette = {{10, 20, 30}, {40, 50, 60}};
        raw.samples = {0, 1, 1, 0, 1, 1, 0, 0, 1, 0};
        const PixelMap decoded = DecodeOrFail(raw.Encode());
        ASSERT_EQ(decoded.Width(), 5) << depth;
        for (int i = 0; i < 10; ++i) {
            const png_color c = raw.palette[raw.samples[i]];
            EXPECT_EQ(decoded.At(i % 5, i / 5), (Rgba{c.red, c.green, c.blue, 255})) << depth << " " << i;
        }
    }
}

TEST(PngLayouts, GreyAtEveryDepth) {
    for (const int depth : {1, 2, 4, 8, 16}) {
        const unsigned top = (1u << depth) - 1;
        RawPng raw = Layout(3, 1, PNG_COLOR_TYPE_GRAY, depth);
        raw.samples = {0, top, top / 2 + (depth == 1)};
        const PixelMap decoded = DecodeOrFail(raw.Encode());
        EXPECT_EQ(decoded.At(0, 0), (Rgba{0, 0, 0, 255})) << depth;
        EXPECT_EQ(decoded.At(1, 0), (Rgba{255, 255, 255, 255})) << depth;
        const int mid = decoded.At(2, 0).r;
        EXPECT_NEAR(mid, 255.0 * raw.samples[2] / top, 1.0) << depth;
        EXPECT_EQ(decoded.At(2, 0).g, mid);
        EXPECT_EQ(decoded.At(2, 0).b, mid);
    }
}

TEST(PngLayouts, GreyWithTransparentValue) {
    RawPng raw = Layout(3, 1, PNG_COLOR_TYPE_GRAY, 16);
    raw.samples = {0x1010, 0x8080, 0xffff};
    raw.transparentColour = true;
    raw.transparent.gray = 0x8080;
    const PixelMap decoded = DecodeOrFail(raw.Encode());
    EXPECT_EQ(decoded.At(0, 0), (Rgba{0x10, 0x10, 0x10, 255}));
    EXPECT_EQ(decoded.At(1, 0).a, 0);
    EXPECT_EQ(decoded.At(2, 0), (Rgba{255, 255, 255, 255}));
}

TEST(PngLayouts, GreyWithAlpha) {
    for (const int depth : {8, 16}) {
        const unsigned scale = depth == 16 ? 257 : 1;
        RawPng raw = Layout(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, depth);
        raw.samples = {40 * scale, 200 * scale, 250 * scale, 0};
        const PixelMap decoded = DecodeOrFail(raw.Encode());
        EXPECT_EQ(decoded.At(0, 0), (Rgba{40, 40, 40, 200})) << depth;
        EXPECT_EQ(decoded.At(1, 0), (Rgba{250, 250, 250, 0})) << depth;
    }
}

TEST(PngLayouts, SixteenBitColourIsScaledToEightBits) {
    RawPng rgb = Layout(2, 1, PNG_COLOR_TYPE_RGB, 16);
    rgb.samples = {1 * 257, 2 * 257, 3 * 257, 0xffff, 0x7f7f, 0};
    PixelMap decoded = DecodeOrFail(rgb.Encode());
    EXPECT_EQ(decoded.At(0, 0), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(decoded.At(1, 0), (Rgba{255, 127, 0, 255}));

    RawPng rgba = Layout(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16);
    rgba.samples = {9 * 257, 99 * 257, 199 * 257, 77 * 257};
    decoded = DecodeOrFail(rgba.Encode());
    EXPECT_EQ(decoded.At(0, 0), (Rgba{9, 99, 199, 77}));
}

TEST(PngLayouts, RgbWithTransparentColour) {
    RawPng raw = Layout(2, 1, PNG_COLOR_TYPE_RGB, 8);
    raw.samples = {1, 2, 3, 4, 5, 6};
    raw.transparentColour = true;
    raw.transparent.red = 4;
    raw.transparent.green = 5;
    raw.transparent.blue = 6;
    const PixelMap decoded = DecodeOrFail(raw.Encode());
    EXPECT_EQ(decoded.At(0, 0), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(decoded.At(1, 0), (Rgba{4, 5, 6, 0}));
}

TEST(PngLayouts, InterlacedMatchesTheSource) {
    const PixelMap picture = Gradient(19, 13);
    RawPng raw = Layout(19, 13, PNG_COLOR_TYPE_RGB_ALPHA, 8);
    raw.interlaced = true;
    for (size_t i = 0; i < size_t{19} * 13 * 4; ++i) raw.samples.push_back(picture.Data()[i]);
    EXPECT_EQ(DecodeOrFail(raw.Encode()), picture);
}

TEST(PngDamage, EveryTruncationIsRefusedWithAReason) {
    const std::vector<uint8_t> png = EncodePng(Gradient(12, 9), 6, true);
    for (const size_t size : DamageOffsets(png.size())) {
        PixelMap out;
        std::string error;
        EXPECT_FALSE(Decodes(Truncated(png, size), out, error)) << "cut at " << size;
        EXPECT_FALSE(error.empty()) << "cut at " << size;
    }
}

TEST(PngDamage, EveryFlippedByteIsRefusedWithAReason) {
    const std::vector<uint8_t> png = EncodePng(Gradient(12, 9), 6, true);
    for (size_t offset = 0; offset < png.size(); ++offset) {
        PixelMap out;
        std::string error;
        EXPECT_FALSE(Decodes(Flipped(png, offset), out, error)) << "flipped at " << offset;
        EXPECT_FALSE(error.empty()) << "flipped at " << offset;
    }
}

TEST(PngDamage, EmptyAndForeignData) {
    PixelMap out;
    std::string error;
    EXPECT_FALSE(Decodes({}, out, error));
    EXPECT_EQ(error, "the file is empty");
    EXPECT_FALSE(Decodes({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, out, error));
    EXPECT_EQ(error, "not a PNG file");
    EXPECT_FALSE(Decodes({0x89, 'P', 'N', 'G'}, out, error));
    EXPECT_EQ(error, "not a PNG file");
}

TEST(PngDamage, AbsurdSizesAreRefusedBeforeAllocating) {
    const std::vector<uint8_t> png = EncodePng(Gradient(2, 2), 6, true);
    for (const auto& [width, height] : std::vector<std::pair<uint32_t, uint32_t>>{
             {20000, 1}, {1, 20000}, {10000, 10000}, {0x7fffffff, 0x7fffffff}}) {
        PixelMap out;
        std::string error;
        EXPECT_FALSE(Decodes(WithHeaderSize(png, width, height), out, error)) << width << "x" << height;
        EXPECT_FALSE(error.empty());
    }
    PixelMap out;
    std::string error;
    EXPECT_FALSE(Decodes(WithHeaderSize(png, 16384, 16384), out, error));
    EXPECT_EQ(error, "the picture is too large (16384 x 16384)");
    EXPECT_FALSE(Decodes(WithHeaderSize(png, 0, 2), out, error));
    EXPECT_FALSE(error.empty());
}

TEST(PngDamage, FailureLeavesTheOutputAlone) {
    PixelMap out(3, 3, {1, 2, 3, 4});
    const PixelMap before = out;
    std::vector<uint8_t> png = EncodePng(Gradient(12, 9), 6, true);
    png.resize(png.size() - 20);
    std::string error;
    EXPECT_FALSE(Decodes(png, out, error));
    EXPECT_EQ(out, before);
}

}  // namespace
}  // namespace platform
