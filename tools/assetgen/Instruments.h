#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/Random.h"
#include "tools/assetgen/Synth.h"

// The village band: the instruments the music is played on, all built from the synthesiser's pieces.
// Each plays the notes of one part into a buffer at a place in the stereo field; a note at velocity 1
// peaks somewhere near 0.5, and the part's gain sets the balance.
namespace assetgen::music {

// A note as an instrument receives it, in seconds.
struct Sounding {
    double start, length;
    double midi;
    double velocity;  // 0 … 1
};

using Instrument =
    std::function<void(synth::Stereo& out, const std::vector<Sounding>& notes, double pan, Random& random)>;

// Struck and plucked: they ring on after the note (a damper stops the celesta and the bass).
Instrument Celesta();
Instrument MusicBox();
Instrument Xylophone();
Instrument Pizzicato();
Instrument Harp();
Instrument Bass();  // a plucked double bass with a round low end

// Sustained: they hold for the note's length, then let go.
Instrument ReedOrgan();  // a wheezy harmonium, two reeds a few cents apart
Instrument Strings();    // a soft bowed section, three players spread left to right
Instrument Flute();      // an ocarina-like flute with breath and a late vibrato
Instrument Clarinet();
// A singing, wavering line that slides from note to note when they touch (a monophonic part).
Instrument Theremin();

// Soft percussion. The note's pitch tunes the timpani, woodblock and triangle; the others ignore it.
Instrument Timpani();
Instrument Kick();
Instrument Brush();
Instrument Shaker();
Instrument Woodblock();
Instrument Triangle();

}  // namespace assetgen::music
