// The night around the village: the title screen's crow, creaking branch and wind, and the ghost's
// scream at the end of the story. These are throats and bodies (a buzz through resonances) and moving
// air, set in a wide, damp outdoors.

#include "tools/assetgen/Processing.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace synth;

// Caw, caw, caw: a harsh, rough buzz through a bird's narrow throat, each call sagging at its end.
Stereo Crow() {
    Stereo out(3.0);
    Random random(0xa01);
    const Throat crow{{{1100, 0.0025, 1}, {1750, 0.002, 0.8}, {3000, 0.0015, 0.4}}, 0.5, 0.9};
    const double starts[] = {0, 0.36, 0.78};
    for (int i = 0; i < 3; ++i) {
        const double hz = 560 - 25 * i;
        AddVoice(out, starts[i], 0.3, Pitch(hz * 0.9).GlideTo(hz, 0.02).GlideTo(hz * 0.78, 0.08, 0.14), crow,
                 {0.015, 0.1, 0.12}, 1 - 0.12 * i, 0.3, random);
    }
    AddEcho(out, 0.23, 0.25, 1800, 0.25);
    AddReverb(out, 0.8, 0.7, 0.3);
    FinishEffect(out, -5);
    return out;
}

// A branch or an old gate: the stick-slip of wood on wood, slowing and quickening.
Stereo Creak() {
    Stereo out(2.4);
    Random random(0xa02);
    const Throat wood{{{430, 0.02, 1}, {1150, 0.012, 0.6}, {2450, 0.006, 0.3}}, 0.02, 0.7};
    AddVoice(out, 0, 1.3, Pitch(32).GlideTo(68, 0.3, 0.1).GlideTo(44, 0.25, 0.75), wood, {0.06, 0.25, 0.8}, 1,
             -0.3, random);
    AddReverb(out, 0.6, 0.7, 0.25);
    FinishEffect(out, -6);
    return out;
}

// A gust: a broad rush of air and a hollow howl whose pitch wanders. Played at varied pitch.
Stereo Wind() {
    Stereo out(4.8);
    Random random(0xa03);
    AddNoise(out, 0, 3.8, {FilterKind::LowPass, 450, 1000}, {1.2, 1.0, 0.3}, 0.6, -0.3, random);
    AddNoise(out, 0, 3.8, {FilterKind::LowPass, 700, 400}, {1.0, 1.1, 0.4}, 0.5, 0.3, random);
    AddNoise(out, 0.2, 1.9, {FilterKind::BandPass, 380, 720, 14}, {0.9, 0.7}, 2.8, 0.1, random);
    AddNoise(out, 1.5, 2.3, {FilterKind::BandPass, 700, 420, 14}, {0.5, 0.8}, 2.4, -0.1, random);
    AddReverb(out, 0.7, 0.7, 0.2);
    FinishEffect(out, -6);
    return out;
}

// The ending's ghost: a wail that shoots up, wobbles and slides down, with a second voice beneath.
Stereo Scream() {
    Stereo out(3.8);
    Random random(0xa04);
    const Throat ah{{{850, 0.004, 1}, {1250, 0.0035, 0.6}, {2900, 0.0027, 0.3}}, 0.12, 0.3};
    AddVoice(out, 0, 1.9, Pitch(420).GlideTo(960, 0.06).GlideTo(300, 0.5, 0.7).Vibrato(6.2, 0.5, 0.15), ah,
             {0.03, 0.5, 0.7}, 1, -0.15, random);
    AddVoice(out, 0.03, 1.8, Pitch(300).GlideTo(640, 0.07).GlideTo(210, 0.5, 0.7).Vibrato(5.4, 0.4, 0.2), ah,
             {0.04, 0.45, 0.6}, 0.5, 0.2, random);
    AddEcho(out, 0.27, 0.3, 2500, 0.25);
    AddReverb(out, 0.85, 0.5, 0.35);
    FinishEffect(out, -4);
    return out;
}

const GroupRegistration kSoundsScenes(EffectGroup("sfx_scenes", {
                                                                    {"crow", Crow},
                                                                    {"creak", Creak},
                                                                    {"wind", Wind},
                                                                    {"GameFinishedScreen/Scream", Scream},
                                                                }));

}  // namespace
}  // namespace assetgen
