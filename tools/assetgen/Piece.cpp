#include "tools/assetgen/Piece.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/assetgen/Processing.h"

namespace assetgen::music {

namespace {

// Every track is levelled to the same RMS, with its peaks kept under the ceiling.
constexpr double kRmsDbfs = -20, kCeilingDbfs = -1;
// Long enough for the longest ring and the room's tail to die away before they are folded round.
constexpr double kTailSeconds = 5;
constexpr double kRoomSize = 0.78, kRoomDamping = 0.45;

// The parts' notes in seconds, each a little early or late and a little louder or softer than written;
// a note pushed before the start comes round at the end of the loop.
std::vector<Sounding> Perform(const std::vector<Note>& notes, const Meter& meter, const Placement& placement,
                              double loopSeconds, Random& random) {
    std::vector<Sounding> soundings;
    for (const Note& note : notes) {
        const double start = meter.Seconds(note.beat);
        if (start >= loopSeconds - 1e-6 || note.beat < 0) {
            throw std::runtime_error("a note at beat " + std::to_string(note.beat) +
                                     " lies outside the loop");
        }
        double played = start + placement.looseness * random.Range(-1, 1);
        if (played < 0) played += loopSeconds;
        const double length = meter.Seconds(note.beat + note.length) - start;
        const double velocity = std::clamp(note.velocity * random.Range(0.92, 1.08), 0.0, 1.0);
        soundings.push_back({played, length, note.midi, velocity});
    }
    return soundings;
}

}  // namespace

Part& Piece::Add(Instrument instrument, const Placement& placement) {
    parts_.push_back(std::make_unique<Part>(std::move(instrument), placement));
    return *parts_.back();
}

synth::Stereo Piece::RenderLoop(int bars) const {
    const double loopSeconds = meter_.Seconds(meter_.Bar(bars));
    synth::Stereo dry(loopSeconds + kTailSeconds), send(loopSeconds + kTailSeconds);
    uint64_t partSeed = seed_;
    for (const auto& part : parts_) {
        Random random(++partSeed * 0x9e3779b97f4a7c15ull);
        const std::vector<Sounding> notes =
            Perform(part->notes_, meter_, part->placement_, loopSeconds, random);
        synth::Stereo played(loopSeconds + kTailSeconds);
        part->instrument_(played, notes, part->placement_.pan, random);
        synth::Mix(dry, played, 0, part->placement_.gain);
        synth::Mix(send, played, 0, part->placement_.gain * part->placement_.reverb);
    }
    synth::AddReverb(dry, send, kRoomSize, kRoomDamping, 1);
    synth::FoldLoop(dry, loopSeconds);
    synth::Level(dry, kRmsDbfs, kCeilingDbfs);
    return dry;
}

}  // namespace assetgen::music
