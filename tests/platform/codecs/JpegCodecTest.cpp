#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/codecs/ImageCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"
#include "tests/platform/codecs/JpegWriter.h"

namespace platform {
namespace {

using testing::DamageOffsets;
using testing::Flipped;
using testing::Gradient;
using testing::JpegKind;
using testing::Truncated;
using testing::WriteJpeg;

PixelMap DecodeOrFail(const std::vector<uint8_t>& bytes) {
    PixelMap out;
    std::string error;
    EXPECT_TRUE(DecodeJpeg(bytes, out, error)) << error;
    return out;
}

// The largest difference between the decoded colours and the source's.
int WorstError(const PixelMap& source, const PixelMap& decoded, bool grey) {
    int worst = 0;
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const Rgba s = source.At(x, y);
            const Rgba d = decoded.At(x, y);
            EXPECT_EQ(d.a, 255);
            const int expected[3] = {grey ? s.g : s.r, s.g, grey ? s.g : s.b};
            const int got[3] = {d.r, d.g, d.b};
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(expected[c] - got[c]));
        }
    }
    return worst;
}

TEST(JpegDecode, ColourPictureIsCloseToTheSource) {
    const PixelMap source = Gradient(61, 47);
    const PixelMap decoded = DecodeOrFail(WriteJpeg(source, JpegKind::Colour));
    ASSERT_EQ(decoded.Width(), 61);
    ASSERT_EQ(decoded.Height(), 47);
    EXPECT_LE(WorstError(source, decoded, false), 12);
}

TEST(JpegDecode, GreyPictureComesOutAsEqualChannels) {
    const PixelMap source = Gradient(40, 30);
    const PixelMap decoded = DecodeOrFail(WriteJpeg(source, JpegKind::Grey));
    ASSERT_EQ(decoded.Width(), 40);
    EXPECT_LE(WorstError(source, decoded, true), 6);
    for (int x = 0; x < 40; ++x) {
        const Rgba p = decoded.At(x, 20);
        EXPECT_TRUE(p.r == p.g && p.g == p.b) << x;
    }
}

TEST(JpegDecode, ProgressivePicture) {
    const PixelMap source = Gradient(50, 33);
    EXPECT_LE(WorstError(source, DecodeOrFail(WriteJpeg(source, JpegKind::Progressive)), false), 12);
}

TEST(JpegDecode, CmykIsRefused) {
    PixelMap out;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(WriteJpeg(Gradient(8, 8), JpegKind::Cmyk), out, error));
    EXPECT_NE(error.find("CMYK"), std::string::npos) << error;
}

TEST(JpegDamage, EveryTruncationIsRefusedWithAReason) {
    for (const JpegKind kind : {JpegKind::Colour, JpegKind::Progressive}) {
        const std::vector<uint8_t> jpeg = WriteJpeg(Gradient(24, 16), kind);
        for (const size_t size : DamageOffsets(jpeg.size())) {
            PixelMap out;
            std::string error;
            EXPECT_FALSE(DecodeJpeg(Truncated(jpeg, size), out, error)) << "cut at " << size;
            EXPECT_FALSE(error.empty()) << "cut at " << size;
        }
    }
}

// JPEG carries no checksums, so a flipped byte may still give a (wrong) picture; what matters is that
// nothing breaks and that every refusal says why.
TEST(JpegDamage, FlippedBytesNeverBreakTheDecoder) {
    const std::vector<uint8_t> jpeg = WriteJpeg(Gradient(24, 16), JpegKind::Progressive);
    int refused = 0;
    for (size_t offset = 0; offset < jpeg.size(); ++offset) {
        PixelMap out;
        std::string error;
        if (DecodeJpeg(Flipped(jpeg, offset), out, error)) {
            EXPECT_EQ(out.Width(), 24);
        } else {
            EXPECT_FALSE(error.empty()) << "flipped at " << offset;
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(JpegDamage, EmptyAndForeignData) {
    PixelMap out;
    std::string error;
    EXPECT_FALSE(DecodeJpeg({}, out, error));
    EXPECT_EQ(error, "the file is empty");
    EXPECT_FALSE(DecodeJpeg(std::vector<uint8_t>{'R', 'I', 'F', 'F', 0, 0, 0, 0}, out, error));
    EXPECT_NE(error.find("Not a JPEG file"), std::string::npos) << error;
}

TEST(JpegDamage, AbsurdSizesAreRefusedBeforeAllocating) {
    std::vector<uint8_t> jpeg = WriteJpeg(Gradient(8, 8), JpegKind::Colour);
    size_t sof = 0;
    while (!(jpeg[sof] == 0xff && jpeg[sof + 1] == 0xc0)) ++sof;
    // Marker, length and precision, then the height and width, big-endian.
    jpeg[sof + 5] = 0xff;
    jpeg[sof + 6] = 0x00;
    jpeg[sof + 7] = 0xff;
    jpeg[sof + 8] = 0x00;
    PixelMap out;
    std::string error;
    EXPECT_FALSE(DecodeJpeg(jpeg, out, error));
    EXPECT_EQ(error, "the picture is too large (65280 x 65280)");
}

}  // namespace
}  // namespace platform
