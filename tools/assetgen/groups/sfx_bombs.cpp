// Bombs and blasts. Every one is built on the same boom (a thump falling in pitch, a roar of noise that
// closes down, a crack at its front, a little saturation for weight) and adds its own character: a
// whoosh for the line bombs, a splash and a choir for holy water, a crunch for garlic, fire for the torch.

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// size 0.5 … 1.5: how big and long the blast is.
void Boom(Stereo& out, double at, double size, Random& random) {
    AddTone(out, at, 0.5 * size + 0.3, Pitch(115).GlideTo(36, 0.08 * size), {{1, 1, 1}, {2, 0.25, 0.5}},
            {0.002, 0.2 * size}, 1.0, 0);
    for (double pan : {-0.45, 0.45}) {
        AddNoise(out, at, 1.3 * size, {FilterKind::LowPass, 4000, 160}, {0.002, 0.22 * size}, 0.8, pan,
                 random);
    }
    AddNoise(out, at, 0.05, {FilterKind::HighPass, 1500}, {0.0003, 0.01}, 0.6, 0, random);
}

// Bits flying and landing: crackles thinning out.
void Debris(Stereo& out, double at, double length, int count, double gain, Random& random) {
    for (int i = 0; i < count; ++i) {
        const double u = random.Uniform();
        AddNoise(out, at + length * u * u, 0.02, {FilterKind::BandPass, random.Range(1200, 5000), 0, 2.5},
                 {0.0003, 0.004}, gain * (1 - 0.7 * u), random.Range(-0.8, 0.8), random);
    }
}

// A rush of air from one pitch to another.
void Rush(Stereo& out, double at, double length, double fromHz, double toHz, double gain, Random& random) {
    AddNoise(out, at, length, {FilterKind::BandPass, fromHz, toHz, 1.6}, {0.6 * length, 0.2 * length}, gain,
             0, random);
}

// The same rush carried across the stereo field.
void Flyby(Stereo& out, double at, double length, double fromPan, double toPan, double gain, Random& random) {
    Stereo rush(length + 0.1);
    Rush(rush, 0, length, 900, 2600, 1, random);
    AutoPan(rush, fromPan, toPan);
    Mix(out, rush, at, gain);
}

// A magic zap: a whistle diving from high to low with a bright edge.
void Zap(Stereo& out, double at, double pan, Random& random) {
    AddTone(out, at, 0.3, Pitch(2600).GlideTo(240, 0.07), {{1, 1, 1}, {2, 0.4, 1}, {3, 0.2, 1}}, {0.002, 0.1},
            0.4, pan);
    AddNoise(out, at, 0.2, {FilterKind::BandPass, 6000, 1200, 2}, {0.002, 0.05}, 0.3, pan, random);
}

// Water thrown: a splash of bursts and the fizz of it landing on something unholy.
void Splash(Stereo& out, double at, double size, Random& random) {
    for (int i = 0; i < 10; ++i) {
        const double t = at + 0.12 * size * random.Uniform();
        AddNoise(out, t, 0.15, {FilterKind::BandPass, random.Range(900, 3500), random.Range(400, 900), 2},
                 {0.002, 0.04}, 0.5, random.Range(-0.6, 0.6), random);
        AddTone(out, t, 0.08, Pitch(random.Range(500, 900)).GlideTo(random.Range(1400, 2400), 0.02),
                {{1, 1, 1}}, {0.002, 0.02}, 0.12, random.Range(-0.5, 0.5));
    }
    AddNoise(out, at + 0.05, 0.9 * size, {FilterKind::HighPass, 4000}, {0.05, 0.25 * size}, 0.25, 0, random);
}

// A soft "ah" of a choir: three voices on a major chord with vowel formants.
void Choir(Stereo& out, double at, double length, double root, double gain, Random& random) {
    const Throat ah{{{800, 0.004, 1}, {1150, 0.0035, 0.5}, {2900, 0.0027, 0.25}}, 0.05, 0.05};
    int i = 0;
    for (double note : {root, root + 4, root + 7, root + 12}) {
        AddVoice(out, at, length, Pitch(NoteHz(note)).Vibrato(5 + 0.4 * i, 0.12, 0.15), ah,
                 {length * 0.35, length / 4}, gain, -0.4 + 0.27 * i, random);
        ++i;
    }
}

Stereo Finished(Stereo sound, double drive, double dbfs) {
    Saturate(sound, drive);
    FinishEffect(sound, dbfs);
    return sound;
}

Stereo Explode() {
    Stereo out(3.0);
    Random random(0xe01);
    Boom(out, 0, 1, random);
    Debris(out, 0.05, 0.8, 30, 0.3, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

// The pumpkin bomb: a deep boom and embers crackling after it.
Stereo Bomb() {
    Stereo out(3.0);
    Random random(0xe02);
    Boom(out, 0, 1.1, random);
    for (int i = 0; i < 18; ++i) {
        AddNoise(out, 0.2 + 1.0 * random.Uniform(), 0.01, {FilterKind::HighPass, 2500}, {0.0003, 0.002},
                 0.25 * random.Uniform(), random.Range(-0.7, 0.7), random);
    }
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

// The pumpkin itself: a hollow knock and a squelch.
Stereo Pumpkin() {
    Stereo out(1.4);
    Random random(0xe03);
    AddTone(out, 0, 0.3, Pitch(210).GlideTo(170, 0.05), {{1, 1, 1}, {2.1, 0.5, 0.5}, {3.3, 0.25, 0.3}},
            {0.001, 0.07}, 1, 0);
    AddNoise(out, 0.03, 0.3, {FilterKind::BandPass, 1800, 350, 3}, {0.005, 0.07}, 0.8, 0, random);
    AddNoise(out, 0.03, 0.25, {FilterKind::LowPass, 700}, {0.003, 0.06}, 0.6, 0, random);
    AddReverb(out, 0.4, 0.6, 0.15);
    return Finished(out, 1.5, -4);
}

Stereo CrossBomb() {
    Stereo out(3.0);
    Random random(0xe04);
    Flyby(out, 0, 0.3, -0.9, 0.9, 0.7, random);
    Rush(out, 0.04, 0.3, 2800, 500, 0.6, random);
    Boom(out, 0.18, 0.8, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

Stereo DiagonalBomb() {
    Stereo out(2.8);
    Random random(0xe05);
    Zap(out, 0, -0.4, random);
    Boom(out, 0.1, 0.7, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

Stereo DiagonalBomb2() {
    Stereo out(3.0);
    Random random(0xe06);
    Zap(out, 0, -0.6, random);
    Zap(out, 0.07, 0.6, random);
    Boom(out, 0.14, 0.9, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

Stereo HorizontalBomb() {
    Stereo out(2.8);
    Random random(0xe07);
    Flyby(out, 0, 0.35, -1, 1, 1, random);
    Boom(out, 0.16, 0.8, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

// Top to bottom: the rush falls in pitch. The stronger one is played at 0.8.
Stereo VerticalBomb() {
    Stereo out(2.8);
    Random random(0xe08);
    Rush(out, 0, 0.35, 3200, 450, 1, random);
    Boom(out, 0.16, 0.8, random);
    AddReverb(out, 0.7, 0.6, 0.25);
    return Finished(out, 2, -3.1);
}

Stereo HolyWater() {
    Stereo out(3.2);
    Random random(0xe09);
    Splash(out, 0, 1, random);
    Choir(out, 0.02, 1.1, 72, 0.25, random);
    Boom(out, 0.02, 0.5, random);
    AddReverb(out, 0.8, 0.5, 0.35);
    return Finished(out, 1.5, -3.1);
}

Stereo HolyWater2() {
    Stereo out(3.6);
    Random random(0xe0a);
    Splash(out, 0, 1.4, random);
    Choir(out, 0.02, 1.5, 67, 0.28, random);
    Choir(out, 0.3, 1.3, 79, 0.16, random);
    Boom(out, 0.02, 0.7, random);
    AddReverb(out, 0.85, 0.5, 0.35);
    return Finished(out, 1.5, -3.1);
}

// The torch's line of fire: a roar swelling in and crackling.
Stereo TorchExtra() {
    Stereo out(2.6);
    Random random(0xe0b);
    Stereo roar(1.2);
    AddNoise(roar, 0, 1.0, {FilterKind::LowPass, 500, 2500}, {0.08, 0.3}, 1.2, 0, random);
    AutoPan(roar, -0.8, 0.8);
    Mix(out, roar, 0, 1);
    Debris(out, 0.05, 0.9, 40, 0.35, random);
    Boom(out, 0.05, 0.6, random);
    AddReverb(out, 0.6, 0.6, 0.2);
    return Finished(out, 2, -3.1);
}

// The mega bomb: the biggest boom of all, and a garlicky crunch in it.
Stereo Garlic() {
    Stereo out(4.0);
    Random random(0xe0c);
    Boom(out, 0, 1.5, random);
    for (int i = 0; i < 24; ++i) {
        AddNoise(out, 0.12 * random.Uniform(), 0.04, {FilterKind::BandPass, random.Range(1000, 3000), 0, 1.5},
                 {0.0005, 0.012}, 0.5, random.Range(-0.5, 0.5), random);
    }
    Debris(out, 0.1, 1.2, 40, 0.3, random);
    AddReverb(out, 0.85, 0.6, 0.3);
    return Finished(out, 2.5, -3.1);
}

// Game over on a stuck board: a round pop ringing off the walls.
Stereo EchoPop() {
    Stereo out(3.4);
    Random random(0xe0d);
    AddTone(out, 0, 0.25, Pitch(300).GlideTo(900, 0.03), {{1, 1, 1}, {2, 0.3, 0.5}}, {0.002, 0.05}, 0.8, 0);
    Boom(out, 0, 0.5, random);
    AddEcho(out, 0.19, 0.5, 2200, 0.6);
    AddReverb(out, 0.6, 0.6, 0.2);
    return Finished(out, 1.5, -3.1);
}

const GroupRegistration kSoundsBombs(EffectGroup("sfx_bombs", {
                                                                  {"Explode", Explode},
                                                                  {"Bomb", Bomb},
                                                                  {"Pumpkin", Pumpkin},
                                                                  {"CrossBomb", CrossBomb},
                                                                  {"DiagonalBomb", DiagonalBomb},
                                                                  {"DiagonalBomb2", DiagonalBomb2},
                                                                  {"HorizontalBomb", HorizontalBomb},
                                                                  {"VerticalBomb", VerticalBomb},
                                                                  {"HolyWater", HolyWater},
                                                                  {"HolyWater2", HolyWater2},
                                                                  {"TorchExtra", TorchExtra},
                                                                  {"Garlic", Garlic},
                                                                  {"EchoPop", EchoPop},
                                                              }));

}  // namespace
}  // namespace assetgen
