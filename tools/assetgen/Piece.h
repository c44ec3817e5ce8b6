#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "tools/assetgen/Instruments.h"
#include "tools/assetgen/Sequencer.h"
#include "tools/assetgen/Synth.h"

// A piece of music: parts (an instrument, its place in the mix, its notes) played together, humanised,
// set in a room and rendered as a seamless loop at the level every track shares.
namespace assetgen::music {

struct Placement {
    double gain = 1;
    double pan = 0;            // -1 left … 1 right
    double reverb = 0.25;      // how much of the part is sent to the room
    double looseness = 0.006;  // seconds the players may be early or late, at most
};

class Part {
public:
    Part(Instrument instrument, const Placement& placement)
        : instrument_(std::move(instrument)), placement_(placement) {}
    Part& Add(const std::vector<Note>& notes) {
        notes_.insert(notes_.end(), notes.begin(), notes.end());
        return *this;
    }

private:
    friend class Piece;
    Instrument instrument_;
    Placement placement_;
    std::vector<Note> notes_;
};

class Piece {
public:
    // seed drives the humanising: the same piece always plays the same way.
    Piece(const Meter& meter, uint64_t seed) : meter_(meter), seed_(seed) {}

    Part& Add(Instrument instrument, const Placement& placement);

    // The piece as a loop of bars: notes that ring past the end (and the room's tail) come round onto the
    // start, so the loop plays on without a seam. Every note must start inside the loop.
    synth::Stereo RenderLoop(int bars) const;

private:
    Meter meter_;
    uint64_t seed_;
    std::vector<std::unique_ptr<Part>> parts_;
};

}  // namespace assetgen::music
