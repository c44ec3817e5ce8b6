// The music's notation: a misread chord or a miscounted bar would put every later note in the wrong
// place without anything failing, so the notation is checked on small pieces whose notes are known.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tools/assetgen/Sequencer.h"

namespace assetgen::music {
namespace {

using ::testing::ElementsAre;

const Meter kFourFour{.bpm = 120, .barBeats = 4};
const Key kAMinor{57, Mode::Minor};
const Key kCMajor{60, Mode::Major};

std::vector<double> Pitches(const std::vector<Note>& notes) {
    std::vector<double> pitches;
    for (const Note& note : notes) pitches.push_back(note.midi);
    return pitches;
}

std::vector<double> Beats(const std::vector<Note>& notes) {
    std::vector<double> beats;
    for (const Note& note : notes) beats.push_back(note.beat);
    return beats;
}

TEST(ProgressionTest, RomanNumeralsNameTheChordsOfTheKey) {
    const std::vector<Chord> chords = Progression(kAMinor, kFourFour, "i | iv V7 | bII:3 iih7:1", 8);
    ASSERT_EQ(chords.size(), 5u);
    EXPECT_EQ(chords[0].root, 57);  // A minor
    EXPECT_THAT(chords[0].intervals, ElementsAre(0, 3, 7));
    EXPECT_EQ(chords[1].root, 50);  // D minor
    EXPECT_EQ(chords[2].root, 52);  // E dominant seventh
    EXPECT_THAT(chords[2].intervals, ElementsAre(0, 4, 7, 10));
    EXPECT_EQ(chords[3].root, 58);  // B flat major, the Neapolitan
    EXPECT_THAT(chords[3].intervals, ElementsAre(0, 4, 7));
    EXPECT_THAT(chords[4].intervals, ElementsAre(0, 3, 6, 10));
    // Chords share their bar unless told otherwise; the progression starts where it is placed.
    EXPECT_DOUBLE_EQ(chords[0].beat, 8);
    EXPECT_DOUBLE_EQ(chords[1].length, 2);
    EXPECT_DOUBLE_EQ(chords[2].beat, 14);
    EXPECT_DOUBLE_EQ(chords[3].length, 3);
    EXPECT_DOUBLE_EQ(chords[4].beat, 19);
}

TEST(ProgressionTest, SuspensionsSeventhsAndDiminishedChords) {
    const std::vector<Chord> chords = Progression(kCMajor, kFourFour, "V7sus4 | IM7 | viio | viio7", 0);
    EXPECT_THAT(chords[0].intervals, ElementsAre(0, 5, 7, 10));
    EXPECT_THAT(chords[1].intervals, ElementsAre(0, 4, 7, 11));
    EXPECT_THAT(chords[2].intervals, ElementsAre(0, 3, 6));
    EXPECT_THAT(chords[3].intervals, ElementsAre(0, 3, 6, 9));
    EXPECT_EQ(chords[2].Tone(4), chords[2].root + 15);  // counting on into the next octave
}

TEST(MelodyTest, DegreesOctavesAndDurationsBecomeNotes) {
    const std::vector<Note> notes = Melody(kCMajor, kFourFour, "1q 3e. 5s rq 1'q | #4,h. 7,q", 0);
    EXPECT_THAT(Pitches(notes), ElementsAre(60, 64, 67, 72, 54, 59));
    EXPECT_THAT(Beats(notes), ElementsAre(0, 1, 1.75, 3, 4, 7));
    EXPECT_DOUBLE_EQ(notes[1].length, 0.75);
    EXPECT_DOUBLE_EQ(notes[4].length, 3);
}

TEST(MelodyTest, TheMinorKeyHasAFlatThirdAndARaisableSeventh) {
    EXPECT_THAT(Pitches(Melody(kAMinor, kFourFour, "1q 3q 7q #7q", 0)), ElementsAre(57, 60, 67, 68));
}

TEST(MelodyTest, NotesOnTheBeatAreStrongerThanNotesOffIt) {
    const std::vector<Note> notes = Melody(kCMajor, kFourFour, "1e 2e 3e 4e 5h", 0);
    EXPECT_GT(notes[0].velocity, notes[2].velocity);
    EXPECT_GT(notes[2].velocity, notes[1].velocity);
    EXPECT_GT(notes[4].velocity, notes[3].velocity);
}

TEST(NotationTest, AMiscountedBarOrAnUnknownSymbolFailsNamingIt) {
    EXPECT_THROW(Melody(kCMajor, kFourFour, "1q 2q 3q | 4w", 0), std::runtime_error);
    EXPECT_THROW(Melody(kCMajor, kFourFour, "1q 2x", 0), std::runtime_error);
    EXPECT_THROW(Progression(kCMajor, kFourFour, "I:3 IV:2", 0), std::runtime_error);
    try {
        Progression(kCMajor, kFourFour, "I | Vq", 0);
        FAIL() << "an unknown chord symbol was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("Vq"));
    }
}

TEST(PatternTest, ChordTonesSitAtOrAboveTheLowNote) {
    const std::vector<Chord> chords = Progression(kCMajor, kFourFour, "I | V", 0);
    const std::vector<Note> notes = Pattern(chords, kFourFour, "0q 1q 2q 2,q", 50, 0, 8);
    EXPECT_THAT(Pitches(notes), ElementsAre(60, 64, 67, 55, 55, 59, 62, 50));
}

TEST(PatternTest, BlockChordsMoveByTheSmallestSteps) {
    const std::vector<Chord> chords = Progression(kCMajor, kFourFour, "I | IV | V | I", 0);
    const std::vector<Note> notes = Pattern(chords, kFourFour, "cw", 55, 0, 16);
    ASSERT_EQ(notes.size(), 12u);
    // C E G, then C F A (the C stays), then B D G, then C E G again.
    EXPECT_THAT(Pitches(notes), ElementsAre(60, 64, 67, 60, 65, 69, 59, 62, 67, 60, 64, 67));
}

TEST(PatternTest, AnApproachLeadsIntoTheNextChordAndTheLastIntoTheFirst) {
    const std::vector<Chord> chords = Progression(kCMajor, kFourFour, "I | IV", 0);
    const std::vector<Note> notes = Pattern(chords, kFourFour, "0h. >q", 48, 0, 8);
    EXPECT_THAT(Pitches(notes), ElementsAre(48, 52, 53, 59));
}

TEST(StepsTest, StepsShareTheBarAndRepeat) {
    const std::vector<Note> notes = Steps(kFourFour, "X.o. | ..x.", 0, 12, 38);
    EXPECT_THAT(Beats(notes), ElementsAre(0, 2, 6, 8, 10));
    EXPECT_DOUBLE_EQ(notes[0].velocity, 1.0);
    EXPECT_LT(notes[1].velocity, notes[2].velocity);
    EXPECT_EQ(notes[0].midi, 38);
}

TEST(MeterTest, SwingDelaysTheOffBeatEighths) {
    const Meter swung{.bpm = 60, .barBeats = 4, .swing = 2.0 / 3};
    EXPECT_DOUBLE_EQ(swung.Seconds(1), 1);
    EXPECT_NEAR(swung.Seconds(1.5), 1 + 2.0 / 3, 1e-9);
    EXPECT_DOUBLE_EQ(kFourFour.Seconds(1.5), 0.75);
}

}  // namespace
}  // namespace assetgen::music
