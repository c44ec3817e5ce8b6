// The sounds of the board: gems are struck crystal (a shimmering pair of near-unison partials over a few
// bright overtones); the obstacles are stone (low, dull modes and grit) and iron chain (clinking,
// inharmonic).

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// A struck crystal; the near-unison partial beats against the fundamental for a gentle shimmer.
void Crystal(Stereo& out, double at, const Pitch& pitch, double decay, double gain, double pan = 0) {
    AddTone(out, at, 6 * decay, pitch,
            {{1, 1, 1}, {1.004, 0.5, 1}, {2, 0.3, 0.5}, {3.01, 0.12, 0.35}, {5.2, 0.06, 0.2}}, {0.001, decay},
            gain, pan);
}

// The tiny bright click of contact that starts every strike.
void Contact(Stereo& out, double at, double gain, Random& random, double pan = 0) {
    AddNoise(out, at, 0.006, {FilterKind::HighPass, 3500}, {0.0002, 0.0012}, gain, pan, random);
}

// A lump of stone knocked: a few low modes that die at once, and grit.
void Stone(Stereo& out, double at, double hz, double gain, Random& random, double pan = 0) {
    AddTone(out, at, 0.12, hz, {{1, 1, 1}, {1.58, 0.6, 0.7}, {2.34, 0.35, 0.5}, {3.9, 0.15, 0.3}},
            {0.0008, 0.022}, gain, pan);
    AddNoise(out, at, 0.05, {FilterKind::LowPass, 2200}, {0.0005, 0.012}, 0.5 * gain, pan, random);
}

// Stones falling apart: grains of grit, thinning out over the length.
void Crumble(Stereo& out, double at, double length, int grains, double gain, Random& random) {
    for (int i = 0; i < grains; ++i) {
        const double u = random.Uniform();
        const double t = at + length * u * u;
        const double hz = random.Range(700, 3800);
        AddNoise(out, t, 0.03, {FilterKind::BandPass, hz, 0, 3}, {0.0005, 0.006}, gain * (1 - 0.7 * u),
                 random.Range(-0.6, 0.6), random);
        if (i % 3 == 0)
            Stone(out, t, random.Range(500, 1100), 0.25 * gain * (1 - u), random, random.Range(-0.5, 0.5));
    }
}

// An iron link clinking against another.
void Clink(Stereo& out, double at, double hz, double gain, double pan = 0) {
    AddTone(out, at, 0.25, hz, {{1, 1, 1}, {2.81, 0.55, 0.6}, {5.93, 0.3, 0.4}, {9.1, 0.12, 0.25}},
            {0.0003, 0.045}, gain, pan);
}

// Air pushed aside by a moving gem.
void Swish(Stereo& out, double at, double length, double fromHz, double toHz, double gain, Random& random) {
    AddNoise(out, at, length, {FilterKind::BandPass, fromHz, toHz, 1.2}, {length * 0.4, length * 0.25}, gain,
             0, random);
}

Stereo Finished(Stereo sound, double dbfs) {
    FinishEffect(sound, dbfs);
    return sound;
}

Stereo Click() {
    Stereo out(0.4);
    Random random(0xb01);
    Contact(out, 0, 0.5, random);
    Crystal(out, 0, NoteHz(88), 0.06, 1);
    return Finished(out, -6);
}

Stereo ClickReverse() {
    Stereo out(0.4);
    Random random(0xb02);
    Contact(out, 0, 0.35, random);
    Crystal(out, 0, Pitch(NoteHz(83)).GlideTo(NoteHz(81), 0.05), 0.05, 1);
    return Finished(out, -8);
}

// "Uh-uh": two dull knocks, the second lower.
Stereo InvalidClick() {
    Stereo out(0.4);
    Random random(0xb03);
    Stone(out, 0, 240, 1, random);
    Stone(out, 0.085, 190, 0.8, random);
    return Finished(out, -7);
}

// Two gems trade places: their voices glide past each other inside a short swish.
Stereo Swap() {
    Stereo out(0.5);
    Random random(0xb04);
    Swish(out, 0, 0.2, 600, 2400, 0.8, random);
    AddTone(out, 0, 0.24, Pitch(NoteHz(76)).GlideTo(NoteHz(83), 0.07), {{1, 1, 1}, {2, 0.25, 0.6}},
            {0.03, 0.06}, 0.3, -0.4);
    AddTone(out, 0, 0.24, Pitch(NoteHz(83)).GlideTo(NoteHz(76), 0.07), {{1, 1, 1}, {2, 0.25, 0.6}},
            {0.03, 0.06}, 0.3, 0.4);
    return Finished(out, -6);
}

// The gems start across, bump, and spring back.
Stereo FailedSwap() {
    Stereo out(0.7);
    Random random(0xb05);
    Swish(out, 0, 0.14, 700, 2000, 0.7, random);
    Stone(out, 0.12, 300, 0.5, random);
    Swish(out, 0.14, 0.18, 2000, 600, 0.6, random);
    AddTone(out, 0.12, 0.35, Pitch(NoteHz(70)).GlideTo(NoteHz(63), 0.12).Vibrato(11, 0.6),
            {{1, 1, 1}, {2, 0.3, 0.7}, {3, 0.1, 0.5}}, {0.005, 0.12}, 0.35, 0);
    return Finished(out, -7);
}

// Gems bursting: a bright crystal chord struck almost at once, with sparkle. Played at 0.7 … 0.9.
Stereo Match() {
    Stereo out(1.6);
    Random random(0xb06);
    Contact(out, 0, 0.6, random);
    const double notes[] = {91, 95, 98, 103};
    for (int i = 0; i < 4; ++i) Crystal(out, 0.018 * i, NoteHz(notes[i]), 0.16, 0.45, -0.45 + 0.3 * i);
    AddNoise(out, 0, 0.3, {FilterKind::HighPass, 6000}, {0.002, 0.06}, 0.12, 0, random);
    AddReverb(out, 0.5, 0.4, 0.2);
    return Finished(out, -5);
}

// The match, and the gold tile under it answering with a ring.
Stereo MatchOverTile() {
    Stereo out(1.8);
    Random random(0xb07);
    Contact(out, 0, 0.6, random);
    const double notes[] = {91, 95, 98};
    for (int i = 0; i < 3; ++i) Crystal(out, 0.018 * i, NoteHz(notes[i]), 0.14, 0.4, -0.3 + 0.3 * i);
    Clink(out, 0.05, 2350, 0.45, 0.2);
    AddTone(out, 0.05, 1.0, 1568, {{1, 1, 1}, {2.76, 0.3, 0.5}}, {0.002, 0.3}, 0.25, -0.1);
    AddReverb(out, 0.5, 0.4, 0.2);
    return Finished(out, -5);
}

// The match, and the frost under it cracking.
Stereo MatchOverArmour2() {
    Stereo out(1.5);
    Random random(0xb08);
    Contact(out, 0, 0.6, random);
    const double notes[] = {91, 95, 98};
    for (int i = 0; i < 3; ++i) Crystal(out, 0.018 * i, NoteHz(notes[i]), 0.14, 0.4, -0.3 + 0.3 * i);
    for (int i = 0; i < 14; ++i) {
        const double t = 0.02 + 0.012 * i + 0.01 * random.Uniform();
        AddNoise(out, t, 0.02, {FilterKind::HighPass, random.Range(2500, 6000)}, {0.0003, 0.003},
                 0.7 * (1 - i / 16.0), random.Range(-0.5, 0.5), random);
    }
    AddReverb(out, 0.4, 0.4, 0.15);
    return Finished(out, -5);
}

// A chained gem: the links rattle. Played at 1.2.
Stereo LockClick() {
    Stereo out(0.5);
    Random random(0xb09);
    const double times[] = {0, 0.028, 0.061, 0.085};
    for (int i = 0; i < 4; ++i) {
        Clink(out, times[i], random.Range(2000, 2900), 0.8 - 0.15 * i, random.Range(-0.4, 0.4));
        Contact(out, times[i], 0.3, random);
    }
    return Finished(out, -7);
}

Stereo RockClick() {
    Stereo out(0.3);
    Random random(0xb0a);
    Stone(out, 0, 330, 1, random);
    Crumble(out, 0.01, 0.08, 4, 0.25, random);
    return Finished(out, -6);
}

// The chain falls away and the gem rings free.
Stereo Unlock() {
    Stereo out(1.6);
    Random random(0xb0b);
    const double times[] = {0, 0.035, 0.055, 0.09, 0.13};
    for (int i = 0; i < 5; ++i)
        Clink(out, times[i], random.Range(1800, 2800), 0.7 - 0.1 * i, random.Range(-0.5, 0.5));
    Crystal(out, 0.1, NoteHz(86), 0.15, 0.45, -0.1);
    Crystal(out, 0.19, NoteHz(93), 0.22, 0.5, 0.1);
    AddReverb(out, 0.5, 0.4, 0.2);
    return Finished(out, -5);
}

// The rock falls apart. Played at 0.8.
Stereo RockDestroyed() {
    Stereo out(1.6);
    Random random(0xb0c);
    Stone(out, 0, 210, 1, random);
    AddTone(out, 0, 0.3, Pitch(120).GlideTo(70, 0.1), {{1, 1, 1}}, {0.002, 0.08}, 0.6, 0);
    Crumble(out, 0.01, 0.6, 36, 0.6, random);
    AddReverb(out, 0.4, 0.6, 0.15);
    return Finished(out, -4);
}

// The rock splits: a sharp snap and a little grit. Played at 0.5, so it is written high.
Stereo RockCracked() {
    Stereo out(0.6);
    Random random(0xb0d);
    AddNoise(out, 0, 0.02, {FilterKind::HighPass, 1800}, {0.0002, 0.004}, 1, 0, random);
    Stone(out, 0, 620, 0.9, random);
    Crumble(out, 0.015, 0.2, 9, 0.35, random);
    return Finished(out, -5);
}

// Gems settling after a fall; heard often, so soft and short.
Stereo GemLanding() {
    Stereo out(0.2);
    Random random(0xb0e);
    AddTone(out, 0, 0.1, 620, {{1, 1, 1}, {2.3, 0.3, 0.4}}, {0.0008, 0.018}, 0.8, 0);
    Crystal(out, 0.001, NoteHz(84), 0.025, 0.25);
    Contact(out, 0, 0.2, random);
    return Finished(out, -12);
}

Stereo Hint() {
    Stereo out(1.6);
    Crystal(out, 0, NoteHz(91), 0.2, 0.6, -0.2);
    Crystal(out, 0.12, NoteHz(96), 0.25, 0.6, 0.2);
    AddReverb(out, 0.6, 0.4, 0.3);
    return Finished(out, -10);
}

// The magic gem lets go: crystals run up a pentatonic scale into a shimmer.
Stereo MagicReleased() {
    Stereo out(2.8);
    Random random(0xb0f);
    const int steps[] = {0, 2, 4, 7, 9};
    for (int i = 0; i < 12; ++i) {
        const double note = 79 + 12 * (i / 5) + steps[i % 5];
        Crystal(out, 0.045 * i, NoteHz(note), 0.3, 0.35, -0.6 + 0.1 * i);
    }
    AddNoise(out, 0, 1.2, {FilterKind::BandPass, 5000, 9000, 1.5}, {0.3, 0.35}, 0.12, 0, random);
    AddTone(out, 0.5, 1.3, NoteHz(103), {{1, 1, 1}, {1.006, 0.8, 1}}, {0.2, 0.35}, 0.15, 0);
    AddReverb(out, 0.8, 0.4, 0.35);
    return Finished(out, -5);
}

// The whole board drops into place: a falling gust and a deep landing in a big space. Also played at 0.8
// when it leaves.
Stereo SlideInReverb() {
    Stereo out(3.2);
    Random random(0xb10);
    AddNoise(out, 0, 0.8, {FilterKind::BandPass, 3000, 280, 1.2}, {0.25, 0.35}, 0.7, -0.2, random);
    AddNoise(out, 0, 0.8, {FilterKind::HighPass, 5000, 1200}, {0.2, 0.3}, 0.12, 0.3, random);
    AddTone(out, 0.55, 0.6, Pitch(95).GlideTo(48, 0.12), {{1, 1, 1}, {2, 0.2, 0.5}}, {0.003, 0.14}, 0.8, 0);
    Stone(out, 0.55, 160, 0.4, random);
    AddReverb(out, 0.85, 0.5, 0.45);
    return Finished(out, -4);
}

const GroupRegistration kSoundsBoard(EffectGroup("sfx_board", {
                                                                  {"Click", Click},
                                                                  {"ClickReverse", ClickReverse},
                                                                  {"InvalidClick", InvalidClick},
                                                                  {"Swap", Swap},
                                                                  {"FailedSwap", FailedSwap},
                                                                  {"Match", Match},
                                                                  {"MatchOverTile", MatchOverTile},
                                                                  {"MatchOverArmour2", MatchOverArmour2},
                                                                  {"LockClick", LockClick},
                                                                  {"RockClick", RockClick},
                                                                  {"Unlock", Unlock},
                                                                  {"RockDestroyed", RockDestroyed},
                                                                  {"RockCracked", RockCracked},
                                                                  {"GemLanding", GemLanding},
                                                                  {"Hint", Hint},
                                                                  {"MagicReleased", MagicReleased},
                                                                  {"SlideInReverb", SlideInReverb},
                                                              }));

}  // namespace
}  // namespace assetgen
