// What the game reads from the generated files: the settings defaults, the splash picture and jingle,
// the window icon and the folder layout.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/codecs/ImageCodec.h"
#include "platform/codecs/SoundCodec.h"
#include "platform/files/Files.h"
#include "tests/tools/assetgen/AssetgenTestSupport.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(platform::files::ReadAll(path, bytes, error)) << error;
    return bytes;
}

platform::PixelMap Picture(const std::string& path) {
    platform::PixelMap picture;
    std::string error;
    EXPECT_TRUE(platform::DecodePng(Bytes(path), picture, error)) << path << ": " << error;
    return picture;
}

bool EdgesAreTransparent(const platform::PixelMap& p) {
    for (int x = 0; x < p.Width(); ++x) {
        if (p.At(x, 0).a != 0 || p.At(x, p.Height() - 1).a != 0) return false;
    }
    for (int y = 0; y < p.Height(); ++y) {
        if (p.At(0, y).a != 0 || p.At(p.Width() - 1, y).a != 0) return false;
    }
    return true;
}

double ShareWithAlpha(const platform::PixelMap& p, int minAlpha, int maxAlpha) {
    int count = 0;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) count += p.At(x, y).a >= minAlpha && p.At(x, y).a <= maxAlpha;
    }
    return static_cast<double>(count) / (p.Width() * p.Height());
}

TEST_F(AssetgenTest, DefaultIniHoldsTheDefaultsInOrderAndNoVersion) {
    const std::vector<uint8_t> bytes = Bytes(Generate({"settings"}) + "/Default.ini");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text,
              "FULL SCREEN=1\nWIDESCREEN=1\nBORDERLESS WINDOW=0\nSOUND=1\nMUSIC=1\nSPEECH=1\n"
              "SOUND VOLUME=100\nMUSIC VOLUME=100\nSPEECH VOLUME=100\nFADE=1\nPARTICLES=80\n"
              "SCREENSHAKE=100\nPORTAL SPLASH=0\nPORTAL SPLASH2=0\nINTRO=1\nVSYNC=1\nDRIVER=0\n"
              "SOUND DRIVER=FreeAudio\nFULL SCREEN PROCESS PRIORITY=0\nFULL SCREEN THREAD PRIORITY=0\n"
              "WINDOWED PROCESS PRIORITY=0\nWINDOWED THREAD PRIORITY=0\nPROFILE NAME=\nREGION=0\n"
              "SUB-REGION=0\nCUSTOM MOUSE POINTER=1\n");
    EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("VERSION")));
}

TEST_F(AssetgenTest, SplashIsALogoOnATransparentGroundThatFitsTheScreen) {
    const platform::PixelMap splash = Picture(Generate({"splash"}) + "/Tarnfield.png");
    EXPECT_NEAR(splash.Width(), 560, 40);
    EXPECT_NEAR(splash.Height(), 320, 30);
    // Shown on black: glows must fade out inside the picture, never be cut off at its edges.
    EXPECT_TRUE(EdgesAreTransparent(splash));
    EXPECT_GT(ShareWithAlpha(splash, 255, 255), 0.1) << "too little solid content";
    EXPECT_GT(ShareWithAlpha(splash, 1, 254), 0.05) << "no soft edges or glow";
    EXPECT_GT(ShareWithAlpha(splash, 0, 0), 0.2) << "the background is not transparent";
}

TEST_F(AssetgenTest, SplashGlowsKeepTheirColourAsTheyFade) {
    // Stored with straight alpha: a faint glow is a bright colour at low alpha, not a dark one, or it
    // would draw as a grey smudge on the black screen.
    const platform::PixelMap splash = Picture(Generate({"splash"}) + "/Tarnfield.png");
    long brightness = 0, count = 0;
    for (int y = 0; y < splash.Height(); ++y) {
        for (int x = 0; x < splash.Width(); ++x) {
            const platform::Rgba p = splash.At(x, y);
            if (p.a < 8 || p.a > 40) continue;
            brightness += std::max({p.r, p.g, p.b});
            ++count;
        }
    }
    ASSERT_GT(count, 1000);
    EXPECT_GT(brightness / count, 100);
}

TEST_F(AssetgenTest, IconIsA64PixelPictureWithTransparentCorners) {
    const platform::PixelMap icon = Picture(Generate({"icon"}) + "/icon.png");
    ASSERT_EQ(icon.Width(), 64);
    ASSERT_EQ(icon.Height(), 64);
    EXPECT_TRUE(EdgesAreTransparent(icon));
    EXPECT_EQ(icon.At(32, 40).a, 255);
}

TEST_F(AssetgenTest, SplashSoundIsAShortQuietEndedJingleThatLoops) {
    platform::SoundData sound;
    std::string error;
    ASSERT_TRUE(platform::DecodeWav(Bytes(Generate({"splashsound"}) + "/splashsound.wav"), sound, error))
        << error;
    EXPECT_EQ(sound.rate, 44100);
    const double seconds = static_cast<double>(sound.Frames()) / sound.rate;
    EXPECT_GE(seconds, 2.5);
    EXPECT_LE(seconds, 3.5);

    float peak = 0;
    for (float v : sound.samples) peak = std::max(peak, std::abs(v));
    EXPECT_LT(peak, std::pow(10.0f, -1.0f / 20)) << "peak above -1 dBFS";
    EXPECT_GT(peak, std::pow(10.0f, -6.0f / 20)) << "far too quiet";

    // It plays looping: both ends at rest, so the seam makes no click.
    const int edge = sound.rate / 1000 * sound.channels;  // the first and last millisecond
    const auto n = static_cast<int>(sound.samples.size());
    for (int i = 0; i < edge; ++i) {
        EXPECT_LT(std::abs(sound.samples[i]), 0.01f) << "sample " << i;
        EXPECT_LT(std::abs(sound.samples[n - 1 - i]), 0.01f) << "sample " << n - 1 - i;
    }
}

TEST_F(AssetgenTest, LayoutMakesEveryFolderEvenWhenEmpty) {
    const std::string data = Generate({"layout"});
    for (const char* name :
         {"graphics", "sound", "music", "speech", "menus", "text", "levels", "fonts", "branding"}) {
        EXPECT_TRUE(fs::is_directory(data + "/" + name)) << name;
    }
}

}  // namespace
}  // namespace murkwell::test
