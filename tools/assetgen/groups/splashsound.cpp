// The maker's jingle, played looping at rate 0.9 while the splash fades in, holds and fades out; so it
// starts and ends at rest, and the loop's seam makes no click.

#include <vector>

#include "platform/codecs/SoundCodec.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Processing.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Synth.h"

namespace assetgen {
namespace {

// A harp rising through D major with an added ninth over a low pad, ending on a bell; about three
// seconds with its tail. The first string sounds within two milliseconds, so the jingle starts with the
// picture.
platform::SoundData ComposeJingle() {
    using namespace synth;
    Stereo out(3.4);
    Random random(0x7a2f);
    AddPad(out, 0.0, 3.0, {NoteHz(50), NoteHz(57), NoteHz(62)}, 0.05);
    const std::vector<Partial> harp = {{1, 1, 1}, {2, 0.45, 0.55}, {3, 0.18, 0.35}, {4, 0.08, 0.25}};
    const double notes[] = {62, 69, 74, 76, 78, 81};
    for (int i = 0; i < 6; ++i) {
        const double at = 0.0015 + 0.16 * i, pan = -0.5 + 0.2 * i;
        AddTone(out, at, 3.0 - at, NoteHz(notes[i]), harp, {0.004, 0.9}, 0.22, pan);
        AddNoiseBurst(out, at, 0.02, 3000, 0.03, pan, random);
    }
    const std::vector<Partial> bell = {{1, 1, 1}, {2.76, 0.4, 0.45}, {5.4, 0.2, 0.25}, {8.93, 0.08, 0.15}};
    AddTone(out, 1.02, 2.0, NoteHz(86), bell, {0.002, 0.7}, 0.12, 0.25);
    AddTone(out, 1.02, 2.0, NoteHz(74), bell, {0.002, 0.9}, 0.1, -0.2);
    AddReverb(out, 0.8, 0.5, 0.35);
    // A fade-in shorter than the first string's attack keeps the loop's seam at rest without a lead-in.
    FadeEnds(out, 0.0015, 0.6);
    NormalisePeak(out, -3.1);
    return ToSound(out);
}

const GroupRegistration kSplashSound({
    .name = "splashsound",
    .required = {"splashsound.wav"},
    .make = [](DataFolder& out) { out.Write("splashsound.wav", platform::EncodeWav16(ComposeJingle())); },
});

}  // namespace
}  // namespace assetgen
