#pragma once

#include <string_view>
#include <vector>

// Music written as text and turned into notes: keys and scales, chord progressions in roman numerals,
// melodies in scale degrees, accompaniment patterns over the chords (with voice-led block chords) and
// drum step patterns. Time is counted in quarter notes ("beats") from the start of the piece.
//
// A mistake in the text (a bar that does not add up, an unknown symbol) throws std::runtime_error naming
// the token, so a miscounted bar fails the build instead of shifting the rest of the piece.
namespace assetgen::music {

// Minor is the natural minor; a melody raises its seventh with "#7" where it leads home.
enum class Mode { Major, Minor };

struct Key {
    int tonic;  // MIDI note of the tonic in the octave the melodies are written around
    Mode mode;
    // MIDI note of a scale degree (1 is the tonic, 8 the octave above, 0 the seventh below) raised or
    // lowered by accidental semitones.
    int Note(int degree, int accidental = 0) const;
};

struct Meter {
    double bpm;          // quarter notes per minute
    double barBeats;     // quarter notes per bar: 4 in 4/4, 3 in 3/4 and in 6/8
    double pulse = 1;    // quarter notes per counted beat (1.5 in 6/8): strong and weak notes follow it
    double swing = 0.5;  // where an off-beat eighth falls within its beat: 0.5 even, 2/3 a triplet lilt

    double Bar(int bar) const { return bar * barBeats; }
    // Seconds from the start to a beat, the swing applied.
    double Seconds(double beat) const;
};

struct Note {
    double beat, length;  // quarter notes
    double midi;
    double velocity;  // 0 … 1
};

struct Chord {
    double beat, length;
    int root;                    // MIDI note of the root, between 48 and 59
    std::vector<int> intervals;  // the chord's tones above the root, 0 first
    // Tone n counting up from the root through the chord and on into the octaves above.
    int Tone(int n) const;
};

// "i iv | V7 | bVI:3 V:1 | i" — one or more chords per bar (sharing it evenly unless given ":beats").
// Upper case is a major triad, lower case minor; then "o" diminished, "7" a minor seventh (so "V7" is the
// dominant seventh), "M7" a major seventh, "o7" and "h7" the diminished and half-diminished sevenths,
// "sus4" the fourth for the third; a leading "b" or "#" moves the root a semitone.
std::vector<Chord> Progression(const Key& key, const Meter& meter, std::string_view text, double start);

// "5e 6e 5q 1'q | 3h. rq | #4q 5,h." — notes as scale degrees, "'" and "," for octaves up and down, "#"
// and "b" before the degree for accidentals, then a duration: w h q e s (whole … sixteenth), added
// together ("he" is a half and an eighth), "." after one of them makes it dotted; "r" is a rest.
// Velocities follow the meter.
std::vector<Note> Melody(const Key& key, const Meter& meter, std::string_view text, double start);

// An accompaniment figure repeated from beat from to beat to over the piece's chords: digits are chord
// tones counted from the root (placed at or above low), with "'" and "," for octaves; "c" is the whole
// chord, voice-led from the chord before within an octave and a fifth above low; ">" approaches the next
// chord's root from a semitone below (after the last chord comes the first: pieces loop); "r" rests.
// Durations as in melodies.
std::vector<Note> Pattern(const std::vector<Chord>& chords, const Meter& meter, std::string_view text,
                          int low, double from, double to);

// Drum steps, one character per step, bars separated by "|": "X" accented, "x" played, "o" a ghost
// note, "." silent; the steps of each bar share it evenly. The bars repeat from start to end.
std::vector<Note> Steps(const Meter& meter, std::string_view text, double start, double end, int midi);

// Moves notes by a number of beats and semitones (a repeat, a transposed answer).
std::vector<Note> Shifted(std::vector<Note> notes, double beats, int semitones = 0);

}  // namespace assetgen::music
