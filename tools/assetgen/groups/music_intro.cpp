// The story intro: "Once upon a Misty Night". A minor, slow (72 beats a minute); a harp ripples, a flute
// tells the tale over soft strings, then the celesta takes it up while the flute holds long notes above.
// Two bars of harp, then A B: 18 bars, a minute; the last dominant falls back into the harp.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 72, .barBeats = 4};
    const Key key{69, Mode::Minor};  // A4
    Piece piece(meter, 0x1a7);

    const std::vector<Chord> chords = Progression(key, meter,
                                                  "i | VI | "
                                                  "i | VI | III | VII | iv | i | iih7 | V7 | "
                                                  "VI | VII | III | VI | iv | i | V | V7",
                                                  0);
    const auto bar = [&](int n) { return meter.Bar(n); };
    const std::string_view tale = "5h 3q 1q | 6h 5q 3q | 5h. 4q | 2h 4h | 4h. 3q | 1h 3h | 2h 4q 6q | #7h 5h";
    const std::string_view telling =
        "1'h. 7q | 7h 2'h | 3'h 5h | 6h. 1'q | 4'h 3'q 2'q | 1'w | #7h 2'h | 5h #7h";

    piece.Add(Flute(), {.gain = 0.85, .pan = -0.1, .reverb = 0.45, .looseness = 0.012})
        .Add(Melody(key, meter, tale, bar(2)))
        .Add(Pattern(chords, meter, "1w", 64, bar(10), bar(18)));
    piece.Add(Celesta(), {.gain = 0.8, .pan = 0.2, .reverb = 0.45}).Add(Melody(key, meter, telling, bar(10)));

    piece.Add(Harp(), {.gain = 0.45, .pan = -0.35, .reverb = 0.45})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 3e 2e 1e", 45, 0, bar(18)));
    piece.Add(Strings(), {.gain = 0.4, .pan = 0.1, .reverb = 0.45})
        .Add(Pattern(chords, meter, "cw", 52, bar(2), bar(18)));
    piece.Add(Bass(), {.gain = 0.6, .pan = 0, .reverb = 0.2})
        .Add(Pattern(chords, meter, "0h 2,h", 33, bar(2), bar(18)));

    piece.Add(Triangle(), {.gain = 0.3, .pan = 0.5, .reverb = 0.6})
        .Add(Steps(meter, "x...|....|....|....", bar(2), bar(18), 93));
    piece.Add(Timpani(), {.gain = 0.35, .pan = 0, .reverb = 0.4})
        .Add(Pattern(chords, meter, "0w", 33, bar(9), bar(10)))
        .Add(Pattern(chords, meter, "0h 0q 0q", 33, bar(17), bar(18)));

    return piece.RenderLoop(18);
}

const GroupRegistration kMusicIntro(MusicGroup("music_intro", "intro.ogg", Compose));

}  // namespace
}  // namespace assetgen
