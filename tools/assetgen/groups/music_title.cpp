// Title music (also the map, shop and options): "Moonlit Lanterns". D minor, a slow waltz at 96 beats a
// minute; a celesta sings over plucked strings, a flute takes the bridge in F major, and a music box
// joins the last return. A A' B A, 32 bars; the closing dominant leads back to the start.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 96, .barBeats = 3};
    const Key key{62, Mode::Minor};  // D4
    Piece piece(meter, 0x717);

    const std::string a = "i | VI | iv | V7 | i | VI | iih7 | V7 | ";
    const std::string closing = "i | VI | iv | V7 | i | iv | V7 | i | ";
    const std::string bridgeChords = "III | VII | III | VII | VI | III | iih7 | V7 | ";
    const std::vector<Chord> chords = Progression(key, meter, a + closing + bridgeChords + a, 0);
    const double second = meter.Bar(8), bridge = meter.Bar(16), last = meter.Bar(24), end = meter.Bar(32);

    const std::string_view opening = "5h 1'q | 7q 6h | 4q 6q 1'q | 2'q #7q 5q | 5h 1'q | 3'h 2'q | ";
    const std::string theme = std::string(opening) + "1'q 6q 4q | 5q #7q 2'q";
    const std::string answer = std::string(opening) + "5q #7q 2'q | 1'h.";
    const std::string_view flute =
        "3'q. 4'e 3'q | 2'h 7q | 1'q 3'q 5'q | 4'h. | 3'q 2'q 1'q | 7q 1'q 3'q | 2'q 1'q 6q | #7h 6q";

    Part& celesta = piece.Add(Celesta(), {.gain = 1, .pan = -0.1, .reverb = 0.35});
    celesta.Add(Melody(key, meter, theme, 0));
    celesta.Add(Melody(key, meter, answer, second));
    celesta.Add(Melody(key, meter, theme, last));
    piece.Add(MusicBox(), {.gain = 0.35, .pan = 0.3, .reverb = 0.45})
        .Add(Shifted(Melody(key, meter, theme, last), 0, 12));
    piece.Add(Flute(), {.gain = 0.8, .pan = 0.1, .reverb = 0.35}).Add(Melody(key, meter, flute, bridge));

    // Oom-pah-pah: the bass on one (and the fifth below every other bar), the plucked chord on two and three.
    piece.Add(Bass(), {.gain = 0.7, .pan = 0, .reverb = 0.15})
        .Add(Pattern(chords, meter, "0q rh 2,q rh", 38, 0, end));
    piece.Add(Pizzicato(), {.gain = 0.5, .pan = 0.35, .reverb = 0.25})
        .Add(Pattern(chords, meter, "rq cq cq", 57, 0, end));

    Part& strings = piece.Add(Strings(), {.gain = 0.35, .pan = 0, .reverb = 0.4});
    strings.Add(Pattern(chords, meter, "ch.", 53, bridge, end));
    piece.Add(Harp(), {.gain = 0.3, .pan = -0.5, .reverb = 0.4})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 3e", 50, second, last));

    piece.Add(Triangle(), {.gain = 0.35, .pan = 0.5, .reverb = 0.5})
        .Add(Steps(meter, "x..|...|...|...", bridge, end, 93));
    piece.Add(Kick(), {.gain = 0.4, .pan = 0, .reverb = 0.05, .looseness = 0.002})
        .Add(Steps(meter, "x..", second, end, 36));
    piece.Add(Brush(), {.gain = 0.18, .pan = 0.2, .reverb = 0.15, .looseness = 0.003})
        .Add(Steps(meter, ".oo", second, end, 38));

    return piece.RenderLoop(32);
}

const GroupRegistration kMusicTitle(MusicGroup("music_title", "title.ogg", Compose));

}  // namespace
}  // namespace assetgen
