// Level music 3: "Something in the Mist". G minor, a slow creep at 88 beats a minute with a lazy swing;
// a theremin slides and wavers over a walking plucked bass, dark strings and the odd Neapolitan chord,
// while a celesta drops bell-like answers. A B A, 24 bars.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 88, .barBeats = 4, .swing = 0.6};
    const Key key{67, Mode::Minor};  // G4
    Piece piece(meter, 0x1e3);

    const std::string a = "i | iv | i | V7 | i | VI | bII | V7 | ";
    const std::string b = "III | VII | VI | V7 | iv | i | bII | V7 | ";
    const std::vector<Chord> chords = Progression(key, meter, a + b + a, 0);
    const auto bar = [&](int n) { return meter.Bar(n); };

    const std::string_view creep =
        "5h 3q 4q | 6h 5q 4q | 3h 2q 1q | #7h 2'h | 1'h 7q 5q | 6h 5q 3q | b2'h 6q 4q | 2'h #7h";
    const std::string_view middle =
        "3'h. 2'e 1'e | 2'h 1'q 7q | 6h 3q 6q | #7h. rq | 4'h 3'q 2'q | 1'h 5h | 6h 4q 6q | #7h 2'h";

    Part& theremin = piece.Add(Theremin(), {.gain = 0.9, .pan = 0.05, .reverb = 0.45});
    theremin.Add(Melody(key, meter, creep, 0));
    theremin.Add(Shifted(Melody(key, meter, middle, bar(8)), 0, -12));
    theremin.Add(Melody(key, meter, creep, bar(16)));

    // The celesta answers each phrase of the returning tune at its end, high and soft.
    Part& celesta = piece.Add(Celesta(), {.gain = 0.4, .pan = -0.4, .reverb = 0.5});
    celesta.Add(Pattern(chords, meter, "rh 2'q 1'q", 67, 0, bar(8)));
    celesta.Add(Pattern(chords, meter, "rh. 2'e 1'e", 67, bar(16), bar(24)));

    piece.Add(Bass(), {.gain = 0.85, .pan = 0, .reverb = 0.12})
        .Add(Pattern(chords, meter, "0q 1q 2q >q", 40, 0, bar(24)));
    piece.Add(Strings(), {.gain = 0.35, .pan = 0, .reverb = 0.45})
        .Add(Pattern(chords, meter, "cw", 55, 0, bar(24)));
    piece.Add(Pizzicato(), {.gain = 0.4, .pan = 0.45, .reverb = 0.25})
        .Add(Pattern(chords, meter, "re ce re ce re ce re ce", 58, bar(8), bar(16)));

    Part& kick = piece.Add(Kick(), {.gain = 0.5, .pan = 0, .reverb = 0.05, .looseness = 0.002});
    kick.Add(Steps(meter, "x.......", 0, bar(24), 36));
    Part& brush = piece.Add(Brush(), {.gain = 0.28, .pan = 0.2, .reverb = 0.2, .looseness = 0.004});
    brush.Add(Steps(meter, "o...x..o", 0, bar(24), 38));
    piece.Add(Triangle(), {.gain = 0.3, .pan = 0.5, .reverb = 0.5})
        .Add(Steps(meter, "x...|....", bar(8), bar(16), 91));

    return piece.RenderLoop(24);
}

const GroupRegistration kMusicLevel3(MusicGroup("music_level3", "level3.ogg", Compose));

}  // namespace
}  // namespace assetgen
