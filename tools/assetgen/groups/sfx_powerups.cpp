// The power-ups the player carries onto the board: the village's own tools against the night (a stake,
// a broom, a tarot card) and the lightning that also splits the title screen's sky. Wood and air for the
// tools, a deep rumble for the storm.

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// A swing through the air.
void Swing(Stereo& out, double at, double length, double fromHz, double toHz, double gain, Random& random,
           double pan = 0) {
    AddNoise(out, at, length, {FilterKind::BandPass, fromHz, toHz, 1.3}, {0.6 * length, 0.15 * length}, gain,
             pan, random);
}

// Seasoned wood struck hard: a few low modes and the bite of the contact.
void Thunk(Stereo& out, double at, double hz, double gain, Random& random) {
    AddTone(out, at, 0.3, Pitch(hz * 1.15).GlideTo(hz, 0.01),
            {{1, 1, 1}, {2.57, 0.5, 0.5}, {4.2, 0.25, 0.35}}, {0.0006, 0.055}, gain, 0);
    AddNoise(out, at, 0.03, {FilterKind::BandPass, 1800, 0, 0.8}, {0.0003, 0.006}, 0.6 * gain, 0, random);
}

// Thunder: a tearing crack, then a rumble that rolls in uneven swells.
Stereo Lightning() {
    Stereo out(5.0);
    Random random(0xd01);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.012 * i + 0.01 * random.Uniform();
        AddNoise(out, t, 0.05, {FilterKind::HighPass, random.Range(600, 1500)}, {0.0003, 0.012},
                 1.6 - 0.15 * i, random.Range(-0.5, 0.5), random);
    }
    AddTone(out, 0.02, 1.2, Pitch(70).GlideTo(32, 0.3), {{1, 1, 1}}, {0.01, 0.45}, 0.35, 0);
    for (int i = 0; i < 9; ++i) {
        const double t = 0.05 + 1.6 * random.Uniform() * random.Uniform();
        const double length = random.Range(0.5, 1.3);
        AddNoise(out, t, length, {FilterKind::LowPass, random.Range(250, 600), 90}, {0.12, length / 3},
                 random.Range(0.5, 1.0), random.Range(-0.6, 0.6), random);
    }
    AddReverb(out, 0.9, 0.6, 0.3);
    Saturate(out, 1.5);
    FinishEffect(out, -3.1);
    return out;
}

// A stake: swung, driven home with a thunk, the wood groaning a little.
Stereo Stake() {
    Stereo out(1.6);
    Random random(0xd02);
    Swing(out, 0, 0.16, 700, 1800, 0.5, random);
    Thunk(out, 0.13, 190, 1, random);
    Thunk(out, 0.135, 420, 0.4, random);
    const Throat grain{{{520, 0.012, 1}, {1300, 0.008, 0.5}}, 0, 0.8};
    AddVoice(out, 0.2, 0.35, Pitch(55).GlideTo(38, 0.2), grain, {0.03, 0.12}, 0.5, 0.2, random);
    AddReverb(out, 0.5, 0.6, 0.2);
    FinishEffect(out, -4);
    return out;
}

// A broom: two brisk sweeps of bristles.
Stereo Broom() {
    Stereo out(1.0);
    Random random(0xd03);
    for (int stroke = 0; stroke < 2; ++stroke) {
        const double at = 0.3 * stroke, pan = stroke ? 0.4 : -0.4;
        Swing(out, at, 0.26, 2500, 5500, 0.5, random, pan);
        // The bristles: many tiny scratches riding on the sweep.
        for (int i = 0; i < 26; ++i) {
            const double t = at + 0.24 * random.Uniform();
            AddNoise(out, t, 0.012, {FilterKind::HighPass, random.Range(3000, 7000)}, {0.0005, 0.003}, 0.35,
                     pan, random);
        }
    }
    FinishEffect(out, -6);
    return out;
}

// The tarot card: a flutter of cards being drawn, then a strange shimmer up a whole-tone scale.
Stereo RandomCard() {
    Stereo out(3.2);
    Random random(0xd04);
    for (int i = 0; i < 9; ++i) {
        AddNoise(out, 0.022 * i, 0.015, {FilterKind::BandPass, random.Range(2500, 4000), 0, 1.5},
                 {0.0005, 0.004}, 0.6, random.Range(-0.3, 0.3), random);
    }
    for (int i = 0; i < 6; ++i) {
        AddTone(out, 0.2 + 0.07 * i, 1.2, Pitch(NoteHz(74 + 2 * i)).Vibrato(6, 0.1),
                {{1, 1, 1}, {2.76, 0.3, 0.5}, {1.005, 0.6, 1}}, {0.01, 0.35}, 0.25, -0.5 + 0.2 * i);
    }
    AddNoise(out, 0.2, 0.9, {FilterKind::BandPass, 4000, 8000, 1.5}, {0.25, 0.25}, 0.1, 0, random);
    AddReverb(out, 0.8, 0.4, 0.35);
    FinishEffect(out, -5);
    return out;
}

const GroupRegistration kSoundsPowerUps(EffectGroup("sfx_powerups", {
                                                                        {"lightning", Lightning},
                                                                        {"Stake", Stake},
                                                                        {"Broom", Broom},
                                                                        {"Random", RandomCard},
                                                                    }));

}  // namespace
}  // namespace assetgen
