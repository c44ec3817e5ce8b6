// The finishing every generated sound goes through: an effect is moved to its onset and brought to rest,
// a loop's overhang comes round onto its start, and music is levelled under a ceiling. The shipped files
// are checked as a whole elsewhere; these pin down the steps, so a fault shows where it lies.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/Processing.h"
#include "tools/assetgen/listening/SoundMeasures.h"

namespace assetgen {
namespace {

using namespace synth;

TEST(FinishEffectTest, ASoundAfterSilenceStartsAtOnceEndsAtRestAndPeaksWhereAsked) {
    Stereo sound(1.5);
    AddTone(sound, 0.3, 0.4, NoteHz(69), {{1, 1, 1}, {2, 0.3, 0.5}}, {0.001, 0.04}, 0.5, 0.3);
    FinishEffect(sound, -3.1);
    const platform::SoundData finished = ToSound(sound);
    EXPECT_LE(listening::OnsetSeconds(finished, -40), 0.002);
    EXPECT_NEAR(listening::PeakDb(finished), -3.1, 0.01);
    // The tone has died 60 dB down well before its written end, so the silence after it goes too.
    EXPECT_LT(listening::Seconds(finished), 0.5);
    EXPECT_EQ(sound.left.back(), 0.0f);
    EXPECT_EQ(sound.right.back(), 0.0f);
}

TEST(FinishEffectTest, SilenceStaysSilence) {
    Stereo sound(0.2);
    FinishEffect(sound, -3);
    for (float v : sound.left) EXPECT_EQ(v, 0.0f);
}

TEST(FoldLoopTest, WhatSoundsPastTheEndIsAddedOntoTheStartAndCutOff) {
    Stereo sound(1.5);
    const int loop = FrameAt(1.0), at = FrameAt(0.2);
    sound.left[at] = 0.25f;
    sound.left[loop + at] = 0.5f;
    sound.right[loop - 1] = 0.125f;
    FoldLoop(sound, 1.0);
    ASSERT_EQ(sound.Frames(), loop);
    EXPECT_FLOAT_EQ(sound.left[at], 0.75f);
    EXPECT_FLOAT_EQ(sound.right[loop - 1], 0.125f);
}

TEST(LevelTest, BringsTheRmsToTheTargetAndBendsPeaksUnderTheCeiling) {
    Stereo sound(1.0);
    AddTone(sound, 0, 1.0, 220, {{1, 1, 1}}, {0.01, 1e9}, 0.05, 0);
    sound.left[FrameAt(0.5)] = 0.9f;  // a lone spike far above the rest
    Level(sound, -20, -1);
    const platform::SoundData levelled = ToSound(sound);
    EXPECT_NEAR(listening::RmsDb(levelled), -20, 0.2);
    EXPECT_LT(listening::PeakDb(levelled), -1);
}

// One bar at 120 beats a minute: two seconds.
music::Piece OneBar() {
    return music::Piece({.bpm = 120, .barBeats = 4}, 7);
}

TEST(PieceTest, ANoteRingingPastTheLoopSoundsAtItsStartSoTheLoopHasNoSeam) {
    music::Piece piece = OneBar();
    piece.Add(music::Celesta(), {.looseness = 0}).Add({{3.5, 0.5, 72, 1}});
    const platform::SoundData loop = ToSound(piece.RenderLoop(1));
    EXPECT_EQ(loop.Frames(), FrameAt(2.0));
    // Nothing is written at the start, yet the last note and the room ring on there.
    EXPECT_GT(listening::RmsDb(loop, 0, 0.1), -45);
    const listening::Seam seam = listening::MeasureSeam(loop);
    EXPECT_LE(seam.jump, seam.typicalStep);
    EXPECT_LE(seam.dipDb, 1.5);
}

TEST(PieceTest, ANoteBeyondTheLoopIsRefusedRatherThanDropped) {
    music::Piece piece = OneBar();
    piece.Add(music::Celesta(), {}).Add({{4, 1, 72, 1}});
    EXPECT_THROW(piece.RenderLoop(1), std::runtime_error);
}

}  // namespace
}  // namespace assetgen
