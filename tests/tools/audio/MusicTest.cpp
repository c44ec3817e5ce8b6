// The music: nine Ogg Vorbis tracks the game streams in a loop, so each must come round without a click or
// a gap, and all must sit at one loudness so that moving between screens does not jump in level.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/tools/audio/AudioFiles.h"
#include "tools/assetgen/listening/SoundMeasures.h"

namespace murkwell::test {
namespace {

struct Track {
    const char* file;
    double shortest, longest;  // seconds
};

// The level tracks run a minute or two; the level-complete fanfare is short; the others play behind
// screens the player lingers on.
const Track kTracks[] = {{"title.ogg", 45, 150},  {"level1.ogg", 60, 120}, {"level2.ogg", 60, 120},
                         {"level3.ogg", 60, 120}, {"level4.ogg", 60, 120}, {"level5.ogg", 60, 120},
                         {"levelend.ogg", 6, 20}, {"intro.ogg", 45, 150},  {"gameend.ogg", 45, 150}};

std::string PathOf(const Track& track) {
    return std::string("music/") + track.file;
}

TEST(MusicTest, EveryTrackIsA44kStereoOggOfItsLengthThatStreams) {
    for (const Track& track : kTracks) {
        const platform::SoundData sound = DataSound(PathOf(track));
        EXPECT_EQ(sound.rate, 44100) << track.file;
        EXPECT_EQ(sound.channels, 2) << track.file;
        EXPECT_GE(listening::Seconds(sound), track.shortest) << track.file;
        EXPECT_LE(listening::Seconds(sound), track.longest) << track.file;
        // The game plays music through the stream, not the whole-file decoder: both must agree.
        std::string error;
        const auto stream = platform::OggStream::Open(
            std::make_shared<const std::vector<uint8_t>>(DataFile(PathOf(track))), error);
        ASSERT_TRUE(stream) << track.file << ": " << error;
        EXPECT_EQ(stream->TotalFrames(), sound.Frames()) << track.file;
    }
}

TEST(MusicTest, EveryTrackLoopsWithoutAClickOrAGap) {
    for (const Track& track : kTracks) {
        const listening::Seam seam = listening::MeasureSeam(DataSound(PathOf(track)));
        EXPECT_LE(seam.jump, seam.typicalStep) << track.file << ": a click where the loop comes round";
        EXPECT_LE(seam.dipDb, 1.5) << track.file << ": a gap where the loop comes round";
        EXPECT_LE(seam.bumpDb, 1.5) << track.file << ": a bump where the loop comes round";
    }
}

TEST(MusicTest, EveryTrackSitsAtOneLoudnessWithHeadroom) {
    double quietest = 0, loudest = -200;
    for (const Track& track : kTracks) {
        const platform::SoundData sound = DataSound(PathOf(track));
        quietest = std::min(quietest, listening::RmsDb(sound));
        loudest = std::max(loudest, listening::RmsDb(sound));
        EXPECT_LE(listening::PeakDb(sound), -1) << track.file;
    }
    EXPECT_LE(loudest - quietest, 2.0);
    EXPECT_GE(quietest, -26) << "the music is far too quiet";
}

TEST(MusicTest, LoopsHaveNoSilentStretch) {
    // A loop rendered without its tail folded round, or a track padded to length, shows as a quiet hole.
    for (const Track& track : kTracks) {
        const platform::SoundData sound = DataSound(PathOf(track));
        const double overall = listening::RmsDb(sound), seconds = listening::Seconds(sound);
        for (double at = 0; at + 0.5 <= seconds; at += 0.5) {
            EXPECT_GE(listening::RmsDb(sound, at, at + 0.5), overall - 20)
                << track.file << " at " << at << " s";
        }
    }
}

}  // namespace
}  // namespace murkwell::test
