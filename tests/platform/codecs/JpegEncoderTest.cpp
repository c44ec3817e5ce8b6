// The JPEG writer that the data build uses for its opaque pictures: what it writes reads back through the
// game's own decoder, close to the source, and the bytes never vary.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/codecs/ImageCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"

namespace platform {
namespace {

using testing::Gradient;

PixelMap RoundTrip(const PixelMap& source, int quality) {
    const std::vector<uint8_t> bytes = EncodeJpeg(source, quality);
    PixelMap out;
    std::string error;
    EXPECT_TRUE(DecodeJpeg(bytes, out, error)) << error;
    return out;
}

// The mean absolute colour difference, and every decoded pixel must be opaque.
double MeanError(const PixelMap& source, const PixelMap& decoded) {
    EXPECT_EQ(decoded.Width(), source.Width());
    EXPECT_EQ(decoded.Height(), source.Height());
    double sum = 0;
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const Rgba s = source.At(x, y), d = decoded.At(x, y);
            EXPECT_EQ(d.a, 255);
            sum += std::abs(s.r - d.r) + std::abs(s.g - d.g) + std::abs(s.b - d.b);
        }
    }
    return sum / (3.0 * source.Width() * source.Height());
}

TEST(JpegEncode, AColourPictureReadsBackCloseToTheSource) {
    const PixelMap source = Gradient(97, 61);  // sizes that are no multiple of the 8- and 16-pixel blocks
    EXPECT_LT(MeanError(source, RoundTrip(source, 92)), 2.0);
}

TEST(JpegEncode, AlphaIsDroppedNotBlendedIntoTheColours) {
    PixelMap source(16, 16, {200, 40, 90, 0});
    for (int x = 0; x < 16; ++x) source.Set(x, 3, {200, 40, 90, 255});
    const PixelMap decoded = RoundTrip(source, 95);
    EXPECT_LT(MeanError(source, decoded), 3.0);
}

TEST(JpegEncode, LowerQualityGivesSmallerFilesAndLargerErrors) {
    PixelMap source = Gradient(128, 96);
    // Fine detail, so that the quantisation matters.
    for (int y = 0; y < 96; y += 2) {
        for (int x = (y / 2) % 3; x < 128; x += 3) source.Set(x, y, {255, 255, 255, 255});
    }
    const size_t high = EncodeJpeg(source, 95).size(), low = EncodeJpeg(source, 30).size();
    EXPECT_LT(low, high);
    EXPECT_LT(MeanError(source, RoundTrip(source, 95)), MeanError(source, RoundTrip(source, 30)));
}

TEST(JpegEncode, TheSamePictureGivesTheSameBytes) {
    const PixelMap source = Gradient(64, 48);
    const std::vector<uint8_t> first = EncodeJpeg(source, 90);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, EncodeJpeg(source, 90));
}

TEST(JpegEncode, QualityOutsideTheRangeIsClampedNotRefused) {
    const PixelMap source = Gradient(20, 20);
    EXPECT_EQ(EncodeJpeg(source, 0), EncodeJpeg(source, 1));
    EXPECT_EQ(EncodeJpeg(source, 250), EncodeJpeg(source, 100));
}

TEST(JpegEncode, AnEmptyPictureGivesNoBytes) {
    EXPECT_TRUE(EncodeJpeg(PixelMap(), 90).empty());
    EXPECT_TRUE(EncodeJpeg(PixelMap(0, 5), 90).empty());
}

TEST(JpegEncode, OnePixelAndOneRowPicturesWork) {
    for (const PixelMap& source : {PixelMap(1, 1, {10, 200, 30, 255}), Gradient(300, 1), Gradient(1, 300)}) {
        EXPECT_LT(MeanError(source, RoundTrip(source, 95)), 4.0) << source.Width() << "x" << source.Height();
    }
}

}  // namespace
}  // namespace platform
