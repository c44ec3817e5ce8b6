// Rewards and the moments of a level: coins, bags and charged gauges sparkle with little bells (bright,
// slightly inharmonic, with a glitter of high noise); the level's cues are short tunes on the same bells.

#include <vector>

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// A small bell: its overtones sit a little off the harmonic series, which is what makes it glint.
void Bell(Stereo& out, double at, const Pitch& pitch, double decay, double gain, double pan = 0) {
    AddTone(out, at, 6 * decay, pitch,
            {{1, 1, 1}, {2.0, 0.45, 0.6}, {3.02, 0.25, 0.4}, {4.16, 0.16, 0.3}, {5.43, 0.08, 0.2}},
            {0.0008, decay}, gain, pan);
}

// Glitter: a quick spray of very high noise.
void Glitter(Stereo& out, double at, double length, double gain, Random& random, double pan = 0) {
    AddNoise(out, at, length, {FilterKind::HighPass, 7000}, {0.002, length / 4}, gain, pan, random);
}

// A coin: two bell notes a fourth apart, the second ringing on.
void CoinChime(Stereo& out, double at, double note, double gain, Random& random, double pan = 0) {
    Bell(out, at, NoteHz(note), 0.05, 0.6 * gain, pan);
    Bell(out, at + 0.07, NoteHz(note + 5), 0.3, gain, pan);
    Glitter(out, at + 0.07, 0.25, 0.15 * gain, random, pan);
}

// A run of bell notes, each a little louder than the last.
void Run(Stereo& out, double at, const std::vector<double>& notes, double step, double decay, double gain) {
    for (size_t i = 0; i < notes.size(); ++i) {
        const double pan = notes.size() > 1 ? -0.5 + static_cast<double>(i) / (notes.size() - 1) : 0;
        Bell(out, at + step * i, NoteHz(notes[i]), decay, gain * (0.75 + 0.25 * i / notes.size()), pan);
    }
}

Stereo Finished(Stereo sound, double dbfs) {
    FinishEffect(sound, dbfs);
    return sound;
}

Stereo Coin() {
    Stereo out(1.8);
    Random random(0xc01);
    CoinChime(out, 0, 83, 1, random);
    AddReverb(out, 0.5, 0.4, 0.2);
    return Finished(out, -5);
}

// A bag of coins: many coins at once, with the thump of the leather. Played at 0.8.
Stereo Bag() {
    Stereo out(1.9);
    Random random(0xc02);
    AddTone(out, 0, 0.2, Pitch(160).GlideTo(110, 0.05), {{1, 1, 1}, {2.1, 0.3, 0.5}}, {0.002, 0.05}, 0.8, 0);
    AddNoise(out, 0, 0.08, {FilterKind::LowPass, 900}, {0.001, 0.02}, 0.5, 0, random);
    for (int i = 0; i < 9; ++i) {
        const double t = 0.01 + 0.3 * random.Uniform() * random.Uniform();
        Bell(out, t, NoteHz(random.Range(86, 98)), random.Range(0.05, 0.14), 0.35, random.Range(-0.6, 0.6));
    }
    CoinChime(out, 0.12, 86, 0.8, random);
    AddReverb(out, 0.5, 0.4, 0.2);
    return Finished(out, -4);
}

// An unclaimed coin fades away: its chime falls and dissolves into a puff.
Stereo CoinDisappears() {
    Stereo out(1.6);
    Random random(0xc03);
    Bell(out, 0, Pitch(NoteHz(88)).GlideTo(NoteHz(76), 0.25), 0.25, 0.6);
    AddNoise(out, 0.0, 0.5, {FilterKind::BandPass, 3000, 600, 1.5}, {0.05, 0.15}, 0.35, 0, random);
    AddReverb(out, 0.6, 0.5, 0.3);
    return Finished(out, -9);
}

// A power-up charged: bells run up to a held, shimmering chord.
Stereo GaugeFull() {
    Stereo out(2.8);
    Random random(0xc04);
    Run(out, 0, {79, 83, 86, 91}, 0.06, 0.2, 0.6);
    for (double note : {91.0, 95.0, 98.0}) {
        AddTone(out, 0.24, 1.6, Pitch(NoteHz(note)).Vibrato(5.5, 0.08, 0.1),
                {{1, 1, 1}, {1.003, 0.7, 1}, {2, 0.3, 0.6}}, {0.01, 0.45}, 0.3, (note - 95) / 6);
    }
    Glitter(out, 0.24, 0.9, 0.15, random);
    AddReverb(out, 0.7, 0.4, 0.3);
    return Finished(out, -4);
}

// A bonus item pops into being: a rising swoop and a sparkle.
Stereo BonusAppears() {
    Stereo out(1.6);
    Random random(0xc05);
    AddTone(out, 0, 0.25, Pitch(NoteHz(72)).GlideTo(NoteHz(91), 0.06), {{1, 1, 1}, {2, 0.3, 0.6}},
            {0.01, 0.08}, 0.5, 0);
    Bell(out, 0.1, NoteHz(91), 0.2, 0.6, 0.2);
    Glitter(out, 0.08, 0.3, 0.25, random);
    AddReverb(out, 0.5, 0.4, 0.25);
    return Finished(out, -6);
}

// A goal met (also a purchase): a warm two-note chime, a major third up.
Stereo GoalDone() {
    Stereo out(2.2);
    Random random(0xc06);
    Bell(out, 0, NoteHz(84), 0.35, 0.7, -0.2);
    Bell(out, 0.11, NoteHz(88), 0.45, 0.8, 0.2);
    Bell(out, 0.11, NoteHz(76), 0.5, 0.3, 0);
    Glitter(out, 0.11, 0.3, 0.1, random);
    AddReverb(out, 0.6, 0.4, 0.25);
    return Finished(out, -5);
}

// A skull collected: bones knock down a little xylophone run, with a hollow pop.
Stereo EggDrop() {
    Stereo out(1.3);
    Random random(0xc07);
    const double notes[] = {84, 81, 77, 72};
    for (int i = 0; i < 4; ++i) {
        AddTone(out, 0.045 * i, 0.25, NoteHz(notes[i]), {{1, 1, 1}, {3.93, 0.35, 0.3}, {9.5, 0.1, 0.15}},
                {0.0005, 0.05}, 0.7, 0.3 - 0.2 * i);
        AddNoise(out, 0.045 * i, 0.01, {FilterKind::BandPass, 2500}, {0.0003, 0.002}, 0.3, 0, random);
    }
    AddTone(out, 0.18, 0.15, Pitch(500).GlideTo(260, 0.03), {{1, 1, 1}}, {0.001, 0.03}, 0.5, 0);
    AddReverb(out, 0.4, 0.5, 0.15);
    return Finished(out, -6);
}

// "Play!": three bright notes up to the fifth, the last held a moment.
Stereo LevelStart() {
    Stereo out(2.6);
    Random random(0xc08);
    Run(out, 0, {72, 76, 79}, 0.1, 0.15, 0.7);
    Bell(out, 0.3, NoteHz(84), 0.5, 0.9);
    Bell(out, 0.3, NoteHz(72), 0.5, 0.35, -0.3);
    Glitter(out, 0.3, 0.5, 0.15, random);
    AddReverb(out, 0.7, 0.4, 0.3);
    return Finished(out, -4);
}

// Well done: a flourish up two octaves that settles on the tonic.
Stereo LevelEnd() {
    Stereo out(3.2);
    Random random(0xc09);
    Run(out, 0, {67, 72, 76, 79, 84, 88, 91}, 0.055, 0.18, 0.6);
    for (double note : {72.0, 79.0, 84.0, 96.0}) Bell(out, 0.42, NoteHz(note), 0.7, 0.4, (note - 84) / 24);
    Glitter(out, 0.42, 0.8, 0.2, random);
    AddReverb(out, 0.75, 0.4, 0.3);
    return Finished(out, -4);
}

// Time is up: a clock's strike and a falling minor line.
Stereo TimeUp() {
    Stereo out(2.8);
    Random random(0xc0a);
    AddTone(out, 0, 1.6, NoteHz(76),
            {{1, 1, 1}, {2.4, 0.5, 0.5}, {3.0, 0.3, 0.4}, {4.5, 0.2, 0.3}, {5.9, 0.1, 0.2}}, {0.001, 0.45},
            0.7, 0);
    Run(out, 0.25, {84, 80, 77, 72}, 0.13, 0.3, 0.5);
    AddReverb(out, 0.7, 0.5, 0.3);
    return Finished(out, -4);
}

// No more moves: a droopy, spooky "wah-wah" on a wavering minor line.
Stereo NoMoreMoves() {
    Stereo out(2.9);
    const double notes[] = {67, 66, 65, 63};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 0.9 : 0.26;
        AddTone(out, 0.27 * i, length,
                Pitch(NoteHz(notes[i] + 0.5)).GlideTo(NoteHz(notes[i]), 0.04).Vibrato(6, 0.3, 0.1),
                {{1, 1, 1}, {2, 0.5, 1}, {3, 0.35, 1}, {4, 0.2, 1}, {5, 0.12, 1}}, {0.02, 0.4}, 0.5, 0);
        Bell(out, 0.27 * i, NoteHz(notes[i] + 12), 0.15, 0.25, 0.3);
    }
    AddReverb(out, 0.7, 0.5, 0.3);
    return Finished(out, -5);
}

// The last seconds: one clear tick of a clock bell every second.
Stereo LowTimeBeep() {
    Stereo out(0.4);
    Random random(0xc0b);
    Bell(out, 0, NoteHz(86), 0.06, 1);
    AddNoise(out, 0, 0.006, {FilterKind::HighPass, 3000}, {0.0002, 0.0015}, 0.3, 0, random);
    return Finished(out, -6);
}

const GroupRegistration kSoundsRewards(EffectGroup("sfx_rewards", {
                                                                      {"coin", Coin},
                                                                      {"bag", Bag},
                                                                      {"coindisappears", CoinDisappears},
                                                                      {"GaugeFull", GaugeFull},
                                                                      {"BonusAppears", BonusAppears},
                                                                      {"GoalDone", GoalDone},
                                                                      {"EggDrop", EggDrop},
                                                                      {"LevelStart", LevelStart},
                                                                      {"LevelEnd", LevelEnd},
                                                                      {"TimeUp", TimeUp},
                                                                      {"NoMoreMoves", NoMoreMoves},
                                                                      {"LowTimeBeep", LowTimeBeep},
                                                                  }));

}  // namespace
}  // namespace assetgen
