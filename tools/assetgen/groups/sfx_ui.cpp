// The sounds of buttons, dialogs, menus and panels. They share one voice: a small wooden knob tapped and
// the glass of a lantern answering it, with a breath of air when something slides.
//
// Names chosen for the sounds the game plays without naming them (load them by these names):
//   MenuActivate     the in-game menu opening (with SlideIn)
//   MenuDeactivate   the in-game menu closing (with SlideOut)
//   PanelActivate    the level-complete panel unrolling
//   PanelDeactivate  the level-complete panel rolling up
//   SliderClick      a step of the options screen's sound slider

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// A tap on a small wooden knob: the modes of a free bar, dying fast, over a short scratch of contact.
void Tap(Stereo& out, double at, double hz, double gain, Random& random, double pan = 0) {
    AddTone(out, at, 0.09, hz, {{1, 1, 1}, {2.76, 0.45, 0.5}, {5.4, 0.2, 0.3}}, {0.0004, 0.016}, gain, pan);
    AddNoise(out, at, 0.008, {FilterKind::HighPass, 2500}, {0.0002, 0.0018}, 0.6 * gain, pan, random);
}

// The lantern glass: a clear ring with two faint inharmonic overtones.
void Glass(Stereo& out, double at, double hz, double decay, double gain, double pan = 0) {
    AddTone(out, at, 6 * decay, hz, {{1, 1, 1}, {2.32, 0.22, 0.45}, {4.25, 0.08, 0.3}}, {0.0015, decay}, gain,
            pan);
}

// Air pushed aside: a band of noise sweeping from one pitch to another.
void Breeze(Stereo& out, double at, double length, double fromHz, double toHz, const Envelope& shape,
            double gain, Random& random, double pan = 0) {
    AddNoise(out, at, length, {FilterKind::BandPass, fromHz, toHz, 1.4}, shape, gain, pan, random);
    AddNoise(out, at, length, {FilterKind::HighPass, 2.5 * fromHz, 2.5 * toHz}, shape, 0.15 * gain, -pan,
             random);
}

// Paper unrolling or rolling up: quick rustles whose rate moves from one speed to another.
void Rustle(Stereo& out, double at, double length, double fromRate, double toRate, double gain,
            Random& random) {
    for (double t = 0; t < length;) {
        const double u = t / length;
        const double rate = fromRate + (toRate - fromRate) * u;
        const double level = gain * (0.6 + 0.4 * random.Uniform()) * (1 - 0.5 * u);
        AddNoise(out, at + t, 0.03, {FilterKind::BandPass, 2600 + 1400 * random.Uniform(), 0, 1.1},
                 {0.002, 0.007}, level, random.Range(-0.3, 0.3), random);
        t += 1 / rate;
    }
}

Stereo Finished(Stereo sound, double dbfs) {
    FinishEffect(sound, dbfs);
    return sound;
}

Stereo ButtonClick() {
    Stereo out(0.25);
    Random random(0x0b1);
    Tap(out, 0, 1050, 1, random);
    Glass(out, 0.002, NoteHz(96), 0.045, 0.35);
    return Finished(out, -4);
}

Stereo ButtonMouseOver() {
    Stereo out(0.2);
    Random random(0x0b2);
    Tap(out, 0, 1900, 0.25, random);
    Glass(out, 0.001, NoteHz(100), 0.03, 0.5);
    return Finished(out, -13);
}

Stereo SliderClick() {
    Stereo out(0.12);
    Random random(0x0b3);
    Tap(out, 0, 1450, 1, random);
    return Finished(out, -8);
}

// A quill on parchment: a tiny tap and a scratch.
Stereo Typing() {
    Stereo out(0.12);
    Random random(0x0b4);
    Tap(out, 0, 2300, 0.7, random);
    AddNoise(out, 0.002, 0.035, {FilterKind::BandPass, 4200, 3000, 2}, {0.003, 0.01}, 0.5, 0.1, random);
    return Finished(out, -10);
}

Stereo Confirm() {
    Stereo out(1.4);
    Random random(0x0b5);
    Tap(out, 0, 1050, 0.8, random);
    Glass(out, 0.0, NoteHz(91), 0.16, 0.5, -0.15);
    Glass(out, 0.075, NoteHz(98), 0.2, 0.5, 0.15);
    AddReverb(out, 0.4, 0.6, 0.2);
    return Finished(out, -5);
}

// A found item: a little rising arpeggio that lingers.
Stereo OkDialog() {
    Stereo out(2.0);
    Random random(0x0b6);
    Tap(out, 0, 1050, 0.6, random);
    const double notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) Glass(out, 0.07 * i, NoteHz(notes[i]), 0.28, 0.42, -0.3 + 0.2 * i);
    AddReverb(out, 0.6, 0.5, 0.3);
    return Finished(out, -6);
}

// The in-game menu: a soft knock on the wood and a lantern chord above it.
Stereo MenuActivate() {
    Stereo out(1.4);
    Random random(0x0b7);
    Tap(out, 0, 330, 1, random);
    Glass(out, 0.01, NoteHz(84), 0.22, 0.35, -0.2);
    Glass(out, 0.03, NoteHz(91), 0.22, 0.3, 0.2);
    AddReverb(out, 0.5, 0.5, 0.25);
    return Finished(out, -7);
}

Stereo MenuDeactivate() {
    Stereo out(1.4);
    Random random(0x0b8);
    Tap(out, 0, 300, 0.9, random);
    Glass(out, 0.0, NoteHz(91), 0.18, 0.3, 0.2);
    Glass(out, 0.06, NoteHz(84), 0.2, 0.3, -0.2);
    AddReverb(out, 0.5, 0.5, 0.25);
    return Finished(out, -8);
}

// The level-complete panel unrolls like a scroll and lands with a knock and a chime.
Stereo PanelActivate() {
    Stereo out(1.8);
    Random random(0x0b9);
    Rustle(out, 0, 0.42, 34, 14, 0.6, random);
    Breeze(out, 0, 0.45, 500, 1600, {0.02, 0.15, 0.15}, 0.35, random);
    Tap(out, 0.43, 360, 0.9, random);
    Glass(out, 0.44, NoteHz(91), 0.25, 0.3);
    AddReverb(out, 0.5, 0.5, 0.2);
    return Finished(out, -7);
}

Stereo PanelDeactivate() {
    Stereo out(1.4);
    Random random(0x0ba);
    Rustle(out, 0, 0.36, 14, 36, 0.6, random);
    Breeze(out, 0, 0.4, 1500, 450, {0.01, 0.12, 0.1}, 0.35, random);
    Tap(out, 0.36, 420, 0.6, random);
    AddReverb(out, 0.4, 0.5, 0.15);
    return Finished(out, -8);
}

Stereo SlideIn() {
    Stereo out(0.7);
    Random random(0x0bb);
    Breeze(out, 0, 0.5, 320, 1900, {0.16, 0.09}, 1, random, -0.2);
    Tap(out, 0.17, 800, 0.12, random, 0.2);
    return Finished(out, -7);
}

Stereo SlideOut() {
    Stereo out(0.7);
    Random random(0x0bc);
    Breeze(out, 0, 0.5, 1900, 300, {0.03, 0.16}, 1, random, 0.2);
    return Finished(out, -7);
}

// The map's long slide, played slower: a falling gust with a glassy glissando trailing it.
Stereo SlideDown() {
    Stereo out(2.2);
    Random random(0x0bd);
    Breeze(out, 0, 1.1, 2600, 260, {0.08, 0.45, 0.1}, 1, random);
    for (int i = 0; i < 7; ++i) Glass(out, 0.05 + 0.07 * i, NoteHz(100 - 2 * i), 0.09, 0.12, 0.4 - 0.12 * i);
    AddReverb(out, 0.6, 0.5, 0.2);
    return Finished(out, -6);
}

// Map zoom: a quick "fwip" with a chirp under it.
Stereo ZoomIn() {
    Stereo out(0.5);
    Random random(0x0be);
    Breeze(out, 0, 0.26, 500, 3200, {0.09, 0.05}, 1, random);
    AddTone(out, 0, 0.2, Pitch(600).GlideTo(1500, 0.08), {{1, 1, 1}, {2, 0.2, 0.6}}, {0.06, 0.05}, 0.12, 0);
    return Finished(out, -8);
}

const GroupRegistration kSoundsUi(EffectGroup("sfx_ui", {
                                                            {"buttonclick", ButtonClick},
                                                            {"buttonMO", ButtonMouseOver},
                                                            {"SliderClick", SliderClick},
                                                            {"Typing", Typing},
                                                            {"Confirm", Confirm},
                                                            {"OKDialog", OkDialog},
                                                            {"MenuActivate", MenuActivate},
                                                            {"MenuDeactivate", MenuDeactivate},
                                                            {"PanelActivate", PanelActivate},
                                                            {"PanelDeactivate", PanelDeactivate},
                                                            {"SlideIn", SlideIn},
                                                            {"SlideOut", SlideOut},
                                                            {"SlideDown", SlideDown},
                                                            {"ZoomIn", ZoomIn},
                                                        }));

}  // namespace
}  // namespace assetgen
